#pragma once
// Formatting codes inside DXF texts, applied to texts already decoded to
// UTF-8 (so no byte of a Chinese character is ever taken for a code).

#include <string>
#include <string_view>

namespace zv::dxf {

// MTEXT control codes to the platform's note text:
//  - "\P" (new paragraph) -> " \r\n";
//  - codes with a parameter end at ";": "\S…;" (stacked fraction) becomes a
//    note by MTextStackToNote, "\pi…;" (indent) blanks by
//    MTextIndentToSpaces, the others (\f \F \H \W \Q \T \A \C \c and the
//    other \p forms) are dropped; a code that lacks its ";" keeps the text
//    after its letter;
//  - one-letter toggles (\L \l \O \o \K \k \N \X) are dropped;
//  - "\~" is a blank; "\\", "\{", "\}" are the characters; "{" and "}"
//    alone are dropped;
//  - "\U+XXXX" is the Unicode character, "\M+5XXXX" the GBK character.
std::string ConvertMTextCodes(std::string_view text, double charSize);

// A stacked fraction ("1^ ", "^ 2", "1/2") as the platform's note text:
// "#+" raised, "#-" lowered, "#=" back to the baseline.
std::string MTextStackToNote(std::string_view text);

// An indent value as blanks: int(value / charSize + 2.5) of them.
std::string MTextIndentToSpaces(std::string_view text, double charSize);

// TEXT control sequences: %%d, %%p, %%c, %%% become °, ±, ⌀ and %
// (letters in either case); the underline and overline toggles %%u, %%o
// are dropped.
std::string ConvertTextSpecials(std::string_view text);

}  // namespace zv::dxf
