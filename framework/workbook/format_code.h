#pragma once
// Number format codes split into sections and tokens. Internal to the
// number formatter.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::workbook::format_code {

enum class TokenKind {
  kLiteral,
  kDigit,     // 0 # ?
  kPoint,
  kComma,
  kPercent,
  kExponent,  // text "+" or "-", width = minimum exponent digits
  kGeneral,
  kText,      // @
  kYear,
  kMonth,
  kDay,
  kHour,
  kMinute,
  kSecond,
  kSubSecond,
  kElapsedHours,
  kElapsedMinutes,
  kElapsedSeconds,
  kAmPm,
  kChineseWeekday,
};

struct Token {
  TokenKind kind = TokenKind::kLiteral;
  std::string text;
  int width = 1;
  char digit = '0';
};

struct Condition {
  std::string op;  // < > = <= >= <>
  double value = 0.0;
  bool Holds(double x) const;
};

struct Section {
  std::vector<Token> tokens;
  std::optional<Condition> condition;
  bool isDate = false;
  bool isTextOnly = false;  // no number or date part, but an "@"
};

std::vector<Section> Parse(std::string_view code);

struct Choice {
  const Section* section = nullptr;  // null: show as General
  bool showMinus = false;            // the section shows the value without its sign
};

// The section that shows a number, as spreadsheet programs choose it.
Choice ChooseSection(const std::vector<Section>& sections, double value);

// The section that shows text, or null when the text shows as it is.
const Section* TextSection(const std::vector<Section>& sections);

}  // namespace zv::workbook::format_code
