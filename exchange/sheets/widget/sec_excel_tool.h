#pragma once
// The spreadsheet tools of the two tool views. A tool runs its mode's work
// when it is made; the modes that pick with the mouse (2 all kinds, −4
// lines, 4 points for CSecExcelTool) pass their mouse events to the view's
// selection and run the work again after each pick. The right button ends
// the tool and clears the pool.
//
// CSecExcelTool: 1 export of attributes, 2 of the picked entities' ones,
// −1 import, −2 join, −3 projection of all rows, 3 of the selected rows,
// −4 vertices of the picked lines, 4 GPX of the picked points, −5 GPX from
// a sheet, 500 GPS tracks. CSecEtTool: −1 export, −3 and 2 the projections,
// with ET's messages and its field types, 1 the selection drawn as a table
// into a dragged rectangle.
#include <span>

#include "exchange/sheets/widget/rubber_rect.h"
#include "platform/view/base_gis_tool.h"

namespace zv::sheets {

struct SheetToolMode;

class SheetTool : public BaseGisTool {
 public:
  SheetTool(CGisEditView* view, int16_t mode, std::span<const SheetToolMode> modes);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;

 private:
  const SheetToolMode* mode_ = nullptr;
  RubberRect rubber_;
};

class CSecExcelTool : public SheetTool {
 public:
  CSecExcelTool(CGisEditView* view, int16_t mode);
  static bool Implements(int16_t mode);
};

class CSecEtTool : public SheetTool {
 public:
  CSecEtTool(CGisEditView* view, int16_t mode);
  static bool Implements(int16_t mode);
};

}  // namespace zv::sheets
