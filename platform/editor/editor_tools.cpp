#include "platform/editor/editor_tools.h"

#include <algorithm>
#include <cmath>

#include "platform/display/kernel_driver.h"
#include "platform/editor/entity_edits.h"
#include "platform/editors/nearest.h"
#include "platform/view/entity_moves.h"
#include "platform/view/entity_outline.h"
#include "platform/view/gis_edit_view.h"

namespace zv::editor {

namespace {

constexpr long kRubberColour = 4;
constexpr int kClickSlop = 3;

}  // namespace

// ---- picking

PickActionTool::PickActionTool(CGisEditView* view, int16_t mode, unsigned kinds, const char* name, Action action)
    : BaseGisTool(view, mode), kinds_(kinds), name_(name), action_(std::move(action)) {}

int PickActionTool::OnLButtonDown(unsigned flags, CPoint point) {
  m_pView->SelectKinds(kinds_, WM_LBUTTONDOWN, flags, point);
  return 1;
}

void PickActionTool::OnMouseMove(unsigned flags, CPoint point) {
  m_pView->SelectKinds(kinds_, WM_MOUSEMOVE, flags, point);
}

int PickActionTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (!m_pView->SelectKinds(kinds_, WM_LBUTTONUP, flags, point)) return 1;
  const std::vector<ENTITY_MSG> picked(m_pView->Pool(), m_pView->Pool() + m_pView->PoolCount());
  CGisEditView& view = *m_pView;
  view.ClearPool();
  action_(view, picked);  // may replace this tool
  view._UpdateWindow();
  return 1;
}

void PickActionTool::OnRButtonUp(unsigned flags, CPoint point) {
  m_pView->SelectKinds(kinds_, WM_RBUTTONUP, flags, point);
}

ClickTool::ClickTool(CGisEditView* view, int16_t mode, const char* name, Action action)
    : BaseGisTool(view, mode), name_(name), action_(std::move(action)) {}

int ClickTool::OnLButtonUp(unsigned, CPoint point) {
  CGisEditView& view = *m_pView;
  action_(view, view._WpToLp(point), point);
  view._UpdateWindow();
  return 1;
}

// ---- dragging

PickDragTool::PickDragTool(CGisEditView* view, Kind kind, unsigned kinds, const char* name)
    : BaseGisTool(view, kind), kinds_(kinds), name_(name) {}

int PickDragTool::OnLButtonDown(unsigned, CPoint point) {
  Reset();
  start_ = now_ = m_pView->_WpToLp(point);
  if (m_nMode == kVertex) {
    const double tolerance = m_pView->selectTolerance() / m_pView->_GetWinDispRate();
    const WorkAreaHandle area = m_pView->GetCurrentLinArea();
    const NearestVertexHit hit = NearestVertex(area, start_);
    if (!hit.line || hit.distance > tolerance) return 1;
    taken_ = {{area, kLineEntity, hit.line}};
    vertex_ = hit.index;
    start_ = now_ = hit.vertex;
  } else {
    taken_ = m_pView->PickAtPoint(kinds_, point);
    if (taken_.empty()) return 1;
  }
  dragging_ = true;
  return 1;
}

void PickDragTool::OnMouseMove(unsigned, CPoint point) {
  if (!dragging_) return;
  if (shown_) Toggle();
  now_ = m_pView->_WpToLp(point);
  Toggle();
}

int PickDragTool::OnLButtonUp(unsigned, CPoint point) {
  if (!dragging_) return 1;
  if (shown_) Toggle();
  now_ = m_pView->_WpToLp(point);
  const double dx = now_.x - start_.x, dy = now_.y - start_.y;
  GisUndo& undo = m_pView->GetUndo();
  if (m_nMode == kVertex)
    MoveVertex(undo, taken_[0].area, taken_[0].id, vertex_, now_);
  else if (dx != 0.0 || dy != 0.0)
    m_nMode == kCopy ? (void)CopyEntities(undo, taken_, dx, dy) : (void)TranslateEntities(undo, taken_, dx, dy);
  Reset();
  m_pView->_UpdateWindow();
  return 1;
}

void PickDragTool::OnRButtonUp(unsigned, CPoint) {
  if (shown_) Toggle();
  Reset();
}

void PickDragTool::Reset() {
  dragging_ = false;
  shown_ = false;
  taken_.clear();
  vertex_ = -1;
}

void PickDragTool::DrawHook(KernelDriver* dc) {
  shown_ = false;
  if (dragging_ && dc) {
    Draw(*dc);
    shown_ = true;
  }
}

void PickDragTool::Toggle() {
  KernelDriver* dc = m_pView->_GetMyDC();
  Draw(*dc);
  m_pView->_DeleteMyDC(dc);
  shown_ = !shown_;
}

void PickDragTool::Draw(KernelDriver& dc) {
  const long colour = dc.Color();
  const int mode = dc.DrawMode();
  dc.SetColor(kRubberColour);
  dc.SetDrawMode(display::kDrawXor);
  if (m_nMode == kVertex) {
    std::vector<D_DOT> v;
    if (BasReadLine(taken_[0].area, taken_[0].id, &v, nullptr) && vertex_ < static_cast<int32_t>(v.size())) {
      std::vector<QPointF> stretch;
      if (vertex_ > 0) stretch.emplace_back(v[vertex_ - 1].x, v[vertex_ - 1].y);
      stretch.emplace_back(now_.x, now_.y);
      if (vertex_ + 1 < static_cast<int32_t>(v.size())) stretch.emplace_back(v[vertex_ + 1].x, v[vertex_ + 1].y);
      dc.Polyline(stretch);
    }
  } else {
    QPainter& painter = dc.Painter();
    painter.save();
    painter.translate(dc.ToDevice(now_.x, now_.y) - dc.ToDevice(start_.x, start_.y));
    for (const ENTITY_MSG& e : taken_) OutlineEntity(dc, e);
    painter.restore();
  }
  dc.SetColor(colour);
  dc.SetDrawMode(mode);
}

// ---- line input

LineInputTool::LineInputTool(CGisEditView* view, int16_t mode, const char* name, Finish finish)
    : BaseGisTool(view, mode), name_(name), finish_(std::move(finish)) {}

void LineInputTool::ToggleRubber() {
  if (vertices_.empty()) return;
  const CPoint from = m_pView->_LpToWp(vertices_.back());
  m_pView->_DrawXORLine(from.x, from.y, rubberEnd_.x, rubberEnd_.y);
  rubberShown_ = !rubberShown_;
}

int LineInputTool::OnLButtonDown(unsigned, CPoint point) {
  if (rubberShown_) ToggleRubber();
  const D_DOT at = m_pView->_WpToLp(point);
  if (!vertices_.empty()) {
    // The committed segment stays drawn until the line is finished.
    KernelDriver* dc = m_pView->_GetMyDC();
    dc->SetColor(kRubberColour);
    dc->SetDrawMode(display::kDrawCopy);
    dc->Line(vertices_.back().x, vertices_.back().y, at.x, at.y);
    m_pView->_DeleteMyDC(dc);
  }
  vertices_.push_back(at);
  rubberEnd_ = point;
  return 1;
}

void LineInputTool::OnMouseMove(unsigned, CPoint point) {
  if (vertices_.empty()) return;
  if (rubberShown_) ToggleRubber();
  rubberEnd_ = point;
  ToggleRubber();
}

void LineInputTool::OnRButtonUp(unsigned, CPoint) {
  if (rubberShown_) ToggleRubber();
  std::vector<D_DOT> done;
  done.swap(vertices_);
  CGisEditView& view = *m_pView;
  if (done.size() >= 2) finish_(view, done);
  view._UpdateWindow();
}

void LineInputTool::DrawHook(KernelDriver* dc) {
  rubberShown_ = false;
  if (!dc || vertices_.size() < 2) return;
  std::vector<QPointF> points;
  for (const D_DOT& d : vertices_) points.emplace_back(d.x, d.y);
  dc->SetColor(kRubberColour);
  dc->SetDrawMode(display::kDrawCopy);
  dc->Polyline(points);
}

// ---- clicks

MultiClickTool::MultiClickTool(CGisEditView* view, int16_t mode, int clicks, const char* name, Action action)
    : BaseGisTool(view, mode), clicks_(clicks), name_(name), action_(std::move(action)) {}

int MultiClickTool::OnLButtonUp(unsigned, CPoint point) {
  points_.push_back(m_pView->_WpToLp(point));
  if (static_cast<int>(points_.size()) < clicks_) return 1;
  std::vector<D_DOT> done;
  done.swap(points_);
  CGisEditView& view = *m_pView;
  action_(view, done);
  view._UpdateWindow();
  return 1;
}

void MultiClickTool::OnRButtonUp(unsigned, CPoint) { points_.clear(); }

// ---- zoom

ZoomTool::ZoomTool(CGisEditView* view, bool in) : BaseGisTool(view, in ? 1 : -1), in_(in) {}

int ZoomTool::OnLButtonDown(unsigned, CPoint point) {
  pressed_ = true;
  start_ = end_ = point;
  return 1;
}

void ZoomTool::OnMouseMove(unsigned, CPoint point) {
  if (!pressed_ || !in_) return;
  if (boxShown_) m_pView->_DrawXORRect(start_.x, start_.y, end_.x, end_.y);
  end_ = point;
  m_pView->_DrawXORRect(start_.x, start_.y, end_.x, end_.y);
  boxShown_ = true;
}

int ZoomTool::OnLButtonUp(unsigned, CPoint point) {
  if (boxShown_) m_pView->_DrawXORRect(start_.x, start_.y, end_.x, end_.y);
  boxShown_ = false;
  const bool box = pressed_ && (std::abs(point.x - start_.x) > kClickSlop || std::abs(point.y - start_.y) > kClickSlop);
  pressed_ = false;
  if (!in_) {
    m_pView->_ReduceWindowLxy(point, 2.0);
  } else if (!box) {
    m_pView->_EnlargeWindowLxy(point, 2.0);
  } else {
    // The box fills the window, centred.
    const D_DOT a = m_pView->_WpToLp(start_), b = m_pView->_WpToLp(point);
    WIN_ORG org = m_pView->_GetWinDispParam();
    const double clientWidth = org.width * org.scale, clientHeight = org.height * org.scale;
    const double scale = std::min(clientWidth / std::abs(b.x - a.x), clientHeight / std::abs(b.y - a.y));
    org.scale = scale;
    org.x = (a.x + b.x) / 2 - clientWidth / scale / 2;
    org.y = (a.y + b.y) / 2 - clientHeight / scale / 2;
    if (m_pView->_SetWinDispParam(org)) m_pView->_UpdateWindow();
  }
  return 1;
}

}  // namespace zv::editor
