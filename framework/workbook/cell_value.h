#pragma once
// A cell's value as the object model hands it out: the variant types of the
// spreadsheet programs (numbers, dates, texts, errors, booleans).

#include <string>

namespace zv::workbook {

struct CellValue {
  // The variant type numbers the spreadsheet programs use.
  enum class Type : int { kEmpty = 0, kNumber = 5, kDate = 7, kText = 8, kError = 10, kBoolean = 11 };

  Type type = Type::kEmpty;
  double number = 0.0;  // numbers, date serials, booleans (1 true)
  std::string text;     // texts and error texts ("#DIV/0!")

  static CellValue Number(double value) { return {Type::kNumber, value, {}}; }
  static CellValue Text(std::string value) { return {Type::kText, 0.0, std::move(value)}; }
  bool IsEmpty() const { return type == Type::kEmpty; }
};

// What putting a text into a cell stores, as when typed: a leading apostrophe
// keeps the rest as text, a text that reads wholly as a number stores the
// number, anything else stays text.
CellValue ValueFromTyping(const std::string& typed);

}  // namespace zv::workbook
