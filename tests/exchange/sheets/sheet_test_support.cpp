#include "tests/exchange/sheets/sheet_test_support.h"

#include <cstdio>
#include <fstream>

#include "tests/support/test_env.h"

namespace zv::sheets::test {

void AddField(WorkAreaHandle area, int entityType, const std::string& name, uint8_t type, int16_t length,
              int8_t decimals) {
  CFIELD_HEAD field;
  field.name = name;
  field.type = type;
  field.length = length;
  field.decimals = decimals;
  ASSERT_GE(BasInsertField(area, entityType, field), 0) << name;
}

int32_t AddPoint(WorkAreaHandle area, const std::vector<std::pair<std::string, std::string>>& values) {
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  const int32_t id = BasAppendPoint(area, D_DOT{double(bound), double(bound)}, "", *BasGetDefaultPointParam(1));
  AttributeRecord record;
  BasReadAttribute(area, kPointEntity, id, &record);
  BasSetFieldByName(record, "ID", static_cast<double>(id));
  for (const auto& [name, text] : values) EXPECT_TRUE(BasSetFieldByName(record, name, std::string_view(text))) << name;
  BasWriteAttribute(area, kPointEntity, id, record);
  return id;
}

std::string FieldText(WorkAreaHandle area, int entityType, int32_t id, const std::string& name) {
  AttributeRecord record;
  if (BasReadAttribute(area, entityType, id, &record) != 1) return "<unread>";
  std::string text;
  if (!BasGetFieldText(record, name, &text)) return "<no field>";
  return text;
}

void FillCells(const workbook::Worksheet& sheet, int row, int column, const std::vector<std::vector<std::string>>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      if (!rows[r][c].empty())
        sheet.Cells().SetItem(row + static_cast<int>(r), column + static_cast<int>(c), rows[r][c]);
}

std::string RunPython(const std::string& script, const std::vector<std::string>& arguments) {
  const std::string python = ZV_SYSTEM_PYTHON;
  EXPECT_EQ(python.find("NOTFOUND"), std::string::npos) << "no python3 with openpyxl: scripts/bootstrap installs it";
  const std::string path = zv::test::TempRoot() + "/script.py";
  std::ofstream(path) << script;
  std::string command = python + " " + path;
  for (const std::string& a : arguments) command += " '" + a + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe)) output += buffer;
  EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << output;
  return output;
}

void SheetTest::SetUp() {
  WorkAreasTest::SetUp();
  BasResetDefaultParams();
}

}  // namespace zv::sheets::test
