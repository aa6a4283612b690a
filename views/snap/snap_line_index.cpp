#include "views/snap/snap_line_index.h"

#include <algorithm>
#include <cmath>

namespace zv::snap {
namespace {

// About this many segments per cell when the grid is built.
constexpr double kSegmentsPerCell = 8.0;
constexpr int32_t kMaxCells = 1 << 20;
constexpr double kMaxSide = 4096.0;

}  // namespace

LineIndex::LineIndex(WorkAreaHandle area) : area_(area) {
  listener_ = BasAddChangeListener(area, [this](const WorkAreaChange& change) { OnChange(change); });
}

LineIndex::~LineIndex() {
  if (listener_) BasRemoveChangeListener(area_, listener_);
}

void LineIndex::OnChange(const WorkAreaChange& change) {
  // A change the index has not caught up with leaves it stale anyway.
  const bool caughtUp = !stale_ && change.revision > revisionSeen_;
  revisionSeen_ = change.revision;
  if (!caughtUp) return;
  if (change.entityType != kLineEntity || change.kind == ChangeKind::Attributes ||
      change.kind == ChangeKind::Reordered)
    return;
  if (change.kind == ChangeKind::Cleared) {
    stale_ = true;
    return;
  }
  dirty_.insert(dirty_.end(), change.ids.begin(), change.ids.end());
}

int32_t LineIndex::Column(double x) const {
  const double c = (x - x0_) / cell_;
  if (!(c > 0)) return 0;  // also NaN
  return c >= columns_ - 1 ? columns_ - 1 : static_cast<int32_t>(c);
}

int32_t LineIndex::Row(double y) const {
  const double r = (y - y0_) / cell_;
  if (!(r > 0)) return 0;
  return r >= rows_ - 1 ? rows_ - 1 : static_cast<int32_t>(r);
}

LineIndex::CellRange LineIndex::RangeOf(double xmin, double ymin, double xmax, double ymax) const {
  return {Column(xmin), Row(ymin), Column(xmax), Row(ymax)};
}

void LineIndex::Index(int32_t id, const std::vector<D_DOT>& v) {
  std::vector<uint32_t>& mine = lineCells_[id];
  auto add = [&](const CellRange& r) {
    for (int32_t row = r.y0; row <= r.y1; ++row)
      for (int32_t col = r.x0; col <= r.x1; ++col) {
        const uint32_t cell = static_cast<uint32_t>(row) * columns_ + col;
        std::vector<int32_t>& ids = cells_[cell];
        if (!ids.empty() && ids.back() == id) continue;
        if (std::find(mine.begin(), mine.end(), cell) != mine.end()) continue;
        ids.push_back(id);
        mine.push_back(cell);
      }
  };
  auto finite = [](const D_DOT& d) { return std::isfinite(d.x) && std::isfinite(d.y); };
  auto point = [&](const D_DOT& d) {
    if (finite(d)) add(RangeOf(d.x, d.y, d.x, d.y));
  };
  if (v.size() == 1) point(v[0]);
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const D_DOT& a = v[i];
    const D_DOT& b = v[i + 1];
    if (finite(a) && finite(b)) {
      add(RangeOf(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)));
    } else {
      // Only a finite end can come near anything.
      point(a);
      point(b);
    }
  }
}

void LineIndex::Unindex(int32_t id) {
  const auto it = lineCells_.find(id);
  if (it == lineCells_.end()) return;
  for (uint32_t cell : it->second) std::erase(cells_[cell], id);
  lineCells_.erase(it);
}

void LineIndex::Reindex(int32_t id) {
  Unindex(id);
  std::vector<D_DOT> vertices;
  if (BasReadLine(area_, id, &vertices, nullptr) && !vertices.empty()) Index(id, vertices);
}

void LineIndex::Rebuild() {
  ++rebuilds_;
  cells_.clear();
  lineCells_.clear();
  dirty_.clear();
  int32_t live = 0, bound = 1;
  BasGetLineCount(area_, &live, &bound);
  // The extent and the number of segments, from the lines themselves: the
  // area's own rectangle may include its points of other kinds.
  std::vector<std::vector<D_DOT>> lines(static_cast<std::size_t>(std::max(bound, 1)));
  double xmin = INFINITY, ymin = INFINITY, xmax = -INFINITY, ymax = -INFINITY;
  double segments = 0;
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT>& v = lines[id];
    if (!BasReadLine(area_, id, &v, nullptr)) continue;
    segments += v.empty() ? 0 : static_cast<double>(v.size());
    for (const D_DOT& d : v)
      if (std::isfinite(d.x) && std::isfinite(d.y)) {
        xmin = std::min(xmin, d.x), xmax = std::max(xmax, d.x);
        ymin = std::min(ymin, d.y), ymax = std::max(ymax, d.y);
      }
  }
  if (!(xmin <= xmax)) xmin = xmax = ymin = ymax = 0;
  // Half sizes: a damaged file's vertex near the largest double must not
  // make the extent infinite (every cell of the largest grid would be made).
  const double halfW = std::max(xmax / 2 - xmin / 2, 1e-9), halfH = std::max(ymax / 2 - ymin / 2, 1e-9);
  const double wanted = std::clamp(segments / kSegmentsPerCell, 1.0, static_cast<double>(kMaxCells));
  const double halfCell = std::max(std::sqrt(halfW) * std::sqrt(halfH / wanted), std::max(halfW, halfH) / kMaxSide);
  cell_ = 2 * halfCell;
  x0_ = xmin, y0_ = ymin;
  columns_ = static_cast<int32_t>(std::clamp(std::ceil(halfW / halfCell), 1.0, kMaxSide));
  rows_ = static_cast<int32_t>(std::clamp(std::ceil(halfH / halfCell), 1.0, kMaxSide));
  cells_.assign(static_cast<std::size_t>(columns_) * rows_, {});
  for (int32_t id = 1; id < bound; ++id)
    if (!lines[id].empty()) Index(id, lines[id]);
  stamps_.assign(static_cast<std::size_t>(std::max(bound, 1)), 0);
  stamp_ = 0;
  revisionSeen_ = BasGetRevision(area_);
  stale_ = false;
}

void LineIndex::CatchUp() {
  if (!stale_ && BasGetRevision(area_) != revisionSeen_) stale_ = true;
  if (stale_ || dirty_.size() > lineCells_.size() / 4 + 64) {
    Rebuild();
    return;
  }
  std::sort(dirty_.begin(), dirty_.end());
  dirty_.erase(std::unique(dirty_.begin(), dirty_.end()), dirty_.end());
  for (int32_t id : dirty_) Reindex(id);
  dirty_.clear();
}

void LineIndex::LinesNear(const D_DOT& p, double radius, std::vector<int32_t>* ids) {
  ids->clear();
  CatchUp();
  if (!(radius >= 0) || !std::isfinite(p.x) || !std::isfinite(p.y)) return;
  const CellRange r = RangeOf(p.x - radius, p.y - radius, p.x + radius, p.y + radius);
  if (++stamp_ == 0) {
    std::fill(stamps_.begin(), stamps_.end(), 0);
    stamp_ = 1;
  }
  for (int32_t row = r.y0; row <= r.y1; ++row)
    for (int32_t col = r.x0; col <= r.x1; ++col)
      for (int32_t id : cells_[static_cast<std::size_t>(row) * columns_ + col]) {
        if (static_cast<std::size_t>(id) >= stamps_.size()) stamps_.resize(static_cast<std::size_t>(id) + 1, 0);
        if (stamps_[id] == stamp_) continue;
        stamps_[id] = stamp_;
        ids->push_back(id);
      }
  std::sort(ids->begin(), ids->end());
}

LineIndex& LineIndexes::Of(WorkAreaHandle area) {
  std::unique_ptr<LineIndex>& index = indexes_[area];
  if (!index) index = std::make_unique<LineIndex>(area);
  return *index;
}

}  // namespace zv::snap
