#pragma once
// The state of one drawing of a section sheet, handed from pass to pass:
// the section data it reads (never written: the plan document owns it), the
// writer over the section view's three work areas, the section settings,
// and the drawing's own values.
//
// Units are section mm. `start` and `end` begin as the cut's section points
// (x the start and end distance, y the plan strip's centre line) and the
// end posts move their x to the first and last points with an elevation;
// the passes after them use these, while the cut's copies (the section
// data's bottom points) keep the cut's distances.
//
// The frame, title block and plan strip work on copies of the platform's
// current default line and text records taken when the drawing starts, so a
// drawing leaves the user's defaults as they were.

#include <cstdint>
#include <string>
#include <vector>

#include "zavediz/draw/terrain_queries.h"
#include "zavediz/draw/zavediz_writer.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

// The section settings the passes read ([PM] of the settings file).
struct SheetOptions {
  double ichnography = 30.0;  // plan-strip width, mm
  double groundData = 2.0;    // overburden thickness, mm
  int32_t groundColour = 128; // overburden fill colour
  int curve = 1;              // curve flag of ground and overburden lines
  int strap = 0;              // zone number before first-family grid labels
  int32_t editStrap = 39;     // the zone number
  double stratum = 8.0;       // depth of the bedrock line under the overburden, mm
  int32_t boreholeSymbol = 1011;  // sub-graph of a design borehole in the plan strip
};

// An overburden arc of the region area with the distances of its ends.
struct OverburdenArc {
  int32_t id = 0;
  double firstX = 0.0;
  double lastX = 0.0;
};

struct ZavedizSheet {
  ZavedizSheet(const SectionData& data, ZavedizAreas areas, SheetOptions options, Tell tell);

  const SectionData& data;
  ZavedizWriter out;
  SheetOptions options;
  Tell tell;
  // Set for the sections along a polyline (every drawing but the straight one).
  bool polyline = false;

  D_DOT start;
  D_DOT end;
  double h = 15.0;  // half the plan strip
  double d = 0.0;   // the frame's rise for a vertical projection

  LIN_INFO lineParams;
  PNT_INFO textParams;

  std::vector<OverburdenArc> overburdenArcs;

  bool VerticalProjection() const { return data.verticalProjection == kVerticalProjection; }
  bool WithOverburden() const;
  // The section's base level: the plan strip's top + 20.
  double BaseLevel() const { return start.y + h + 20.0; }
};

}  // namespace zv::zavediz
