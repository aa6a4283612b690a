#include <gtest/gtest.h>

#include "framework/workbook/cell_number.h"
#include "tests/framework/workbook/workbook_fixture.h"

namespace zv::workbook {
namespace {

TEST(CellNumber, TextsReadAsAtofWithGroupCommasSkipped) {
  const std::pair<const char*, double> cases[] = {
      {"1,200", 1200},          {"1,234,567.89", 1234567.89}, {" -2,500.5 m", -2500.5}, {"12%", 12},
      {"25.6%", 25.6},          {"3.5 m", 3.5},               {"", 0},                  {"abc", 0},
      {"1,2,3", 1},             {"1, 200", 1},                {",200", 0},              {"1.5,3", 1.5},
      {"1,200e3", 1200000},     {"+7", 7},                    {"12,", 12},
      // A comma not followed by exactly three digits is no separator: a
      // decimal comma must not read ten times the value.
      {"1,5", 1},               {"0,5", 0},                   {"12,34", 12},            {"1,2345", 1},
      {"1,000,0", 1000},        {"-1,200", -1200},
      // Nothing finite to read: a surveyed point must not reach the drawing
      // at NaN or infinity.
      {"nan", 0},               {"-inf", 0},                  {"Infinity", 0},          {"1e999", 0},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_DOUBLE_EQ(ParseCellNumber(text), expected);
  }
}

TEST(CellNumber, GroupCommasComeOutOfTheLeadingNumberOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"2,000", "2000"}, {"1,200.5 m", "1200.5 m"}, {"1:2,000", "1:2,000"}, {"a,b", "a,b"}, {"", ""},
      {"2,0000", "2,0000"}, {"1,5", "1,5"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(WithoutGroupCommas(text), expected) << text;
}

TEST(CellNumber, GeneralCellsGiveTheirFullValueAndFormattedOnesTheirText) {
  const testing::OpenedBook opened("calc_cases.xlsx");
  // #,##0.00 shows "1,234,567.89"; 0.0% shows "25.6%"; 0.0" m" shows "3.5 m".
  EXPECT_DOUBLE_EQ(ParseCellNumber(opened.Cell(1, "A4")), 1234567.89);
  EXPECT_DOUBLE_EQ(ParseCellNumber(opened.Cell(1, "A6")), 25.6);
  EXPECT_DOUBLE_EQ(ParseCellNumber(opened.Cell(1, "A9")), 3.5);
  EXPECT_DOUBLE_EQ(ParseCellNumber(opened.Cell(1, "A1")), 1234.5678);

  const Worksheet sheet = opened.app.Workbooks().Add().Sheets().Item(1);
  const Range cells = sheet.Cells();
  cells.SetItem(1, 1, CellValue::Number(3512345.678901));
  cells.SetItem(2, 1, std::string("1,200"));
  ASSERT_EQ(cells.Item(1, 1).Text(), "3512345.679");
  EXPECT_DOUBLE_EQ(ParseCellNumber(cells.Item(1, 1)), 3512345.678901);
  EXPECT_DOUBLE_EQ(ParseCellNumber(cells.Item(2, 1)), 1200);
  EXPECT_DOUBLE_EQ(ParseCellNumber(cells.Item(3, 1)), 0) << "an empty cell";
}

}  // namespace
}  // namespace zv::workbook
