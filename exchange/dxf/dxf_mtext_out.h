#pragma once
// The platform's note texts as MTEXT values of the export.

#include <string>
#include <string_view>

namespace zv::dxf {

class DxfGroupWriter;

// The note's codes as MTEXT formatting, on a text whose own "\", "{" and "}"
// are already escaped: "\A1;" in front; "#+x#" and "#-x#" a raised and a
// lowered stack ("{\H0.7x;\Sx^ ;}", "{\H0.7x;\S^ x;}"), the closing "#"
// read again as a code; "#=" nothing; "#" at the end dropped; "#" before any
// other character kept with it; with two or more "/", the first and the last
// open and close a stacked fraction; CR LF as "\P", other CR and LF dropped.
std::string FormatStackedText(std::string_view text);

// "\", "{" and "}" of a note as "\\", "\{" and "\}", so they read back as
// the characters.
std::string EscapeMTextCharacters(std::string_view text);

// The MTEXT value of a note (escaped, formatted, in GBK): texts longer than
// 250 bytes go out as group-3 chunks of at most 250 bytes, cut between
// characters and never inside a code, then the rest as group 1.
void WriteMTextValue(DxfGroupWriter& out, std::string_view note);

}  // namespace zv::dxf
