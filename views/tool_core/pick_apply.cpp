#include "views/tool_core/pick_apply.h"

#include <optional>
#include <vector>

namespace zv::toolview {
namespace {

// One entry's parameters before and after, as the write would leave them.
struct Pending {
  ENTITY_MSG entry;
  int16_t as = kPointEntity;  // the record type written
  PNT_INFO point;
  LIN_INFO line;
  REG_INFO region;
};

// The record the mode writes for an entry, if the entry takes it and it
// differs from what the entry has.
std::optional<Pending> Change(int16_t mode, const ENTITY_MSG& e) {
  Pending p{e};
  const int32_t colour = BasGetDefaultRegionParam()->fillColour();
  // The type the mode writes: −4 the entry's own type, else the record's.
  const int type = mode == -4 ? e.type : mode == -3 ? kRegionEntity : mode == -2 ? kLineEntity : kPointEntity;
  if (type != e.type) return std::nullopt;
  p.as = static_cast<int16_t>(type);
  switch (type) {
    case kPointEntity: {
      PNT_INFO now;
      if (!BasReadPointParam(e.area, e.id, &now)) return std::nullopt;
      p.point = now;
      if (mode == -4) p.point.setColour(colour);
      else BasGetDefaultPointParam(&p.point, 1);
      if (p.point == now) return std::nullopt;
      return p;
    }
    case kLineEntity: {
      LIN_INFO now;
      if (!BasReadLineParam(e.area, e.id, &now)) return std::nullopt;
      p.line = mode == -4 ? now : *BasGetDefaultLineParam();
      if (mode == -4) p.line.setColour(colour);
      if (p.line == now) return std::nullopt;
      return p;
    }
    case kRegionEntity: {
      REG_INFO now;
      if (!BasReadRegionParam(e.area, e.id, &now)) return std::nullopt;
      p.region = mode == -4 ? now : *BasGetDefaultRegionParam();
      if (mode == -4) p.region.setFillColour(colour);
      if (p.region == now) return std::nullopt;
      return p;
    }
  }
  return std::nullopt;
}

}  // namespace

bool ApplyPickMode(int16_t pickMode, std::span<const ENTITY_MSG> pool, GisUndo& undo) {
  if (pickMode < -4 || pickMode > -1 || pool.empty() || !BasIsWorkAreaValid(pool.front().area)) return false;
  std::vector<Pending> changes;
  for (const ENTITY_MSG& e : pool)
    if (auto c = Change(pickMode, e)) changes.push_back(*c);
  if (changes.empty()) return false;
  undo.PushSelGraphics(pool.data(), static_cast<int32_t>(pool.size()), GisUndo::kChanged);
  for (const Pending& c : changes) {
    if (c.as == kPointEntity) BasWritePointParam(c.entry.area, c.entry.id, c.point);
    if (c.as == kLineEntity) BasWriteLineParam(c.entry.area, c.entry.id, c.line);
    if (c.as == kRegionEntity) BasWriteRegionParam(c.entry.area, c.entry.id, c.region);
  }
  return true;
}

}  // namespace zv::toolview
