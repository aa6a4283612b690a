#include <gtest/gtest.h>

#include "framework/workbook/workbook_error.h"
#include "tests/framework/workbook/workbook_fixture.h"

namespace zv::workbook {
namespace {

using testing::OpenedBook;

TEST(XlsxReader, ShowsCellsAsTheProgramThatSavedThemDid) {
  const OpenedBook calc("calc_cases.xlsx");
  const char* shown[] = {"1234.5678", "0.1",      "1234.57",          "1,234,567.89", "-1,234.50",
                         "25.6%",     "1.23E+04", "000042",           "3.5 m",        "2024-01-05 18:00",
                         "2024年1月5日", "13:30:00", "30:00",            "0123",         "-"};
  for (int row = 1; row <= 15; ++row) {
    const Range cell = calc.Sheet(1).Cells().Item(row, 1);
    EXPECT_EQ(cell.Text(), shown[row - 1]) << "row " << row << " " << cell.NumberFormat();
  }
  EXPECT_EQ(calc.Cell(1, "A14").Value().type, CellValue::Type::kText);
  EXPECT_EQ(calc.Cell(1, "A10").Value().type, CellValue::Type::kDate);
  EXPECT_DOUBLE_EQ(calc.Cell(1, "A10").Value().number, 45296.75);
  EXPECT_EQ(calc.Cell(1, "A3").NumberFormat(), "0.00");
  EXPECT_EQ(calc.Cell(1, "B1").Value().text, "General");
}

TEST(XlsxReader, FormulasShowTheirCachedValueOrNothing) {
  const OpenedBook calc("calc_cases.xlsx");
  EXPECT_EQ(calc.Cell(1, "D2").Text(), "42");
  EXPECT_EQ(calc.Cell(1, "D2").Formula(), "=D1*2");
  EXPECT_EQ(calc.Cell(1, "D3").Value().text, "abcdef");
  EXPECT_EQ(calc.Cell(1, "D4").Text(), "#DIV/0!");
  EXPECT_EQ(calc.Cell(1, "D4").Value().type, CellValue::Type::kError);
  // A literal text's formula is the text itself.
  EXPECT_EQ(calc.Cell(1, "F2").Formula(), "合并");

  const OpenedBook written("openpyxl_cases.xlsx");
  const Range uncached = written.Cell(1, "A4");
  EXPECT_EQ(uncached.Text(), "");
  EXPECT_TRUE(uncached.Value().IsEmpty());
  EXPECT_EQ(uncached.Formula(), "=1+1");
}

TEST(XlsxReader, MergedAreasAndAlignment) {
  const OpenedBook calc("calc_cases.xlsx");
  const Worksheet sheet = calc.Sheet(1);
  EXPECT_EQ(sheet.Range("F2").MergeCells(), MergeState::kTrue);
  EXPECT_EQ(sheet.Range("G3").MergeCells(), MergeState::kTrue);
  EXPECT_EQ(sheet.Range("F2:G3").MergeCells(), MergeState::kTrue);
  EXPECT_EQ(sheet.Range("F2:H2").MergeCells(), MergeState::kMixed);
  EXPECT_EQ(sheet.Range("A1").MergeCells(), MergeState::kFalse);
  const Range area = sheet.Range("G3").MergeArea();
  EXPECT_EQ(area.Row(), 2);
  EXPECT_EQ(area.Column(), 6);
  EXPECT_EQ(area.Rows().Count(), 2);
  EXPECT_EQ(area.Columns().Count(), 2);
  EXPECT_EQ(sheet.Range("A1").MergeArea().Count(), 1);

  EXPECT_EQ(sheet.Range("F2").HorizontalAlignment(), align::kCenter);
  EXPECT_EQ(sheet.Range("F2").VerticalAlignment(), align::kCenter);
  EXPECT_EQ(sheet.Range("H2").HorizontalAlignment(), align::kRight);
  EXPECT_EQ(sheet.Range("H2").VerticalAlignment(), align::kTop);
  EXPECT_EQ(sheet.Range("A1").HorizontalAlignment(), align::kGeneral);
  EXPECT_EQ(sheet.Range("A1").VerticalAlignment(), align::kBottom);
}

TEST(XlsxReader, AnEdgeShowsWhenEitherNeighbourSetsIt) {
  const OpenedBook calc("calc_cases.xlsx");
  const Worksheet sheet = calc.Sheet(1);
  auto edge = [&](const char* cell, int index) { return sheet.Range(cell).Borders().Item(index).LineStyle(); };
  EXPECT_EQ(edge("F6", kEdgeRight), line::kContinuous);
  EXPECT_EQ(edge("G6", kEdgeLeft), line::kContinuous);  // set by F6 only
  EXPECT_EQ(edge("G6", kEdgeRight), line::kNone);
  EXPECT_EQ(edge("F8", kEdgeBottom), line::kDash);
  EXPECT_EQ(edge("F9", kEdgeTop), line::kDouble);
  EXPECT_EQ(edge("F10", kEdgeTop), line::kNone);
  EXPECT_EQ(edge("F7", kEdgeBottom), line::kNone);
  EXPECT_EQ(edge("A1", kEdgeLeft), line::kNone);  // no cell left of column A
  EXPECT_THROW(sheet.Range("A1").Borders().Item(11), WorkbookError);
}

TEST(XlsxReader, FontsWithExplicitThemeAndIndexedColours) {
  const OpenedBook calc("calc_cases.xlsx");
  const Font red = calc.Cell(1, "F11").Font();
  EXPECT_EQ(red.Color(), 0x0000FFu);
  EXPECT_DOUBLE_EQ(red.Size(), 14.0);
  EXPECT_TRUE(red.Bold());
  EXPECT_EQ(calc.Cell(1, "A1").Font().Color(), 0u);

  const OpenedBook written("openpyxl_cases.xlsx");
  EXPECT_EQ(written.Cell(1, "A1").Font().Color(), 0xBD814Fu);  // accent 1
  EXPECT_EQ(written.Cell(1, "A2").Font().Color(), 0xD7B395u);  // accent 1, 40% lighter
  EXPECT_EQ(written.Cell(1, "A3").Font().Color(), 0x0000FFu);  // indexed 10, red
  EXPECT_EQ(written.Cell(1, "A5").Font().Name(), "Calibri");
}

TEST(XlsxReader, RichTextKeepsSuperAndSubscriptsPerCharacter) {
  const OpenedBook rich("rich_text.xlsx");
  const Range water = rich.Cell(1, "A1");
  EXPECT_EQ(water.Text(), "H2O");
  EXPECT_EQ(water.Characters(1, 1).Text(), "H");
  EXPECT_FALSE(water.Characters(1, 1).Font().Subscript());
  EXPECT_TRUE(water.Characters(2, 1).Font().Subscript());
  EXPECT_FALSE(water.Characters(3, 1).Font().Subscript());
  EXPECT_EQ(water.Characters(4, 1).Text(), "");
  const Range area = rich.Cell(1, "A2");
  EXPECT_TRUE(area.Characters(2, 1).Font().Superscript());
  EXPECT_FALSE(area.Characters(1, 1).Font().Superscript());
}

TEST(XlsxReader, WidthsHeightsAndUsedRanges) {
  const OpenedBook calc("calc_cases.xlsx");
  const Worksheet sheet = calc.Sheet(1);
  EXPECT_NEAR(sheet.Range("B1").ColumnWidth(), 19.29, 1e-9);
  EXPECT_NEAR(sheet.Range("C1").ColumnWidth(), 7.86, 1e-9);
  EXPECT_DOUBLE_EQ(sheet.Range("A5").RowHeight(), 30.0);
  EXPECT_DOUBLE_EQ(sheet.Range("A6").RowHeight(), 15.0);

  const Range offset = calc.Sheet(2).UsedRange();
  EXPECT_EQ(offset.Row(), 3);
  EXPECT_EQ(offset.Column(), 3);
  EXPECT_EQ(offset.Rows().Count(), 5);
  EXPECT_EQ(offset.Columns().Count(), 3);
  EXPECT_EQ(offset.Item(1, 1).Text(), "起点");

  const Range empty = calc.Sheet(3).UsedRange();
  EXPECT_EQ(empty.Count(), 1);
  EXPECT_EQ(empty.Row(), 1);
  EXPECT_EQ(empty.Column(), 1);
}

TEST(XlsxReader, SheetsInOrderWithTheStoredView) {
  const OpenedBook calc("calc_cases.xlsx");
  const Sheets sheets = calc.book.Sheets();
  ASSERT_EQ(sheets.Count(), 3);
  EXPECT_EQ(sheets.Item(1).Name(), "格式");
  EXPECT_EQ(sheets.Item(2).Name(), "偏移");
  EXPECT_EQ(sheets.Item(3).Name(), "空表");
  EXPECT_EQ(sheets.Item("偏移").Index(), 2);
  EXPECT_EQ(sheets.Item(2).Next()->Name(), "空表");
  EXPECT_FALSE(sheets.Item(3).Next().has_value());
  EXPECT_EQ(sheets.Item(2).Previous()->Name(), "格式");
  EXPECT_THROW(sheets.Item(4), WorkbookError);

  const OpenedBook written("openpyxl_cases.xlsx");
  EXPECT_EQ(written.app.ActiveSheet()->Name(), "选择");
  const Range selection = written.app.ActiveWindow()->RangeSelection();
  EXPECT_EQ(selection.Row(), 4);
  EXPECT_EQ(selection.Column(), 3);
  EXPECT_EQ(selection.Rows().Count(), 3);
  EXPECT_EQ(selection.Columns().Count(), 3);
  const Range anchor = written.app.ActiveWindow()->AnchorCell();
  EXPECT_EQ(anchor.Row(), 6);
  EXPECT_EQ(anchor.Column(), 5);
}

TEST(XlsxReader, DatesInThe1904System) {
  const OpenedBook mac("dates_1904.xlsx");
  EXPECT_EQ(mac.Cell(1, "A1").Text(), "1904-01-01");
  EXPECT_EQ(mac.Cell(1, "A2").Text(), "2024-01-02");
}

}  // namespace
}  // namespace zv::workbook
