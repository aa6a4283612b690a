#include "platform/data/line_box_index.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zv::detail {
namespace {

constexpr int kMostCellsPerSide = 1024;
constexpr int kMostCellsPerBox = 64;
constexpr int64_t kFewestChangesBeforeRebuild = 1024;

int CellIndex(double v, double origin, double size, int count) {
  const double t = (v - origin) / size;
  if (!(t > 0)) return 0;  // NaN too
  if (t >= count) return count - 1;
  return static_cast<int>(t);
}

bool Finite(const D_RECT& r) {
  return std::isfinite(r.xmin) && std::isfinite(r.ymin) && std::isfinite(r.xmax) && std::isfinite(r.ymax);
}

void EraseOne(std::vector<int32_t>& ids, int32_t id) {
  const auto it = std::find(ids.begin(), ids.end(), id);
  if (it == ids.end()) return;
  *it = ids.back();
  ids.pop_back();
}

}  // namespace

void LineBoxIndex::Drop() { *this = LineBoxIndex{}; }

void LineBoxIndex::Start(const D_RECT& extent, int32_t expected) {
  Drop();
  built_ = true;
  const int side =
      std::clamp(static_cast<int>(std::ceil(std::sqrt(std::max(expected, 1) / 2.0))), 1, kMostCellsPerSide);
  columns_ = rows_ = side;
  if (Finite(extent)) {
    x0_ = extent.xmin;
    y0_ = extent.ymin;
    const double w = (extent.xmax - extent.xmin) / side, h = (extent.ymax - extent.ymin) / side;
    cellWidth_ = w > 0 ? w : 1;
    cellHeight_ = h > 0 ? h : 1;
  }
  cells_.assign(static_cast<std::size_t>(columns_) * rows_, {});
  // The lines entered by the build count as changes too.
  rebuildAfter_ = int64_t{expected} + std::max<int64_t>(expected, kFewestChangesBeforeRebuild);
}

LineBoxIndex::Span LineBoxIndex::CellsOf(const D_RECT& box) const {
  return {CellIndex(box.xmin, x0_, cellWidth_, columns_), CellIndex(box.ymin, y0_, cellHeight_, rows_),
          CellIndex(box.xmax, x0_, cellWidth_, columns_), CellIndex(box.ymax, y0_, cellHeight_, rows_)};
}

bool LineBoxIndex::Wide(const D_RECT& box, const Span& span) const {
  return !Finite(box) || int64_t{span.x1 - span.x0 + 1} * (span.y1 - span.y0 + 1) > kMostCellsPerBox;
}

void LineBoxIndex::Put(int32_t id, const D_RECT& box) {
  if (id <= 0) return;
  Remove(id);
  ++changes_;
  const auto at = static_cast<std::size_t>(id);
  if (boxes_.size() <= at) {
    boxes_.resize(at + 1);
    held_.resize(at + 1, 0);
  }
  boxes_[at] = box;
  const Span span = CellsOf(box);
  if (Wide(box, span)) {
    wide_.push_back(id);
    held_[at] = 2;
    return;
  }
  for (int y = span.y0; y <= span.y1; ++y)
    for (int x = span.x0; x <= span.x1; ++x) Cell(x, y).push_back(id);
  held_[at] = 1;
}

void LineBoxIndex::Remove(int32_t id) {
  const auto at = static_cast<std::size_t>(id);
  if (id <= 0 || at >= held_.size() || held_[at] == 0) return;
  if (held_[at] == 2) {
    EraseOne(wide_, id);
  } else {
    const Span span = CellsOf(boxes_[at]);
    for (int y = span.y0; y <= span.y1; ++y)
      for (int x = span.x0; x <= span.x1; ++x) EraseOne(Cell(x, y), id);
  }
  held_[at] = 0;
}

std::vector<int32_t> LineBoxIndex::Meeting(const D_RECT& rect) const {
  std::vector<int32_t> ids;
  const auto take = [&](int32_t id) {
    if (BoxesMeet(boxes_[static_cast<std::size_t>(id)], rect)) ids.push_back(id);
  };
  // Any rectangle, even one given upside down or with a NaN, answers as the
  // box test alone would.
  const Span cells = CellsOf(rect);
  const auto axis = [](double lo, double hi, int a, int b, int count) {
    if (std::isnan(lo) || std::isnan(hi)) return std::pair{0, count - 1};
    return std::pair{std::min(a, b), std::max(a, b)};
  };
  const auto [x0, x1] = axis(rect.xmin, rect.xmax, cells.x0, cells.x1, columns_);
  const auto [y0, y1] = axis(rect.ymin, rect.ymax, cells.y0, cells.y1, rows_);
  const Span span{x0, y0, x1, y1};
  for (int y = span.y0; y <= span.y1; ++y)
    for (int x = span.x0; x <= span.x1; ++x)
      for (int32_t id : cells_[static_cast<std::size_t>(y) * columns_ + x]) take(id);
  for (int32_t id : wide_) take(id);
  // A box in several cells was taken once per cell.
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

}  // namespace zv::detail
