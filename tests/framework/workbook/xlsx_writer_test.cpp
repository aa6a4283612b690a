#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_writer.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

// A new workbook as the export commands fill it.
Workbook FillNewWorkbook(const Application& app) {
  const Workbook book = app.Workbooks().Add();
  const Worksheet sheet = book.Sheets().Item(1);
  sheet.SetName("属性");
  const Range used = sheet.UsedRange();
  used.SetItem(1, 1, "孔号");
  used.SetItem(1, 2, "X");
  used.SetItem(2, 1, "ZK01");
  used.SetItem(2, 2, "3456789.125");
  used.SetItem(3, 1, "'0012");
  used.SetItem(3, 2, CellValue::Number(-0.5));
  const Range title = sheet.Range("D1", "E2");
  title.SetValue(CellValue::Text("标题"));
  title.Merge();
  title.SetHorizontalAlignment(align::kCenter);
  title.SetVerticalAlignment(align::kCenter);
  book.Sheets().Add();
  return book;
}

TEST(XlsxWriter, AWrittenWorkbookReadsBackTheSame) {
  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  const Workbook book = FillNewWorkbook(app);
  const std::string path = zv::test::TempRoot() + "/导出.xlsx";
  book.SaveAs(path);
  EXPECT_FALSE(book.GetBook()->IsNew());
  EXPECT_TRUE(session->UnsavedNewBooks().empty());
  EXPECT_EQ(book.Name(), "导出.xlsx");

  auto other = std::make_shared<Session>();
  const Application reader(other, Flavour::kExcel);
  const Workbook again = reader.Workbooks().Open(path);
  ASSERT_EQ(again.Sheets().Count(), 2);
  EXPECT_EQ(again.Sheets().Item(1).Name(), "Sheet2");
  EXPECT_EQ(reader.ActiveSheet()->Name(), "Sheet2");
  const Worksheet sheet = again.Sheets().Item("属性");
  EXPECT_EQ(sheet.Range("A1").Text(), "孔号");
  EXPECT_EQ(sheet.Range("A2").Text(), "ZK01");
  EXPECT_EQ(sheet.Range("B2").Value().type, CellValue::Type::kNumber);
  EXPECT_DOUBLE_EQ(sheet.Range("B2").Value().number, 3456789.125);
  EXPECT_EQ(sheet.Range("A3").Value().type, CellValue::Type::kText);
  EXPECT_EQ(sheet.Range("A3").Text(), "0012");
  EXPECT_EQ(sheet.Range("B3").Text(), "-0.5");
  EXPECT_EQ(sheet.Range("E2").MergeCells(), MergeState::kTrue);
  EXPECT_EQ(sheet.Range("E2").MergeArea().Count(), 4);
  EXPECT_EQ(sheet.Range("D1").Text(), "标题");
  EXPECT_EQ(sheet.Range("D1").HorizontalAlignment(), align::kCenter);
  EXPECT_EQ(sheet.Range("D1").VerticalAlignment(), align::kCenter);
  const Range used = sheet.UsedRange();
  EXPECT_EQ(used.Rows().Count(), 3);
  EXPECT_EQ(used.Columns().Count(), 5);
}

TEST(XlsxWriter, KeepsFormatsWidthsAndRichTextOfAReadWorkbook) {
  const testing::OpenedBook calc("calc_cases.xlsx");
  const testing::OpenedBook rich("rich_text.xlsx");
  const std::string calcCopy = zv::test::TempRoot() + "/calc.xlsx";
  const std::string richCopy = zv::test::TempRoot() + "/rich.xlsx";
  WriteXlsx(*calc.book.GetBook()->data, calcCopy);
  WriteXlsx(*rich.book.GetBook()->data, richCopy);

  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  const Worksheet sheet = app.Workbooks().Open(calcCopy).Sheets().Item(1);
  for (int row = 1; row <= 15; ++row)
    EXPECT_EQ(sheet.Cells().Item(row, 1).Text(), calc.Sheet(1).Cells().Item(row, 1).Text()) << row;
  EXPECT_EQ(sheet.Range("D2").Formula(), "=D1*2");
  EXPECT_EQ(sheet.Range("D2").Text(), "42");
  EXPECT_EQ(sheet.Range("G6").Borders().Item(kEdgeLeft).LineStyle(), line::kContinuous);
  EXPECT_EQ(sheet.Range("F8").Borders().Item(kEdgeBottom).LineStyle(), line::kDash);
  EXPECT_EQ(sheet.Range("F11").Font().Color(), 0x0000FFu);
  EXPECT_NEAR(sheet.Range("B1").ColumnWidth(), 19.29, 0.01);
  EXPECT_DOUBLE_EQ(sheet.Range("A5").RowHeight(), 30.0);

  const Range water = app.Workbooks().Open(richCopy).Sheets().Item(1).Range("A1");
  EXPECT_EQ(water.Text(), "H2O");
  EXPECT_TRUE(water.Characters(2, 1).Font().Subscript());
  EXPECT_FALSE(water.Characters(3, 1).Font().Subscript());
}

TEST(XlsxWriter, AFailedSaveLeavesTheOldFile) {
  const std::string path = zv::test::TempRoot() + "/keep.xlsx";
  std::ofstream(path) << "old content";
  WorkbookData book;
  for (const char* name : {"同名", "同名"}) {
    auto sheet = std::make_shared<SheetData>();
    sheet->name = name;
    book.sheets.push_back(sheet);
  }
  EXPECT_THROW(WriteXlsx(book, path), WorkbookError);
  std::ifstream in(path);
  std::string content;
  std::getline(in, content);
  EXPECT_EQ(content, "old content");
  for (const auto& entry : std::filesystem::directory_iterator(zv::test::TempRoot()))
    EXPECT_EQ(entry.path().string().find(".saving"), std::string::npos) << entry.path();
  EXPECT_THROW(WriteXlsx(book, zv::test::TempRoot() + "/no/such/folder/x.xlsx"), WorkbookError);
}

// An independent reader sees what we wrote.
TEST(XlsxWriter, OpensInAnIndependentReader) {
  const std::string python = ZV_SYSTEM_PYTHON;
  ASSERT_EQ(python.find("NOTFOUND"), std::string::npos) << "no python3 with openpyxl: scripts/bootstrap installs it";
  auto session = std::make_shared<Session>();
  const Application app(session, Flavour::kExcel);
  const std::string path = zv::test::TempRoot() + "/independent.xlsx";
  FillNewWorkbook(app).SaveAs(path);
  const std::string script = zv::test::TempRoot() + "/dump.py";
  std::ofstream(script) << "import sys, openpyxl\n"
                           "wb = openpyxl.load_workbook(sys.argv[1])\n"
                           "ws = wb['属性']\n"
                           "print(wb.sheetnames)\n"
                           "print(repr(ws['A1'].value), repr(ws['B2'].value), repr(ws['A3'].value), ws['B3'].value)\n"
                           "print(list(map(str, ws.merged_cells.ranges)), ws['D1'].alignment.horizontal)\n";
  const std::string command = python + " " + script + " " + path;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  ASSERT_EQ(pclose(pipe), 0) << output;
  EXPECT_EQ(output,
            "['Sheet2', '属性']\n"
            "'孔号' 3456789.125 '0012' -0.5\n"
            "['D1:E2'] center\n");
}

}  // namespace
}  // namespace zv::workbook
