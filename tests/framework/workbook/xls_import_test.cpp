#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/workbook/cell_text.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/workbook_file.h"
#include "framework/workbook/xls_import.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

std::string Shown(const WorkbookData& book, int sheet, int row, int column) {
  return DisplayText(book, book.sheets[static_cast<std::size_t>(sheet)]->Find(row, column));
}

TEST(XlsImport, FileUrlsEncodeBlanksAndChineseNames) {
  EXPECT_EQ(FileUrl("/home/user/.cache/x"), "file:///home/user/.cache/x");
  EXPECT_EQ(FileUrl("/home/my user/地质"), "file:///home/my%20user/%E5%9C%B0%E8%B4%A8");
  EXPECT_EQ(FileUrl("/a%b#c"), "file:///a%25b%23c");
}

TEST(XlsImport, FreexlReadsValuesTextsAndDates) {
  const auto book = ReadXlsViaFreexl(testing::FixturePath("calc_cases.xls"), {});
  ASSERT_EQ(book->sheets.size(), 3u);
  EXPECT_EQ(book->sheets[0]->name, "格式");
  EXPECT_EQ(book->sheets[1]->name, "偏移");
  EXPECT_EQ(Shown(*book, 0, 1, 1), "1234.5678");
  EXPECT_EQ(Shown(*book, 0, 3, 1), "1234.5678");  // formats need LibreOffice
  EXPECT_EQ(Shown(*book, 0, 10, 1), "2024/1/5 18:00");
  EXPECT_EQ(Shown(*book, 0, 11, 1), "2024/1/5");
  EXPECT_EQ(Shown(*book, 0, 12, 1), "13:30:00");
  EXPECT_EQ(Shown(*book, 0, 14, 1), "0123");
  EXPECT_EQ(Shown(*book, 0, 1, 4), "21");
  EXPECT_EQ(book->sheets[0]->Find(2, 4), nullptr);  // freexl skips formula results
  EXPECT_EQ(book->sheets[1]->UsedRect(), (CellRect{{3, 3}, {7, 5}}));
}

TEST(XlsImport, LibreOfficeKeepsFormatsAndMerges) {
  const auto program = FindLibreOffice();
  ASSERT_TRUE(program) << "LibreOffice is not installed: scripts/bootstrap installs it";
  const auto book = ReadXlsViaLibreOffice(testing::FixturePath("calc_cases.xls"), *program, {});
  EXPECT_EQ(Shown(*book, 0, 3, 1), "1234.57");
  EXPECT_EQ(Shown(*book, 0, 10, 1), "2024-01-05 18:00");
  ASSERT_EQ(book->sheets[0]->merges.size(), 1u);
  EXPECT_EQ(book->sheets[0]->merges[0], (CellRect{{2, 6}, {3, 7}}));
}

TEST(XlsImport, WithoutLibreOfficeTheUserIsToldWhatIsMissing) {
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", zv::test::TempRoot().c_str(), 1);
  const LoadedWorkbook loaded = LoadWorkbookFile(testing::FixturePath("calc_cases.xls"));
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(loaded.notice, XlsWithoutLibreOfficeNotice());
  EXPECT_EQ(loaded.data->sheets.size(), 3u);
}

TEST(XlsImport, DamagedFilesGiveAMessage) {
  EXPECT_THROW(ReadXlsViaFreexl(testing::FixturePath("calc_cases.xlsx"), {}), WorkbookError);
  EXPECT_THROW(ReadXlsViaFreexl(zv::test::TempRoot() + "/missing.xls", {}), WorkbookError);
}

}  // namespace
}  // namespace zv::workbook
