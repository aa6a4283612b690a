#include "views/tool_input/selection_keys.h"

#include <vector>

namespace zv::toolview {
namespace {

D_DOT Nudged(const CGisEditView& view, const D_DOT& p, double dx, double dy) {
  double x = 0, y = 0;
  view._LpToWp(p, &x, &y);
  return view._WpToLp(x + dx, y + dy);
}

void Nudge(CGisEditView& view, double dx, double dy) {
  const std::vector<ENTITY_MSG> pool(view.Pool(), view.Pool() + view.PoolCount());
  view.GetUndo().PushSelGraphics(pool.data(), static_cast<int32_t>(pool.size()), GisUndo::kChanged);
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  for (const ENTITY_MSG& e : pool) {
    if (e.type == kLineEntity && BasReadLine(e.area, e.id, &vertices, &info)) {
      for (D_DOT& v : vertices) v = Nudged(view, v, dx, dy);
      BasUpdateLine(e.area, e.id, vertices, info);
    } else if (e.type == kPointEntity) {
      D_DOT at;
      if (BasReadPointPos(e.area, e.id, &at)) BasWritePointPos(e.area, e.id, Nudged(view, at, dx, dy));
    }
  }
}

}  // namespace

void DeletePickedEntities(CGisEditView& view) {
  const std::vector<ENTITY_MSG> pool(view.Pool(), view.Pool() + view.PoolCount());
  view.GetUndo().PushSelGraphics(pool.data(), static_cast<int32_t>(pool.size()), GisUndo::kDeleted);
  for (const ENTITY_MSG& e : pool) {
    if (!BasIsEntityLive(e.area, e.type, e.id)) continue;
    if (e.type == kLineEntity) BasDeleteLine(e.area, e.id);
    if (e.type == kPointEntity) BasDeletePoint(e.area, e.id);
    if (e.type == kRegionEntity) BasDeleteRegion(e.area, e.id);
  }
  view.ClearPool();
}

bool SelectionKey(CGisEditView& view, unsigned key) {
  if (view.PoolCount() == 0) return false;
  const double d = kNudgePixels;
  switch (key) {
    case kKeyLeft: view.RunCommand([&] { Nudge(view, -d, 0); }); break;
    case kKeyUp: view.RunCommand([&] { Nudge(view, 0, -d); }); break;
    case kKeyRight: view.RunCommand([&] { Nudge(view, d, 0); }); break;
    case kKeyDown: view.RunCommand([&] { Nudge(view, 0, d); }); break;
    case kKeyDelete: view.RunCommand([&] { DeletePickedEntities(view); }); break;
    default: return false;
  }
  view._UpdateWindow();
  return true;
}

}  // namespace zv::toolview
