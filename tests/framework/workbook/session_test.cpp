#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_error.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

namespace fs = std::filesystem;

std::string CopyFixture(const std::string& fixture, const std::string& as) {
  const std::string path = zv::test::TempRoot() + "/" + as;
  fs::copy_file(testing::FixturePath(fixture), path, fs::copy_options::overwrite_existing);
  return path;
}

// Replaces a file's content the way a spreadsheet program saving it would,
// with a modification time that differs from the one read before.
void OverwriteLater(const std::string& fixture, const std::string& path) {
  const auto before = fs::last_write_time(path);
  fs::copy_file(testing::FixturePath(fixture), path, fs::copy_options::overwrite_existing);
  fs::last_write_time(path, before + std::chrono::seconds(2));
}

TEST(Session, AttachTakesTheWorkbookOpenedLast) {
  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  EXPECT_FALSE(app.ActiveSheet().has_value());
  EXPECT_FALSE(app.ActiveWorkbook().has_value());

  const auto first = app.Workbooks().Open(CopyFixture("calc_cases.xlsx", "a.xlsx"));
  const auto second = app.Workbooks().Open(CopyFixture("openpyxl_cases.xlsx", "b.xlsx"));
  EXPECT_EQ(app.ActiveWorkbook()->Name(), "b.xlsx");
  EXPECT_EQ(app.ActiveSheet()->Name(), "选择");
  EXPECT_EQ(app.Workbooks().Count(), 2);

  // Opening a file that is open already brings it forward.
  app.Workbooks().Open(zv::test::TempRoot() + "/a.xlsx");
  EXPECT_EQ(app.Workbooks().Count(), 2);
  EXPECT_EQ(app.ActiveWorkbook()->Name(), "a.xlsx");

  second.Close();
  EXPECT_EQ(app.ActiveWorkbook()->Name(), "a.xlsx");
  app.Quit();
  EXPECT_FALSE(app.ActiveSheet().has_value());
}

TEST(Session, ReloadsAWorkbookChangedOnDisk) {
  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  const std::string path = CopyFixture("calc_cases.xlsx", "survey.xlsx");
  app.Workbooks().Open(path);
  EXPECT_EQ(app.ActiveSheet()->Name(), "格式");

  OverwriteLater("openpyxl_cases.xlsx", path);
  session->ReloadChanged();
  EXPECT_EQ(app.ActiveSheet()->Name(), "选择");
  EXPECT_EQ(app.ActiveWorkbook()->Sheets().Count(), 2);

  // A file caught half-written keeps the workbook as it was.
  const auto before = fs::last_write_time(path);
  fs::resize_file(path, 100);
  fs::last_write_time(path, before + std::chrono::seconds(2));
  session->ReloadChanged();
  EXPECT_EQ(app.ActiveSheet()->Name(), "选择");
}

TEST(Session, KeepsWhatTheProgramChangedInsteadOfReloading) {
  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  const std::string path = CopyFixture("calc_cases.xlsx", "edited.xlsx");
  app.Workbooks().Open(path);
  app.ActiveSheet()->Cells().SetItem(1, 1, "changed");
  OverwriteLater("openpyxl_cases.xlsx", path);
  session->ReloadChanged();
  EXPECT_EQ(app.ActiveSheet()->Cells().Item(1, 1).Text(), "changed");
}

TEST(Session, NewWorkbooksHaveOneSheetForExcelAndThreeForEt) {
  auto session = std::make_shared<Session>();
  const Application excel(session, Flavour::kExcel);
  const Application et(session, Flavour::kEt);
  const Workbook a = excel.Workbooks().Add();
  ASSERT_EQ(a.Sheets().Count(), 1);
  EXPECT_EQ(a.Sheets().Item(1).Name(), "Sheet1");
  const Workbook b = et.Workbooks().Add();
  ASSERT_EQ(b.Sheets().Count(), 3);
  EXPECT_EQ(et.Sheets()->Item(3).Name(), "Sheet3");
  EXPECT_NE(a.Name(), b.Name());
  EXPECT_TRUE(session->UnsavedNewBooks().empty());

  const Range used = b.Sheets().Item(1).UsedRange();
  EXPECT_EQ(used.Row(), 1);
  EXPECT_EQ(used.Column(), 1);
  EXPECT_EQ(used.Count(), 1);
  used.SetItem(1, 1, "x");
  EXPECT_EQ(session->UnsavedNewBooks().size(), 1u);
}

TEST(Session, AddedSheetsGoBeforeTheActiveOneAndBecomeActive) {
  auto session = std::make_shared<Session>();
  const Application excel(session, Flavour::kExcel);
  const Workbook book = excel.Workbooks().Add();
  const Worksheet added = book.Sheets().Add(2);
  ASSERT_EQ(book.Sheets().Count(), 3);
  EXPECT_EQ(book.Sheets().Item(1).Name(), "Sheet2");
  EXPECT_EQ(book.Sheets().Item(2).Name(), "Sheet3");
  EXPECT_EQ(book.Sheets().Item(3).Name(), "Sheet1");
  EXPECT_EQ(added.Name(), "Sheet2");
  EXPECT_EQ(excel.ActiveSheet()->Name(), "Sheet2");
  book.Sheets().Item(3).Activate();
  EXPECT_EQ(excel.ActiveSheet()->Name(), "Sheet1");
}

TEST(Session, AddedSheetsCountOnFromTheLargestNumberUnlessItIsTooLarge) {
  const struct {
    const char* existing;
    const char* added;
  } cases[] = {
      {"Sheet7", "Sheet8"},
      {"Sheet999999999", "Sheet1000000000"},
      {"Sheet2147483647", "Sheet2"},
      {"Sheet99999999999999999999", "Sheet2"},
  };
  for (const auto& c : cases) {
    auto session = std::make_shared<Session>();
    const Application excel(session, Flavour::kExcel);
    const Workbook book = excel.Workbooks().Add();
    book.Sheets().Item(1).SetName(c.existing);
    EXPECT_EQ(book.Sheets().Add().Name(), c.added) << c.existing;
  }
}

TEST(Session, ReadersTakeTheTopLeftCellOfASelectionInBothFlavours) {
  // The selection C4:E6 was dragged from E6 up and to the left.
  for (const Flavour flavour : {Flavour::kExcel, Flavour::kEt}) {
    auto session = std::make_shared<Session>();
    const Application app(session, flavour);
    app.Workbooks().Open(testing::FixturePath("openpyxl_cases.xlsx"));
    const Extent extent = ExtentOf(app.ActiveWindow()->RangeSelection());
    EXPECT_EQ(extent.firstRow, 4);
    EXPECT_EQ(extent.firstColumn, 3);
    EXPECT_EQ(extent.rows, 3);
    EXPECT_EQ(extent.columns, 3);
    EXPECT_EQ(app.ActiveSheet()->Cells().Item(extent.firstRow, extent.firstColumn).Text(), "左上");
  }
}

TEST(Session, WritingCellsStoresValuesAsTyped) {
  auto session = std::make_shared<Session>();
  const Application excel(session, Flavour::kExcel);
  const Worksheet sheet = excel.Workbooks().Add().Sheets().Item(1);
  const Range used = sheet.UsedRange();
  used.SetItem(1, 1, "12.5");
  used.SetItem(1, 2, "'007");
  used.SetItem(2, 1, "孔号");
  used.SetItem(2, 2, CellValue::Number(-3));
  used.SetItem(3, 1, " 1e3 ");
  EXPECT_EQ(sheet.Range("A1").Value().type, CellValue::Type::kNumber);
  EXPECT_EQ(sheet.Range("A1").Text(), "12.5");
  EXPECT_EQ(sheet.Range("B1").Value().type, CellValue::Type::kText);
  EXPECT_EQ(sheet.Range("B1").Text(), "007");
  EXPECT_EQ(sheet.Range("A2").Text(), "孔号");
  EXPECT_EQ(sheet.Range("B2").Text(), "-3");
  EXPECT_EQ(sheet.Range("A3").Value().number, 1000.0);
  const Range grown = sheet.UsedRange();
  EXPECT_EQ(grown.Rows().Count(), 3);
  EXPECT_EQ(grown.Columns().Count(), 2);
  EXPECT_THROW(sheet.Cells().Item(0, 1), WorkbookError);
}

TEST(Session, MergingKeepsTheTopLeftValue) {
  auto session = std::make_shared<Session>();
  const Application excel(session, Flavour::kExcel);
  const Worksheet sheet = excel.Workbooks().Add().Sheets().Item(1);
  sheet.Range("B2").SetValue(CellValue::Text("表头"));
  sheet.Range("C2").SetValue(CellValue::Text("丢弃"));
  const Range area = sheet.Range("B2", "D3");
  area.Merge();
  area.SetHorizontalAlignment(align::kCenter);
  area.SetVerticalAlignment(align::kCenter);
  EXPECT_EQ(sheet.Range("D3").MergeCells(), MergeState::kTrue);
  EXPECT_EQ(sheet.Range("D3").MergeArea().Count(), 6);
  EXPECT_EQ(sheet.Range("B2").Text(), "表头");
  EXPECT_EQ(sheet.Range("C2").Text(), "");
  EXPECT_EQ(sheet.Range("C3").HorizontalAlignment(), align::kCenter);
  // Merging over part of an area takes the area in.
  sheet.Range("D3:E3").Merge();
  EXPECT_EQ(RangeReference(sheet.Range("B2").MergeArea().Area()), "B2:E3");
  EXPECT_EQ(sheet.Range("B2").Text(), "表头");
  sheet.Range("A5:C6").Merge(true);
  EXPECT_EQ(sheet.Range("A6").MergeArea().Row(), 6);
  EXPECT_EQ(sheet.Range("A6").MergeArea().Columns().Count(), 3);
}

TEST(Session, MergingARunOfPairsGrowsTheArea) {
  struct Case { const char* name; std::vector<const char*> pairs; std::vector<const char*> areas; };
  const Case cases[] = {
      {"the four pairs of a 2x2 block", {"A1:A2", "A1:B1", "B1:B2", "A2:B2"}, {"A1:B2"}},
      {"a pair bridging two areas", {"A1:B1", "D1:E1", "B1:D1"}, {"A1:E1"}},
      {"growth that overlaps a further area", {"C2:C3", "A1:B2", "B2:C2"}, {"A1:C3"}},
      {"areas apart stay apart", {"A1:A2", "C1:C2"}, {"A1:A2", "C1:C2"}},
      {"a pair inside an area changes nothing", {"A1:C3", "B2:B3"}, {"A1:C3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto session = std::make_shared<Session>();
    const Worksheet sheet = Application(session, Flavour::kExcel).Workbooks().Add().Sheets().Item(1);
    sheet.Range("A1").SetValue(CellValue::Text("左上"));
    sheet.Range("B2").SetValue(CellValue::Text("内"));
    for (const char* pair : c.pairs) sheet.Range(pair).Merge();
    std::vector<std::string> areas;
    for (const CellRect& m : sheet.Data()->merges) areas.push_back(RangeReference(m));
    std::sort(areas.begin(), areas.end());
    EXPECT_EQ(areas, std::vector<std::string>(c.areas.begin(), c.areas.end()));
    EXPECT_EQ(sheet.Range("A1").Text(), "左上");
  }
}

}  // namespace
}  // namespace zv::workbook
