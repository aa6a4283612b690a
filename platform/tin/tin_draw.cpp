#include "platform/tin/tin_draw.h"

#include <QLineF>
#include <QPen>
#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "platform/tin/tin_edges.h"

namespace zv::tin {
namespace {

using Edge = std::array<int32_t, 2>;

// A view's TIN with its edges, each listed once, worked out when it is set.
struct HeldTin {
  std::shared_ptr<const Tin> tin;
  std::vector<Edge> edges;
};

std::map<const void*, HeldTin>& Store() {
  static std::map<const void*, HeldTin> store;
  return store;
}

std::vector<Edge> EdgesOnce(const Tin& tin) {
  const std::vector<Neighbours> neighbours = TriangleNeighbours(tin);
  std::vector<Edge> edges;
  edges.reserve(tin.triangles().size() * 3 / 2 + 3);
  for (size_t t = 0; t < neighbours.size(); ++t)
    for (int e = 0; e < 3; ++e)
      if (neighbours[t][e] < 0 || static_cast<size_t>(neighbours[t][e]) > t)
        edges.push_back({tin.triangles()[t][e], tin.triangles()[t][(e + 1) % 3]});
  return edges;
}

int64_t DrawEdges(const Tin& tin, const std::vector<Edge>& edges, display::KernelDriver& dc) {
  const QRectF visible = dc.VisibleMapRect();
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(QPen(QColor(150, 150, 150), 0));
  int64_t drawn = 0;
  for (const Edge& edge : edges) {
    const TinPoint& a = tin.points()[edge[0]];
    const TinPoint& b = tin.points()[edge[1]];
    if (std::max(a.x, b.x) < visible.left() || std::min(a.x, b.x) > visible.right() ||
        std::max(a.y, b.y) < visible.top() || std::min(a.y, b.y) > visible.bottom())
      continue;
    painter.drawLine(QLineF(dc.ToDevice(a.x, a.y), dc.ToDevice(b.x, b.y)));
    ++drawn;
  }
  painter.restore();
  return drawn;
}

}  // namespace

void SetViewTin(const void* view, std::shared_ptr<const Tin> tin) {
  if (!tin) {
    DropViewTin(view);
    return;
  }
  std::vector<Edge> edges = EdgesOnce(*tin);
  Store()[view] = {std::move(tin), std::move(edges)};
}

std::shared_ptr<const Tin> ViewTin(const void* view) {
  const auto found = Store().find(view);
  return found == Store().end() ? nullptr : found->second.tin;
}

void DropViewTin(const void* view) { Store().erase(view); }

int64_t DrawViewTin(const void* view, display::KernelDriver& dc) {
  const auto found = Store().find(view);
  return found == Store().end() ? 0 : DrawEdges(*found->second.tin, found->second.edges, dc);
}

int64_t DrawTinEdges(const Tin& tin, display::KernelDriver& dc) { return DrawEdges(tin, EdgesOnce(tin), dc); }

}  // namespace zv::tin
