#include "views/project_output/print_rect_tool.h"

#include <algorithm>
#include <cstdlib>

#include "platform/view/gis_edit_view.h"

namespace zv::output {

namespace {
// Pixels a press may move and still be a click.
constexpr int kClickSlop = 3;
}  // namespace

PrintRectTool::PrintRectTool(CGisEditView* view, Action action) : BaseGisTool(view, 0), action_(std::move(action)) {}

void PrintRectTool::ToggleBox() {
  m_pView->_DrawXORRect(start_.x, start_.y, end_.x, end_.y);
  boxShown_ = !boxShown_;
}

int PrintRectTool::OnLButtonDown(unsigned, CPoint point) {
  pressed_ = true;
  start_ = end_ = point;
  return 1;
}

void PrintRectTool::OnMouseMove(unsigned, CPoint point) {
  if (!pressed_) return;
  if (boxShown_) ToggleBox();
  end_ = point;
  ToggleBox();
}

int PrintRectTool::OnLButtonUp(unsigned, CPoint point) {
  if (boxShown_) ToggleBox();
  if (!pressed_) return 1;
  pressed_ = false;
  if (std::abs(point.x - start_.x) <= kClickSlop || std::abs(point.y - start_.y) <= kClickSlop) return 1;
  const D_DOT a = m_pView->_WpToLp(start_), b = m_pView->_WpToLp(point);
  action_({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
  return 1;
}

}  // namespace zv::output
