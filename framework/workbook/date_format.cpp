#include "framework/workbook/date_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "framework/workbook/number_format.h"

namespace zv::workbook {

using format_code::Token;
using format_code::TokenKind;

namespace {

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

}  // namespace

std::string RenderDate(const format_code::Section& section, double value, bool date1904) {
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
