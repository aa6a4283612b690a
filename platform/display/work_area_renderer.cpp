#include "platform/display/work_area_renderer.h"

#include <algorithm>
#include <cmath>

namespace zv::display {
namespace {

// About this many entities per grid cell.
constexpr double kEntitiesPerCell = 8.0;
constexpr int kMostCellsPerSide = 512;

bool ReadRect(zv::WorkAreaHandle area, int type, std::int32_t id, QRectF& out) {
  if (type == zv::kPointEntity) {  // by the layout the drawing uses
    D_DOT p{};
    std::string text;
    zv::PNT_INFO info;
    if (!zv::BasReadPoint(area, id, &p, &text, &info)) return false;
    out = PointExtent(p, text, info);
    return true;
  }
  D_RECT r{};
  const int ok = type == zv::kLineEntity ? zv::BasGetLineRect(area, id, &r) : zv::BasGetRegionRect(area, id, &r);
  if (!ok) return false;
  out = QRectF(QPointF(r.xmin, r.ymin), QPointF(r.xmax, r.ymax)).normalized();
  return true;
}

// The grid cell of a position in cell units, kept inside the grid whatever
// the value (NaN included).
int CellIndex(double cells, int side) {
  if (!(cells >= 0)) return 0;
  if (cells >= side - 1) return side - 1;
  return static_cast<int>(cells);
}

bool Meets(const QRectF& a, const QRectF& b) {
  return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

}  // namespace

bool EntityExtent(zv::WorkAreaHandle area, int entityType, std::int32_t id, QRectF* extent) {
  QRectF r;
  if (!ReadRect(area, entityType, id, r)) return false;
  if (extent) *extent = r;
  return true;
}

bool WorkAreaRenderer::DrawnExtent(int entityType, std::int32_t id, QRectF* extent) const {
  const TypeIndex& index = entityType == zv::kPointEntity ? points_ : entityType == zv::kLineEntity ? lines_ : regions_;
  if (index.all) return false;
  const auto found = index.rects.find(id);
  if (found == index.rects.end()) return false;
  if (extent) *extent = found->second;
  return true;
}

WorkAreaRenderer::WorkAreaRenderer(zv::WorkAreaHandle area) : area_(area) {
  listener_ = zv::BasAddChangeListener(area_, [this](const zv::WorkAreaChange& change) { OnChange(change); });
}

WorkAreaRenderer::~WorkAreaRenderer() {
  if (listener_) zv::BasRemoveChangeListener(area_, listener_);
}

WorkAreaRenderer::TypeIndex& WorkAreaRenderer::IndexOf(int entityType) {
  return entityType == zv::kPointEntity ? points_ : entityType == zv::kLineEntity ? lines_ : regions_;
}

void WorkAreaRenderer::OnChange(const zv::WorkAreaChange& change) {
  auto mark = [&](TypeIndex& index) {
    if (change.kind == zv::ChangeKind::Cleared) {
      index.all = true;
      return;
    }
    // The order is read on every draw; attributes draw nothing.
    if (change.kind == zv::ChangeKind::Reordered || change.kind == zv::ChangeKind::Attributes) return;
    index.dirty.insert(change.ids.begin(), change.ids.end());
  };
  mark(IndexOf(change.entityType));
  // A changed arc moves the regions that use it: read them all again.
  if (change.entityType == zv::kLineEntity && zv::BasGetWorkAreaType(area_) == zv::kRegionArea) regions_.all = true;
}

void WorkAreaRenderer::Refresh(TypeIndex& index) {
  if (index.all) {
    index.rects.clear();
    index.dirty.clear();
    for (std::int32_t id : zv::BasGetDisplayOrder(area_, index.entityType)) {
      QRectF r;
      if (ReadRect(area_, index.entityType, id, r)) index.rects[id] = r;
    }
    index.all = false;
    index.gridStale = true;
  }
  if (!index.dirty.empty()) {
    for (std::int32_t id : index.dirty) {
      QRectF r;
      if (ReadRect(area_, index.entityType, id, r))
        index.rects[id] = r;
      else
        index.rects.erase(id);
    }
    index.dirty.clear();
    index.gridStale = true;
  }
  if (index.gridStale) RebuildGrid(index);
}

void WorkAreaRenderer::RebuildGrid(TypeIndex& index) {
  index.gridStale = false;
  index.cells.clear();
  index.bounds = QRectF();
  // An entity without a finite rectangle cannot be placed (nor seen); it must
  // not spoil the grid for the others.
  auto finite = [](const QRectF& r) {
    return std::isfinite(r.left()) && std::isfinite(r.right()) && std::isfinite(r.top()) && std::isfinite(r.bottom());
  };
  // By hand: QRectF::united drops rectangles of no size (a point, a lone vertex).
  bool any = false;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  for (const auto& [id, r] : index.rects) {
    if (!finite(r)) continue;
    x0 = any ? std::min(x0, r.left()) : r.left();
    y0 = any ? std::min(y0, r.top()) : r.top();
    x1 = any ? std::max(x1, r.right()) : r.right();
    y1 = any ? std::max(y1, r.bottom()) : r.bottom();
    any = true;
  }
  index.bounds = any ? QRectF(QPointF(x0, y0), QPointF(x1, y1)) : QRectF();
  index.hasBounds = any;
  const double cellsWanted = std::max(1.0, index.rects.size() / kEntitiesPerCell);
  const int side = std::clamp(static_cast<int>(std::sqrt(cellsWanted)), 1, kMostCellsPerSide);
  index.columns = index.rows = side;
  index.cells.assign(static_cast<std::size_t>(side) * side, {});
  const double cw = std::max(index.bounds.width() / side, 1e-12), ch = std::max(index.bounds.height() / side, 1e-12);
  for (const auto& [id, r] : index.rects) {
    if (!finite(r)) continue;
    const int c0 = CellIndex((r.left() - index.bounds.left()) / cw, side);
    const int c1 = CellIndex((r.right() - index.bounds.left()) / cw, side);
    const int r0 = CellIndex((r.top() - index.bounds.top()) / ch, side);
    const int r1 = CellIndex((r.bottom() - index.bounds.top()) / ch, side);
    for (int row = r0; row <= r1; ++row)
      for (int col = c0; col <= c1; ++col) index.cells[static_cast<std::size_t>(row) * side + col].push_back(id);
  }
}

std::vector<std::int32_t> WorkAreaRenderer::VisibleInOrder(TypeIndex& index, const QRectF& view) {
  Refresh(index);
  std::unordered_set<std::int32_t> visible;
  if (index.hasBounds && Meets(index.bounds, view)) {
    const int side = index.columns;
    const double cw = std::max(index.bounds.width() / side, 1e-12), ch = std::max(index.bounds.height() / side, 1e-12);
    const int c0 = CellIndex((view.left() - index.bounds.left()) / cw, side);
    const int c1 = CellIndex((view.right() - index.bounds.left()) / cw, side);
    const int r0 = CellIndex((view.top() - index.bounds.top()) / ch, side);
    const int r1 = CellIndex((view.bottom() - index.bounds.top()) / ch, side);
    for (int row = r0; row <= r1; ++row)
      for (int col = c0; col <= c1; ++col)
        for (std::int32_t id : index.cells[static_cast<std::size_t>(row) * side + col])
          if (Meets(index.rects[id], view)) visible.insert(id);
  }
  std::vector<std::int32_t> ordered;
  if (visible.empty()) return ordered;
  for (std::int32_t id : zv::BasGetDisplayOrder(area_, index.entityType))
    if (visible.count(id)) ordered.push_back(id);
  return ordered;
}

void WorkAreaRenderer::DrawType(KernelDriver& driver, TypeIndex& index, const QRectF& view,
                                const DisplaySwitches& switches, bool arcOverlay) {
  for (std::int32_t id : VisibleInOrder(index, view)) {
    if (index.entityType == zv::kPointEntity) {
      D_DOT p{};
      std::string text;
      zv::PNT_INFO info;
      if (!zv::BasReadPoint(area_, id, &p, &text, &info) || !zv::BasIsLayerOn(area_, info.layer())) continue;
      _DispPnt(driver, p, text, info, switches);
    } else if (index.entityType == zv::kLineEntity) {
      std::vector<D_DOT> vertices;
      zv::LIN_INFO info;
      if (!zv::BasReadLine(area_, id, &vertices, &info) || !zv::BasIsLayerOn(area_, info.layer())) continue;
      if (arcOverlay) {
        zv::LIN_INFO thin = info;
        thin.setStyle(1);
        thin.setWidth(0);
        thin.setColour(6);
        thin.setLineKind(0);
        _DispLin(driver, vertices, thin, DisplaySwitches());
      } else {
        _DispLin(driver, vertices, info, switches);
      }
    } else {
      std::vector<std::vector<D_DOT>> rings;
      zv::REG_INFO info;
      if (!zv::BasReadRegionParam(area_, id, &info) || !zv::BasIsLayerOn(area_, info.layer()) ||
          !zv::BasGetRegionRings(area_, id, &rings))
        continue;
      _DispReg(driver, rings, info, switches);
    }
    ++drawn_;
  }
}

void WorkAreaRenderer::Draw(KernelDriver& driver, const DisplaySwitches& switches) {
  drawn_ = 0;
  if (!zv::BasIsWorkAreaValid(area_)) return;
  const QRectF view = driver.VisibleMapRect();
  switch (zv::BasGetWorkAreaType(area_)) {
    case zv::kPointArea:
      DrawType(driver, points_, view, switches, false);
      break;
    case zv::kLineArea:
      DrawType(driver, lines_, view, switches, false);
      break;
    case zv::kRegionArea:
      DrawType(driver, regions_, view, switches, false);
      DrawType(driver, lines_, view, switches, false);
      if (switches.On(kShowArcs)) {
        const int drawn = drawn_;
        DrawType(driver, lines_, view, switches, true);
        drawn_ = drawn;
      }
      break;
    default:
      break;
  }
}

}  // namespace zv::display
