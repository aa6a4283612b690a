#include "exchange/sheets/attribute_export.h"

#include "platform/data/attributes.h"

namespace zv::sheets {
namespace {

using workbook::CellValue;

void WriteHeader(const workbook::Range& cells, const CATT_STRU& structure) {
  for (int j = 0; j < structure.fieldCount(); ++j)
    cells.SetItem(1, j + 1, CellValue::Text(structure.fields[static_cast<std::size_t>(j)].name));
}

void WriteRecord(const workbook::Range& cells, int row, const AttributeRecord& record) {
  for (int j = 0; j < record.structure->fieldCount(); ++j) PutFieldCell(cells, row, j + 1, record, j);
}

// The sheet of area k, named and headed; none when the area is skipped.
std::optional<workbook::Worksheet> PrepareSheet(const workbook::Sheets& sheets, int k, WorkAreaHandle area,
                                                CATT_STRU* structure) {
  if (area == 0 || BasIsWorkAreaEmpty(area)) return std::nullopt;
  workbook::Worksheet sheet = sheets.Item(k);
  sheet.Select();
  sheet.SetName(kSheetNames[k - 1]);
  BasReadAttributeStructure(area, BasGetWorkAreaType(area), structure);
  WriteHeader(sheet.Cells(), *structure);
  return sheet;
}

}  // namespace

void PutFieldCell(const workbook::Range& cells, int row, int column, const AttributeRecord& record, int index) {
  switch (record.structure->fields[static_cast<std::size_t>(index)].type) {
    case kFieldString: {
      std::string text;
      BasGetFieldText(record, index, &text);
      cells.SetItem(row, column, CellValue::Text(std::move(text)));
      break;
    }
    case kFieldShort:
    case kFieldLong:
    case kFieldFloat:
    case kFieldDouble:
    case kFieldBoolean: {
      double value = 0;
      BasGetFieldDoubleByIndex(record, index, &value);
      cells.SetItem(row, column, CellValue::Number(value));
      break;
    }
    default:
      break;
  }
}

void ExportAttributeSheets(const workbook::Sheets& sheets, const std::array<WorkAreaHandle, 3>& areas) {
  for (int k = 1; k <= 3; ++k) {
    const WorkAreaHandle area = areas[static_cast<std::size_t>(k - 1)];
    CATT_STRU structure;
    const auto sheet = PrepareSheet(sheets, k, area, &structure);
    if (!sheet) continue;
    const int type = BasGetWorkAreaType(area);
    int32_t bound = 0;
    if (BasGetAttributeInfo(area, type, &bound) != 1) return;
    if (structure.fields.empty()) continue;
    const workbook::Range cells = sheet->Cells();
    int32_t skipped = 0;
    AttributeRecord record;
    for (int32_t id = 1; id < bound; ++id) {
      if (BasReadAttribute(area, type, id, &record) <= 0) {
        ++skipped;
        continue;
      }
      WriteRecord(cells, static_cast<int>(id - skipped + 1), record);
    }
  }
}

void ExportSelectedAttributeSheets(const workbook::Sheets& sheets, const std::array<WorkAreaHandle, 3>& areas,
                                   std::span<const ENTITY_MSG> pool) {
  for (int k = 1; k <= 3; ++k) {
    const WorkAreaHandle area = areas[static_cast<std::size_t>(k - 1)];
    CATT_STRU structure;
    const auto sheet = PrepareSheet(sheets, k, area, &structure);
    if (!sheet || structure.fields.empty()) continue;
    const int type = BasGetWorkAreaType(area);
    const workbook::Range cells = sheet->Cells();
    int32_t skipped = 0;
    AttributeRecord record;
    for (std::size_t p = 0; p < pool.size(); ++p) {
      if (pool[p].area != area) continue;
      if (BasReadAttribute(area, type, pool[p].id, &record) <= 0) {
        ++skipped;
        continue;
      }
      WriteRecord(cells, static_cast<int>(static_cast<int32_t>(p + 1) - skipped + 1), record);
    }
  }
}

void ExportLineVertices(const workbook::Worksheet& sheet, std::span<const ENTITY_MSG> pool, double factor) {
  const workbook::Range cells = sheet.Cells();
  cells.SetItem(1, 1, CellValue::Text("序号"));
  cells.SetItem(1, 2, CellValue::Text("X"));
  cells.SetItem(1, 3, CellValue::Text("Y"));
  int row = 1;
  std::vector<D_DOT> vertices;
  for (const ENTITY_MSG& entry : pool) {
    if (BasReadLine(entry.area, entry.id, &vertices, nullptr) != 1) continue;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      ++row;
      cells.SetItem(row, 1, CellValue::Number(static_cast<double>(i)));
      cells.SetItem(row, 2, CellValue::Number(vertices[i].y * factor));
      cells.SetItem(row, 3, CellValue::Number(vertices[i].x * factor));
    }
  }
}

}  // namespace zv::sheets
