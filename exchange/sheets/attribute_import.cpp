#include "exchange/sheets/attribute_import.h"

#include <algorithm>

#include "exchange/sheets/sheet_columns.h"

namespace zv::sheets {

int FirstImportedField(WorkAreaHandle area) {
  switch (BasGetWorkAreaType(area)) {
    case kPointArea: return 1;
    case kLineArea: return 2;
    default: return 3;
  }
}

std::vector<int32_t> LiveAttributeIds(WorkAreaHandle area) {
  const int type = BasGetWorkAreaType(area);
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  std::vector<int32_t> ids;
  for (int32_t id = 1; id < bound; ++id)
    if (BasIsEntityLive(area, type, id)) ids.push_back(id);
  return ids;
}

ImportOutcome ImportSheetAttributes(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                    WorkAreaHandle area) {
  ImportOutcome outcome;
  const int type = BasGetWorkAreaType(area);
  CATT_STRU structure;
  BasReadAttributeStructure(area, type, &structure);
  int32_t bound = 0;
  if (BasGetAttributeInfo(area, type, &bound) != 1) return outcome;
  // Cells of the extent, addressed from its top-left cell.
  const workbook::Range cells = sheet.Cells().Item(extent.firstRow, extent.firstColumn);
  std::vector<int> columnOf(structure.fields.size(), 0);
  for (std::size_t f = static_cast<std::size_t>(FirstImportedField(area)); f < structure.fields.size(); ++f) {
    if (!TakesSheetValue(structure.fields[f].type)) continue;
    for (int c = 1; c <= extent.columns && columnOf[f] == 0; ++c)
      if (cells.Item(1, c).Text() == structure.fields[f].name) columnOf[f] = c;
    if (columnOf[f] != 0) ++outcome.matchedFields;
  }
  if (outcome.matchedFields == 0) return outcome;
  BasBeginBatch(area);
  AttributeRecord record;
  int32_t skipped = 0;
  for (int32_t id = 1; id < bound; ++id) {
    BasBatchStep(area);
    if (BasReadAttribute(area, type, id, &record) <= 0) {
      ++skipped;
      continue;
    }
    const long row = id - skipped + 1;
    if (row > extent.rows) break;
    for (std::size_t f = 0; f < columnOf.size(); ++f)
      if (columnOf[f] != 0) SetFieldFromCell(record, static_cast<int>(f), cells.Item(static_cast<int>(row), columnOf[f]));
    BasWriteAttribute(area, type, id, record);
    outcome.changedIds.push_back(id);
  }
  BasEndBatch(area);
  return outcome;
}

}  // namespace zv::sheets
