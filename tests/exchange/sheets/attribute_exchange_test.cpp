// Export of attributes to workbooks read by an independent reader, the
// round trip back through the import, and the join by a key column.
#include <gtest/gtest.h>

#include "exchange/sheets/attribute_export.h"
#include "exchange/sheets/attribute_import.h"
#include "exchange/sheets/attribute_join.h"
#include "tests/exchange/sheets/sheet_test_support.h"
#include "tests/support/test_env.h"

namespace zv::sheets::test {
namespace {

using workbook::Worksheet;

constexpr const char* kDumpScript =
    "import sys, openpyxl\n"
    "wb = openpyxl.load_workbook(sys.argv[1])\n"
    "for ws in wb:\n"
    "    print(ws.title)\n"
    "    for row in ws.iter_rows(values_only=True):\n"
    "        print(row)\n";

class AttributeExchangeTest : public SheetTest {
 protected:
  // Six points (ids 3 and 5 deleted), an empty line area, one region.
  void SetUp() override {
    SheetTest::SetUp();
    AddField(points_, kPointEntity, "编号", kFieldString, 10);
    AddField(points_, kPointEntity, "深度", kFieldDouble, 15, 6);
    AddField(points_, kPointEntity, "层", kFieldShort, 5);
    const char* numbers[] = {"007", "P2", "P3", "P4", "P5", "P6"};
    for (int i = 0; i < 6; ++i)
      AddPoint(points_, {{"编号", numbers[i]}, {"深度", "3512345.678901"}, {"层", std::to_string(i + 1)}});
    BasDeletePoint(points_, 3);
    BasDeletePoint(points_, 5);
    AddField(regions_, kRegionEntity, "名称", kFieldString, 8);
    const std::vector<D_DOT> ring{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const int32_t arc = BasAppendLine(regions_, ring, *BasGetDefaultLineParam());
    region_ = BasAppendRegion(regions_, std::vector<int32_t>{0, arc}, *BasGetDefaultRegionParam());
    ASSERT_GT(region_, 0);
    AttributeRecord record;
    BasReadAttribute(regions_, kRegionEntity, region_, &record);
    BasSetFieldByName(record, "名称", std::string_view("0012"));
    BasWriteAttribute(regions_, kRegionEntity, region_, record);
  }

  workbook::Workbook NewBook() {
    workbook::Workbook book = excel_.Workbooks().Add();
    book.Sheets().Add(2);
    return book;
  }
  std::string Saved(const workbook::Workbook& book, const std::string& name) {
    const std::string path = zv::test::TempRoot() + "/" + name;
    book.SaveAs(path);
    return path;
  }

  int32_t region_ = 0;
};

TEST_F(AttributeExchangeTest, ExportNamesTheSheetsKeepsTextsAndClosesUpDeletedIds) {
  const workbook::Workbook book = NewBook();
  const std::string emptyName = book.Sheets().Item(2).Name();
  ExportAttributeSheets(book.Sheets(), {points_, lines_, regions_});
  const std::string out = RunPython(kDumpScript, {Saved(book, "export.xlsx")});
  EXPECT_EQ(out, "点\n"
                 "('ID', '编号', '深度', '层')\n"
                 "(1, '007', 3512345.678901, 1)\n"
                 "(2, 'P2', 3512345.678901, 2)\n"
                 "(4, 'P4', 3512345.678901, 4)\n"
                 "(6, 'P6', 3512345.678901, 6)\n" +
                     emptyName + "\n"
                     "区\n"
                     "('ID', '面积', '周长', '名称')\n"
                     "(0, 100, 40, '0012')\n");
}

TEST_F(AttributeExchangeTest, SelectedExportKeepsPoolOrderWithGapsForOtherAreas) {
  const workbook::Workbook book = NewBook();
  const std::vector<ENTITY_MSG> pool{{points_, kPointEntity, 4}, {regions_, kRegionEntity, region_},
                                     {points_, kPointEntity, 3}, {points_, kPointEntity, 1}};
  ExportSelectedAttributeSheets(book.Sheets(), {points_, lines_, regions_}, pool);
  const std::string out = RunPython(kDumpScript, {Saved(book, "selected.xlsx")});
  // Deleted point 3 gives up its row: point 1 at pool position 4 lands in row 4.
  EXPECT_NE(out.find("点\n"
                     "('ID', '编号', '深度', '层')\n"
                     "(4, 'P4', 3512345.678901, 4)\n"
                     "(None, None, None, None)\n"
                     "(1, '007', 3512345.678901, 1)\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("区\n('ID', '面积', '周长', '名称')\n(None, None, None, None)\n(0, 100, 40, '0012')\n"),
            std::string::npos)
      << out;
}

TEST_F(AttributeExchangeTest, ImportAfterAnOutsideEditChangesOnlyMatchedFieldsAtFullPrecision) {
  const workbook::Workbook book = NewBook();
  ExportAttributeSheets(book.Sheets(), {points_, lines_, regions_});
  const std::string path = Saved(book, "roundtrip.xlsx");
  // Row 2 is id 1, row 3 id 2, row 4 id 4, row 5 id 6; row 5 goes away.
  RunPython("import sys, openpyxl\n"
            "wb = openpyxl.load_workbook(sys.argv[1])\n"
            "ws = wb['点']\n"
            "ws['A2'] = 999\n"
            "ws['B2'] = '0099'\n"
            "ws['C3'] = 1234567.891234\n"
            "ws['D1'] = '无关'\n"
            "ws['D2'] = 77\n"
            "ws.delete_rows(5)\n"
            "wb.active = 0\n"
            "wb.save(sys.argv[1])\n",
            {path});
  session_->Close(book.GetBook());
  session_->Open(path);
  const Worksheet sheet = *excel_.ActiveSheet();
  ASSERT_EQ(sheet.Name(), "点");
  const ImportOutcome outcome = ImportSheetAttributes(sheet, workbook::ExtentOf(sheet.UsedRange()), points_);
  EXPECT_EQ(outcome.matchedFields, 2);
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "ID"), "1");
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "编号"), "0099");
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "层"), "1");
  EXPECT_EQ(FieldText(points_, kPointEntity, 2, "深度"), "1234567.891234");
  EXPECT_EQ(FieldText(points_, kPointEntity, 4, "深度"), "3512345.678901");
  EXPECT_EQ(FieldText(points_, kPointEntity, 6, "编号"), "P6");
  EXPECT_EQ(FieldText(points_, kPointEntity, 6, "深度"), "3512345.678901");
}

TEST_F(AttributeExchangeTest, ImportLeavesTheLeadingFieldsAndUnnamedFieldsAlone) {
  AddField(lines_, kLineEntity, "名称", kFieldString, 8);
  const int32_t line = BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {3, 4}}, *BasGetDefaultLineParam());
  const Worksheet sheet = excel_.Workbooks().Add().Sheets().Item(1);
  FillCells(sheet, 1, 1, {{"ID", "长度", "名称"}, {"9", "99", "北线"}});
  EXPECT_EQ(ImportSheetAttributes(sheet, workbook::ExtentOf(sheet.UsedRange()), lines_).matchedFields, 1);
  EXPECT_EQ(FieldText(lines_, kLineEntity, line, "ID"), "0");
  EXPECT_EQ(FieldText(lines_, kLineEntity, line, "长度"), "5.000000");
  EXPECT_EQ(FieldText(lines_, kLineEntity, line, "名称"), "北线");

  FillCells(sheet, 1, 1, {{"甲", "乙", "丙"}});
  EXPECT_EQ(ImportSheetAttributes(sheet, workbook::ExtentOf(sheet.UsedRange()), lines_).matchedFields, 0);
  EXPECT_EQ(FieldText(lines_, kLineEntity, line, "名称"), "北线");
}

class JoinTest : public SheetTest {
 protected:
  Worksheet sheet_ = excel_.Workbooks().Add().Sheets().Item(1);
};

TEST_F(JoinTest, JoinsByTextAndIntegerKeysFromARangeAwayFromA1) {
  struct Case {
    const char* name;
    uint8_t keyType;
    std::vector<std::string> keys;  // of points 1..3
    std::vector<std::string> cells; // the sheet's key column
  };
  const Case cases[] = {
      {"text", kFieldString, {"ZK1", "ZK2", "ZK9"}, {"ZK2", "ZK1", "ZK1"}},
      {"16-bit", kFieldShort, {"1", "2", "9"}, {"2", "1", "1"}},
      {"32-bit", kFieldLong, {"100001", "100002", "100009"}, {"100002", "100001", "100001"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(points_);
    CATT_STRU plain = CustomaryStructure(kPointEntity);
    BasSetAttributeStructure(points_, kPointEntity, plain);
    AddField(points_, kPointEntity, "孔号", c.keyType, 10);
    for (const std::string& key : c.keys) AddPoint(points_, {{"孔号", key}});
    Worksheet sheet = excel_.Workbooks().Add().Sheets().Item(1);
    // The used range starts at C3; its second column has no header.
    FillCells(sheet, 3, 3,
              {{"孔号", "", "深度", "备注", "日期"},
               {c.cells[0], "x", "12.5", "123456", "'2024-01-05"},
               {c.cells[1], "y", "3512345.678901", "ZK1", ""},
               {c.cells[2], "z", "7", "late", "'2024-02-01"}});
    const workbook::Extent extent = workbook::ExtentOf(sheet.UsedRange());
    ASSERT_EQ(extent.firstColumn, 3);
    const JoinRequest request{points_, 1, 3, {{"深度", 5}, {"备注", 6}, {"日期", 7}}};
    const JoinOutcome outcome = JoinSheetAttributes(sheet, extent, request);
    EXPECT_EQ(outcome.result, JoinOutcome::Result::kJoined);
    CATT_STRU structure;
    BasReadAttributeStructure(points_, kPointEntity, &structure);
    ASSERT_EQ(structure.fieldCount(), 5);
    EXPECT_EQ(structure.fields[2].type, kFieldDouble);
    EXPECT_EQ(structure.fields[3].type, kFieldString);
    EXPECT_EQ(structure.fields[3].length, 6);  // "123456", not only the texts that made it text
    EXPECT_EQ(structure.fields[4].type, kFieldString);
    // The first row of a key wins; point 3 has no row.
    EXPECT_EQ(FieldText(points_, kPointEntity, 1, "深度"), "3512345.678901");
    EXPECT_EQ(FieldText(points_, kPointEntity, 1, "备注"), "ZK1");
    EXPECT_EQ(FieldText(points_, kPointEntity, 2, "深度"), "12.500000");
    EXPECT_EQ(FieldText(points_, kPointEntity, 2, "日期"), "2024-01-05");
    EXPECT_EQ(FieldText(points_, kPointEntity, 3, "备注"), "");
    EXPECT_EQ(FieldText(points_, kPointEntity, 3, "深度"), "0.000000");
  }
}

TEST_F(JoinTest, ADoubleKeyIsRefusedBeforeAnythingChanges) {
  AddField(points_, kPointEntity, "孔深", kFieldDouble, 15, 6);
  AddPoint(points_, {{"孔深", "1"}});
  FillCells(sheet_, 1, 1, {{"孔深", "备注"}, {"1", "a"}});
  const JoinOutcome outcome =
      JoinSheetAttributes(sheet_, workbook::ExtentOf(sheet_.UsedRange()), {points_, 1, 1, {{"备注", 2}}});
  EXPECT_EQ(outcome.result, JoinOutcome::Result::kBadKeyType);
  CATT_STRU structure;
  BasReadAttributeStructure(points_, kPointEntity, &structure);
  EXPECT_EQ(structure.fieldCount(), 2);
}

TEST_F(JoinTest, LongAndRepeatedNamesBecomeDistinctFieldsAndAFieldOfTheNameIsReused) {
  AddField(points_, kPointEntity, "孔号", kFieldString, 10);
  AddField(points_, kPointEntity, "备注", kFieldString, 10);
  AddPoint(points_, {{"孔号", "A"}});
  const std::string longName = "一二三四五六七八九十甲";  // 22 GBK bytes
  FillCells(sheet_, 1, 1, {{"孔号", longName, longName + "乙", "备注"}, {"A", "1", "2", "新"}});
  const JoinOutcome outcome = JoinSheetAttributes(
      sheet_, workbook::ExtentOf(sheet_.UsedRange()),
      {points_, 1, 1, {{longName, 2}, {longName + "乙", 3}, {"备注", 4}}});
  ASSERT_EQ(outcome.result, JoinOutcome::Result::kJoined);
  CATT_STRU structure;
  BasReadAttributeStructure(points_, kPointEntity, &structure);
  ASSERT_EQ(structure.fieldCount(), 5);
  EXPECT_EQ(structure.fields[3].name, "一二三四五六七八九");
  EXPECT_EQ(structure.fields[4].name, "一二三四五六七八九1");
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "一二三四五六七八九1"), "2.000000");
  EXPECT_EQ(FieldText(points_, kPointEntity, 1, "备注"), "新");
}

}  // namespace
}  // namespace zv::sheets::test
