// Lines drawn vertex by vertex (100), following the mouse (101) and regions
// drawn as their outline (-10); the brace (114) and sub-graph stamping (117).
#include "common/construction_figures.h"
#include "common/snapped_point.h"
#include "common/tool_geometry.h"
#include "framework/text/numbers.h"
#include "platform/data/geometry.h"
#include "platform/editors/nearest.h"
#include "platform/view/gis_edit_view.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

constexpr unsigned kDropKey = 120;  // F9

// The vertex of the line under a window point, within the view's pick
// tolerance; false when no line or vertex is there.
bool LineVertexUnder(const CGisEditView& view, WorkAreaHandle area, CPoint point, D_DOT* vertex) {
  const D_DOT p = view._WpToLp(point);
  const double within = BasPointDistance(p, view._WpToLp(CPoint{point.x + view.selectTolerance(), point.y}));
  const NearestHit line = NearestLine(area, p, within);
  if (!line) return false;
  const NearestVertexHit nearest = NearestVertexOfLine(area, line.id, p);
  if (!nearest.line) return false;
  *vertex = nearest.vertex;
  return true;
}

}  // namespace

void CSecEditAidTool::VertexDown(unsigned flags, CPoint point) {
  D_DOT at;
  if (!TakeSnappedPoint(&at)) {
    at = MapOf(point);
    if (m_nMode == 100 && flags == (MK_LBUTTON | MK_SHIFT)) LineVertexUnder(*m_pView, m_linAi, point, &at);
  }
  HidePreview();
  if (!vertices_.empty()) DrawCommittedSegment(vertices_.back(), at);
  ++clicks_;
  vertices_.push_back(at);
  if (m_nMode != 101) ShowPreview({{at, at}});
}

void CSecEditAidTool::RubberMove(unsigned, CPoint point) {
  if (vertices_.empty()) return;
  const D_DOT at = MapOf(point);
  ShowPreview({{vertices_.back(), at}});
  ShowTextLine(20, 20,
               "线长：" + num::FormatFixed(BasPointDistance(vertices_.back(), at)) + "  ,角度：" +
                   num::FormatFixed(AzimuthDegrees(vertices_.back(), at)));
}

void CSecEditAidTool::StreamMove(unsigned, CPoint point) {
  if (vertices_.empty()) return;
  const D_DOT at = MapOf(point);
  DrawCommittedSegment(vertices_.back(), at);
  vertices_.push_back(at);
}

void CSecEditAidTool::DropLastVertex(unsigned key) {
  if (key != kDropKey || vertices_.size() <= 1) return;
  HidePreview();
  vertices_.pop_back();
  // The overlay is drawn again from the map picture, then by the hook.
  m_pView->OnCleanWindow();
}

void CSecEditAidTool::FinishLine(unsigned flags, CPoint) {
  // A single vertex stays for the next clicks.
  if (vertices_.size() < 2) return;
  std::vector<D_DOT> line = vertices_;
  if (flags == MK_CONTROL) line.push_back(line.front());
  AppendFigure(line);
}

void CSecEditAidTool::FinishRegion(unsigned, CPoint) {
  // An outline on one line would make a region without area: the vertices
  // stay for more clicks.
  if (!SpansArea(vertices_)) return;
  std::vector<D_DOT> ring = vertices_;
  ring.push_back(ring.front());
  HidePreview();
  ResetFigure();
  const LIN_INFO* line = BasGetDefaultLineParam(0);
  const int32_t arc = BasAppendLine(m_regAi, ring, line ? *line : LIN_INFO{});
  if (arc > 0) {
    GisUndo& undo = m_pView->GetUndo();
    undo.PushList(m_regAi, 0, &arc, 1, GisUndo::kAppended);
    const REG_INFO* fill = BasGetDefaultRegionParam(0);
    const int32_t region = BasAppendRegion(m_regAi, {0, arc}, fill ? *fill : REG_INFO{});
    if (region > 0) undo.PushList(m_regAi, 2, &region, 1, GisUndo::kAppended);
  }
  m_pView->_UpdateWindow();
}

// ---- brace

void CSecEditAidTool::BraceDown(unsigned, CPoint point) {
  const D_DOT at = MapOf(point);
  if (vertices_.empty()) {
    ++clicks_;
    vertices_.push_back(at);
    return;
  }
  if (BasPointDistance(vertices_[0], at) > 0) AppendFigure(BracePoints(vertices_[0], at));
}

void CSecEditAidTool::BraceMove(unsigned, CPoint point) {
  if (!vertices_.empty()) ShowPreview({BracePoints(vertices_[0], MapOf(point))});
}

void CSecEditAidTool::BraceDraw() {
  if (!vertices_.empty()) ShowPreview({BracePoints(vertices_[0], CursorMap())});
}

// ---- sub-graph stamping

void CSecEditAidTool::StampDown(unsigned, CPoint) { ++clicks_; }

void CSecEditAidTool::StampUp(unsigned, CPoint point) {
  if (clicks_ < 1) return;
  clicks_ = 0;
  PNT_INFO info;
  BasGetDefaultPointParam(&info, 1);
  const int32_t id = BasAppendPoint(m_pntAi, MapOf(point), "", info);
  if (id > 0) m_pView->GetUndo().PushList(m_pntAi, 1, &id, 1, GisUndo::kAppended);
  m_pView->_UpdateWindow();
}

void CSecEditAidTool::StampFinish(unsigned, CPoint) {
  clicks_ = 0;
  m_pView->CancelInterActive();
}

}  // namespace zv::tools
