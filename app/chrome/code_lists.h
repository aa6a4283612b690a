#pragma once
// The code lists behind the standard toolbar's three drop-down menus
// ("zavediz/Sub.sec", "stratum.sec", "Rock.sec"): comma-separated text in
// UTF-8 or GB18030, CR LF, LF or CR. At most 998 lines are read; line 1 is the
// header; a line whose field 0 is "序号" or whose field 1 is empty is
// skipped. Each other line gives an item: its text is field 2, its code
// field 1, its record fields 3 to 9 each followed by "," (absent fields
// empty), which the tool views take as the code's attribute values.

#include <string>
#include <string_view>
#include <vector>

namespace zv::chrome {

inline constexpr int kCodeListMaxLines = 998;

struct CodeItem {
  std::string text;
  std::string code;
  std::string record;
  friend bool operator==(const CodeItem&, const CodeItem&) = default;
};

// Items of a list file's bytes (any encoding above).
std::vector<CodeItem> ParseCodeList(std::string_view bytes);

// The list file of a drop-down button (33041, 33039, 33040), relative to the
// program folder; null for another id.
const char* CodeListFileOf(int id);

}  // namespace zv::chrome
