#pragma once
// The mode of 部分输出: the user drags a rectangle on the view (drawn as a
// toggling box while dragging); on release its map rectangle is handed to
// the action. A click without a drag does nothing. The mode stays
// installed for the next rectangle until cancelled.

#include <functional>

#include "platform/view/base_gis_tool.h"

namespace zv::output {

class PrintRectTool : public BaseGisTool {
 public:
  using Action = std::function<void(const D_RECT& rect)>;
  PrintRectTool(CGisEditView* view, Action action);
  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  int Running() override { return pressed_ ? 1 : 0; }
  const char* OperationName() const override { return "当前状态: 部分输出"; }

 private:
  void ToggleBox();

  Action action_;
  bool pressed_ = false;
  bool boxShown_ = false;
  CPoint start_, end_;
};

}  // namespace zv::output
