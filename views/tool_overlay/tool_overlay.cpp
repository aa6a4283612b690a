#include "views/tool_overlay/tool_overlay.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <vector>

#include "platform/data/geometry.h"
#include "platform/view/gis_view.h"

namespace zv::toolview {
namespace {

constexpr int kMarkHalf = 3;
constexpr long kMarkColour = 6;
constexpr int kMarkerHalf = 6;

}  // namespace

int DrawSelectedVertexMarks(const CGisView& view, display::KernelDriver& dc, std::span<const ENTITY_MSG> pool) {
  const D_RECT shown = view._GetWinDispRect();
  const double margin = (kMarkHalf + 1) / view._GetWinDispRate();
  const D_RECT near{shown.xmin - margin, shown.ymin - margin, shown.xmax + margin, shown.ymax + margin};
  // In a plain mode a square drawn twice looks as drawn once, so each
  // window pixel gets one square however many vertices fall on it; a
  // toggling mode draws every square, as drawing one twice removes it.
  const bool once = !dc.Toggles();
  const int pad = kMarkHalf + 2;
  const int width = view.width() + 2 * pad, height = view.height() + 2 * pad;
  std::vector<bool> taken(once ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height) : 0);
  std::vector<QRect> squares;
  auto mark = [&](const D_DOT& at) {
    if (!BasPointInRect(near, at)) return;
    double x = 0, y = 0;
    view._LpToWp(at, &x, &y);
    const int ix = static_cast<int>(std::lround(x)), iy = static_cast<int>(std::lround(y));
    if (once) {
      const int cx = ix + pad, cy = iy + pad;
      if (cx >= 0 && cy >= 0 && cx < width && cy < height) {
        const std::size_t bit = static_cast<std::size_t>(cy) * static_cast<std::size_t>(width) + static_cast<std::size_t>(cx);
        if (taken[bit]) return;
        taken[bit] = true;
      }
    }
    squares.emplace_back(ix - kMarkHalf, iy - kMarkHalf, 2 * kMarkHalf, 2 * kMarkHalf);
  };
  std::vector<D_DOT> vertices;
  for (const ENTITY_MSG& e : pool) {
    if (!BasIsWorkAreaValid(e.area)) continue;
    if (e.type == kLineEntity) {
      D_RECT r;
      if (BasGetLineRect(e.area, e.id, &r) &&
          (r.xmax < near.xmin || r.xmin > near.xmax || r.ymax < near.ymin || r.ymin > near.ymax))
        continue;
      if (!BasReadLine(e.area, e.id, &vertices, nullptr)) continue;
      for (const D_DOT& v : vertices) mark(v);
    } else if (e.type == kPointEntity) {
      D_DOT at;
      if (BasReadPoint(e.area, e.id, &at, nullptr, nullptr)) mark(at);
    }
  }
  const long colour = dc.Color();
  dc.SetColor(kMarkColour);
  dc._Rects(squares);
  dc.SetColor(colour);
  return static_cast<int>(squares.size());
}

void DrawSnapMarker(const CGisView& view, display::KernelDriver& dc, const snap::SnapMarker& marker) {
  double x = 0, y = 0;
  view._LpToWp(marker.at, &x, &y);
  const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
  const snap::Rgb rgb = snap::SnapColour(marker.kind);
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(QColor(rgb.r, rgb.g, rgb.b), 0));
  painter.setBrush(Qt::NoBrush);
  // Three one-pixel outlines side by side make the 3-pixel pen; each pixel
  // is touched once, so a second drawing restores it.
  for (int h : {kMarkerHalf - 1, kMarkerHalf, kMarkerHalf + 1})
    painter.drawPolygon(QPolygon({QPoint(cx - h, cy - h), QPoint(cx + h, cy - h), QPoint(cx + h, cy + h), QPoint(cx - h, cy + h)}));
  painter.restore();
}

}  // namespace zv::toolview
