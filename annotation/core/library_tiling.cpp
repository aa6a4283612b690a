#include "annotation/core/library_tiling.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "annotation/core/area_ids.h"
#include "annotation/core/pattern_tag.h"
#include "annotation/core/ring_clipper.h"
#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_geometry.h"
#include "platform/topology/topology.h"

namespace zv::annot {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kClipTolerance = 0.01;
constexpr double kWidthUnit = 0.05;

enum CellKind { kArea = 0, kOutlinedArea = 1, kPolyline = 2 };

bool Finite(const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The grid over the turned rings.
class LibraryGrid {
 public:
  LibraryGrid(const HatchSettings& s, const Rings& rings, bool fanAllowed)
      : angle_(s.Turn() * kDegree), sx_(s.scaleX), sy_(s.scaleY) {
    Rings turned = rings;
    MoveRotateRings(turned, 0, 0, angle_);
    box_ = RotatedRingsBox(turned, 0);
    inside_.emplace(std::move(turned));
    const double width = box_.xmax - box_.xmin, height = box_.ymax - box_.ymin;
    cols_ = std::trunc(width / sx_) + 1;
    rows_ = std::trunc(height / sy_) + 1;
    if (s.angleKind == 0) {
      const double t = std::tan((s.endAngle - s.startAngle) * 0.5 * kDegree);
      const double g = std::trunc(t * width * 0.5 / sy_) + 1;
      extra_ = std::isfinite(g) ? std::fabs(g) : 0;
      if (fanAllowed) {
        const double d = height / t * 0.5;
        fan_ = std::isfinite(d) ? d : 0;
      }
    }
  }

  bool Usable() const { return std::isfinite(cols_) && std::isfinite(rows_) && cols_ >= 1 && rows_ >= 1; }
  double Cells() const { return cols_ * (rows_ + 2 * extra_); }

  template <class Each>
  void ForEachCell(Each each) const {
    const int g = static_cast<int>(extra_), rows = static_cast<int>(rows_), cols = static_cast<int>(cols_);
    for (int r = -g; r < rows + g; ++r)
      for (int c = 0; c < cols; ++c) each(r, c);
  }

  std::vector<D_DOT> Place(const display::LibPart& part, int r, int c) const {
    std::vector<D_DOT> q;
    q.reserve(part.size());
    for (const display::LibPoint& p : part) q.push_back(Fan({(c + p.x) * sx_ + box_.xmin, (r + p.y) * sy_ + box_.ymin}));
    return q;
  }
  D_DOT Back(const D_DOT& p) const { return panels::RotateHatchVector(p.x, p.y, angle_, false); }
  std::vector<D_DOT> Back(std::vector<D_DOT> points) const {
    for (D_DOT& p : points) p = Back(p);
    return points;
  }
  bool In(const D_DOT& p) const { return inside_->InsideOrOn(p); }

 private:
  D_DOT Fan(D_DOT p) const {
    if (fan_ == 0) return p;
    const double cx = (box_.xmin + box_.xmax) * 0.5, cy = (box_.ymin + box_.ymax) * 0.5;
    p.y = cy + (p.y - cy) * (fan_ - (p.x - cx)) / fan_;
    return p;
  }

  // Asked once per cell of a point element: a large outline would cost
  // every edge for each.
  std::optional<RingClipper> inside_;
  double angle_, sx_, sy_;
  D_RECT box_{};
  double cols_ = 0, rows_ = 0, extra_ = 0, fan_ = 0;
};

double PartCount(const display::SymbolEntry& entry) {
  double parts = 0;
  for (const display::SymbolElement& e : entry.elements) parts += static_cast<double>(e.parts.size());
  return parts;
}

bool ScalesUsable(const HatchSettings& s) {
  return std::isfinite(s.scaleX) && std::isfinite(s.scaleY) && s.scaleX > 0 && s.scaleY > 0 && std::isfinite(s.angle);
}

// The temporary areas of one tiling.
struct TileAreas {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  WorkAreaHandle outline = BasCreateLineWorkArea(set);
  WorkAreaHandle points = BasCreatePointWorkArea(set);
  WorkAreaHandle lines = BasCreateLineWorkArea(set);
  WorkAreaHandle regions = BasCreateRegionWorkArea(set);
  WorkAreaHandle clippedLines = BasCreateLineWorkArea(set);
  WorkAreaHandle clippedRegions = BasCreateRegionWorkArea(set);
  ~TileAreas() {
    for (WorkAreaHandle a : {outline, points, lines, regions, clippedLines, clippedRegions}) {
      BasClearWorkArea(a, 0);
      BasReleaseWorkArea(a);
    }
    BasFreeWorkAreaSet(set);
  }
};

void TakeStructure(WorkAreaHandle from, WorkAreaHandle to, int entityType) {
  CATT_STRU structure;
  if (BasReadAttributeStructure(from, entityType, &structure) == 1) BasSetAttributeStructure(to, entityType, structure);
  EnsurePatternTag(to, entityType);
}

bool Empty(WorkAreaHandle area, int entityType) { return LiveCount(area, entityType) == 0; }

void CopyTagged(WorkAreaHandle from, WorkAreaHandle to, int entityType, int32_t (*copy)(WorkAreaHandle, WorkAreaHandle)) {
  if (Empty(from, entityType)) return;
  EnsurePatternTag(to, entityType);
  copy(from, to);
}

}  // namespace

double LibraryPieces(const display::SymbolEntry& entry, const HatchSettings& settings, const Rings& rings,
                     bool fanAllowed) {
  if (!ScalesUsable(settings) || rings.empty()) return 0;
  const LibraryGrid grid(settings, rings, fanAllowed);
  return grid.Usable() ? grid.Cells() * PartCount(entry) : HUGE_VAL;
}

std::vector<std::string> DrawLibraryPattern(const display::SymbolEntry& entry, const HatchSettings& s,
                                            const Rings& rings, const LIN_INFO& info, int32_t tag, bool fanAllowed,
                                            const FillTargets& targets) {
  if (rings.empty()) return {};
  if (!ScalesUsable(s)) return {"图案的X、Y比例必须大于0，未画。"};
  const LibraryGrid grid(s, rings, fanAllowed);
  if (!grid.Usable() || !(grid.Cells() * PartCount(entry) <= panels::kMaxHatchPieces))
    return {"图案太密（比例太小），未画。"};

  TileAreas areas;
  for (const Ring& ring : rings) BasAppendLine(areas.outline, ring, info);
  TakeStructure(targets.points, areas.points, kPointEntity);
  TakeStructure(targets.lines, areas.lines, kLineEntity);
  TakeStructure(targets.regions, areas.regions, kRegionEntity);
  TaggingSink sink(areas.points, areas.lines, areas.regions, tag);

  const double minScale = std::min(s.scaleX, s.scaleY);
  LIN_INFO line = info;
  const bool ownWidths = info.width() == 0;
  PNT_INFO point{};
  REG_INFO region{};
  for (const display::SymbolElement& e : entry.elements) {
    if (ownWidths) line.setWidth(static_cast<float>(e.lineWidth * kWidthUnit));
    for (const display::LibPart& part : e.parts) {
      if (part.empty()) continue;
      grid.ForEachCell([&](int r, int c) {
        const std::vector<D_DOT> q = grid.Place(part, r, c);
        if (!std::all_of(q.begin(), q.end(), Finite)) return;
        if (e.kind == kArea || e.kind == kOutlinedArea) {
          region.setFillColour(panels::CellColour(e, s.patternColor));
          sink.Region(grid.Back(q), line, region);
        } else if (e.kind == kPolyline) {
          if (q.size() > 1) sink.Line(grid.Back(q), line);
        } else if (grid.In(q[0]) && panels::CellPointRecord(e, part, minScale, s.Turn(), s.patternColor, point)) {
          sink.Point(grid.Back(q[0]), point);
        }
      });
    }
  }
  CopyTagged(areas.points, targets.points, kPointEntity, &BasCopyPoints);
  if (!Empty(areas.lines, kLineEntity))
    TopoClipLines(areas.outline, areas.lines, areas.clippedLines, kClipTolerance, kTopoKeepInside);
  if (!Empty(areas.regions, kRegionEntity))
    TopoClipRegions(areas.outline, areas.regions, areas.clippedRegions, kClipTolerance, kTopoKeepInside);
  CopyTagged(areas.clippedLines, targets.lines, kLineEntity, &BasCopyLines);
  CopyTagged(areas.clippedRegions, targets.regions, kRegionEntity, &BasCopyRegions);
  return {};
}

}  // namespace zv::annot
