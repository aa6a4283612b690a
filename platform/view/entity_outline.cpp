#include "platform/view/entity_outline.h"

#include <QPolygonF>

#include "platform/display/entity_display.h"

namespace zv {

void OutlineEntity(display::KernelDriver& dc, const ENTITY_MSG& e, int penWidth) {
  const double pixel = 1.0 / dc.Factor();
  auto box = [&](const D_DOT& at) {
    const QPointF p = dc.ToDevice(at.x, at.y);
    dc._Rect(int(p.x()) - 4, int(p.y()) - 4, int(p.x()) + 4, int(p.y()) + 4);
  };
  auto polyline = [&](const std::vector<D_DOT>& v) {
    if (v.size() == 1) box(v[0]);
    if (v.size() < 2) return;
    // The context has set the painter's mode and colour; only the width is ours.
    QPolygonF device;
    for (const QPointF& p : display::SimplifyToGrid(v, pixel)) device << dc.ToDevice(p.x(), p.y());
    QPainter& painter = dc.Painter();
    QPen pen = painter.pen();
    pen.setWidth(penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawPolyline(device);
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
