#pragma once
// Placing design boreholes and trenches on the plan: the plan view's cursor
// over the document's 100 slots of each kind, what a click prepares and
// shows, and what the dialogs' store writes.
//
// A click prepares the slot at the cursor (distance and elevation along the
// section, slot number) without marking it in use; a store fills it from the
// dialog's values and marks it. Storing needs a click on this section line
// since the last store, and a free slot: nothing is ever written past the
// table. Units: plan mm at 1:P for clicks, ground metres for X, Y and H,
// section mm for distances, elevations, depths and lengths (section_data.h).

#include <cstdint>
#include <string>

#include "zavediz/records.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

enum class DesignKind { kBorehole, kTrench };

// The slot the next store writes, and the slot the last click prepared
// (−1: none since the last store).
struct DesignCursor {
  int32_t next = 0;
  int32_t prepared = -1;
};

// Slots in use among the 100, wherever they lie.
int CountDesignBoreholes(const SectionData& data);
int CountDesignTrenches(const SectionData& data);
int CountDesign(const SectionData& data, DesignKind kind);

// The start of placing: `clear` frees every slot of the kind and placing
// starts at slot 0; otherwise new ones follow the slots in use.
void BeginDesign(SectionData& data, DesignKind kind, bool clear, DesignCursor& cursor);

// What a click shows: the click in ground metres, rounded half up to 0.01
// plan unit first, and the elevation there in metres (boreholes only).
// `message` is what to tell the user (the click lies off the profile).
struct DesignClick {
  double x = 0.0;
  double y = 0.0;
  double h = 0.0;
  std::string message;
};

DesignClick PlaceDesign(SectionData& data, DesignKind kind, DesignCursor& cursor, const D_DOT& plan);

// The borehole dialog's values (depth in metres, angles in whole degrees).
struct BoreholeEntry {
  std::string name = "ZK";
  double depth = 100.0;
  int azimuth = 0;
  int dip = 90;
  double x = 0.0;
  double y = 0.0;
  double h = 0.0;
};

// The trench dialog's values (length in metres).
struct TrenchEntry {
  std::string name = "TC";
  double length = 100.0;
  double x = 0.0;
  double y = 0.0;
};

// Stores the prepared slot and moves the cursor on; otherwise nothing is
// written (a trench of length 0 is refused, its click kept). The message to tell (a refusal, or the trench's end off the
// profile); empty when there is nothing to say.
struct DesignStore {
  bool stored = false;
  std::string message;
};
DesignStore StoreDesignBorehole(SectionData& data, DesignCursor& cursor, const BoreholeEntry& entry);
DesignStore StoreDesignTrench(SectionData& data, DesignCursor& cursor, const TrenchEntry& entry);

// A ground point moved `metres` along the section line's direction.
D_DOT OffsetAlongZavediz(const SectionData& data, const D_DOT& ground, double metres);

}  // namespace zv::zavediz
