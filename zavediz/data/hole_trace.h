#pragma once
// Where a drilled borehole lies on a drawn section, worked out without
// drawing: its collar on the plan strip and on the section, its trace from
// the deviation survey, and where its samples sit along that trace. All
// lengths are paper mm (metres × 1000 / S), angles radians.
//
// The collar's map point is (collar Y, collar X): the database's X is the
// northing. It lies on the section when it is not behind the line's start
// (the angle δ between the line and start → collar, wrapped into [−π, π],
// within ±π/2, edges included) and its plan point falls on the plan strip
// (edges included).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "zavediz/records.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

// An angle text as degrees: "45°30′" is 45.5 (anything after the minute
// sign ignored; no minute sign, no minutes), a text without "°" a decimal
// number ("45.5"). Radians.
double ParseAngleText(const std::string& text);

struct HoleCollar {
  double x = 0.0;      // zkinfok column 2 (northing), metres
  double y = 0.0;      // column 3 (easting)
  double h = 0.0;      // column 4, the collar elevation
  double depth = 0.0;  // column 9, the final depth
};

struct HoleStation {
  double depth = 0.0;       // DRILMEAS column 3, metres
  std::string inclination;  // column 4, from the vertical
  std::string azimuth;      // column 5; empty: the step down to it is drawn vertical
};

struct HoleSample {
  std::string number;  // DRILSAMH column 2
  double from = 0.0;   // column 3, metres
  double to = 0.0;     // column 4
};

// The collar on the plan strip: q = start + L (cos δ, sin δ), the line's left
// side up; none when the hole lies off the section. `stripWidth` is the plan
// strip's width (mm).
std::optional<D_DOT> PlaceHoleCollar(const SectionData& data, const HoleCollar& collar, double stripWidth);

struct HoleTraces {
  std::vector<D_DOT> section;  // collar → final depth, then the 6 mm tick to the left
  std::vector<D_DOT> plan;     // from the strip's collar point, one point fewer
};

// The balanced-tangent trace over the stations' midpoints: station 1 steers
// the first two steps, station k − 1 step k after, the last station the step
// to the final depth. Without stations the hole runs straight down.
HoleTraces TraceHole(const SectionData& data, const D_DOT& planCollar, double collarElevation, double finalDepth,
                     const std::vector<HoleStation>& stations);

// The five corners of a sample box that starts at `top` on a trace segment of
// direction `direction` (radians, as BasLineDirection gives it): `length` mm
// along the segment, 1 mm wide on its left (the +x side of a hole going
// straight down), closed.
std::vector<D_DOT> SampleBox(const D_DOT& top, double length, double direction);

struct SamplePlace {
  std::size_t sample = 0;  // index into the samples
  D_DOT top{};
  double length = 0.0;
  int32_t colour = 8;  // 8 and 9 by turns
  bool labelled = false;  // the first, and every fifth drawn
  std::vector<D_DOT> box;
};

// The samples placed along the section trace (its tick left out), in row
// order: a sample starts on the first segment whose far end lies beyond its
// from depth; one that starts above the collar or at or beyond the trace's
// end, or ends too deep for paper, is left out and changes neither colour
// nor count.
std::vector<SamplePlace> PlaceSamples(const std::vector<D_DOT>& sectionTrace, const std::vector<HoleSample>& samples,
                                      int32_t sectionScale);

}  // namespace zv::zavediz
