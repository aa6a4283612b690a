#pragma once
// What the table tools run against their view: a spreadsheet range drawn
// as a map table (the running program's selection, a chosen workbook file's
// sheet, the custom-size table, the ET selection) and a drawn table copied
// into a new workbook. Each drawing is one undo step; a spreadsheet call
// that fails shows its message, and what was drawn before it stays in that
// step. Window points are pixels of the view.

#include <string>

#include "platform/view/base_gis_tool.h"

namespace zv::sheets {

// The running program's selection into the dragged rectangle ("Execl->MapGis").
// False, after its message, when no workbook is open (no file is asked
// for), the active sheet is missing or the selection holds nothing.
bool RunSelectionTable(CGisEditView& view, CPoint anchor, CPoint release);
// The used range of a sheet of a workbook file, read apart from the user's
// workbooks, into the rectangle.
void RunWorkbookFileTable(CGisEditView& view, const std::string& path, const std::string& sheetName, CPoint anchor,
                          CPoint release);
// The selection at the clicked point with the sizes of row 1 and column A.
void RunCustomSizeTable(CGisEditView& view, CPoint point);
// The running program's selection as ET into the rectangle.
void RunEtTable(CGisEditView& view, CPoint anchor, CPoint release);

// The selection pool's table between two map points into a new workbook,
// from its lines or from its notes alone; the pool is cleared after.
// Nothing happens for an empty pool or one whose first area is closed.
void RunTableExport(CGisEditView& view, D_DOT press, D_DOT release, bool fromLines);

}  // namespace zv::sheets
