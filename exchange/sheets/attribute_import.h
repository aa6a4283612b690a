#pragma once
// Attribute values read back from a sheet into a work area.
//
// Row 1 of the extent holds the headers. Each field from the first the
// area's type lets the user change (1 for points, after "ID"; 2 for lines,
// after "ID", "长度"; 3 for regions, after "ID", "面积", "周长") takes the
// first column from the left whose header is its name; a field that no
// header names stays as it is, as do fields of types other than text, 2, 3,
// 4 and 5. The record of id takes the cell (id − skipped + 1) of that
// column, skipped counting the ids below it that cannot be read, so a sheet
// written by the export comes back row for row. Records past the extent's
// last row keep their values.
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

struct ImportOutcome {
  int matchedFields = 0;           // fields some header named
  std::vector<int32_t> changedIds; // records written
};

// The area's first field the import may change (1, 2 or 3 by its type).
int FirstImportedField(WorkAreaHandle area);

// The ids whose records an import or join of the area may rewrite, for the
// caller's undo record.
std::vector<int32_t> LiveAttributeIds(WorkAreaHandle area);

ImportOutcome ImportSheetAttributes(const workbook::Worksheet& sheet, const workbook::Extent& extent,
                                    WorkAreaHandle area);

}  // namespace zv::sheets
