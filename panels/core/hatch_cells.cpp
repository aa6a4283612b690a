// Tiling a pattern of a pattern library over an outline, and the work-area
// sink.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_geometry.h"

namespace zv::panels {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr float kSymbolPenWidth = 0.1f;

enum CellKind { kArea = 0, kOutlinedArea = 1, kPolyline = 2, kArc = 3, kDisc = 4, kDisc2 = 5, kCircle = 6 };

// The cells over the outline, turned by minus the user angle.
class CellGrid {
 public:
  CellGrid(const std::vector<D_DOT>& outline, double userAngle, double scaleX, double scaleY)
      : outline_(outline), angle_(userAngle * kDegree), sx_(scaleX), sy_(scaleY) {
    TranslateRotatePoints(outline_, 0, 0, angle_);
    box_ = PointsBoundingBox(outline_.data(), static_cast<int32_t>(outline_.size()));
    cols_ = std::trunc((box_.xmax - box_.xmin) / sx_) + 1;
    rows_ = std::trunc((box_.ymax - box_.ymin) / sy_) + 1;
  }

  double Cells() const { return rows_ * cols_; }
  int Rows() const { return static_cast<int>(rows_); }
  int Cols() const { return static_cast<int>(cols_); }
  const std::vector<D_DOT>& Outline() const { return outline_; }

  std::vector<D_DOT> Place(const display::LibPart& part, int r, int c) const {
    std::vector<D_DOT> q;
    q.reserve(part.size());
    for (const display::LibPoint& p : part) q.push_back({(c + p.x) * sx_ + box_.xmin, (r + p.y) * sy_ + box_.ymin});
    return q;
  }
  D_DOT Back(const D_DOT& p) const { return RotateHatchVector(p.x, p.y, angle_, false); }
  std::vector<D_DOT> Back(std::vector<D_DOT> points) const {
    for (D_DOT& p : points) p = Back(p);
    return points;
  }
  bool In(const D_DOT& p) const { return InsideOrOn(outline_, p); }

 private:
  std::vector<D_DOT> outline_;
  double angle_, sx_, sy_;
  D_RECT box_{};
  double cols_ = 0, rows_ = 0;
};

class CellPainter {
 public:
  CellPainter(const CellGrid& grid, double userAngle, double minScale, const LIN_INFO& info, int defaultColour,
              HatchSink& sink)
      : grid_(grid), userAngle_(userAngle), minScale_(minScale), info_(info), defaultColour_(defaultColour),
        sink_(sink) {}

  void Part(const display::SymbolElement& e, const display::LibPart& part, int r, int c) {
    const std::vector<D_DOT> q = grid_.Place(part, r, c);
    switch (e.kind) {
      case kArea:
      case kOutlinedArea: Area(e, q); break;
      case kPolyline: Polyline(q); break;
      case kArc:
      case kDisc:
      case kDisc2:
      case kCircle: Point(e, part, q); break;
      default: break;
    }
  }

 private:
  void Area(const display::SymbolElement& e, const std::vector<D_DOT>& q) {
    if (q.empty() || !std::all_of(q.begin(), q.end(), [&](const D_DOT& p) { return grid_.In(p); })) return;
    region_.setFillColour(CellColour(e, defaultColour_));
    sink_.Region(grid_.Back(q), info_, region_);
  }

  void Polyline(const std::vector<D_DOT>& q) {
    const std::vector<D_DOT>& outline = grid_.Outline();
    std::vector<D_DOT> run;
    const auto flush = [&] {
      if (run.size() > 1) sink_.Line(grid_.Back(run), info_);
      run.clear();
    };
    for (std::size_t i = 0; i + 1 < q.size(); ++i) {
      const bool a = grid_.In(q[i]), b = grid_.In(q[i + 1]);
      if (a && b) {
        if (run.empty()) run.push_back(q[i]);
        run.push_back(q[i + 1]);
      } else if (b) {
        run.push_back(FirstOutlineCrossing(outline, q[i], q[i + 1]));
        run.push_back(q[i + 1]);
      } else if (a) {
        if (run.empty()) run.push_back(q[i]);
        run.push_back(FirstOutlineCrossing(outline, q[i], q[i + 1]));
        flush();
      } else {
        D_DOT s = q[i], t = q[i + 1];
        if (ClipSegmentToOutline(outline, s, t)) sink_.Line(grid_.Back(std::vector<D_DOT>{s, t}), info_);
        run.clear();
      }
    }
    flush();
  }

  void Point(const display::SymbolElement& e, const display::LibPart& part, const std::vector<D_DOT>& q) {
    if (q.empty() || !grid_.In(q[0])) return;
    if (CellPointRecord(e, part, minScale_, userAngle_, defaultColour_, point_)) sink_.Point(grid_.Back(q[0]), point_);
  }

  const CellGrid& grid_;
  double userAngle_, minScale_;
  const LIN_INFO& info_;
  int defaultColour_;
  HatchSink& sink_;
  // Zeroed once per pattern; each element sets only the fields it names.
  PNT_INFO point_{};
  REG_INFO region_{};
};

}  // namespace

int CellColour(const display::SymbolElement& e, int defaultColour) {
  return e.colourA != 0 ? e.colourA : defaultColour;
}

// Points stand at the part's first pair; its further floats give the radius
// (the third float, in cell units) and an arc's two angles.
bool CellPointRecord(const display::SymbolElement& e, const display::LibPart& part, double minScale,
                     double userAngle, int defaultColour, PNT_INFO& point) {
  const std::size_t pairs = e.kind == kArc ? 3 : 2;
  if (e.kind < kArc || e.kind > kCircle || part.size() < pairs) return false;
  point.setRadius(part[1].x * minScale);
  point.setKind(e.kind == kArc ? 3 : 2);
  if (e.kind == kArc) {
    point.Set<float>(pnt::kArcStartAngle, static_cast<float>(part[1].y + userAngle));
    point.Set<float>(pnt::kArcEndAngle, static_cast<float>(part[2].x + userAngle));
    point.Set<float>(pnt::kArcPenWidth, kSymbolPenWidth);
    return true;
  }
  const bool disc = e.kind != kCircle;
  point.Set<int32_t>(pnt::kCircleOutlineColour, disc ? e.colourB : 1);
  point.Set<float>(pnt::kCirclePenWidth, kSymbolPenWidth);
  point.Set<uint8_t>(pnt::kCircleFilled, disc ? 1 : 0);
  if (disc) point.setColour(CellColour(e, defaultColour));
  return true;
}

HatchOutcome HatchCells(const display::SymbolEntry& entry, const std::vector<D_DOT>& outline, double userAngle,
                        double scaleX, double scaleY, const LIN_INFO& info, int defaultColour, HatchSink& sink) {
  HatchOutcome outcome;
  if (outline.empty()) return outcome;
  if (!(std::isfinite(scaleX) && std::isfinite(scaleY) && scaleX > 0 && scaleY > 0 && std::isfinite(userAngle))) {
    outcome.notes.push_back("图案的X、Y比例必须大于0，未画。");
    return outcome;
  }
  const CellGrid grid(outline, userAngle, scaleX, scaleY);
  double parts = 0;
  for (const auto& e : entry.elements) parts += static_cast<double>(e.parts.size());
  if (!(grid.Cells() * parts <= kMaxHatchPieces)) {
    outcome.tooDense = true;
    outcome.notes.push_back("图案太密（比例太小），未画。");
    return outcome;
  }
  CellPainter painter(grid, userAngle, std::min(scaleX, scaleY), info, defaultColour, sink);
  for (const auto& e : entry.elements)
    for (const auto& part : e.parts)
      for (int r = 0; r < grid.Rows(); ++r)
        for (int c = 0; c < grid.Cols(); ++c) painter.Part(e, part, r, c);
  return outcome;
}

void WorkAreaHatchSink::Line(const std::vector<D_DOT>& vertices, const LIN_INFO& info) {
  BasAppendLine(lines_, vertices, info);
}

void WorkAreaHatchSink::Region(const std::vector<D_DOT>& arc, const LIN_INFO& arcInfo, const REG_INFO& info) {
  const int32_t id = BasAppendLine(regions_, arc, arcInfo);
  const int32_t arcs[] = {static_cast<int32_t>(arc.size()) + 1, id};
  if (id > 0) BasAppendRegion(regions_, arcs, 2, info);
}

void WorkAreaHatchSink::Point(const D_DOT& position, const PNT_INFO& info) {
  BasAppendPoint(points_, position, "", info);
}

}  // namespace zv::panels
