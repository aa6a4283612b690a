// Numbers show as LibreOffice Calc shows them: the texts Calc displays for a
// workbook of values and formats are kept in tests/data/workbook/number_formats
// (see PROVENANCE.md there); where Calc is installed the test makes them
// again first, so the kept texts stay Calc's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/workbook/cell_text.h"
#include "framework/workbook/xls_import.h"
#include "framework/workbook/xlsx_reader.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

const std::string kFolder = "number_formats/";

// One CSV line's fields ("…" quoted where they hold a comma).
std::vector<std::string> CsvFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(NumberFormat, ShowsWhatLibreOfficeCalcShows) {
  const std::string kept = Read(testing::FixturePath(kFolder + "number_formats_calc.csv"));
  if (const auto calc = FindLibreOffice()) {
    // Its own profile, so no other instance or earlier run is involved.
    const std::string out = zv::test::TempRoot() + "/calc";
    const std::string command = *calc + " --headless --norestore -env:UserInstallation=" +
                                FileUrl(zv::test::TempRoot() + "/calc-profile") +
                                " --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true'"
                                " --outdir " + out + " " + testing::FixturePath(kFolder + "number_formats.xlsx") +
                                " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(Read(out + "/number_formats.csv"), kept) << "Calc now shows other texts than those kept";
  }

  const auto book = ReadXlsxFile(testing::FixturePath(kFolder + "number_formats.xlsx"), {});
  const SheetData& sheet = *book->sheets.at(0);
  std::istringstream lines(kept);
  std::string line;
  int row = 0, cells = 0;
  while (std::getline(lines, line)) {
    ++row;
    const std::vector<std::string> shown = CsvFields(line);
    for (std::size_t column = 2; column <= shown.size(); ++column) {
      const Cell* cell = sheet.Find(row, static_cast<int>(column));
      if (!cell && shown[column - 1].empty()) continue;  // a shorter row
      ASSERT_NE(cell, nullptr) << "row " << row << " column " << column;
      EXPECT_EQ(DisplayText(*book, cell), shown[column - 1]) << "format " << shown[0] << ", column " << column;
      ++cells;
    }
  }
  EXPECT_GT(cells, 200);
}

}  // namespace
}  // namespace zv::workbook
