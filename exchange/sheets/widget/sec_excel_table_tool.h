#pragma once
// The spreadsheet-table tool of the two tool views. By mode:
//  −1 "Execl->MapGis": drag a rectangle; the running program's selection is
//     drawn into it (a click draws it at natural size), or, with no workbook
//     open, a sheet of a chosen workbook file. The formulas of the sizes
//     stay written in the view's corner while the tool is active.
//   1 "MapGis->Excel", 3 "MapGis->Excel1": drag over a drawn table; its
//     lines and notes (1) or its notes alone (3) become a new workbook.
//   4 the custom-size table, drawn at each click.
//  −2 "WB->EXCEL", 2 "EXCEL->WB", −3 "属性简单计算", −4 "直方图": run in
//     the constructor (platform_table_runs.h); after the histogram the
//     mouse picks lines.
// The tool stays for further tables; the right button only clears the
// selection pool and stops flashing.
#include "exchange/sheets/widget/rubber_rect.h"
#include "platform/view/base_gis_tool.h"

namespace zv::sheets {

struct TableToolMode;

class CSecExcelTableTool : public BaseGisTool {
 public:
  CSecExcelTableTool(CGisEditView* view, int16_t mode);
  static bool Implements(int16_t mode);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;
  const char* OperationName() const override;

 private:
  void PlaceTable(CPoint release);
  void Export();

  const TableToolMode* mode_ = nullptr;
  RubberRect rubber_;
  D_DOT press_{}, release_{};
  bool dragged_ = false;  // both points of an export recorded
};

}  // namespace zv::sheets
