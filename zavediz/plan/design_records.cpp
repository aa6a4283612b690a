#include "zavediz/plan/design_records.h"

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/section_geometry.h"
#include "zavediz/plan/terrain_profile.h"

namespace zv::zavediz {
namespace {

template <typename Rec>
int CountInUse(const std::array<Rec, kDesignSlotCount>& slots) {
  return static_cast<int>(std::count_if(slots.begin(), slots.end(), [](const Rec& r) { return r.inUse; }));
}

// Plan units rounded half up to 0.01, then in ground metres.
double GroundMetres(double plan, int32_t planScale) {
  return std::floor((plan + 0.005) * 100.0) * 0.01 * planScale * 0.001;
}

// The section distance of a ground point: its straight distance from the
// line's ground start.
double DistanceOfGround(const SectionData& data, const D_DOT& ground) {
  return BasPointDistance(data.groundStart, ground) * 1000.0 / data.sectionScale + data.sectionStart.x;
}

bool CursorInTable(const DesignCursor& cursor) { return cursor.next >= 0 && cursor.next < kDesignSlotCount; }

// After a new section line the cursor may point past slots that were
// freed: placing then starts again at slot 0. Slots in use need not be
// contiguous, so the count in use may name a slot in use: the cursor then
// moves to the first free slot after it, else the first free one.
template <typename Rec>
void RestartWhenFirstFree(const std::array<Rec, kDesignSlotCount>& slots, DesignCursor& cursor) {
  if (!slots[0].inUse) cursor.next = 0;
  if (!CursorInTable(cursor) || !slots[static_cast<size_t>(cursor.next)].inUse) return;
  const auto free = [](const Rec& r) { return !r.inUse; };
  auto slot = std::find_if(slots.begin() + cursor.next, slots.end(), free);
  if (slot == slots.end()) slot = std::find_if(slots.begin(), slots.end(), free);
  cursor.next = static_cast<int32_t>(slot - slots.begin());
}

// Why a store cannot write: the table is full, or no click prepared the
// slot at the cursor. Empty when it can.
template <typename Rec>
std::string StoreRefusal(const std::array<Rec, kDesignSlotCount>& slots, DesignCursor& cursor, const char* full) {
  RestartWhenFirstFree(slots, cursor);
  if (!CursorInTable(cursor)) return full;
  if (cursor.prepared != cursor.next) return kPlaceFirstMessage;
  return {};
}

}  // namespace

int CountDesignBoreholes(const SectionData& data) { return CountInUse(data.boreholes); }
int CountDesignTrenches(const SectionData& data) { return CountInUse(data.trenches); }
int CountDesign(const SectionData& data, DesignKind kind) {
  return kind == DesignKind::kBorehole ? CountDesignBoreholes(data) : CountDesignTrenches(data);
}

void BeginDesign(SectionData& data, DesignKind kind, bool clear, DesignCursor& cursor) {
  if (clear) {
    if (kind == DesignKind::kBorehole) {
      for (DesignBoreholeRec& r : data.boreholes) r.inUse = false;
    } else {
      for (DesignTrenchRec& r : data.trenches) r.inUse = false;
    }
  }
  cursor.next = clear ? 0 : CountDesign(data, kind);
  cursor.prepared = -1;
}

DesignClick PlaceDesign(SectionData& data, DesignKind kind, DesignCursor& cursor, const D_DOT& plan) {
  const bool borehole = kind == DesignKind::kBorehole;
  if (borehole) {
    RestartWhenFirstFree(data.boreholes, cursor);
  } else {
    RestartWhenFirstFree(data.trenches, cursor);
  }
  DesignClick click;
  click.x = GroundMetres(plan.x, data.planScale);
  click.y = GroundMetres(plan.y, data.planScale);
  if (borehole) {
    const double d = ZavedizDistanceOfPoint(data, plan.x, plan.y);
    click.h = ElevationOrOutside(data.terrain, d, click.message) * data.sectionScale * 0.001;
  }
  if (!CursorInTable(cursor)) return click;

  const size_t slot = static_cast<size_t>(cursor.next);
  const double distance = DistanceOfGround(data, D_DOT{click.x, click.y});
  const auto number = static_cast<int16_t>(cursor.next + 1);
  if (borehole) {
    DesignBoreholeRec& r = data.boreholes[slot];
    if (r.inUse) return click;
    r.distance = distance;
    r.baseY = 0.0;
    r.collarElevation = ElevationOrOutside(data.terrain, distance, click.message);
    r.number = number;
  } else {
    DesignTrenchRec& r = data.trenches[slot];
    if (r.inUse) return click;
    r.startDistance = distance;
    r.startBaseY = 0.0;
    r.startElevation = ElevationOrOutside(data.terrain, distance, click.message);
    r.number = number;
  }
  cursor.prepared = cursor.next;
  return click;
}

DesignStore StoreDesignBorehole(SectionData& data, DesignCursor& cursor, const BoreholeEntry& entry) {
  if (std::string refusal = StoreRefusal(data.boreholes, cursor, kBoreholesFullMessage); !refusal.empty())
    return {false, refusal};
  DesignBoreholeRec& r = data.boreholes[static_cast<size_t>(cursor.next)];
  r.name = entry.name;
  r.azimuth = entry.azimuth;
  r.dip = entry.dip;
  r.groundX = entry.x;
  r.groundY = entry.y;
  r.h = entry.h;
  r.depth = entry.depth * 1000.0 / data.sectionScale;
  r.inUse = true;
  ++cursor.next;
  cursor.prepared = -1;
  return {true, {}};
}

DesignStore StoreDesignTrench(SectionData& data, DesignCursor& cursor, const TrenchEntry& entry) {
  if (std::string refusal = StoreRefusal(data.trenches, cursor, kTrenchesFullMessage); !refusal.empty())
    return {false, refusal};
  // A trench without length has nothing to draw; the click stays prepared
  // for a store with a length.
  if (entry.length == 0.0) return {false, kNoTrenchLengthMessage};
  DesignStore outcome{true, {}};
  DesignTrenchRec& r = data.trenches[static_cast<size_t>(cursor.next)];
  r.name = entry.name;
  r.length = entry.length * 1000.0 / data.sectionScale;
  r.startGroundX = entry.x;
  r.startGroundY = entry.y;
  r.endDistance = r.startDistance + r.length;
  r.endBaseY = r.startBaseY;
  r.endElevation = ElevationOrOutside(data.terrain, r.endDistance, outcome.message);
  const D_DOT end = OffsetAlongZavediz(data, D_DOT{entry.x, entry.y}, entry.length);
  r.endGroundX = end.x;
  r.endGroundY = end.y;
  r.inUse = true;
  ++cursor.next;
  cursor.prepared = -1;
  return outcome;
}

D_DOT OffsetAlongZavediz(const SectionData& data, const D_DOT& ground, double metres) {
  return D_DOT{ground.x + std::cos(data.direction) * metres, ground.y + std::sin(data.direction) * metres};
}

}  // namespace zv::zavediz
