#include "platform/display/entity_display.h"

#include <cmath>

#include "platform/display/symbol_painter.h"
#include "platform/display/text_painter.h"

namespace zv::display {
namespace {

constexpr long kArcOverlayColour = 6;
constexpr double kMarkPixels = 3.0;

QPointF Pt(const D_DOT& d) { return {d.x, d.y}; }

void DrawDeviceSquare(QPainter& painter, QPointF centre, double half, const QColor& colour) {
  painter.setPen(QPen(colour, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half));
}

TextStyle TextStyleOf(const zv::PNT_INFO& info) {
  TextStyle style;
  style.height = info.charHeight();
  style.width = info.charWidth();
  style.spacing = info.charSpacing();
  style.angle = info.angle();
  style.slant = info.Get<std::uint8_t>(pnt::kFontStyle);
  if (info.kind() == 5) {
    style.block = true;
    style.lineSpacing = info.Get<float>(pnt::kLineSpacing);
    style.boxWidth = info.Get<float>(pnt::kBoxWidth);
  } else {
    style.vertical = info.Get<std::uint8_t>(pnt::kArrangement) == 1;
  }
  return style;
}

void DrawCircleOrArc(KernelDriver& driver, const D_DOT& c, const zv::PNT_INFO& info, bool arc) {
  const double r = std::abs(info.radius());
  if (!std::isfinite(r) || r <= 0) return;
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, !driver.Toggles());
  const QPointF centre = driver.ToDevice(c.x, c.y);
  const double rp = r * driver.Factor();
  if (arc) {
    const float start = info.Get<float>(pnt::kArcStartAngle), end = info.Get<float>(pnt::kArcEndAngle);
    if (!std::isfinite(start) || !std::isfinite(end)) {
      painter.restore();
      return;
    }
    double sweep = std::fmod(static_cast<double>(end) - start, 360.0);
    if (sweep <= 0) sweep += 360;
    painter.setPen(
        QPen(driver.ColorOf(DrawnColour(info.colour())), info.Get<float>(pnt::kArcPenWidth) * driver.Factor()));
    painter.drawArc(QRectF(centre.x() - rp, centre.y() - rp, 2 * rp, 2 * rp),
                    static_cast<int>(std::fmod(static_cast<double>(start), 360.0) * 16), static_cast<int>(sweep * 16));
  } else {
    const long outline = info.Get<std::int32_t>(pnt::kCircleOutlineColour);
    painter.setPen(QPen(driver.ColorOf(DrawnColour(outline ? outline : info.colour())),
                        info.Get<float>(pnt::kCirclePenWidth) * driver.Factor()));
    painter.setBrush(info.Get<std::uint8_t>(pnt::kCircleFilled) ? QBrush(driver.ColorOf(info.colour()))
                                                                  : QBrush(Qt::NoBrush));
    painter.drawEllipse(centre, rp, rp);
  }
  painter.restore();
}

void DrawTextBox(KernelDriver& driver, const D_DOT& p, std::string_view text, const zv::PNT_INFO& info) {
  const TextLayout layout = LayoutText(text, TextStyleOf(info));
  const double top = info.kind() == 5 || TextStyleOf(info).vertical ? 0 : layout.height;
  QTransform toMap;
  toMap.translate(p.x, p.y);
  toMap.rotate(info.angle());
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setTransform(toMap * driver.MapToDevice());
  painter.setPen(QPen(driver.ColorOf(info.colour()), 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0, top - layout.height, layout.width, layout.height));
  painter.restore();
}

}  // namespace

QRectF PointExtent(const D_DOT& p, std::string_view text, const zv::PNT_INFO& info) {
  auto around = [&](double half) { return QRectF(p.x - half, p.y - half, 2 * half, 2 * half); };
  switch (info.kind()) {
    case 0:
    case 5: {
      const TextStyle style = TextStyleOf(info);
      const TextLayout layout = LayoutText(text, style);
      QRectF box;
      for (const GlyphCell& cell : layout.cells) box |= QRectF(cell.x, cell.y, cell.width, cell.height);
      if (box.isNull()) return QRectF(p.x, p.y, 0, 0);
      box.adjust(-0.25 * style.height, 0, 0.25 * style.height, 0);  // room for the italic forms
      QTransform toMap;
      toMap.translate(p.x, p.y);
      toMap.rotate(style.angle);
      return toMap.mapRect(box);
    }
    case 1:  // library symbols may reach beyond their unit size; turned by any angle
      return around(0.75 * std::max(std::abs(info.symbolWidth()), std::abs(info.symbolHeight())));
    case 2:
    case 3:
      return around(std::abs(info.radius()));
    case 4:
      return QRectF(QPointF(p.x, p.y), QPointF(p.x + info.Get<double>(pnt::kImageWidth),
                                               p.y + info.Get<double>(pnt::kImageHeight))).normalized();
    default:
      return QRectF(p.x, p.y, 0, 0);
  }
}

DisplaySwitches DefaultSwitches() { return DisplaySwitches().Set(kRestoredDisplay, true); }

std::vector<QPointF> SimplifyToGrid(const std::vector<D_DOT>& vertices, double tolerance) {
  std::vector<QPointF> out;
  out.reserve(vertices.size());
  const double t2 = tolerance * tolerance;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const QPointF p = Pt(vertices[i]);
    if (!out.empty() && i + 1 < vertices.size()) {
      const QPointF d = p - out.back();
      if (d.x() * d.x() + d.y() * d.y() < t2) continue;
    }
    out.push_back(p);
  }
  return out;
}

void _DispPnt(KernelDriver& driver, const D_DOT& p, std::string_view text, const zv::PNT_INFO& info,
              const DisplaySwitches& switches) {
  const bool sketch = switches.On(kCompress);
  switch (info.kind()) {
    case 0:
    case 5: {
      if (sketch) {
        DrawTextBox(driver, p, text, info);
        break;
      }
      const std::uint32_t layout = info.Get<std::uint32_t>(pnt::kChineseFont);
      DrawText(driver, p.x, p.y, text, TextStyleOf(info), DrawnColour(info.colour()), layout);
      break;
    }
    case 1:
      if (sketch) {
        QPainter& painter = driver.Painter();
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(driver.ColorOf(info.colour()));
        painter.drawEllipse(driver.ToDevice(p.x, p.y), 1.5, 1.5);
        painter.restore();
        break;
      }
      DrawSubgraph(driver, p.x, p.y,
                   {info.symbolNumber(), info.symbolHeight(), info.symbolWidth(), info.angle(),
                    DrawnColour(info.colour())});
      break;
    case 2:
    case 3:
      DrawCircleOrArc(driver, p, info, info.kind() == 3);
      break;
    case 4: {
      const double w = info.Get<double>(pnt::kImageWidth), h = info.Get<double>(pnt::kImageHeight);
      driver.SetColor(info.colour());
      driver.Polyline({{p.x, p.y}, {p.x + w, p.y}, {p.x + w, p.y + h}, {p.x, p.y + h}, {p.x, p.y}});
      break;
    }
    default:
      break;
  }
  if (switches.On(kSymbolAnchors)) {
    const QPointF d = driver.ToDevice(p.x, p.y);
    QPainter& painter = driver.Painter();
    painter.save();
    painter.setPen(QPen(driver.ColorOf(kArcOverlayColour), 0));
    painter.drawLine(d - QPointF(kMarkPixels, 0), d + QPointF(kMarkPixels, 0));
    painter.drawLine(d - QPointF(0, kMarkPixels), d + QPointF(0, kMarkPixels));
    painter.restore();
  }
}

void _DispLin(KernelDriver& driver, const std::vector<D_DOT>& vertices, const zv::LIN_INFO& info,
              const DisplaySwitches& switches) {
  if (vertices.empty()) return;
  const std::vector<QPointF> points = SimplifyToGrid(vertices, 1.0 / driver.Factor());
  LineStyle style;
  style.type = info.style();
  style.subStyle = info.auxStyle();
  style.width = switches.On(kRestoredDisplay) ? info.width() : 0.0;
  style.colour = DrawnColour(info.colour());
  style.xCoefficient = info.xScale();
  style.yCoefficient = info.yScale();
  style.curve = info.lineKind() == 1;
  DrawStyledLine(driver, points, style);

  const bool marks = switches.On(kShowVertices) || switches.On(kLineDirection) || switches.On(kLineEndMarks);
  if (!marks || points.size() < 1) return;
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor colour = driver.ColorOf(info.colour());
  std::vector<QPointF> device;
  for (const auto& p : points) device.push_back(driver.ToDevice(p.x(), p.y()));
  if (switches.On(kShowVertices))
    for (const auto& d : device) DrawDeviceSquare(painter, d, 2, colour);
  if (switches.On(kLineEndMarks)) {
    painter.setPen(QPen(colour, 0));
    painter.drawEllipse(device.front(), 4, 4);
    DrawDeviceSquare(painter, device.back(), 4, colour);
  }
  if (switches.On(kLineDirection) && device.size() >= 2) {
    const std::size_t i = (device.size() - 1) / 2;
    const QPointF a = device[i], b = device[i + 1], mid = (a + b) / 2;
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    if (len > 0) {
      const QPointF dir = (b - a) / len, normal(-dir.y(), dir.x());
      const QPolygonF head({mid + dir * 5, mid - dir * 4 + normal * 4, mid - dir * 4 - normal * 4});
      painter.setPen(Qt::NoPen);
      painter.setBrush(colour);
      painter.drawPolygon(head);
    }
  }
  painter.restore();
}

void _DispReg(KernelDriver& driver, const std::vector<std::vector<D_DOT>>& rings, const zv::REG_INFO& info,
              const DisplaySwitches& switches) {
  std::vector<std::vector<QPointF>> mapRings;
  for (const auto& ring : rings) {
    std::vector<QPointF> r;
    r.reserve(ring.size());
    for (const auto& d : ring) r.push_back(Pt(d));
    mapRings.push_back(std::move(r));
  }
  RegionStyle style;
  style.fillColour = switches.On(kTransparent) ? 0 : info.fillColour();
  style.pattern = switches.On(kCompress) ? 0 : info.pattern();
  style.patternHeight = info.patternHeight();
  style.patternWidth = info.patternWidth();
  style.patternColour = info.patternColour();
  FillRegion(driver, mapRings, style);
}

void DrawCursorMark(KernelDriver& driver, QPoint device, const DisplaySwitches& switches) {
  const int oldMode = driver.DrawMode();
  driver.SetDrawMode(kDrawNotXor);
  if (switches.On(kCrossCursor)) {
    const QSize size = driver.DeviceSize();
    driver._Line(0, device.y(), size.width() - 1, device.y(), 0);
    driver._Line(device.x(), 0, device.x(), size.height() - 1, 0);
  } else {
    driver._Rect(device.x() - 4, device.y() - 4, device.x() + 4, device.y() + 4, 0);
  }
  driver.SetDrawMode(oldMode);
}

}  // namespace zv::display
