// Arrow heads: the two-point arrow line (116) and a head placed on a picked
// line (115). Ctrl held at the last click closes the head.
#include <optional>

#include "common/tool_geometry.h"
#include "platform/editors/nearest.h"
#include "platform/view/gis_edit_view.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

bool ClosedHead(unsigned flags) { return flags == (MK_LBUTTON | MK_CONTROL); }

bool Same(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }

// The first vertex unlike line[k] walking by `step` (1 or -1) from k, else
// walking the other way; none when every vertex is at one point.
std::optional<D_DOT> DistinctVertex(const std::vector<D_DOT>& line, std::size_t k, int step) {
  for (int way : {step, -step})
    for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(k) + way; i >= 0 && i < std::ssize(line); i += way)
      if (!Same(line[static_cast<std::size_t>(i)], line[k])) return line[static_cast<std::size_t>(i)];
  return std::nullopt;
}

}  // namespace

std::vector<std::vector<D_DOT>> CSecEditAidTool::ArrowPreview(const D_DOT& barb) const {
  if (vertices_.size() == 1) return {{vertices_[0], barb}};
  if (vertices_.size() != 2) return {};
  D_DOT head[3];
  MirrorArrowHead(vertices_[0], vertices_[1], barb, head);
  return {{head[0], head[1], head[2]}};
}

void CSecEditAidTool::ArrowMove(unsigned, CPoint point) {
  if (!vertices_.empty()) ShowPreview(ArrowPreview(MapOf(point)));
}

void CSecEditAidTool::ArrowDraw() {
  if (!vertices_.empty()) ShowPreview(ArrowPreview(CursorMap()));
}

void CSecEditAidTool::ArrowLineDown(unsigned flags, CPoint point) {
  const D_DOT at = MapOf(point);
  // A shaft without length gives the head no direction: the click is refused.
  if (vertices_.size() == 1 && Same(at, vertices_[0])) return;
  if (vertices_.size() < 2) {
    ++clicks_;
    vertices_.push_back(at);
    ShowPreview(ArrowPreview(at));
    return;
  }
  D_DOT head[3];
  MirrorArrowHead(vertices_[0], vertices_[1], at, head);
  const D_DOT s = vertices_[0], t = vertices_[1];
  if (ClosedHead(flags))
    AppendFigure({s, t, head[0], head[2], t});
  else
    AppendFigure({s, t, head[0], t, head[2]});
}

void CSecEditAidTool::HeadOnLineDown(unsigned flags, CPoint point) {
  if (vertices_.size() == 2) {
    D_DOT head[3];
    MirrorArrowHead(vertices_[0], vertices_[1], MapOf(point), head);
    if (ClosedHead(flags))
      AppendFigure({head[0], head[1], head[2], head[0]});
    else
      AppendFigure({head[0], head[1], head[2]});
    m_pView->ClearPool();
    return;
  }
  ++clicks_;
  picking_ = true;
  m_pView->SelectLin(WM_LBUTTONDOWN, flags, point, 0);
}

void CSecEditAidTool::HeadOnLineUp(unsigned flags, CPoint point) {
  if (!picking_) return;
  picking_ = false;
  m_pView->SelectLin(WM_LBUTTONUP, flags, point, 0);
  const ENTITY_MSG* picked = nullptr;
  for (int i = 0; i < m_pView->PoolCount() && !picked; ++i)
    if (BasIsWorkAreaValid(m_pView->Pool()[i].area)) picked = &m_pView->Pool()[i];
  std::vector<D_DOT> line;
  if (!picked || !BasReadLine(picked->area, picked->id, &line, nullptr) || line.size() < 2) {
    ResetFigure();
    return;
  }
  const D_DOT q = MapOf(point);
  const NearestVertexHit nearest = NearestVertexOfLine(picked->area, picked->id, q);
  const std::size_t k = static_cast<std::size_t>(nearest.index);
  if (nearest.index < 0 || k >= line.size()) {
    ResetFigure();
    return;
  }
  // The head sits on the segment beside the nearest vertex that the click's
  // foot falls on; the first vertex has only the segment after it.
  const bool after = k + 1 < line.size() && (k == 0 || FootPosition(q, line[k], line[k + 1]) == 0);
  const D_DOT v0 = line[k];
  // Repeated vertices give a segment no direction: the next distinct vertex
  // that way, else the other way; a line of no length takes no head.
  const std::optional<D_DOT> v1 = DistinctVertex(line, k, after ? 1 : -1);
  if (!v1) {
    ResetFigure();
    return;
  }
  const D_DOT foot = FootPoint(v0, *v1, q);
  // With the foot on v0 itself the head's axis still runs along the segment.
  const bool onVertex = foot.x == v0.x && foot.y == v0.y;
  vertices_ = {onVertex ? *v1 : v0, foot};
  ShowPreview(ArrowPreview(q));
}

}  // namespace zv::tools
