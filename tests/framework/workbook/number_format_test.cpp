#include "framework/workbook/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace zv::workbook {
namespace {

struct Case {
  double value;
  const char* code;
  const char* shown;
};

TEST(NumberFormat, ShowsNumbersAsSpreadsheetsDo) {
  const Case cases[] = {
      {0, "General", "0"},
      {1234.5678, "General", "1234.5678"},
      {-0.1, "General", "-0.1"},
      {1.0 / 3.0, "General", "0.333333333"},
      {123456789012.0, "General", "1.23457E+11"},
      {0.00001234, "General", "1.234E-05"},
      {0.0001, "General", "0.0001"},
      {1234.5678, "0.00", "1234.57"},
      {0.5, "#.##", ".5"},
      {12, "#.##", "12."},
      {1234567.891, "#,##0.00", "1,234,567.89"},
      {12, "#,##0", "12"},
      {-1234.5, "#,##0.00;[RED]\\-#,##0.00", "-1,234.50"},
      {-1234.5, "#,##0.00;(#,##0.00)", "(1,234.50)"},
      {-5, "0", "-5"},
      {-0.001, "0.00", "0.00"},
      {0, "0.00;\\-0.00;\\-", "-"},
      {0.256, "0.0%", "25.6%"},
      {12345.678, "0.00E+00", "1.23E+04"},
      {0.00012, "0.0E+0", "1.2E-4"},
      {12345, "##0.0E+0", "12.3E+3"},
      {42, "000000", "000042"},
      {3.5, "0.0\" m\"", "3.5 m"},
      {1234567, "#,##0,", "1,235"},
      {5551234, "000-0000", "555-1234"},
      {1234.5, "\"¥\"#,##0.00", "¥1,234.50"},
      {1234.5, "[$¥-804]#,##0.00", "¥1,234.50"},
      {1.5, "0.00_);(0.00)", "1.50 "},
      {150, "[>=100]0;0.0", "150"},
      {50, "[>=100]0;0.0", "50.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.code, false), c.shown) << c.code << " " << c.value;
}

TEST(NumberFormat, RoundsTheFifteenDigitValueHalfAwayFromZero) {
  struct LongCase {
    double value;
    std::string code, shown;
  };
  const LongCase cases[] = {
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {1234.5, "#,##0", "1,235"},
      {0.125, "0.00", "0.13"},
      {1.005, "0.00", "1.01"},
      {9.995, "0.00E+00", "1.00E+01"},
      {999.9999, "##0.0E+0", "1.0E+3"},
      {123456789012345678.0, "0", "123456789012346000"},
      {0.1, "0." + std::string(70, '0'), "0.1" + std::string(69, '0')},
      {1e308, "0%", "1" + std::string(310, '0') + "%"},
      {1e-300, "0.00E+00", "1.00E-300"},
  };
  for (const LongCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.code, false), c.shown) << c.code << " " << c.value;
  for (double bad : {HUGE_VAL, -HUGE_VAL, std::nan("")})
    for (const char* code : {"0", "0.00%", "#,##0", "0.00E+00"}) {
      const std::string shown = FormatNumber(bad, code, false);
      EXPECT_EQ(shown.find("inf"), std::string::npos) << code;
      EXPECT_EQ(shown.find("nan"), std::string::npos) << code;
    }
}

TEST(NumberFormat, ShowsDatesAndTimes) {
  const Case cases[] = {
      {45296.75, "yyyy\\-mm\\-dd\\ hh:mm", "2024-01-05 18:00"},
      {45296, "yyyy\\年m\\月d\\日", "2024年1月5日"},
      {45296, "yyyy\"年\"m\"月\"d\"日\"", "2024年1月5日"},
      {45296, "yyyy/m/d", "2024/1/5"},
      {45296, "d-mmm-yy", "5-Jan-24"},
      {45296, "dddd, mmmm d", "Friday, January 5"},
      {45296, "aaaa", "星期五"},
      {0.5625, "h:mm:ss", "13:30:00"},
      {0.5625, "h:mm AM/PM", "1:30 PM"},
      {0.25, "上午/下午h\"时\"mm\"分\"", "上午6时00分"},
      {1.25, "[h]:mm", "30:00"},
      {0.000694444, "mm:ss.0", "01:00.0"},
      {0.99999999, "hh:mm:ss", "00:00:00"},
      {60, "yyyy-mm-dd", "1900-02-29"},
      {61, "yyyy-mm-dd", "1900-03-01"},
      {1, "yyyy-mm-dd", "1900-01-01"},
      {-1, "yyyy-mm-dd", "########"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.code, false), c.shown) << c.code << " " << c.value;
  EXPECT_EQ(FormatNumber(0, "yyyy-mm-dd", true), "1904-01-01");
  EXPECT_EQ(FormatNumber(43831, "yyyy-mm-dd", true), "2024-01-02");
}

TEST(NumberFormat, ShowsTextUnderTheTextSection) {
  EXPECT_EQ(FormatText("0123", "@"), "0123");
  EXPECT_EQ(FormatText("abc", "0.00"), "abc");
  EXPECT_EQ(FormatText("abc", "0;-0;0;\"<\"@\">\""), "<abc>");
  EXPECT_EQ(FormatNumber(12, "@", false), "12");
}

TEST(NumberFormat, KnowsBuiltInCodesAndDateFormats) {
  EXPECT_EQ(BuiltInFormatCode(0), "General");
  EXPECT_EQ(BuiltInFormatCode(4), "#,##0.00");
  EXPECT_EQ(BuiltInFormatCode(999), "General");
  EXPECT_TRUE(IsDateFormat(BuiltInFormatCode(14)));
  EXPECT_TRUE(IsDateFormat("[h]:mm"));
  EXPECT_FALSE(IsDateFormat("0.00E+00"));
  EXPECT_FALSE(IsDateFormat("\"day\" 0"));
}

TEST(NumberFormat, DateSerialsRoundTrip) {
  EXPECT_DOUBLE_EQ(DateSerial(2024, 1, 5, 18 * 3600, false), 45296.75);
  EXPECT_DOUBLE_EQ(DateSerial(1900, 1, 1, 0, false), 1);
  EXPECT_DOUBLE_EQ(DateSerial(1900, 3, 1, 0, false), 61);
  EXPECT_DOUBLE_EQ(DateSerial(2024, 1, 2, 0, true), 43831);
}

TEST(NumberFormat, IgnoresTheUserLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale";
  EXPECT_EQ(FormatNumber(1234.5, "#,##0.00", false), "1,234.50");
  EXPECT_EQ(FormatGeneral(0.5), "0.5");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace zv::workbook
