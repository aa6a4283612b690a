#pragma once
// Sheet columns joined to a work area's records by a key field.
//
// The extent's first row holds the headers, its other rows the data. Each
// chosen column becomes a field of the area (added to the structure it
// has; a field of that name already there is reused): a text field as long
// as the column's longest text when some cell is no number (TypeColumn),
// else a double field 15/15/6. Then every record whose key value some data
// row holds takes that row's cells (the first such row, found through an
// index built once); records without a row stay as they are. Keys compare
// as texts, or as 16-bit or 32-bit integers by the key field's type; any
// other key type is refused before anything changes.
#include <string>
#include <vector>

#include "exchange/sheets/sheet_columns.h"
#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

struct JoinRequest {
  WorkAreaHandle area = 0;
  int keyField = 0;                   // index in the area's structure
  int keyColumn = 0;                  // sheet column of the key
  std::vector<SheetColumn> columns;   // the field names to make and their sheet columns
};

struct JoinOutcome {
  enum class Result { kJoined, kBadKeyType, kRefused };
  Result result = Result::kJoined;
  std::vector<int32_t> changedIds;
  std::string refusal;  // why the structure could not take the fields
};

JoinOutcome JoinSheetAttributes(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                const JoinRequest& request);

}  // namespace zv::sheets
