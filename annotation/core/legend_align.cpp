#include "annotation/core/legend_align.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "platform/data/geometry.h"
#include "platform/view/entity_moves.h"

namespace zv::annot {
namespace {

constexpr std::size_t kFrameVertices = 5;
constexpr double kClosedWithin = 1e-5;
// A line is no frame when another encloses more than this many square
// units more.
constexpr double kAreaSlack = 2.0;
constexpr double kFrameMargin = 1.0;

D_DOT Centre(const D_RECT& r) { return {(r.xmin + r.xmax) / 2, (r.ymin + r.ymax) / 2}; }

bool Holds(const D_RECT& outer, const D_RECT& inner) {
  return inner.xmin >= outer.xmin && inner.xmax <= outer.xmax && inner.ymin >= outer.ymin && inner.ymax <= outer.ymax;
}

uint64_t Key(WorkAreaHandle area, int32_t id) {
  return (static_cast<uint64_t>(area) << 32) | static_cast<uint32_t>(id);
}

// One selected entity that a frame may carry: a point, a line of a line
// area, or a region, with the rectangle of what it is tested by.
struct Movable {
  int32_t position;  // in the pool
  ENTITY_MSG entity;
  D_RECT box{};
  bool moved = false;
};

bool BoxOf(const ENTITY_MSG& e, D_RECT* box) {
  if (e.type == kPointEntity) {
    D_DOT at{};
    if (!BasReadPointPos(e.area, e.id, &at)) return false;
    *box = {at.x, at.y, at.x, at.y};
    return true;
  }
  if (e.type == kLineEntity) return BasGetLineRect(e.area, e.id, box) != 0;
  bool any = false;
  for (const int32_t arc : RegionArcs(e.area, e.id)) {
    D_RECT r{};
    if (!BasGetLineRect(e.area, arc, &r)) return false;
    if (any)
      UniteRect(*box, r);
    else
      *box = r;
    any = true;
  }
  return any;
}

bool LiesIn(const ENTITY_MSG& e, const D_RECT& rect) {
  if (e.type == kPointEntity) {
    D_DOT at{};
    return BasReadPointPos(e.area, e.id, &at) && BasPointInRect(rect, at);
  }
  if (e.type == kLineEntity) return BasLineInRect(e.area, e.id, rect, 0) != 0;
  return BasRegionInRect(e.area, e.id, rect, 0) != 0;
}

// The movables by the cell of their rectangle's centre, so that a frame
// looks only at what lies near it. An entity whose rectangle changes is
// entered again under its new cell; the stale entry is filtered by the
// rectangle test.
class CentreGrid {
 public:
  explicit CentreGrid(double cell) : cell_(cell > 0 && std::isfinite(cell) ? cell : 1.0) {}

  void Insert(int32_t index, const D_RECT& box) {
    const D_DOT c = Centre(box);
    int64_t ix = 0, iy = 0;
    if (CellOf(c.x, &ix) && CellOf(c.y, &iy)) cells_[Pack(ix, iy)].push_back(index);
  }

  template <typename F>
  void Visit(const D_RECT& r, F&& visit) const {
    int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    if (!CellOf(r.xmin, &x0) || !CellOf(r.xmax, &x1) || !CellOf(r.ymin, &y0) || !CellOf(r.ymax, &y1)) return;
    const double spanned = (static_cast<double>(x1 - x0) + 1) * (static_cast<double>(y1 - y0) + 1);
    if (spanned > static_cast<double>(cells_.size())) {
      for (const auto& [key, list] : cells_) {
        const int64_t ix = static_cast<int32_t>(key >> 32), iy = static_cast<int32_t>(key & 0xffffffffu);
        if (ix >= x0 && ix <= x1 && iy >= y0 && iy <= y1)
          for (const int32_t i : list) visit(i);
      }
      return;
    }
    for (int64_t ix = x0; ix <= x1; ++ix)
      for (int64_t iy = y0; iy <= y1; ++iy)
        if (const auto it = cells_.find(Pack(ix, iy)); it != cells_.end())
          for (const int32_t i : it->second) visit(i);
  }

 private:
  bool CellOf(double v, int64_t* cell) const {
    const double c = std::floor(v / cell_);
    if (!std::isfinite(c) || std::abs(c) > std::numeric_limits<int32_t>::max() - 1.0) return false;
    *cell = static_cast<int64_t>(c);
    return true;
  }
  static uint64_t Pack(int64_t ix, int64_t iy) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(static_cast<int32_t>(ix))) << 32) |
           static_cast<uint32_t>(static_cast<int32_t>(iy));
  }

  double cell_;
  std::unordered_map<uint64_t, std::vector<int32_t>> cells_;
};

// The frames' widest side, widened: the grid's cell, so that a frame's
// rectangle spans few cells.
double CellSize(std::span<const ENTITY_MSG> pool, const std::vector<int32_t>& frames) {
  double cell = 0;
  for (const int32_t f : frames) {
    D_RECT r{};
    if (BasGetLineRect(pool[f].area, pool[f].id, &r))
      cell = std::max({cell, r.xmax - r.xmin + 2 * kFrameMargin, r.ymax - r.ymin + 2 * kFrameMargin});
  }
  return cell;
}

}  // namespace

std::vector<int32_t> FindLegendFrames(std::span<const ENTITY_MSG> pool) {
  // Each line once: its area with its first vertex copied over its last.
  struct Line {
    int32_t position;
    double area;
    bool closed;
  };
  std::vector<Line> lines;
  for (std::size_t i = 0; i < pool.size(); ++i) {
    const ENTITY_MSG& e = pool[i];
    std::vector<D_DOT> v;
    if (e.type != kLineEntity || !BasReadLine(e.area, e.id, &v, nullptr) || v.size() < kFrameVertices) continue;
    const bool closed =
        std::abs(v.back().x - v.front().x) <= kClosedWithin && std::abs(v.back().y - v.front().y) <= kClosedWithin;
    v.back() = v.front();
    lines.push_back({static_cast<int32_t>(i), std::abs(BasPolygonArea(v.data(), static_cast<int32_t>(v.size()))),
                     closed});
  }
  // A line is measured against the largest other area: the largest of all,
  // or the second largest for the line that holds the largest.
  double largest = -1, second = -1;
  int32_t largestAt = -1;
  for (const Line& l : lines) {
    if (!(l.area >= 0)) continue;
    if (l.area > largest) {
      second = largest;
      largest = l.area;
      largestAt = l.position;
    } else if (l.area > second) {
      second = l.area;
    }
  }
  std::vector<int32_t> frames;
  for (const Line& l : lines) {
    if (!l.closed) continue;
    const double other = l.position == largestAt ? second : largest;
    if (other >= 0 && l.area - other < -kAreaSlack) continue;
    frames.push_back(l.position);
  }
  return frames;
}

D_DOT SortLegendFrames(std::span<const ENTITY_MSG> pool, std::vector<int32_t>& frames, bool horizontal) {
  struct Placed {
    int32_t position;
    D_DOT centre;
  };
  std::vector<Placed> placed;
  for (const int32_t f : frames) {
    D_RECT r{};
    BasGetLineRect(pool[f].area, pool[f].id, &r);
    placed.push_back({f, Centre(r)});
  }
  if (placed.empty()) return {0, 0};
  const D_DOT last = placed.back().centre;
  if (horizontal)
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.centre.x < b.centre.x; });
  else
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) { return a.centre.y > b.centre.y; });
  for (std::size_t k = 0; k < placed.size(); ++k) frames[k] = placed[k].position;
  return horizontal ? D_DOT{placed.front().centre.x, last.y} : D_DOT{last.x, placed.front().centre.y};
}

bool LegendSpacingFits(const D_DOT& reference, std::size_t frameCount, double spacing, bool horizontal) {
  const double last = static_cast<double>(frameCount == 0 ? 0 : frameCount - 1) * spacing;
  const double from = horizontal ? reference.x : reference.y;
  const double to = horizontal ? from + last : from - last;
  return std::isfinite(spacing) && std::isfinite(last) && std::isfinite(to) && std::isfinite(to - from);
}

int MoveLegendFrames(SelectionPool& pool, GisUndo& undo, const std::vector<int32_t>& frames, const D_DOT& reference,
                     double spacing, bool horizontal) {
  // The regions' arcs join the pool, so that the undo record holds them.
  std::vector<ENTITY_MSG> arcs;
  std::unordered_set<uint64_t> seen;
  for (const ENTITY_MSG& e : pool.entries()) {
    if (e.type != kRegionEntity) continue;
    for (const int32_t arc : RegionArcs(e.area, e.id))
      if (seen.insert(Key(e.area, arc)).second) arcs.push_back({e.area, kLineEntity, arc});
  }
  pool.Add(arcs.data(), static_cast<int32_t>(arcs.size()));
  undo.PushSelGraphics(pool.data(), pool.count(), GisUndo::kChanged, 1);

  const std::span<const ENTITY_MSG> entries = pool.entries();
  std::unordered_map<WorkAreaHandle, int> areaTypes;
  std::vector<Movable> movables;
  // Which selected regions use each arc, to measure them again when a
  // shared arc has moved.
  std::unordered_map<uint64_t, std::vector<int32_t>> regionsOfArc;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const ENTITY_MSG& e = entries[i];
    if (e.type == kLineEntity) {
      auto [it, fresh] = areaTypes.try_emplace(e.area, 0);
      if (fresh) it->second = BasGetWorkAreaType(e.area);
      if (it->second != kLineArea) continue;
    } else if (e.type != kPointEntity && e.type != kRegionEntity) {
      continue;
    }
    Movable m{static_cast<int32_t>(i), e};
    if (!BoxOf(e, &m.box)) continue;
    if (e.type == kRegionEntity)
      for (const int32_t arc : RegionArcs(e.area, e.id))
        regionsOfArc[Key(e.area, arc)].push_back(static_cast<int32_t>(movables.size()));
    movables.push_back(m);
  }
  CentreGrid grid(CellSize(entries, frames));
  for (std::size_t i = 0; i < movables.size(); ++i) grid.Insert(static_cast<int32_t>(i), movables[i].box);

  // The moves of each area in one batch: the regions of the moved arcs are
  // measured again once, at its end.
  std::unordered_set<WorkAreaHandle> batched;
  for (const Movable& m : movables)
    if (batched.insert(m.entity.area).second) BasBeginBatch(m.entity.area);

  std::unordered_set<uint64_t> movedArcs;
  std::vector<uint32_t> visited(movables.size(), 0);
  uint32_t stamp = 0;
  int moved = 0;
  for (std::size_t k = 0; k < frames.size(); ++k) {
    const ENTITY_MSG& frame = entries[frames[k]];
    D_RECT r{};
    if (!BasGetLineRect(frame.area, frame.id, &r)) continue;
    const D_DOT centre = Centre(r);
    const D_RECT wide{r.xmin - kFrameMargin, r.ymin - kFrameMargin, r.xmax + kFrameMargin, r.ymax + kFrameMargin};
    const double step = static_cast<double>(k) * spacing;
    const D_DOT target = horizontal ? D_DOT{reference.x + step, reference.y} : D_DOT{reference.x, reference.y - step};
    const double dx = target.x - centre.x, dy = target.y - centre.y;

    ++stamp;
    std::vector<int32_t> inside;
    grid.Visit(wide, [&](int32_t i) {
      Movable& m = movables[i];
      if (visited[i] == stamp || m.moved) return;
      visited[i] = stamp;
      if (Holds(wide, m.box) && LiesIn(m.entity, wide)) inside.push_back(i);
    });
    std::sort(inside.begin(), inside.end());
    std::vector<int32_t> remeasure;
    for (const int32_t i : inside) {
      Movable& m = movables[i];
      m.moved = true;
      ++moved;
      if (m.entity.type != kRegionEntity) {
        ShiftEntity(m.entity, dx, dy);
        continue;
      }
      for (const int32_t arc : RegionArcs(m.entity.area, m.entity.id)) {
        const uint64_t key = Key(m.entity.area, arc);
        if (!movedArcs.insert(key).second) continue;
        ShiftEntity({m.entity.area, kLineEntity, arc}, dx, dy);
        for (const int32_t other : regionsOfArc[key])
          if (!movables[other].moved) remeasure.push_back(other);
      }
    }
    for (const int32_t i : remeasure) {
      Movable& m = movables[i];
      if (m.moved || !BoxOf(m.entity, &m.box)) continue;
      grid.Insert(i, m.box);
    }
  }
  for (const WorkAreaHandle area : batched) BasEndBatch(area);
  return moved;
}

}  // namespace zv::annot
