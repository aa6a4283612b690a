#pragma once
// What the spreadsheet-table modes run against their view that is not drawn
// from a drag: platform tables to and from the spreadsheet program, the
// attribute calculation and the histogram. Each reaches the spreadsheet
// program with its messages, asks through the prompts seam and shows the
// workbook window when it uses a workbook.
namespace zv {
class CGisEditView;
}

namespace zv::sheets {

// "WB->EXCEL": a chosen table file into a new workbook.
void ModeTableToExcel(CGisEditView& view);
// "EXCEL->WB": the used range of the active sheet saved as a table file.
void ModeExcelToTable(CGisEditView& view);
// "属性简单计算": an expression, a template or a replacement over one work
// area chosen among the project's areas (the view's current point, line and
// region areas when its document has no project).
void ModeCalculateAttributes(CGisEditView& view);
// "直方图": the classed table selected in the running spreadsheet program
// drawn as a histogram, saved with its project in a chosen folder, and the
// project opened.
void ModeHistogram(CGisEditView& view);

}  // namespace zv::sheets
