#include "framework/workbook/number_format.h"

#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "framework/text/numbers.h"
#include "framework/workbook/date_format.h"
#include "framework/workbook/decimal_digits.h"
#include "framework/workbook/format_code.h"

namespace zv::workbook {

namespace {

using format_code::Section;
using format_code::Token;
using format_code::TokenKind;

const std::map<std::uint32_t, const char*>& BuiltInCodes() {
  static const std::map<std::uint32_t, const char*> codes = {
      {0, "General"},
      {1, "0"},
      {2, "0.00"},
      {3, "#,##0"},
      {4, "#,##0.00"},
      {5, "\"¥\"#,##0;\"¥\"\\-#,##0"},
      {6, "\"¥\"#,##0;[Red]\"¥\"\\-#,##0"},
      {7, "\"¥\"#,##0.00;\"¥\"\\-#,##0.00"},
      {8, "\"¥\"#,##0.00;[Red]\"¥\"\\-#,##0.00"},
      {9, "0%"},
      {10, "0.00%"},
      {11, "0.00E+00"},
      {12, "# ?/?"},
      {13, "# ?\?/??"},
      {14, "yyyy/m/d"},
      {15, "d-mmm-yy"},
      {16, "d-mmm"},
      {17, "mmm-yy"},
      {18, "h:mm AM/PM"},
      {19, "h:mm:ss AM/PM"},
      {20, "h:mm"},
      {21, "h:mm:ss"},
      {22, "yyyy/m/d h:mm"},
      {27, "yyyy\"年\"m\"月\""},
      {28, "m\"月\"d\"日\""},
      {29, "m\"月\"d\"日\""},
      {30, "m-d-yy"},
      {31, "yyyy\"年\"m\"月\"d\"日\""},
      {32, "h\"时\"mm\"分\""},
      {33, "h\"时\"mm\"分\"ss\"秒\""},
      {34, "上午/下午h\"时\"mm\"分\""},
      {35, "上午/下午h\"时\"mm\"分\"ss\"秒\""},
      {36, "yyyy\"年\"m\"月\""},
      {37, "#,##0 ;(#,##0)"},
      {38, "#,##0 ;[Red](#,##0)"},
      {39, "#,##0.00;(#,##0.00)"},
      {40, "#,##0.00;[Red](#,##0.00)"},
      {41, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)"},
      {42, "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)"},
      {43, "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)"},
      {44, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)"},
      {45, "mm:ss"},
      {46, "[h]:mm:ss"},
      {47, "mm:ss.0"},
      {48, "##0.0E+0"},
      {49, "@"},
      {50, "yyyy\"年\"m\"月\""},
      {51, "m\"月\"d\"日\""},
      {52, "yyyy\"年\"m\"月\""},
      {53, "m\"月\"d\"日\""},
      {54, "m\"月\"d\"日\""},
      {55, "上午/下午h\"时\"mm\"分\""},
      {56, "上午/下午h\"时\"mm\"分\"ss\"秒\""},
      {57, "yyyy\"年\"m\"月\""},
      {58, "m\"月\"d\"日\""},
  };
  return codes;
}

std::string TrimFractionZeros(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  return text;
}

// The mantissa's fixed text and the exponent of a number shown as
// m × 10^exponent, the exponent a multiple of `step`, the mantissa rounded at
// `decimals` and below 10^step (a rounding that carries, as 9.99 to 10.0,
// moves on to the next exponent).
std::pair<std::string, int> MantissaAndExponent(const DecimalDigits& value, int decimals, int step) {
  int exponent = value.digits.empty() ? 0 : value.point - 1;
  exponent = static_cast<int>(std::floor(static_cast<double>(exponent) / step)) * step;
  for (;;) {
    const std::string fixed = FixedText({value.digits, value.point - exponent}, decimals);
    if (static_cast<int>(fixed.find('.') == std::string::npos ? fixed.size() : fixed.find('.')) <= step)
      return {fixed, exponent};
    exponent += step;
  }
}

std::string Scientific(double value) {
  const auto [mantissa, exponent] = MantissaAndExponent(ToDecimalDigits(value), 5, 1);
  return TrimFractionZeros(mantissa) + num::Format("E%+03d", exponent);
}

// ---- numbers --------------------------------------------------------------

struct NumberLayout {
  std::vector<std::size_t> integerDigits;   // token indexes
  std::vector<std::size_t> fractionDigits;  // token indexes
  bool grouping = false;
  int scaleThousands = 0;
  int percent = 0;
  std::optional<std::size_t> exponent;
};

NumberLayout LayOut(const Section& section) {
  NumberLayout layout;
  bool afterPoint = false;
  bool afterExponent = false;
  const auto& tokens = section.tokens;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token& token = tokens[i];
    switch (token.kind) {
      case TokenKind::kDigit:
        if (afterExponent) break;
        (afterPoint ? layout.fractionDigits : layout.integerDigits).push_back(i);
        break;
      case TokenKind::kPoint:
        afterPoint = true;
        break;
      case TokenKind::kComma: {
        std::size_t next = i + 1;
        while (next < tokens.size() && tokens[next].kind == TokenKind::kComma) ++next;
        const bool digitFollows = next < tokens.size() && tokens[next].kind == TokenKind::kDigit;
        if (digitFollows && !afterPoint && !layout.integerDigits.empty())
          layout.grouping = true;
        else if (!layout.integerDigits.empty() || !layout.fractionDigits.empty())
          ++layout.scaleThousands;
        break;
      }
      case TokenKind::kPercent:
        ++layout.percent;
        break;
      case TokenKind::kExponent:
        layout.exponent = i;
        afterExponent = true;
        break;
      default:
        break;
    }
  }
  return layout;
}

std::string GroupThousands(const std::string& digits) {
  std::string grouped;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

// What each integer placeholder shows, filled from the right; the first
// placeholder takes every digit left over.
std::vector<std::string> FillInteger(const Section& section, const NumberLayout& layout,
                                     std::string digits) {
  std::vector<std::string> shown(layout.integerDigits.size());
  if (shown.empty()) return shown;
  if (layout.grouping) {
    std::size_t zeros = 0;
    for (auto index : layout.integerDigits)
      if (section.tokens[index].digit == '0') ++zeros;
    if (digits.size() < zeros) digits.insert(0, zeros - digits.size(), '0');
    shown.front() = GroupThousands(digits);
    return shown;
  }
  std::size_t available = digits.size();
  for (std::size_t k = shown.size(); k-- > 0;) {
    const char placeholder = section.tokens[layout.integerDigits[k]].digit;
    if (k == 0) {
      shown[k] = digits.substr(0, available);
      if (shown[k].empty()) shown[k] = placeholder == '0' ? "0" : placeholder == '?' ? " " : "";
    } else if (available > 0) {
      shown[k] = digits.substr(--available, 1);
    } else {
      shown[k] = placeholder == '0' ? "0" : placeholder == '?' ? " " : "";
    }
  }
  return shown;
}

std::vector<std::string> FillFraction(const Section& section, const NumberLayout& layout,
                                      const std::string& digits) {
  std::vector<std::string> shown(layout.fractionDigits.size());
  bool trailing = true;
  for (std::size_t k = shown.size(); k-- > 0;) {
    const char placeholder = section.tokens[layout.fractionDigits[k]].digit;
    const char digit = k < digits.size() ? digits[k] : '0';
    if (trailing && digit == '0' && placeholder != '0') {
      shown[k] = placeholder == '?' ? " " : "";
      continue;
    }
    trailing = false;
    shown[k] = std::string(1, digit);
  }
  return shown;
}

std::string RenderNumber(const Section& section, double value) {
  const NumberLayout layout = LayOut(section);
  // Percent and thousands move the decimal point of the 15-digit value, so no
  // scaling overflows.
  DecimalDigits x = ToDecimalDigits(value);
  if (!x.digits.empty()) x.point += 2 * layout.percent - 3 * layout.scaleThousands;
  const int decimals = static_cast<int>(layout.fractionDigits.size());

  std::string integerDigits;
  std::string fractionDigits;
  std::string exponentText;
  if (layout.exponent) {
    const int step = std::max<int>(1, static_cast<int>(layout.integerDigits.size()));
    const auto [fixed, exponent] = MantissaAndExponent(x, decimals, step);
    const auto point = fixed.find('.');
    integerDigits = fixed.substr(0, point);
    if (point != std::string::npos) fractionDigits = fixed.substr(point + 1);
    const Token& e = section.tokens[*layout.exponent];
    const std::string sign = exponent < 0 ? "-" : (e.text == "+" ? "+" : "");
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < e.width) digits.insert(0, e.width - digits.size(), '0');
    exponentText = "E" + sign + digits;
  } else {
    const std::string fixed = FixedText(x, decimals);
    const auto point = fixed.find('.');
    integerDigits = fixed.substr(0, point);
    if (point != std::string::npos) fractionDigits = fixed.substr(point + 1);
  }
  if (integerDigits == "0") integerDigits.clear();

  const auto integerShown = FillInteger(section, layout, integerDigits);
  const auto fractionShown = FillFraction(section, layout, fractionDigits);
  std::string out;
  std::size_t integerIndex = 0;
  std::size_t fractionIndex = 0;
  for (std::size_t i = 0; i < section.tokens.size(); ++i) {
    const Token& token = section.tokens[i];
    switch (token.kind) {
      case TokenKind::kDigit:
        if (integerIndex < layout.integerDigits.size() && layout.integerDigits[integerIndex] == i)
          out += integerShown[integerIndex++];
        else if (fractionIndex < layout.fractionDigits.size() && layout.fractionDigits[fractionIndex] == i)
          out += fractionShown[fractionIndex++];
        break;
      case TokenKind::kPoint:
        out += '.';
        break;
      case TokenKind::kExponent:
        out += exponentText;
        break;
      case TokenKind::kPercent:
        out += '%';
        break;
      case TokenKind::kLiteral:
        out += token.text;
        break;
      case TokenKind::kGeneral:
        out += FormatGeneral(std::fabs(value) * std::pow(100.0, layout.percent) / std::pow(1000.0, layout.scaleThousands));
        break;
      default:
        break;
    }
  }
  if (layout.integerDigits.empty() && !layout.fractionDigits.empty() && !integerDigits.empty()) {
    // No integer placeholder ("#.00" reduced to ".00"): the digits still show.
    const auto point = out.find('.');
    out.insert(point == std::string::npos ? 0 : point, integerDigits);
  }
  return out;
}

bool HasVisibleDigit(const std::string& text) {
  for (char c : text)
    if (c >= '1' && c <= '9') return true;
  return false;
}

}  // namespace

std::string BuiltInFormatCode(std::uint32_t id) {
  const auto& codes = BuiltInCodes();
  const auto it = codes.find(id);
  return it != codes.end() ? it->second : "General";
}

bool IsDateFormat(std::string_view code) {
  const auto sections = format_code::Parse(code);
  return !sections.empty() && sections.front().isDate;
}

std::string FormatGeneral(double value) {
  if (value == 0.0 || !std::isfinite(value)) return value == 0.0 ? "0" : "#NUM!";
  const double a = std::fabs(value);
  const std::string sign = value < 0 ? "-" : "";
  const int exponent = static_cast<int>(std::floor(std::log10(a)));
  std::string fixed;
  if (exponent >= -4 && exponent < 0) fixed = FixedText(ToDecimalDigits(a), 9);
  else if (exponent >= 0 && exponent <= 10) fixed = FixedText(ToDecimalDigits(a), 10 - (exponent + 1));
  fixed = TrimFractionZeros(fixed);
  if (!fixed.empty() && fixed.size() <= 11 && fixed != "0") return sign + fixed;
  return sign + Scientific(a);
}

namespace {

// Cells of a sheet share a handful of formats: the last one parsed is kept.
const std::vector<Section>& ParsedSections(std::string_view code) {
  thread_local std::string lastCode;
  thread_local std::vector<Section> lastSections;
  thread_local bool parsed = false;
  if (!parsed || code != lastCode) {
    lastSections = format_code::Parse(code);
    lastCode = std::string(code);
    parsed = true;
  }
  return lastSections;
}

}  // namespace

std::string FormatNumber(double value, std::string_view code, bool date1904) {
  if (code == "General" || !std::isfinite(value)) return FormatGeneral(value);
  const auto& sections = ParsedSections(code);
  const auto chosen = format_code::ChooseSection(sections, value);
  if (!chosen.section) return FormatGeneral(value);
  const Section& section = *chosen.section;
  if (section.isDate) {
    if (value < 0 && chosen.showMinus) return "########";
    return RenderDate(section, std::fabs(value), date1904);
  }
  if (section.isTextOnly) return FormatGeneral(value);
  std::string text = RenderNumber(section, value);
  if (chosen.showMinus && value < 0 && HasVisibleDigit(text)) text.insert(0, "-");
  return text;
}

std::string FormatText(std::string_view text, std::string_view code) {
  const auto sections = format_code::Parse(code);
  const Section* textSection = format_code::TextSection(sections);
  if (!textSection) return std::string(text);
  std::string out;
  for (const Token& token : textSection->tokens) {
    if (token.kind == TokenKind::kText) out += text;
    else if (token.kind == TokenKind::kLiteral) out += token.text;
  }
  return out;
}

}  // namespace zv::workbook
