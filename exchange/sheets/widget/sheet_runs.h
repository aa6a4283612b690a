#pragma once
// What the spreadsheet tools run against their view, shared by the Excel
// and the ET tool: each reaches the running spreadsheet program (attaching
// or starting it, with its messages), shows the workbook window, asks its
// dialogs through the prompts seam and changes the view's work areas as
// one undo step. A spreadsheet call that fails shows its message and ends
// the run with the work areas as they were before it.
#include "framework/workbook/object_model.h"
#include "framework/workbook/widget/spreadsheet_program.h"

namespace zv {
class CGisEditView;
}

namespace zv::sheets {

// Attributes of the current areas into a new workbook; `picked` takes only
// the selection pool's entities (nothing happens without a selection).
void RunAttributeExport(CGisEditView& view, workbook::Flavour flavour, bool picked);
// "导入属性数据": the chosen file's attributes from the active sheet.
void RunAttributeImport(CGisEditView& view);
// "连接属性数据(EXCEL)": sheet columns joined by a key column.
void RunAttributeJoin(CGisEditView& view);
// Rows of the active sheet (all, or the selection) to points and lines.
void RunRowProjection(CGisEditView& view, workbook::Flavour flavour, bool selection);
// The vertices of the picked lines into a new workbook.
void RunLineVertexExport(CGisEditView& view);
// "点坐标转GPX" (with the picked points) and "EXCEL->GPX" (without).
void RunGpxExport(CGisEditView& view, bool picked);
// "航迹监测": GPS track files into the current point and line areas.
void RunGpxTracks(CGisEditView& view);

// Runs a step that calls the spreadsheet; its failure is told.
template <typename Step>
void Guarded(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    workbook::ReportWorkbookError(error);
  }
}

// A new workbook of the program the flavour names, with the workbook window
// shown.
workbook::Started StartShown(workbook::Flavour flavour);

// The main window's scale denominator, 1000 while none is set.
long MainScaleDenominator();

}  // namespace zv::sheets
