#pragma once
// The spreadsheet tools launched in a view as the tool views launch them,
// with the running spreadsheet program and the prompts seam scripted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/sheets/widget/sheet_commands.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/object_model.h"
#include "platform/view/tool_factory.h"
#include "tests/platform/view/view_fixture.h"

namespace zv::sheets {

using workbook::Application;
using workbook::Flavour;

class SheetToolsTest : public zv::test::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    RegisterSheetTools();
  }
  void Launch(const char* toolClass, int16_t mode) { ASSERT_TRUE(LaunchTool(*view, toolClass, mode, true, 0)); }
  // A new workbook in the running program holding the rows from A1.
  workbook::Worksheet OpenSheet(const std::vector<std::vector<std::string>>& rows) {
    const workbook::Worksheet sheet = Excel().Workbooks().Add().Sheets().Item(1);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        if (!rows[r][c].empty()) sheet.Cells().SetItem(int(r) + 1, int(c) + 1, rows[r][c]);
    return sheet;
  }
  static Application Excel() { return Application(workbook::RunningProgram(), Flavour::kExcel); }
  static std::vector<std::string> SheetNames() {
    std::vector<std::string> names;
    const workbook::Sheets sheets = *Excel().Sheets();
    for (int i = 1; i <= sheets.Count(); ++i) names.push_back(sheets.Item(i).Name());
    return names;
  }
  static std::string Cell(const char* sheet, int row, int column) {
    return Excel().Sheets()->Item(sheet).Cells().Item(row, column).Text();
  }
  std::string PointField(int32_t id, const char* name) {
    AttributeRecord record;
    std::string text;
    if (BasReadAttribute(pnt, kPointEntity, id, &record) == 1) BasGetFieldText(record, name, &text);
    return text;
  }
  void AddPointField(const char* name, uint8_t type = kFieldString) {
    CFIELD_HEAD field;
    field.name = name;
    field.type = type;
    ASSERT_GE(BasInsertField(pnt, kPointEntity, field), 0);
  }
  // The structure's layout and every live record's bytes, as one text.
  static std::string AttributeDump(WorkAreaHandle area, int type) {
    CATT_STRU structure;
    BasReadAttributeStructure(area, type, &structure);
    std::string dump = std::to_string(structure.recordLength);
    for (const CFIELD_HEAD& f : structure.fields)
      dump += " " + f.name + ":" + std::to_string(f.type) + "/" + std::to_string(f.length) + "/" +
              std::to_string(f.decimals) + "@" + std::to_string(f.offset) + "+" + std::to_string(f.storage);
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    AttributeRecord record;
    for (int32_t id = 1; id < bound; ++id)
      if (BasReadAttribute(area, type, id, &record) == 1) dump += "\n" + std::to_string(id) + ":" + std::string(record.bytes.begin(), record.bytes.end());
    return dump;
  }
  static int32_t Live(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }

  prompt::ScopedScriptedPrompts script_;
};

}  // namespace zv::sheets
