#include "platform/view/map_painter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/editors/nearest.h"

namespace zv {

namespace {

bool Overlaps(const D_RECT& a, const D_RECT& b) {
  return a.xmin <= b.xmax && b.xmin <= a.xmax && a.ymin <= b.ymax && b.ymin <= a.ymax;
}

// Device points of a polyline with runs inside one pixel dropped.
QPolygonF Thinned(const QTransform& t, const std::vector<D_DOT>& v) {
  QPolygonF out;
  out.reserve(static_cast<qsizetype>(std::min<std::size_t>(v.size(), 1u << 16)));
  long lastX = LONG_MIN, lastY = LONG_MIN;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const QPointF p = t.map(QPointF(v[i].x, v[i].y));
    const long x = std::lround(p.x()), y = std::lround(p.y());
    if (x == lastX && y == lastY && i + 1 != v.size()) continue;
    lastX = x;
    lastY = y;
    out << p;
  }
  return out;
}

void PaintRegions(ViewDC& dc, WorkAreaHandle area, const D_RECT& visible) {
  QPainter& painter = dc.Painter();
  std::vector<std::vector<D_DOT>> rings;
  for (int32_t id : BasGetDisplayOrder(area, kRegionEntity)) {
    D_RECT r;
    if (!EntityVisible(area, kRegionEntity, id) || !BasGetRegionRect(area, id, &r) || !Overlaps(r, visible)) continue;
    REG_INFO info;
    if (!BasReadRegionParam(area, id, &info) || !BasGetRegionRings(area, id, &rings)) continue;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& ring : rings) path.addPolygon(Thinned(dc.MapToDevice(), ring));
    painter.fillPath(path, ViewDC::ColorOf(info.fillColour()));
  }
}

void PaintLines(ViewDC& dc, WorkAreaHandle area, const D_RECT& visible) {
  QPainter& painter = dc.Painter();
  std::vector<D_DOT> vertices;
  for (int32_t id : BasGetDisplayOrder(area, kLineEntity)) {
    D_RECT r;
    if (!EntityVisible(area, kLineEntity, id) || !BasGetLineRect(area, id, &r) || !Overlaps(r, visible)) continue;
    LIN_INFO info;
    if (!BasReadLine(area, id, &vertices, &info) || info.style() == 0) continue;
    painter.setPen(QPen(ViewDC::ColorOf(info.colour()), 0));
    painter.drawPolyline(Thinned(dc.MapToDevice(), vertices));
  }
}

void PaintPoints(ViewDC& dc, WorkAreaHandle area, const D_RECT& visible) {
  QPainter& painter = dc.Painter();
  const double scale = std::sqrt(std::abs(dc.MapToDevice().determinant()));
  for (int32_t id : BasGetDisplayOrder(area, kPointEntity)) {
    D_DOT at;
    std::string text;
    PNT_INFO info;
    if (!EntityVisible(area, kPointEntity, id) || !BasReadPoint(area, id, &at, &text, &info)) continue;
    D_RECT r;
    if (BasGetPointRect(area, id, &r) && !Overlaps(r, visible)) continue;
    const QPointF p = dc.ToDevice(at.x, at.y);
    const QColor colour = ViewDC::ColorOf(info.colour());
    painter.setPen(QPen(colour, 0));
    switch (info.kind()) {
      case 0:
      case 5: {
        const double pixels = std::max(1.0, info.charHeight() * scale);
        QFont font = painter.font();
        font.setPixelSize(static_cast<int>(std::min(pixels, 2000.0)));
        painter.setFont(font);
        painter.save();
        painter.translate(p);
        painter.rotate(-info.angle());
        painter.drawText(QPointF(0, 0), QString::fromStdString(text));
        painter.restore();
        break;
      }
      case 2:
      case 3: {
        const double radius = std::max(1.0, info.radius() * scale);
        painter.drawEllipse(p, radius, radius);
        break;
      }
      default: {
        const double half = std::clamp(info.symbolHeight() * scale / 2.0, 2.0, 200.0);
        painter.drawLine(QPointF(p.x() - half, p.y()), QPointF(p.x() + half, p.y()));
        painter.drawLine(QPointF(p.x(), p.y() - half), QPointF(p.x(), p.y() + half));
        break;
      }
    }
  }
}

}  // namespace

void PaintWorkArea(ViewDC& dc, WorkAreaHandle area, const D_RECT& visible) {
  if (!BasIsWorkAreaValid(area)) return;
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setBrush(Qt::NoBrush);
  switch (BasGetWorkAreaType(area)) {
    case kRegionArea: PaintRegions(dc, area, visible); break;
    case kLineArea: PaintLines(dc, area, visible); break;
    case kPointArea: PaintPoints(dc, area, visible); break;
    default: break;
  }
  painter.restore();
}

void OutlineEntity(ViewDC& dc, const ENTITY_MSG& e) {
  auto box = [&](const D_DOT& at) {
    const QPointF p = dc.ToDevice(at.x, at.y);
    dc._Rect(int(p.x()) - 4, int(p.y()) - 4, int(p.x()) + 5, int(p.y()) + 5);
  };
  auto polyline = [&](const std::vector<D_DOT>& v) {
    if (v.size() == 1) box(v[0]);
    if (v.size() < 2) return;
    dc.Painter().drawPolyline(Thinned(dc.MapToDevice(), v));
  };
  switch (e.type) {
    case kPointEntity: {
      D_DOT at;
      if (BasReadPointPos(e.area, e.id, &at)) box(at);
      break;
    }
    case kLineEntity: {
      std::vector<D_DOT> v;
      if (BasReadLine(e.area, e.id, &v, nullptr)) polyline(v);
      break;
    }
    case kRegionEntity: {
      std::vector<std::vector<D_DOT>> rings;
      if (BasGetRegionRings(e.area, e.id, &rings))
        for (const auto& ring : rings) polyline(ring);
      break;
    }
    default: break;
  }
}

}  // namespace zv
