// Picking entities with the mouse: clicks within the tolerance and boxes.
#include <cmath>

#include "platform/data/geometry.h"
#include "platform/editors/nearest.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

namespace {

// A press and release closer than this many pixels are a click.
constexpr int kClickSlop = 3;

bool IsClick(CPoint a, CPoint b) { return std::abs(a.x - b.x) <= kClickSlop && std::abs(a.y - b.y) <= kClickSlop; }

}  // namespace

std::vector<ENTITY_MSG> CGisEditView::PickAt(unsigned kinds, CPoint point) const {
  const D_DOT at = _WpToLp(point);
  const double tolerance = selectTolerance_ / _GetWinDispRate();
  const std::vector<WorkAreaHandle> areas = ShownAreas();
  // What lies on top wins: points, then lines, then regions; the areas
  // drawn last first.
  if (kinds & kPickPoints) {
    ENTITY_MSG best{};
    double bestDistance = tolerance;
    for (auto a = areas.rbegin(); a != areas.rend(); ++a) {
      if (BasGetWorkAreaType(*a) != kPointArea) continue;
      const NearestHit hit = NearestPoint(*a, at);
      D_RECT r;
      const bool onIt = hit && BasGetPointRect(*a, hit.id, &r) && BasPointInRect(r, at);
      if (hit && (hit.distance <= bestDistance || onIt)) {
        best = {*a, kPointEntity, hit.id};
        bestDistance = onIt ? 0.0 : hit.distance;
      }
    }
    if (best.id) return {best};
  }
  if (kinds & (kPickLines | kPickArcs)) {
    ENTITY_MSG best{};
    double bestDistance = tolerance;
    for (auto a = areas.rbegin(); a != areas.rend(); ++a) {
      const int type = BasGetWorkAreaType(*a);
      if (!((kinds & kPickLines) && type == kLineArea) && !((kinds & kPickArcs) && type == kRegionArea)) continue;
      const NearestHit hit = NearestLine(*a, at, bestDistance);
      if (hit && hit.distance <= bestDistance) {
        best = {*a, kLineEntity, hit.id};
        bestDistance = hit.distance;
      }
    }
    if (best.id) return {best};
  }
  if (kinds & kPickRegions) {
    for (auto a = areas.rbegin(); a != areas.rend(); ++a) {
      if (BasGetWorkAreaType(*a) != kRegionArea) continue;
      if (const int32_t id = RegionContaining(*a, at)) return {{*a, kRegionEntity, id}};
    }
  }
  return {};
}

std::vector<ENTITY_MSG> CGisEditView::PickInside(unsigned kinds, CPoint a, CPoint b) const {
  const D_DOT p = _WpToLp(a), q = _WpToLp(b);
  const D_RECT box{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
  std::vector<ENTITY_MSG> picked;
  for (WorkAreaHandle area : ShownAreas()) {
    const int type = BasGetWorkAreaType(area);
    const int entityType = type == kPointArea ? kPointEntity : type == kLineArea ? kLineEntity : kRegionEntity;
    const unsigned kind = type == kPointArea ? kPickPoints : type == kLineArea ? kPickLines : kPickRegions;
    if (kinds & kind)
      for (int32_t id : EntitiesInsideRect(area, entityType, box))
        picked.push_back({area, static_cast<int16_t>(entityType), id});
    if ((kinds & kPickArcs) && type == kRegionArea)
      for (int32_t id : EntitiesInsideRect(area, kLineEntity, box)) picked.push_back({area, kLineEntity, id});
  }
  return picked;
}

void CGisEditView::ShowDragBox(bool show) {
  if (dragBox_.shown == show) return;
  _DrawXORRect(dragBox_.start.x, dragBox_.start.y, dragBox_.end.x, dragBox_.end.y);
  dragBox_.shown = show;
}

int CGisEditView::Select(unsigned kinds, unsigned message, unsigned flags, CPoint point) {
  switch (message) {
    case WM_LBUTTONDOWN:
      ShowDragBox(false);
      dragBox_ = {true, false, point, point};
      return 0;
    case WM_MOUSEMOVE:
      if (!dragBox_.active) return 0;
      ShowDragBox(false);
      dragBox_.end = point;
      if (!IsClick(dragBox_.start, point)) ShowDragBox(true);
      return 0;
    case WM_LBUTTONUP: {
      ShowDragBox(false);
      const CPoint start = dragBox_.active ? dragBox_.start : point;
      dragBox_ = {};
      const std::vector<ENTITY_MSG> picked =
          IsClick(start, point) ? PickAt(kinds, point) : PickInside(kinds, start, point);
      _StopFlash(-1);
      if (flags & MK_SHIFT) {
        pool_.Toggle(picked);
      } else {
        pool_.Clear();
        pool_.Add(picked.data(), static_cast<int32_t>(picked.size()));
      }
      FlashSelectGraphics();
      return picked.empty() ? 0 : 1;
    }
    case WM_RBUTTONUP:
      ShowDragBox(false);
      dragBox_ = {};
      return 0;
    default:
      return 0;
  }
}

int CGisEditView::SelectAll(unsigned m, unsigned f, CPoint p) { return Select(kPickPoints | kPickLines | kPickRegions, m, f, p); }
int CGisEditView::SelectPnt(unsigned m, unsigned f, CPoint p) { return Select(kPickPoints, m, f, p); }
int CGisEditView::SelectLin(unsigned m, unsigned f, CPoint p, short arcMode) {
  return Select(arcMode == 1 ? kPickLines | kPickArcs : kPickLines, m, f, p);
}
int CGisEditView::SelectReg(unsigned m, unsigned f, CPoint p) { return Select(kPickRegions, m, f, p); }

}  // namespace zv
