#include "platform/view/view_tools.h"

#include <cmath>

#include "platform/editors/nearest.h"
#include "platform/view/gis_edit_view.h"
#include "platform/display/kernel_driver.h"
#include "platform/view/entity_moves.h"
#include "platform/view/entity_outline.h"

namespace zv {

namespace {

// A press within this many pixels of a vertex takes the vertex.
constexpr double kVertexPixels = 3.0;
constexpr long kDragColour = 4;

}  // namespace

// ---- select modes

SelectModeTool::SelectModeTool(CGisEditView* view, Kind kind) : BaseGisTool(view, kind) {}

int SelectModeTool::Forward(unsigned message, unsigned flags, CPoint point) {
  switch (kind()) {
    case kLines: return m_pView->SelectLin(message, flags, point, 0);
    case kPoints: return m_pView->SelectPnt(message, flags, point);
    case kRegions: return m_pView->SelectReg(message, flags, point);
    default: return m_pView->SelectAll(message, flags, point);
  }
}

int SelectModeTool::OnLButtonDown(unsigned flags, CPoint point) { return Forward(WM_LBUTTONDOWN, flags, point), 1; }
void SelectModeTool::OnMouseMove(unsigned flags, CPoint point) { Forward(WM_MOUSEMOVE, flags, point); }
int SelectModeTool::OnLButtonUp(unsigned flags, CPoint point) { return Forward(WM_LBUTTONUP, flags, point), 1; }
void SelectModeTool::OnRButtonUp(unsigned flags, CPoint point) { Forward(WM_RBUTTONUP, flags, point); }

const char* SelectModeTool::OperationName() const {
  static const char* const kNames[] = {"当前状态: 选择图元", "当前状态: 选择线", "当前状态: 选择点", "当前状态: 选择区"};
  return kNames[kind() >= kGraphics && kind() <= kRegions ? kind() : 0];
}

// ---- drag modes

DragTool::DragTool(CGisEditView* view, Kind kind, int resume) : BaseGisTool(view, kind), resume_(resume) {}

const char* DragTool::OperationName() const {
  return m_nMode == kLineDot ? "当前状态: 移动线上点" : "当前状态: 移动图元";
}

int DragTool::OnLButtonDown(unsigned, CPoint point) {
  start_ = now_ = m_pView->_WpToLp(point);
  if (m_nMode == kLineDot) {
    NearestVertexHit best;
    for (const ENTITY_MSG& e : m_pView->SelectionPool_().entries()) {
      if (e.type != kLineEntity) continue;
      const NearestVertexHit h = NearestVertexOfLine(e.area, e.id, start_);
      if (h.line && h.distance < best.distance) {
        best = h;
        dotLine_ = e;
      }
    }
    if (!best.line || best.distance * m_pView->_GetWinDispRate() > kVertexPixels) {
      Finish();
      return 1;
    }
    dotIndex_ = best.index;
    start_ = now_ = best.vertex;
  }
  dragging_ = true;
  m_pView->_StopFlash(-1);
  return 1;
}

void DragTool::OnMouseMove(unsigned, CPoint point) {
  if (!dragging_) return;
  ToggleMoved();
  now_ = m_pView->_WpToLp(point);
  ToggleMoved();
}

int DragTool::OnLButtonUp(unsigned, CPoint point) {
  if (!dragging_) return 1;
  if (shown_) ToggleMoved();
  now_ = m_pView->_WpToLp(point);
  Apply();
  Finish();
  return 1;
}

void DragTool::OnRButtonUp(unsigned, CPoint) {
  if (shown_) ToggleMoved();
  Finish();
}

void DragTool::DrawHook(KernelDriver* dc) {
  // A redraw wiped the moved outlines; draw them again.
  shown_ = false;
  if (dragging_ && dc) {
    DrawMoved(*dc);
    shown_ = true;
  }
}

void DragTool::ToggleMoved() {
  KernelDriver* dc = m_pView->_GetMyDC();
  DrawMoved(*dc);
  m_pView->_DeleteMyDC(dc);
  shown_ = !shown_;
}

void DragTool::DrawMoved(KernelDriver& dc) const {
  const long colour = dc.Color();
  const int mode = dc.DrawMode();
  dc.SetColor(kDragColour);
  dc.SetDrawMode(display::kDrawXor);
  if (m_nMode == kLineDot) {
    std::vector<D_DOT> v;
    if (BasReadLine(dotLine_.area, dotLine_.id, &v, nullptr) && dotIndex_ < static_cast<int32_t>(v.size())) {
      std::vector<QPointF> stretch;
      if (dotIndex_ > 0) stretch.emplace_back(v[dotIndex_ - 1].x, v[dotIndex_ - 1].y);
      stretch.emplace_back(now_.x, now_.y);
      if (dotIndex_ + 1 < static_cast<int32_t>(v.size())) stretch.emplace_back(v[dotIndex_ + 1].x, v[dotIndex_ + 1].y);
      dc.Polyline(stretch);
    }
  } else {
    const QPointF delta = dc.ToDevice(now_.x, now_.y) - dc.ToDevice(start_.x, start_.y);
    QPainter& painter = dc.Painter();
    painter.save();
    painter.translate(delta);
    for (const ENTITY_MSG& e : m_pView->SelectionPool_().entries()) {
      const bool wanted = m_nMode == kGraph || (m_nMode == kPoints && e.type == kPointEntity) ||
                          (m_nMode == kLines && e.type == kLineEntity);
      if (wanted) OutlineEntity(dc, e);
    }
    painter.restore();
  }
  dc.SetColor(colour);
  dc.SetDrawMode(mode);
}

void DragTool::Apply() {
  const double dx = now_.x - start_.x, dy = now_.y - start_.y;
  if (dx == 0.0 && dy == 0.0) return;
  GisUndo& undo = m_pView->GetUndo();
  if (m_nMode == kLineDot) {
    MoveVertex(undo, dotLine_.area, dotLine_.id, dotIndex_, now_);
    return;
  }
  // What moves: picked points and lines, and the arcs of picked regions,
  // as far as the mode takes each kind.
  std::vector<ENTITY_MSG> picked;
  for (const ENTITY_MSG& e : m_pView->SelectionPool_().entries()) {
    const bool taken = m_nMode == kGraph || (e.type == kPointEntity && m_nMode == kPoints) ||
                       (e.type == kLineEntity && m_nMode == kLines);
    if (taken) picked.push_back(e);
  }
  ShiftEntities(undo, EntitiesToMove(picked), dx, dy);
}

void DragTool::Finish() {
  dragging_ = false;
  CGisEditView* view = m_pView;
  const int resume = resume_;
  view->_UpdateWindow();
  if (resume >= 0)
    view->SetExtTool(new SelectModeTool(view, static_cast<SelectModeTool::Kind>(resume)));
  else
    view->CancelInterActive();
  view->FlashSelectGraphics();
}

}  // namespace zv
