#include "platform/display/symbol_painter.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace zv::display {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Element line widths of sub-graphs and patterns are in 0.05 map units.
constexpr double kElementWidthUnit = 0.05;
// A unit cell shorter than this many pixels is drawn as a plain line/fill.
constexpr double kSmallestCellPixels = 3.0;
// At most this many pattern cells or line cells per drawing.
constexpr double kMostCells = 40000;

// Points of a circular arc in local units; angles in degrees.
// An arc runs anticlockwise from start to end; angles of any size (values
// from files) are taken modulo a turn.
QPolygonF ArcPoints(QPointF centre, double radius, double startDeg, double endDeg, double pixelsPerUnit) {
  double sweepDeg = std::fmod(endDeg - startDeg, 360.0);
  if (!std::isfinite(sweepDeg) || !std::isfinite(startDeg)) return {};
  if (sweepDeg <= 0) sweepDeg += 360.0;
  startDeg = std::fmod(startDeg, 360.0);
  const double sweep = sweepDeg * kPi / 180.0;
  const double wanted = radius * pixelsPerUnit * sweep / 3.0;  // a point every 3 pixels
  const int steps = std::isfinite(wanted) ? static_cast<int>(std::clamp(wanted, 8.0, 96.0)) : 8;
  QPolygonF points;
  for (int i = 0; i <= steps; ++i) {
    const double a = startDeg * kPi / 180.0 + sweep * i / steps;
    points << QPointF(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
  }
  return points;
}

QPolygonF ToPolygon(const LibPart& part) {
  QPolygonF polygon;
  for (const auto& p : part) polygon << QPointF(p.x, p.y);
  return polygon;
}

struct ElementColours {
  QColor fill;
  QColor line;
};

// Draws the elements of a sub-graph or pattern entry once for every
// instance transform (local units -> device pixels). Each element is drawn
// for all instances at once: its shapes are made once, the fills of all
// instances go in one path, so a pattern of thousands of cells costs few
// painter calls. `colours` gives an element's colours.
template <typename ColoursFn>
void PaintEntry(QPainter& painter, const SymbolEntry& entry, const std::vector<QTransform>& instances,
                double mapToPixels, ColoursFn colours) {
  if (instances.empty()) return;
  const double unitPixels = std::sqrt(std::abs(instances.front().determinant()));
  for (const SymbolElement& element : entry.elements) {
    if (element.kind < 0 || element.kind > 6) continue;
    const ElementColours c = colours(element);
    QPen pen(c.line, std::max(0.0, element.lineWidth * kElementWidthUnit * mapToPixels));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const bool closed = element.kind != 2 && element.kind != 3;
    std::vector<QPolygonF> shapes;  // in local units, made once for all instances
    for (const LibPart& part : element.parts) {
      if (element.kind <= 2 && part.size() >= (element.kind == 2 ? 2u : 3u))
        shapes.push_back(ToPolygon(part));
      else if (element.kind == 3 && part.size() >= 3)
        shapes.push_back(ArcPoints({part[0].x, part[0].y}, std::abs(part[1].x), part[1].y, part[2].x, unitPixels));
      else if (element.kind >= 4 && part.size() >= 2)
        shapes.push_back(ArcPoints({part[0].x, part[0].y}, std::abs(part[1].x), 0, 360, unitPixels));
    }
    const bool filled = element.kind == 0 || element.kind == 1 || element.kind == 4 || element.kind == 5;
    const bool outlined = element.kind == 1 || element.kind == 2 || element.kind == 3 || element.kind == 6;
    std::vector<QPolygonF> outlines;
    for (const QTransform& toDevice : instances) {
      for (const QPolygonF& local : shapes) {
        QPolygonF shape = toDevice.map(local);
        if (filled) {
          path.addPolygon(shape);
          path.closeSubpath();
        }
        if (outlined) outlines.push_back(std::move(shape));
      }
    }
    // Fills go in one path; strokes one by one, which keeps thin lines on the
    // painter's fast path.
    if (filled) painter.fillPath(path, c.fill);
    if (outlined) {
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      for (const QPolygonF& shape : outlines) closed ? painter.drawPolygon(shape) : painter.drawPolyline(shape);
    }
  }
}

// A dot of radius r pixels as a polygon with a side every 2 pixels or so
// (cheaper for the painter than an ellipse's curves, and as round at that size).
QPolygonF DeviceDisc(QPointF centre, double r) {
  const int sides = static_cast<int>(std::clamp(r * 3.0, 6.0, 48.0));
  QPolygonF disc;
  for (int i = 0; i < sides; ++i) {
    const double a = 2 * kPi * i / sides;
    disc << centre + QPointF(r * std::cos(a), r * std::sin(a));
  }
  return disc;
}

// Walks a polyline by length.
class PathWalker {
 public:
  explicit PathWalker(const std::vector<QPointF>& points) : points_(points) {
    lengths_.push_back(0);
    for (std::size_t i = 1; i < points_.size(); ++i)
      lengths_.push_back(lengths_.back() + std::hypot(points_[i].x() - points_[i - 1].x(),
                                                      points_[i].y() - points_[i - 1].y()));
  }

  double Total() const { return lengths_.back(); }
  // The length along the line at vertex i.
  double LengthAt(std::size_t i) const { return lengths_[i]; }

  // The point at length s, moved `across` to the left of the direction.
  QPointF At(double s, double across) const {
    const std::size_t i = Segment(s);
    const QPointF a = points_[i], b = points_[i + 1];
    const double len = lengths_[i + 1] - lengths_[i];
    const double t = len > 0 ? (s - lengths_[i]) / len : 0;
    const QPointF dir = len > 0 ? (b - a) / len : QPointF(1, 0);
    return a + (b - a) * t + QPointF(-dir.y(), dir.x()) * across;
  }

  // Lengths of the vertices strictly between s0 and s1.
  std::vector<double> VerticesBetween(double s0, double s1) const {
    std::vector<double> out;
    auto it = std::upper_bound(lengths_.begin(), lengths_.end(), std::min(s0, s1));
    for (; it != lengths_.end() && *it < std::max(s0, s1); ++it) out.push_back(*it);
    if (s1 < s0) std::reverse(out.begin(), out.end());
    return out;
  }

 private:
  std::size_t Segment(double s) const {
    auto it = std::upper_bound(lengths_.begin(), lengths_.end(), s);
    std::size_t i = it == lengths_.begin() ? 0 : static_cast<std::size_t>(it - lengths_.begin()) - 1;
    i = std::min(i, points_.size() - 2);
    while (i + 2 < points_.size() && lengths_[i + 1] - lengths_[i] <= 0) ++i;  // skip repeated vertices
    return i;
  }

  const std::vector<QPointF>& points_;
  std::vector<double> lengths_;
};

// The polyline moved `offset` to its left, vertex by vertex.
std::vector<QPointF> Offset(const std::vector<QPointF>& points, double offset) {
  std::vector<QPointF> out;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    QPointF normal(0, 0);
    for (std::size_t j : {i == 0 ? i : i - 1, i}) {
      if (j + 1 >= n) continue;
      const QPointF d = points[j + 1] - points[j];
      const double len = std::hypot(d.x(), d.y());
      if (len > 0) normal += QPointF(-d.y() / len, d.x() / len);
    }
    const double len = std::hypot(normal.x(), normal.y());
    out.push_back(len > 0 ? points[i] + normal / len * offset : points[i]);
  }
  return out;
}

// The device rectangle grown by a margin: segments outside it are not drawn.
QRectF GrownDeviceRect(const KernelDriver& driver, double margin) {
  return QRectF(QPointF(0, 0), QSizeF(driver.DeviceSize())).adjusted(-margin, -margin, margin, margin);
}

bool SegmentMeets(const QPointF& a, const QPointF& b, const QRectF& r) {
  return std::max(a.x(), b.x()) >= r.left() && std::min(a.x(), b.x()) <= r.right() &&
         std::max(a.y(), b.y()) >= r.top() && std::min(a.y(), b.y()) <= r.bottom();
}

// Draws the runs of segments that meet the device (a long line mostly
// outside a zoomed view costs only its visible part).
void DrawDevicePolyline(KernelDriver& driver, const std::vector<QPointF>& mapPoints, const QPen& pen) {
  QPolygonF device;
  device.reserve(static_cast<qsizetype>(mapPoints.size()));
  for (const auto& p : mapPoints) device << driver.ToDevice(p.x(), p.y());
  QPainter& painter = driver.Painter();
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QRectF view = GrownDeviceRect(driver, pen.widthF() + 2);
  if (view.contains(device.boundingRect())) {
    painter.drawPolyline(device);
    return;
  }
  qsizetype runStart = -1;
  for (qsizetype i = 0; i + 1 < device.size(); ++i) {
    const bool meets = SegmentMeets(device[i], device[i + 1], view);
    if (meets && runStart < 0) runStart = i;
    if (!meets && runStart >= 0) {
      painter.drawPolyline(device.constData() + runStart, static_cast<int>(i - runStart + 1));
      runStart = -1;
    }
  }
  if (runStart >= 0) painter.drawPolyline(device.constData() + runStart, static_cast<int>(device.size() - runStart));
}

// The cells (numbered along the line) that can show on the device: those
// within `margin` map units of a segment that meets it.
std::vector<long> VisibleCells(const KernelDriver& driver, const PathWalker& walker,
                               const std::vector<QPointF>& points, double period, double margin) {
  const QRectF view = GrownDeviceRect(driver, margin * driver.Factor() + 2);
  const long last = static_cast<long>(std::ceil(walker.Total() / period)) - 1;
  std::vector<long> cells;
  long next = 0;
  QPointF previous = driver.ToDevice(points[0].x(), points[0].y());
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const QPointF current = driver.ToDevice(points[i + 1].x(), points[i + 1].y());
    if (SegmentMeets(previous, current, view)) {
      const long k0 = std::max(next, static_cast<long>(std::floor((walker.LengthAt(i) - margin) / period)));
      const long k1 = std::min(last, static_cast<long>(std::floor((walker.LengthAt(i + 1) + margin) / period)));
      for (long k = k0; k <= k1; ++k) cells.push_back(k);
      next = std::max(next, k1 + 1);
    }
    previous = current;
  }
  return cells;
}

// One cell element placed along the line: cell point (x, y) -> map.
void DrawCellElements(KernelDriver& driver, const PathWalker& walker, const GroupedEntry& cell, const LineStyle& style,
                      const std::vector<QPointF>& points, const QPen& pen, const QColor& colour) {
  const double period = style.xCoefficient;
  const double across = style.yCoefficient;
  const double total = walker.Total();
  QPainter& painter = driver.Painter();
  for (const GroupedElement& element : cell.elements) {
    if (element.kind == kCellBase) {
      const double offset = element.points.empty() ? 0.0 : element.points[0].y * across;
      DrawDevicePolyline(driver, offset == 0.0 ? points : Offset(points, offset), pen);
    }
  }
  std::vector<QPolygonF> strokes;
  QPainterPath filled;
  filled.setFillRule(Qt::WindingFill);
  for (long k : VisibleCells(driver, walker, points, period, period + std::abs(across))) {
    for (const GroupedElement& element : cell.elements) {
      const auto& pts = element.points;
      if (element.kind == kCellStroke || element.kind == kCellTooth) {
        if (pts.size() < 2) continue;
        QPolygonF device;
        for (std::size_t i = 0; i < pts.size(); ++i) {
          const double s = (k + pts[i].x) * period;
          if (i > 0) {
            const double sPrev = (k + pts[i - 1].x) * period;
            for (double v : walker.VerticesBetween(sPrev, s)) {
              if (v > total) break;
              const double t = (v - sPrev) / (s - sPrev);
              const double y = pts[i - 1].y + (pts[i].y - pts[i - 1].y) * t;
              const QPointF m = walker.At(v, y * across);
              device << driver.ToDevice(m.x(), m.y());
            }
          }
          const QPointF m = walker.At(std::clamp(s, 0.0, total), pts[i].y * across);
          device << driver.ToDevice(m.x(), m.y());
          if (s > total) break;  // the line ends inside this element
        }
        if (element.kind == kCellStroke) {
          strokes.push_back(std::move(device));
        } else {
          filled.addPolygon(device);
          filled.closeSubpath();
        }
      } else if (element.kind == kCellDot && pts.size() >= 2) {
        const double s = (k + pts[0].x) * period;
        if (s > total) continue;
        const QPointF centre = walker.At(s, pts[0].y * across);
        const double r = std::max(std::abs(pts[1].x) * across * driver.Factor(), 0.75);
        filled.addPolygon(DeviceDisc(driver.ToDevice(centre.x(), centre.y()), r));
        filled.closeSubpath();
      }
    }
  }
  // Strokes one by one (thin lines stay on the painter's fast path), the
  // filled teeth and dots of the whole line in one fill.
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  for (const QPolygonF& stroke : strokes) painter.drawPolyline(stroke);
  painter.fillPath(filled, colour);
}

QPainterPath RingsToDevice(KernelDriver& driver, const std::vector<std::vector<QPointF>>& rings) {
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  for (const auto& ring : rings) {
    if (ring.size() < 3) continue;
    QPolygonF device;
    for (const auto& p : ring) device << driver.ToDevice(p.x(), p.y());
    path.addPolygon(device);
    path.closeSubpath();
  }
  return path;
}

}  // namespace

void DrawSubgraph(KernelDriver& driver, double x, double y, const SubgraphStyle& style) {
  const SymbolEntry* entry = nullptr;
  bool plain = false;
  if (const auto* library = driver.Library().Subgraphs()) {
    entry = library->Entry(style.number);
    plain = !entry && library->IsBroken(style.number);
  } else {
    plain = true;
  }
  if (!entry && !plain) return;
  QTransform local;
  local.translate(x, y);
  local.rotate(style.angle);
  local.scale(style.width, style.height);
  const QTransform toDevice = local * driver.MapToDevice();
  const QColor colour = driver.ColorOf(style.colour);
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, !driver.Toggles());
  if (plain) {
    painter.setPen(QPen(colour, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(toDevice.map(ArcPoints({0, 0}, 0.4, 0, 360, 100)));
  } else {
    PaintEntry(painter, *entry, {toDevice}, driver.Factor(), [&](const SymbolElement& e) {
      return ElementColours{e.colourA ? driver.ColorOf(e.colourA) : colour,
                            e.colourB ? driver.ColorOf(e.colourB) : colour};
    });
  }
  painter.restore();
}

std::vector<QPointF> SmoothThrough(const std::vector<QPointF>& v, int steps) {
  if (v.size() < 3 || steps < 2) return v;
  std::vector<QPointF> out;
  out.reserve((v.size() - 1) * steps + 1);
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const QPointF p0 = i == 0 ? v[i] * 2 - v[i + 1] : v[i - 1];
    const QPointF p1 = v[i], p2 = v[i + 1];
    const QPointF p3 = i + 2 < v.size() ? v[i + 2] : v[i + 1] * 2 - v[i];
    for (int s = 0; s < steps; ++s) {
      const double t = static_cast<double>(s) / steps, t2 = t * t, t3 = t2 * t;
      out.push_back(0.5 * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                           (3 * p1 - p0 - 3 * p2 + p3) * t3));
    }
  }
  out.push_back(v.back());
  return out;
}

void DrawStyledLine(KernelDriver& driver, const std::vector<QPointF>& input, const LineStyle& style) {
  if (style.type == 0 || input.size() < 2) return;
  std::vector<QPointF> points = input;
  if (style.curve) {
    // About one curve point every 3 pixels of an average segment, 2 to 12.
    double length = 0;
    for (std::size_t i = 1; i < input.size(); ++i) length += std::hypot(input[i].x() - input[i - 1].x(),
                                                                         input[i].y() - input[i - 1].y());
    const double perSegment = length * driver.Factor() / (input.size() - 1) / 3.0;
    points = SmoothThrough(input, std::isfinite(perSegment) ? static_cast<int>(std::clamp(perSegment, 2.0, 12.0)) : 2);
  }
  const QColor colour = driver.ColorOf(style.colour);
  QPen pen(colour, std::max(0.0, style.width * driver.Factor()));
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::FlatCap);
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, !driver.Toggles());
  const GroupedEntry* cell = nullptr;
  if (const auto* library = driver.Library().LineTypes()) cell = library->Cell(style.type, style.subStyle);
  const PathWalker walker(points);
  // Cells need a finite line and finite, positive cell sizes (values from
  // files may be anything); otherwise, or when the cells would be smaller
  // than a few pixels or too many, the line is drawn continuous.
  const bool drawable = std::isfinite(walker.Total()) && std::isfinite(style.xCoefficient) &&
                        std::isfinite(style.yCoefficient) && style.xCoefficient > 0;
  const bool tooSmall = !drawable || style.xCoefficient * driver.Factor() < kSmallestCellPixels ||
                        walker.Total() / style.xCoefficient > kMostCells;
  if (!cell || tooSmall || walker.Total() <= 0)
    DrawDevicePolyline(driver, points, pen);
  else
    DrawCellElements(driver, walker, *cell, style, points, pen, colour);
  painter.restore();
}

void FillRegion(KernelDriver& driver, const std::vector<std::vector<QPointF>>& rings, const RegionStyle& style) {
  const QPainterPath outline = RingsToDevice(driver, rings);
  if (outline.isEmpty()) return;
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, !driver.Toggles());
  if (style.fillColour != 0) painter.fillPath(outline, driver.ColorOf(style.fillColour));
  const SymbolEntry* entry = nullptr;
  if (const auto* patterns = driver.Library().Patterns(); patterns && style.pattern > 0)
    entry = patterns->Entry(style.pattern);
  const double pw = style.patternWidth, ph = style.patternHeight;
  const double factor = driver.Factor();
  if (entry && std::isfinite(pw) && std::isfinite(ph) && pw * factor >= kSmallestCellPixels &&
      ph * factor >= kSmallestCellPixels) {
    const QRectF area = driver.MapToDevice().inverted().mapRect(outline.boundingRect())
                            .intersected(driver.VisibleMapRect());
    const double columns = std::ceil(area.width() / pw) + 1, rows = std::ceil(area.height() / ph) + 1;
    // Cell numbers must fit their integers, whatever the coordinates.
    const bool inRange = std::abs(area.left() / pw) < 1e12 && std::abs(area.top() / ph) < 1e12;
    if (!area.isEmpty() && inRange && columns * rows <= kMostCells) {
      painter.setClipPath(outline, Qt::IntersectClip);
      const QColor colour = driver.ColorOf(style.patternColour);
      const long i0 = static_cast<long>(std::floor(area.left() / pw));
      const long j0 = static_cast<long>(std::floor(area.top() / ph));
      const QTransform toDevice = driver.MapToDevice();
      std::vector<QTransform> cells;
      for (long j = j0; j * ph < area.bottom(); ++j)
        for (long i = i0; i * pw < area.right(); ++i)
          cells.push_back(QTransform(pw, 0, 0, ph, i * pw, j * ph) * toDevice);
      PaintEntry(painter, *entry, cells, factor, [&](const SymbolElement& e) {
        return ElementColours{e.colourA ? driver.ColorOf(e.colourA) : colour,
                              e.colourB ? driver.ColorOf(e.colourB) : colour};
      });
    }
  }
  painter.restore();
}

}  // namespace zv::display
