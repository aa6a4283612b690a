// Spreadsheet ranges drawn as map tables: sizes and scales, border lines and
// their chains, merged areas, and the notes cell texts become.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "exchange/sheets/sheet_table.h"
#include "exchange/sheets/table_cell_text.h"
#include "exchange/sheets/table_export.h"
#include "framework/workbook/workbook_data.h"
#include "platform/display/display_calls.h"
#include "platform/display/text_measure.h"
#include "tests/exchange/sheets/sheet_test_support.h"
#include "tests/exchange/sheets/table_test_support.h"
#include "tests/support/test_env.h"

namespace zv::sheets {
namespace {

using namespace workbook;
using test::LineDump;
using test::Notes;
using test::SheetStyler;

constexpr double kW10 = 127.0 / 60.0 * 10 + 127.0 / 96.0;  // 22.489583…
constexpr double kW20 = 127.0 / 60.0 * 20 + 127.0 / 96.0;  // 43.65625
constexpr double kH20 = 127.0 / 360.0 * 20;                // 7.0555…

class SheetTableTest : public test::SheetTest {
 protected:
  Worksheet NewSheet() { return excel_.Workbooks().Add().Sheets().Item(1); }
  // Columns A, B of widths 10 and 20, rows 1, 2 of 20 pt, all borders.
  SheetStyler TwoByTwo() {
    SheetStyler s(NewSheet());
    s.Width(1, 10);
    s.Width(2, 20);
    s.Height(1, 20);
    s.Height(2, 20);
    s.Borders({{1, 1}, {2, 2}});
    return s;
  }
  static Extent Of(const Worksheet& sheet, const std::string& reference) { return ExtentOf(sheet.Range(reference)); }
  void Draw(const Worksheet& sheet, const std::string& reference, D_DOT topLeft, D_DOT bottomRight,
            const TableRules& rules = kSelectionTable) {
    DrawSheetTableInRect(sheet, Of(sheet, reference), rules, topLeft, bottomRight, lines_, points_, drawn_);
  }
  DrawnTable drawn_;
};

std::string Fmt(double x, double y) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f,%.4f", x, y);
  return buffer;
}
std::string Seg(D_DOT a, D_DOT b) { return Fmt(a.x, a.y) + " " + Fmt(b.x, b.y); }

TEST_F(SheetTableTest, NaturalSizesAndTheChainsOfAClickedTable) {
  const SheetStyler s = TwoByTwo();
  const TableSize size = NaturalTableSize(s.Sheet(), Of(s.Sheet(), "A1:B2"), "");
  EXPECT_NEAR(kW10, 22.4895833333, 1e-9);
  EXPECT_DOUBLE_EQ(size.width, kW10 + kW20);
  EXPECT_DOUBLE_EQ(size.height, 2 * kH20);

  Draw(s.Sheet(), "A1:B2", {100, 200}, {100, 200});
  const double x1 = 100 + kW10, x2 = x1 + kW20, y1 = 200 - kH20, y2 = y1 - kH20;
  EXPECT_EQ(LineDump(lines_), (std::vector<std::string>{
                                  Seg({100, 200}, {x2, 200}),  // top, grown by its second vertex
                                  Seg({100, 200}, {100, y2}),  // left, downwards
                                  Seg({x1, y2}, {x1, 200}),    // column A's right, grown by its first vertex
                                  Seg({x2, y1}, {100, y1}),    // row 1's bottom, to the right
                                  Seg({x2, y2}, {x2, 200}),    // column B's right
                                  Seg({x2, y2}, {100, y2}),    // row 2's bottom
                              }));
  EXPECT_EQ(drawn_.lines.size(), 6u);
}

TEST_F(SheetTableTest, ADraggedRectangleScalesEachAxisAndAThinOneKeepsNaturalSize) {
  struct Case { const char* name; D_DOT topLeft, bottomRight; double sx, sy; };
  const double w = kW10 + kW20, h = 2 * kH20;
  const Case cases[] = {
      {"sx 2, sy 3", {0, 100}, {2 * w, 100 - 3 * h}, 2, 3},
      {"a thin rectangle", {0, 100}, {2 * w, 100 - 0.05 * h}, 1, 1},
      {"a click", {0, 100}, {0, 100}, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(lines_);
    const SheetStyler s = TwoByTwo();
    const TableSize size = NaturalTableSize(s.Sheet(), Of(s.Sheet(), "A1:B2"), "");
    const TableScale scale = ScaleToRect(size, c.topLeft, c.bottomRight);
    EXPECT_NEAR(scale.sx, c.sx, 1e-12);
    EXPECT_NEAR(scale.sy, c.sy, 1e-12);
  }
  // Every row hidden: no height to scale by, the table keeps its natural size.
  EXPECT_EQ(ScaleToRect({50, 0}, {0, 100}, {100, 0}).sx, 1);
  SheetStyler s = TwoByTwo();
  s.Height(1, 0);
  s.Height(2, 0);
  Draw(s.Sheet(), "A1:B2", {0, 100}, {300, 0});
  for (const std::string& line : LineDump(lines_)) EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  EXPECT_EQ(LineDump(lines_).front(), Seg({0, 100}, {kW10 + kW20, 100}));
}

TEST_F(SheetTableTest, NotesScaleWithTheTableAndTakeFontSizeColourAndFontNumber) {
  SheetStyler s = TwoByTwo();
  s.Text(1, 1, "甲");
  s.Style(1, 1, [](CellFormat&, BorderData&, FontData& f) { f.name = "黑体"; f.size = 10; f.color = 0x0000ff; });
  s.Text(1, 2, "乙");
  s.Style(1, 2, [](CellFormat&, BorderData&, FontData& f) { f.name = "Arial"; f.size = 1; });
  const double w = kW10 + kW20, h = 2 * kH20;
  Draw(s.Sheet(), "A1:B2", {0, 100}, {2 * w, 100 - 3 * h});
  const auto notes = Notes(points_);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_FLOAT_EQ(notes[0].info.charHeight(), 0.4f * 10 * 3);
  EXPECT_FLOAT_EQ(notes[0].info.charWidth(), 0.4f * 10 * 2);
  EXPECT_EQ(notes[0].info.chineseFont(), 3);
  EXPECT_EQ(notes[0].info.colour(), display::DspRgbToColorIndex(255, 0, 0)) << "red is the low byte";
  EXPECT_FLOAT_EQ(notes[1].info.charHeight(), 2.0f * 3) << "a 1 pt font is drawn 2.0 high";
  EXPECT_EQ(notes[1].info.chineseFont(), 1) << "a font outside the four";
  EXPECT_EQ(drawn_.points.size(), 2u);
}

TEST_F(SheetTableTest, BordersMissingOnACellBreakItsChainAndTheLastColumnAndRowDrawTheirOwn) {
  SheetStyler s(NewSheet());
  for (int c : {1, 3})
    s.Style(1, c, [](CellFormat&, BorderData& b, FontData&) { b.bottom = line::kContinuous; });
  s.Style(1, 3, [](CellFormat&, BorderData& b, FontData&) { b.right = line::kContinuous; });
  Draw(s.Sheet(), "A1:C1", {0, 0}, {0, 0});
  const double w = CellWidthMm(8.43), h = CellHeightMm(15);
  EXPECT_EQ(LineDump(lines_), (std::vector<std::string>{Seg({w, -h}, {0, -h}), Seg({3 * w, -h}, {3 * w, 0}),
                                                        Seg({3 * w, -h}, {2 * w, -h})}));
}

TEST_F(SheetTableTest, AMergedBlockKeepsItsOuterBordersAndCentresItsTextInTheWholeArea) {
  SheetStyler s(NewSheet());
  s.Borders({{1, 1}, {3, 3}});
  s.Text(1, 1, "块");
  s.Style(1, 1, [](CellFormat& f, BorderData&, FontData&) { f.horizontal = align::kCenter; f.vertical = align::kCenter; });
  s.Sheet().Range("A1:B2").Merge();
  Draw(s.Sheet(), "A1:C3", {0, 0}, {0, 0});
  const double w = CellWidthMm(8.43), h = CellHeightMm(15);
  const auto lines = LineDump(lines_);
  // Column A's right edge and row 1's bottom edge stop at the block: no line
  // runs inside it.
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    EXPECT_NE(line, Seg({w, -3 * h}, {w, 0}));
    EXPECT_NE(line, Seg({3 * w, -h}, {0, -h}));
  }
  EXPECT_NE(std::find(lines.begin(), lines.end(), Seg({w, -3 * h}, {w, -2 * h})), lines.end()) << lines.size();
  EXPECT_NE(std::find(lines.begin(), lines.end(), Seg({3 * w, -h}, {2 * w, -h})), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), Seg({3 * w, -2 * h}, {0, -2 * h})), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), Seg({0, 0}, {3 * w, 0})), lines.end());
  const auto notes = Notes(points_);
  ASSERT_EQ(notes.size(), 1u);
  const double e = 0.4 * 11;
  const double width = display::DspTextWidth("块", 0, 0) * e;
  EXPECT_NEAR(notes[0].at.x, (2 * w - width) / 2, 1e-4);
  EXPECT_NEAR(notes[0].at.y, -h - e / 2, 1e-4);
}

TEST_F(SheetTableTest, TheEtRulesDrawEveryEdgeAndSmallerTexts) {
  SheetStyler s(NewSheet());
  s.Text(1, 1, "x");
  Draw(s.Sheet(), "A1:B1", {0, 0}, {0, 0}, kEtTable);
  EXPECT_EQ(LineDump(lines_).size(), 5u) << "top, left, two rights, bottom";
  EXPECT_FLOAT_EQ(Notes(points_).at(0).info.charHeight(), static_cast<float>(0.25 * 11));
}

TEST_F(SheetTableTest, GeneralAlignmentLinesAndBlocksPlaceTheNotes) {
  const D_DOT p{10, 50};
  const double e = 2.0;
  struct Case { const char* name; std::string text; int ha, va; double boxWidth; std::vector<std::pair<std::string, D_DOT>> expected; int kind; };
  const auto width = [&](const char* t) { return display::DspTextWidth(t, 0x00010001, 0) * e; };
  const Case cases[] = {
      {"general number right", "12.5", align::kGeneral, align::kTop, 30, {{"12.5", {10 + 30 - width("12.5") - 0.2, 50 - e - 0.2}}}, 0},
      {"general text left", "abc", align::kGeneral, align::kBottom, 30, {{"abc", {10.2, 50 - 20 + 0.2}}}, 0},
      {"general zero right", "0", align::kGeneral, align::kJustify, 30, {{"0", {10 + 30 - width("0") - 0.2, 49.8}}}, 0},
      {"wider than the box: a block", "一二三四五六", align::kLeft, align::kTop, 5, {{"一二三四五六", {12, 48}}}, 5},
      {"two lines centred", "上\r\n下", align::kCenter, align::kCenter, 30,
       {{"上", {10 + (30 - width("上")) / 2, 50 - (e + (20 - 2 * e) / 3)}},
        {"下", {10 + (30 - width("下")) / 2, 50 - 2 * (e + (20 - 2 * e) / 3)}}}, 0},
      {"two lines at the bottom", "a\nb", align::kLeft, align::kBottom, 30,
       {{"a", {10.2, 50 - 20 + e + 0.2}}, {"b", {10.2, 50 - 20 + 0.2}}}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(points_);
    const CellTextBox box{p, c.boxWidth, 20, e, 3, 1, 1, 1, c.ha, c.va};
    WriteCellText(points_, c.text, box);
    const auto notes = Notes(points_);
    ASSERT_EQ(notes.size(), c.expected.size());
    for (std::size_t i = 0; i < notes.size(); ++i) {
      EXPECT_EQ(notes[i].text, c.expected[i].first);
      EXPECT_NEAR(notes[i].at.x, c.expected[i].second.x, 1e-6);
      EXPECT_NEAR(notes[i].at.y, c.expected[i].second.y, 1e-6);
      EXPECT_EQ(notes[i].info.kind(), c.kind);
      if (c.kind != 5) continue;
      EXPECT_FLOAT_EQ(notes[i].info.Get<float>(pnt::kBoxWidth), 5 - 4.0f);
      EXPECT_FLOAT_EQ(notes[i].info.Get<float>(pnt::kBoxHeight), 20 - 4.0f);
    }
  }
}

TEST_F(SheetTableTest, SuperscriptAndSubscriptRunsAreMarked) {
  const Workbook book = excel_.Workbooks().Open(zv::test::DataPath("workbook/rich_text.xlsx"));
  const Worksheet sheet = book.Sheets().Item(1);
  EXPECT_EQ(ApplyCellFormat(sheet.Range("A1"), sheet.Range("A1").Text()), "H#-2#=O");
  EXPECT_EQ(ApplyCellFormat(sheet.Range("A2"), sheet.Range("A2").Text()), "m#+2");
  const Worksheet plain = NewSheet();
  plain.Cells().SetItem(1, 1, CellValue::Text("ab  "));
  plain.Cells().SetItem(3, 1, CellValue::Number(3));
  EXPECT_EQ(ApplyCellFormat(plain.Range("A1"), "ab  "), "ab") << "trailing blanks go";
  EXPECT_EQ(ApplyCellFormat(plain.Range("A3"), "3.0"), "3.0") << "a number keeps its shown text";
}

TEST_F(SheetTableTest, AThemeColourReachesTheNoteAsItsPlatformColour) {
  const Workbook book = excel_.Workbooks().Open(zv::test::DataPath("workbook/openpyxl_cases.xlsx"));
  const Worksheet sheet = book.Sheets().Item("颜色");
  const std::uint32_t bgr = sheet.Range("A1").Font().Color();
  ASSERT_NE(bgr, 0u) << "theme 4 resolves to its colour";
  DrawSheetTable(sheet, Of(sheet, "A1"), kSelectionTable, {0, 0}, {}, lines_, points_, drawn_);
  ASSERT_EQ(Notes(points_).size(), 1u);
  EXPECT_EQ(Notes(points_)[0].info.colour(),
            display::DspRgbToColorIndex(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff));
}

TEST_F(SheetTableTest, CustomSizesComeFromRowOneAndColumnA) {
  SheetStyler s(NewSheet());
  const Worksheet& sheet = s.Sheet();
  test::FillCells(sheet, 1, 1, {{"", "20", "35", "abc"}, {"8", "甲", "乙", ""}, {"8", "", "", ""}});
  s.Borders({{2, 2}, {3, 4}});
  DrawSheetTable(sheet, Of(sheet, "B2:C3"), kCustomSizeTable, {5, 5}, {3, 3}, lines_, points_, drawn_);
  const auto all = [&] {
    D_RECT box{1e9, 1e9, -1e9, -1e9};
    int32_t live = 0, bound = 0;
    BasGetEntityCount(lines_, kLineEntity, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<D_DOT> v;
      BasReadLine(lines_, id, &v, nullptr);
      for (const D_DOT& p : v) box = {std::min(box.xmin, p.x), std::min(box.ymin, p.y), std::max(box.xmax, p.x), std::max(box.ymax, p.y)};
    }
    return box;
  }();
  EXPECT_DOUBLE_EQ(all.xmax - all.xmin, 55);
  EXPECT_DOUBLE_EQ(all.ymax - all.ymin, 16);
  EXPECT_DOUBLE_EQ(all.xmin, 5);
  EXPECT_DOUBLE_EQ(all.ymax, 5);
  // A size cell holding "abc" gives the column no width.
  BasClearWorkArea(lines_);
  DrawSheetTable(sheet, Of(sheet, "D2"), kCustomSizeTable, {0, 0}, {}, lines_, points_, drawn_);
  EXPECT_EQ(LineDump(lines_).front(), Seg({0, 0}, {0, 0}));
}

TEST_F(SheetTableTest, ATableDrawnAndCopiedBackKeepsItsTextsAndMergedAreas) {
  SheetStyler s(NewSheet());
  test::FillCells(s.Sheet(), 1, 1, {{"标题"}, {"块", "", "12.5"}, {"", "", "abc"}, {"1", "二", "3.25"}});
  s.Borders({{1, 1}, {4, 3}});
  s.Sheet().Range("A1:C1").Merge();
  s.Sheet().Range("A2:B3").Merge();
  s.Style(1, 1, [](CellFormat& f, BorderData&, FontData&) { f.horizontal = align::kCenter; f.vertical = align::kCenter; });
  DrawSheetTable(s.Sheet(), Of(s.Sheet(), "A1:C4"), kSelectionTable, {100, 500}, {}, lines_, points_, drawn_);

  std::vector<ENTITY_MSG> pool;
  for (int32_t id : drawn_.lines) pool.push_back({lines_, kLineEntity, id});
  for (int32_t id : drawn_.points) pool.push_back({points_, kPointEntity, id});
  const SheetTable table = TableFromLines(pool, {99, 501}, {100 + 3 * CellWidthMm(8.43) + 1, 500 - 4 * CellHeightMm(15) - 1});
  const Worksheet copy = NewSheet();
  WriteSheetTable(copy, table);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 3; ++c) {
      SCOPED_TRACE(CellReference(r, c));
      if (!(copy.Cells().Item(r, c).MergeArea().Area().first == CellPos{r, c})) continue;  // hidden by a merge
      EXPECT_EQ(copy.Cells().Item(r, c).Text(), s.Sheet().Cells().Item(r, c).Text());
    }
  std::vector<std::string> merges;
  for (const CellRect& m : copy.Data()->merges) merges.push_back(RangeReference(m));
  std::sort(merges.begin(), merges.end());
  EXPECT_EQ(merges, (std::vector<std::string>{"A1:C1", "A2:B3"}));
}

}  // namespace
}  // namespace zv::sheets
