#pragma once
// A shown 400 × 300 editing view whose window maps map units one to one
// onto pixels (map (0, 0) at the lower-left corner), with a few entities in
// its own areas, and helpers that drive it at map coordinates.

#include <gtest/gtest.h>

#include <memory>

#include "platform/view/gis_edit_view.h"

namespace zv::test {

class ViewTest : public testing::Test {
 public:
  void SetUp() override {
    view = MakeView();
    view->resize(400, 300);
    view->show();
    WIN_ORG org = view->_GetWinDispParam();
    org.x = 0;
    org.y = 0;
    org.scale = 1.0;
    ASSERT_TRUE(view->_SetWinDispParam(org));
    pnt = view->GetCurrentPntArea();
    lin = view->GetCurrentLinArea();
    reg = view->GetCurrentRegArea();
  }
  void TearDown() override { view.reset(); }
  // The view the test drives; fixtures of recording views replace it.
  virtual std::unique_ptr<CGisEditView> MakeView() { return std::make_unique<CGisEditView>(); }

  int32_t AddPoint(D_DOT at) {
    PNT_INFO info;
    info.setKind(1);
    info.setSymbolHeight(4);
    info.setColour(1);
    return BasAppendPoint(pnt, at, "", info);
  }
  int32_t AddLine(std::vector<D_DOT> v, WorkAreaHandle area = 0) {
    LIN_INFO info;
    info.setStyle(1);
    info.setColour(1);
    return BasAppendLine(area ? area : lin, v, info);
  }
  int32_t AddSquareRegion(double x0, double y0, double size) {
    const int32_t arc = AddLine({{x0, y0}, {x0 + size, y0}, {x0 + size, y0 + size}, {x0, y0 + size}, {x0, y0}}, reg);
    REG_INFO info;
    info.setFillColour(7);
    return BasAppendRegion(reg, {0, arc}, info);
  }

  CPoint At(D_DOT p) const { return view->_LpToWp(p); }
  void Click(D_DOT p, unsigned flags = 0) {
    view->LButtonDown(MK_LBUTTON | flags, At(p));
    view->LButtonUp(flags, At(p));
  }
  void Drag(D_DOT from, D_DOT to, unsigned flags = 0) {
    view->LButtonDown(MK_LBUTTON | flags, At(from));
    view->MouseMove(MK_LBUTTON | flags, At({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    view->MouseMove(MK_LBUTTON | flags, At(to));
    view->LButtonUp(flags, At(to));
  }
  void RightClick(D_DOT p) { view->RButtonUp(0, At(p)); }
  std::vector<ENTITY_MSG> PoolEntries() const { return {view->Pool(), view->Pool() + view->PoolCount()}; }

  std::unique_ptr<CGisEditView> view;
  WorkAreaHandle pnt = 0, lin = 0, reg = 0;
};

}  // namespace zv::test
