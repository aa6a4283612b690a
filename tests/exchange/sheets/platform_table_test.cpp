// Platform tables to and from sheets: column typing, field names, record
// numbering, and the way through a ".wb" file and back into a workbook read
// by an independent reader.
#include <gtest/gtest.h>

#include <memory>

#include "exchange/sheets/platform_table.h"
#include "platform/data/table_area.h"
#include "platform/files/table_file.h"
#include "platform/files/work_area_file.h"
#include "tests/exchange/sheets/sheet_test_support.h"
#include "tests/support/test_env.h"

namespace zv::sheets::test {
namespace {

constexpr const char* kDumpFirstSheet =
    "import sys, openpyxl\n"
    "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
    "for row in ws.iter_rows(values_only=True):\n"
    "    print(row)\n";

std::string Saved(const workbook::Workbook& book, const std::string& name) {
  const std::string path = zv::test::TempRoot() + "/" + name;
  book.SaveAs(path);
  return path;
}

// "name type length.decimals" per field, then "|"-joined field texts per record.
std::string DumpTable(WorkAreaHandle table) {
  std::string out;
  CATT_STRU structure;
  BasGetTableStructure(table, &structure);
  for (const CFIELD_HEAD& f : structure.fields)
    out += f.name + " " + std::to_string(f.type) + " " + std::to_string(f.length) + "." + std::to_string(f.decimals) + "\n";
  int32_t bound = 0;
  BasGetAttributeInfo(table, kTableEntity, &bound);
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadTableRecord(table, id, nullptr, &record)) continue;
    for (int k = 0; k < structure.fieldCount(); ++k) {
      std::string text;
      BasGetFieldText(record, k, &text);
      out += (k ? "|" : "") + text;
    }
    out += "\n";
  }
  return out;
}

class PlatformTableTest : public SheetTest {
 protected:
  WorkAreaHandle NewTable() { return BasCreateWorkArea(set_, kTableArea); }

  // The table made from cells typed from `at` on.
  std::string FromCells(const std::vector<std::vector<std::string>>& rows, int row = 1, int column = 1) {
    const workbook::Worksheet sheet = excel_.Workbooks().Add().Sheets().Item(1);
    FillCells(sheet, row, column, rows);
    const WorkAreaHandle table = NewTable();
    EXPECT_TRUE(FillTableFromSheet(sheet, workbook::ExtentOf(sheet.UsedRange()), table));
    return DumpTable(table);
  }
};

TEST_F(PlatformTableTest, ColumnsAreTypedNamedAndFilledAsTheirCellsSay) {
  struct Case {
    const char* name;
    std::vector<std::vector<std::string>> cells;
    std::string table;
  };
  const Case cases[] = {
      {"three rows are records 1, 2 and 3; numbers make a double field",
       {{"深度"}, {"12"}, {"3.5"}, {"7"}},
       "ID 3 8.0\n深度 5 15.6\n1|12.000000\n2|3.500000\n3|7.000000\n"},
      {"a date makes a text field of 2 + its length; numbers beside it stay texts",
       {{"日期"}, {"2010-01-01"}, {"12"}},
       "ID 3 8.0\n日期 0 12.0\n1|2010-01-01\n2|12\n"},
      {"a written zero makes text", {{"层"}, {"0"}, {"1"}, {"2"}}, "ID 3 8.0\n层 0 3.0\n1|0\n2|1\n3|2\n"},
      {"a zero with decimals", {{"层"}, {"'0.00"}, {"5"}}, "ID 3 8.0\n层 0 6.0\n1|0.00\n2|5\n"},
      {"a minus or a comma makes text", {{"a", "b"}, {"-5", "1,234"}}, "ID 3 8.0\na 0 4.0\nb 0 7.0\n1|-5|1,234\n"},
      {"no whole number makes text", {{"a", "b"}, {"12abc", "3 m"}, {"4", "5"}},
       "ID 3 8.0\na 0 7.0\nb 0 5.0\n1|12abc|3 m\n2|4|5\n"},
      {"an empty column is double and holds 0", {{"空", "x"}, {"", "1"}, {"", "2"}},
       "ID 3 8.0\n空 5 15.6\nx 5 15.6\n1|0.000000|1.000000\n2|0.000000|2.000000\n"},
      {"an empty cell is a blank in text and 0 in double", {{"t", "d"}, {"", ""}, {"ZK1", "1"}},
       "ID 3 8.0\nt 0 5.0\nd 5 15.6\n1| |0.000000\n2|ZK1|1.000000\n"},
      {"every text counts for the length", {{"t"}, {"ZK1"}, {"123456"}}, "ID 3 8.0\nt 0 8.0\n1|ZK1\n2|123456\n"},
      {"ID becomes ID1 as text and as double; id stays", {{"ID", "ID", "id"}, {"a", "1", "2"}},
       "ID 3 8.0\nID1 0 3.0\nID11 5 15.6\nid 5 15.6\n1|a|1.000000|2.000000\n"},
      {"empty and duplicate headers", {{"", "名", "名"}, {"1", "2", "3"}},
       "ID 3 8.0\nA列 5 15.6\n名 5 15.6\n名1 5 15.6\n1|1.000000|2.000000|3.000000\n"},
      {"a long header is cut at a character boundary", {{"一二三四五六七八九十"}, {"1"}},
       "ID 3 8.0\n一二三四五六七八九 5 15.6\n1|1.000000\n"},
      {"characters GBK cannot hold become _ and the names stay distinct", {{"😀层", "😃层"}, {"1", "2"}},
       "ID 3 8.0\n_层 5 15.6\n_层1 5 15.6\n1|1.000000|2.000000\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FromCells(c.cells), c.table);
  }
}

TEST_F(PlatformTableTest, ARangeAtC3TakesItsNamesFromRow3AndEmptyRowsCount) {
  EXPECT_EQ(FromCells({{"X", "名称"}, {"1.5", "P1"}, {"", ""}, {"2", "P3"}}, 3, 3),
            "ID 3 8.0\nX 5 15.6\n名称 0 4.0\n1|1.500000|P1\n2|0.000000| \n3|2.000000|P3\n");
}

TEST_F(PlatformTableTest, GeneralNumbersKeepTheirFullValue) {
  const workbook::Worksheet sheet = excel_.Workbooks().Add().Sheets().Item(1);
  FillCells(sheet, 1, 1, {{"X"}, {"3512345.678901"}});
  const WorkAreaHandle table = NewTable();
  ASSERT_TRUE(FillTableFromSheet(sheet, workbook::ExtentOf(sheet.UsedRange()), table));
  AttributeRecord record;
  ASSERT_EQ(BasReadTableRecord(table, 1, nullptr, &record), 1);
  double x = 0;
  BasGetFieldDoubleByIndex(record, 1, &x);
  EXPECT_EQ(x, 3512345.678901);
}

TEST_F(PlatformTableTest, TableToSheetClosesUpUnreadableIdsAndLeavesOtherTypesEmpty) {
  const WorkAreaHandle table = NewTable();
  CATT_STRU wanted;
  CFIELD_HEAD name, grade, day;
  name.name = "名称";
  name.length = 6;
  grade.name = "品位";
  grade.type = kFieldFloat;
  day.name = "日期";
  day.type = kFieldDate;
  wanted.fields = {name, grade, day};
  ASSERT_EQ(BasSetAttributeStructure(table, kTableEntity, wanted), 1);
  auto structure = std::make_shared<CATT_STRU>();
  BasGetTableStructure(table, structure.get());
  for (int id = 1; id <= 4; ++id) {
    if (id == 2) {
      BasAppendDeletedId(table, kTableEntity);
      continue;
    }
    AttributeRecord record = AttributeRecord::Empty(structure);
    BasPutFieldNumber(record, 0, id);
    BasPutFieldText(record, 1, id == 1 ? "007" : "P" + std::to_string(id));
    BasPutFieldNumber(record, 2, id * 0.5);
    BasPutFieldText(record, 3, "2020-01-02");
    BasAppendTableRecord(table, record);
  }
  const workbook::Workbook book = excel_.Workbooks().Add();
  WriteTableToSheet(table, book.Sheets().Item(1));
  EXPECT_EQ(RunPython(kDumpFirstSheet, {Saved(book, "table.xlsx")}),
            "('ID', '名称', '品位', '日期')\n"
            "(1, '007', 0.5, None)\n"
            "(3, 'P3', 1.5, None)\n"
            "(4, 'P4', 2, None)\n");

  const workbook::Workbook empty = excel_.Workbooks().Add();
  WriteTableToSheet(NewTable(), empty.Sheets().Item(1));
  EXPECT_EQ(RunPython(kDumpFirstSheet, {Saved(empty, "empty.xlsx")}), "");
}

TEST_F(PlatformTableTest, SheetThroughATableFileComesBackAfterAnIdColumn) {
  const workbook::Worksheet sheet = excel_.Workbooks().Add().Sheets().Item(1);
  FillCells(sheet, 2, 2, {{"孔号", "深度", "备注"}, {"'007", "12.5", "-"}, {"ZK2", "3512345.678901", ""}});
  const WorkAreaHandle table = NewTable();
  ASSERT_TRUE(FillTableFromSheet(sheet, workbook::ExtentOf(sheet.UsedRange()), table));
  const std::string path = zv::test::TempRoot() + "/round.wb";
  ASSERT_EQ(BasSaveTable(table, path, kSavePathComplete), 1) << BasLastSaveError();

  files::FileReport report;
  const WorkAreaHandle loaded = BasLoadWorkArea(set_, path, &report);
  ASSERT_NE(loaded, 0) << report.error;
  const workbook::Workbook book = excel_.Workbooks().Add();
  WriteTableToSheet(loaded, book.Sheets().Item(1));
  EXPECT_EQ(RunPython(kDumpFirstSheet, {Saved(book, "round.xlsx")}),
            "('ID', '孔号', '深度', '备注')\n"
            "(1, '007', 12.5, '-')\n"
            "(2, 'ZK2', 3512345.678901, ' ')\n");
}

}  // namespace
}  // namespace zv::sheets::test
