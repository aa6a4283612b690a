#include "app/chrome/code_lists.h"

#include "framework/text/encoding.h"

namespace zv::chrome {
namespace {

constexpr int kFirstRecordField = 3;
constexpr int kLastRecordField = 9;

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

std::string_view Field(const std::vector<std::string_view>& fields, std::size_t i) {
  return i < fields.size() ? fields[i] : std::string_view();
}

}  // namespace

std::vector<CodeItem> ParseCodeList(std::string_view bytes) {
  const std::string text = text::IsValidUtf8(bytes) ? std::string(bytes) : text::FromGbk(bytes);
  std::vector<CodeItem> items;
  std::string_view rest = text;
  for (int lineNo = 0; lineNo < kCodeListMaxLines && !rest.empty(); ++lineNo) {
    // CR LF, LF, or a lone CR as old Mac editors end lines.
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    const std::size_t next = end == std::string_view::npos ? rest.size() : end + (rest.substr(end, 2) == "\r\n" ? 2 : 1);
    rest.remove_prefix(next);
    if (lineNo == 0) continue;  // the header
    const std::vector<std::string_view> fields = SplitFields(line);
    if (Field(fields, 0) == "序号" || Field(fields, 1).empty()) continue;
    CodeItem item{std::string(Field(fields, 2)), std::string(Field(fields, 1)), {}};
    for (int f = kFirstRecordField; f <= kLastRecordField; ++f) (item.record += Field(fields, f)) += ',';
    items.push_back(std::move(item));
  }
  return items;
}

const char* CodeListFileOf(int id) {
  switch (id) {
    case 33041: return "zavediz/Sub.sec";
    case 33039: return "zavediz/stratum.sec";
    case 33040: return "zavediz/Rock.sec";
    default: return nullptr;
  }
}

}  // namespace zv::chrome
