#include "framework/workbook/number_format.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "framework/text/numbers.h"
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

std::string Scientific(double value) {
  std::string text = num::Format("%.5E", value);
  const auto e = text.find('E');
  return TrimFractionZeros(text.substr(0, e)) + text.substr(e);
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
  double x = std::fabs(value) * std::pow(100.0, layout.percent) / std::pow(1000.0, layout.scaleThousands);
  const int decimals = static_cast<int>(layout.fractionDigits.size());

  std::string integerDigits;
  std::string fractionDigits;
  std::string exponentText;
  if (layout.exponent) {
    const int step = std::max<int>(1, static_cast<int>(layout.integerDigits.size()));
    int exponent = x == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(x)));
    if (step > 1) exponent = static_cast<int>(std::floor(static_cast<double>(exponent) / step)) * step;
    double mantissa = x / std::pow(10.0, exponent);
    std::string fixed = num::Format("%.*f", decimals, mantissa);
    if (step == 1 && fixed.size() >= 2 && fixed[0] == '1' && fixed[1] == '0') {
      ++exponent;  // rounding carried 9.99 up to 10
      fixed = num::Format("%.*f", decimals, mantissa / 10.0);
    }
    const auto point = fixed.find('.');
    integerDigits = fixed.substr(0, point);
    if (point != std::string::npos) fractionDigits = fixed.substr(point + 1);
    const Token& e = section.tokens[*layout.exponent];
    const std::string sign = exponent < 0 ? "-" : (e.text == "+" ? "+" : "");
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < e.width) digits.insert(0, e.width - digits.size(), '0');
    exponentText = "E" + sign + digits;
  } else {
    const std::string fixed = num::Format("%.*f", decimals, x);
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
        out += FormatGeneral(x);
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

// ---- dates ----------------------------------------------------------------

struct CivilDate {
  int year;
  int month;
  int day;
};

// Days since 1970-01-01 <-> civil date (proleptic Gregorian).
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

// The 1900 system counts a 29 February 1900 that never was (serial 60), and
// serial 0 shows as 1900-01-00.
CivilDate DateOfSerialDay(long day, bool date1904) {
  if (date1904) return CivilFromDays(DaysFromCivil(1904, 1, 1) + day);
  if (day == 0) return {1900, 1, 0};
  if (day == 60) return {1900, 2, 29};
  if (day < 60) return CivilFromDays(DaysFromCivil(1899, 12, 31) + day);
  return CivilFromDays(DaysFromCivil(1899, 12, 30) + day);
}

int Weekday(const CivilDate& date) {  // 0 Sunday
  const long days = DaysFromCivil(date.year, date.month, std::max(date.day, 1));
  return static_cast<int>(((days % 7) + 11) % 7);
}

std::string Padded(long value, int width) {
  std::string text = std::to_string(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 7> kChineseDays = {"日", "一", "二", "三", "四", "五", "六"};

std::string RenderDate(const Section& section, double value, bool date1904) {
  if (value < 0 || value > 2958465.99999) return "########";
  int subDigits = 0;
  bool twelveHour = false;
  for (const Token& token : section.tokens) {
    if (token.kind == TokenKind::kSubSecond) subDigits = std::max(subDigits, token.width);
    if (token.kind == TokenKind::kAmPm) twelveHour = true;
  }
  const double unit = std::pow(10.0, subDigits);
  const double totalUnits = std::round(value * 86400.0 * unit);
  long day = static_cast<long>(std::floor(totalUnits / (86400.0 * unit)));
  const double unitsOfDay = totalUnits - static_cast<double>(day) * 86400.0 * unit;
  const long secondOfDay = static_cast<long>(std::floor(unitsOfDay / unit));
  const long subSeconds = static_cast<long>(unitsOfDay - static_cast<double>(secondOfDay) * unit);
  const CivilDate date = DateOfSerialDay(day, date1904);
  const long hour = secondOfDay / 3600;
  const long minute = secondOfDay / 60 % 60;
  const long second = secondOfDay % 60;
  const double totalSeconds = std::floor(totalUnits / unit);

  std::string out;
  for (const Token& token : section.tokens) {
    const int w = token.width;
    switch (token.kind) {
      case TokenKind::kYear:
        out += w <= 2 ? Padded(date.year % 100, 2) : Padded(date.year, 4);
        break;
      case TokenKind::kMonth:
        if (w <= 2) out += Padded(date.month, w);
        else if (w == 3) out += std::string(kMonthNames[date.month - 1]).substr(0, 3);
        else if (w == 4) out += kMonthNames[date.month - 1];
        else out += kMonthNames[date.month - 1][0];
        break;
      case TokenKind::kDay:
        if (w <= 2) out += Padded(date.day, w);
        else if (w == 3) out += std::string(kDayNames[Weekday(date)]).substr(0, 3);
        else out += kDayNames[Weekday(date)];
        break;
      case TokenKind::kChineseWeekday:
        out += (w >= 4 ? std::string("星期") : std::string()) + kChineseDays[Weekday(date)];
        break;
      case TokenKind::kHour: {
        long h = hour;
        if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
        out += Padded(h, std::min(w, 2));
        break;
      }
      case TokenKind::kMinute:
        out += Padded(minute, std::min(w, 2));
        break;
      case TokenKind::kSecond:
        out += Padded(second, std::min(w, 2));
        break;
      case TokenKind::kSubSecond:
        out += "." + Padded(subSeconds / static_cast<long>(std::pow(10.0, subDigits - w)), w);
        break;
      case TokenKind::kElapsedHours:
        out += Padded(static_cast<long>(totalSeconds / 3600), w);
        break;
      case TokenKind::kElapsedMinutes:
        out += Padded(static_cast<long>(totalSeconds / 60), w);
        break;
      case TokenKind::kElapsedSeconds:
        out += Padded(static_cast<long>(totalSeconds), w);
        break;
      case TokenKind::kAmPm: {
        const bool pm = hour >= 12;
        if (token.text == "A/P") out += pm ? "P" : "A";
        else if (token.text == "a/p") out += pm ? "p" : "a";
        else if (token.text == "上午/下午") out += pm ? "下午" : "上午";
        else out += pm ? "PM" : "AM";
        break;
      }
      case TokenKind::kLiteral:
        out += token.text;
        break;
      case TokenKind::kComma:
        out += ',';
        break;
      case TokenKind::kPoint:
        out += '.';
        break;
      case TokenKind::kPercent:
        out += '%';
        break;
      default:
        break;
    }
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
  if (exponent >= -4 && exponent < 0) fixed = num::Format("%.9f", a);
  else if (exponent >= 0 && exponent <= 10) fixed = num::Format("%.*f", 10 - (exponent + 1), a);
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
  if (code == "General") return FormatGeneral(value);
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

double DateSerial(int year, int month, int day, double secondsOfDay, bool date1904) {
  const long days = DaysFromCivil(year, month, day);
  double serial;
  if (date1904) {
    serial = static_cast<double>(days - DaysFromCivil(1904, 1, 1));
  } else {
    serial = static_cast<double>(days - DaysFromCivil(1899, 12, 30));
    if (serial < 61) serial -= 1;  // before the 1900 system's phantom 29 February
  }
  return serial + secondsOfDay / 86400.0;
}

}  // namespace zv::workbook
