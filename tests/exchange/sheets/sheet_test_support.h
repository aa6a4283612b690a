#pragma once
// Shared set-up of the sheet exchange tests: work areas with attributes,
// workbooks filled in code, and python3-openpyxl as an independent reader
// and editor of saved workbooks.

#include <memory>
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::sheets::test {

// Adds a field to an area's structure of the entity type.
void AddField(WorkAreaHandle area, int entityType, const std::string& name, uint8_t type, int16_t length = 10,
              int8_t decimals = 0);
// Appends a point at (i, i) and sets the named fields from texts.
int32_t AddPoint(WorkAreaHandle area, const std::vector<std::pair<std::string, std::string>>& values);
// A field's text of an entity.
std::string FieldText(WorkAreaHandle area, int entityType, int32_t id, const std::string& name);

// Puts typed texts into a sheet from a cell on: rows of cells.
void FillCells(const workbook::Worksheet& sheet, int row, int column, const std::vector<std::vector<std::string>>& rows);

// Runs a python3 script (openpyxl) with the arguments; its standard output.
std::string RunPython(const std::string& script, const std::vector<std::string>& arguments);

class SheetTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override;
  std::shared_ptr<workbook::Session> session_ = std::make_shared<workbook::Session>();
  workbook::Application excel_{session_, workbook::Flavour::kExcel};
};

}  // namespace zv::sheets::test
