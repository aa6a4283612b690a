#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/workbook/cell_text.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/workbook_file.h"
#include "framework/workbook/xlsx_reader.h"
#include "tests/framework/workbook/zip_builder.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

using testing::MakeZip;
using testing::MinimalWorkbook;

std::string Sheet(const std::string& sheetData) {
  return R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" + sheetData +
         "</sheetData></worksheet>";
}

std::string FixtureBytes(const std::string& name) {
  std::ifstream in(testing::FixturePath(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The message names the problem; nothing crashes or hangs.
void ExpectRejected(const std::string& bytes, const char* why, const ReadLimits& limits = {}) {
  try {
    ReadXlsx(bytes, "坏.xlsx", limits);
    ADD_FAILURE() << "accepted: " << why;
  } catch (const WorkbookError& error) {
    EXPECT_NE(std::string(error.what()).find("坏.xlsx"), std::string::npos) << error.what();
  }
}

TEST(MalformedWorkbook, IsRejectedWithAClearMessage) {
  const std::string good = FixtureBytes("calc_cases.xlsx");
  ExpectRejected("", "empty");
  ExpectRejected("not a zip at all", "not a zip");
  ExpectRejected(good.substr(0, good.size() / 2), "truncated");
  ExpectRejected(MakeZip({{"hello.txt", "hi"}}), "zip without a workbook");
  ExpectRejected(MakeZip(MinimalWorkbook("<worksheet><sheetData><row r=\"1\"><c r=\"A1\"")), "malformed XML");
  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="1"><c r="XFE1"><v>1</v></c></row>)"))), "column beyond XFD");
  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="1048577"><c><v>1</v></c></row>)"))), "row beyond the sheet");
  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="1"><c r="A1" t="s"><v>7</v></c></row>)"))),
                 "shared string that does not exist");
  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="2"><c r="A1"><v>1</v></c></row>)"))),
                 "cell outside its row");
  for (const char* value : {"abc", "1.5x", "inf", "nan", "1e999", "--1", " "}) {
    SCOPED_TRACE(value);
    ExpectRejected(MakeZip(MinimalWorkbook(Sheet(std::string(R"(<row r="1"><c r="B1"><v>)") + value + "</v></c></row>"))),
                   "a number cell that holds no number");
    ExpectRejected(
        MakeZip(MinimalWorkbook(Sheet(std::string(R"(<row r="1"><c r="B1" t="b"><v>)") + value + "</v></c></row>"))),
        "a boolean cell that holds no number");
  }
  try {
    ReadXlsx(MakeZip(MinimalWorkbook(Sheet(R"(<row r="4"><c r="C4"><v>abc</v></c></row>)"))), "坏.xlsx");
  } catch (const WorkbookError& error) {
    EXPECT_NE(std::string(error.what()).find("C4"), std::string::npos) << error.what();
  }
}

TEST(MalformedWorkbook, NumbersAndBooleansReadAsSpreadsheetProgramsReadThem) {
  const auto book = ReadXlsx(MakeZip(MinimalWorkbook(Sheet(
                                 R"(<row r="1"><c r="A1" t="b"><v>2</v></c><c r="B1" t="b"><v>0</v></c>)"
                                 R"(<c r="C1" t="b"><v>-1</v></c><c r="D1"><v> +1.5E2 </v></c><c r="E1"><v>-0.25</v></c></row>)"))),
                             "ok.xlsx");
  const SheetData& sheet = *book->sheets.front();
  EXPECT_EQ(DisplayText(*book, sheet.Find(1, 1)), "TRUE");
  EXPECT_EQ(DisplayText(*book, sheet.Find(1, 2)), "FALSE");
  EXPECT_EQ(DisplayText(*book, sheet.Find(1, 3)), "TRUE");
  EXPECT_EQ(sheet.Find(1, 4)->number, 150.0);
  EXPECT_EQ(sheet.Find(1, 5)->number, -0.25);
}

TEST(MalformedWorkbook, OversizedContentIsRefusedBeforeItExhaustsMemory) {
  ReadLimits tight;
  tight.maxMemberBytes = 4096;
  // A member that inflates far beyond its packed size.
  const std::string bomb = MakeZip(MinimalWorkbook(Sheet(std::string(1 << 20, ' '))));
  EXPECT_LT(bomb.size(), 16384u);
  ExpectRejected(bomb, "zip bomb", tight);

  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="1"><c r="A1"><v>1</v></c></row>)"
                                               R"(<row r="1048576"><c r="XFD1048576"><v>1</v></c></row>)"))),
                 "a used range of the whole sheet");

  ReadLimits fewCells;
  fewCells.maxCells = 3;
  ExpectRejected(MakeZip(MinimalWorkbook(Sheet(R"(<row r="1"><c r="A1"/><c r="B1"/><c r="C1"/><c r="D1"/></row>)"))),
                 "too many cells", fewCells);
}

TEST(MalformedWorkbook, EncryptedMembersAreNamedAsSuch) {
  try {
    ReadXlsx(MakeZip(MinimalWorkbook(Sheet("")), true), "坏.xlsx");
    ADD_FAILURE() << "accepted an encrypted workbook";
  } catch (const WorkbookError& error) {
    EXPECT_NE(std::string(error.what()).find("加密"), std::string::npos) << error.what();
  }
}

TEST(MalformedWorkbook, ToleratesWhatWritersLeaveOut) {
  // No styles, no shared strings, cells without addresses, rows out of order,
  // a duplicated cell (the last one wins).
  const auto book = ReadXlsx(
      MakeZip(MinimalWorkbook(Sheet(R"(<row r="3"><c><v>1</v></c><c><v>2</v></c></row>)"
                                    R"(<row r="1"><c r="B1" t="inlineStr"><is><t>x</t></is></c></row>)"
                                    R"(<row r="3"><c r="A3"><v>9</v></c></row>)"))),
      "ok.xlsx");
  const SheetData& sheet = *book->sheets.front();
  ASSERT_EQ(sheet.cells.size(), 3u);
  EXPECT_EQ(sheet.Find(3, 1)->number, 9.0);
  EXPECT_EQ(sheet.Find(3, 2)->number, 2.0);
  EXPECT_EQ(sheet.UsedRect(), (CellRect{{1, 1}, {3, 2}}));
}

TEST(MalformedWorkbook, FilesOfOtherKindsAreNamed) {
  const std::string path = zv::test::TempRoot() + "/notes.et";
  std::ofstream(path) << "plain text, not a workbook";
  try {
    LoadWorkbookFile(path);
    ADD_FAILURE() << "accepted a text file";
  } catch (const WorkbookError& error) {
    EXPECT_NE(std::string(error.what()).find("notes.et"), std::string::npos);
  }
  EXPECT_THROW(LoadWorkbookFile(zv::test::TempRoot() + "/missing.xlsx"), WorkbookError);
}

}  // namespace
}  // namespace zv::workbook
