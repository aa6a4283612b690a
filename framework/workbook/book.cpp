#include "framework/workbook/book.h"

#include "framework/workbook/cell_value.h"
#include "framework/text/numbers.h"

#include <cctype>

namespace zv::workbook {

namespace {

// A whole decimal number: sign, digits with one optional point, exponent.
bool IsDecimalNumber(const std::string& text) {
  std::size_t i = 0;
  auto digit = [&](std::size_t k) { return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])); };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  while (digit(i)) ++i, digits = true;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (digit(i)) ++i, digits = true;
  }
  if (!digits) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digit(i)) return false;
    while (digit(i)) ++i;
  }
  return i == text.size();
}

}  // namespace

bool Book::ChangedOnDisk() const {
  if (path.empty()) return false;
  std::error_code error;
  const auto now = std::filesystem::last_write_time(path, error);
  if (error) return false;
  const auto bytes = std::filesystem::file_size(path, error);
  return !error && (now != stamp || bytes != size);
}

void Book::RememberFileState() {
  std::error_code error;
  stamp = std::filesystem::last_write_time(path, error);
  size = std::filesystem::file_size(path, error);
}

CellValue ValueFromTyping(const std::string& typed) {
  if (!typed.empty() && typed[0] == '\'') return CellValue::Text(typed.substr(1));
  const auto first = typed.find_first_not_of(' ');
  const auto last = typed.find_last_not_of(' ');
  if (first != std::string::npos) {
    const std::string trimmed = typed.substr(first, last - first + 1);
    if (IsDecimalNumber(trimmed)) return CellValue::Number(num::ParseDouble(trimmed));
  }
  return CellValue::Text(typed);
}

}  // namespace zv::workbook
