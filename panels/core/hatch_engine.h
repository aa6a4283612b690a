#pragma once
// The hatch-line engine: continuous and dashed lines for the families of a
// hatch pattern, and tiled cells for a pattern of a pattern library, inside a
// closed outline. What it makes goes to a sink as lines, regions (an outline
// arc with its line record, and the region record) and points, each with its
// record; WorkAreaHatchSink appends them to work areas.
//
// Angles handed in are degrees. Lengths are drawing units. Every family or
// pattern is checked against kMaxHatchPieces before anything is drawn, so a
// pattern far too dense for its outline (a tiny Y scale) answers at once with
// a note instead of drawing for minutes.

#include <string>
#include <vector>

#include "panels/core/hatch_sources.h"
#include "platform/data/param_records.h"
#include "platform/data/work_area.h"

namespace zv::panels {

class HatchSink {
 public:
  virtual ~HatchSink() = default;
  virtual void Line(const std::vector<D_DOT>& vertices, const LIN_INFO& info) = 0;
  virtual void Region(const std::vector<D_DOT>& arc, const LIN_INFO& arcInfo, const REG_INFO& info) = 0;
  virtual void Point(const D_DOT& position, const PNT_INFO& info) = 0;
};

// Appends to a point, a line and a region work area (a one-arc region per
// Region call).
class WorkAreaHatchSink : public HatchSink {
 public:
  WorkAreaHatchSink(WorkAreaHandle points, WorkAreaHandle lines, WorkAreaHandle regions)
      : points_(points), lines_(lines), regions_(regions) {}
  void Line(const std::vector<D_DOT>& vertices, const LIN_INFO& info) override;
  void Region(const std::vector<D_DOT>& arc, const LIN_INFO& arcInfo, const REG_INFO& info) override;
  void Point(const D_DOT& position, const PNT_INFO& info) override;

 private:
  WorkAreaHandle points_, lines_, regions_;
};

// A dot of a dashed family is drawn as a dash of this length and width.
inline constexpr double kHatchDotLength = 0.1;
inline constexpr float kHatchDotWidth = 0.1f;
// Hatch lines run this far beyond the outline on either side, so that their
// crossings with it are proper ones.
inline constexpr double kHatchLineOverrun = 1.0;

// The most pieces (hatch lines, dash steps, cell parts) one pattern may take
// over one outline.
inline constexpr double kMaxHatchPieces = 1e6;

// What was left out: notes for the user, and whether the whole pattern was
// too dense to draw.
struct HatchOutcome {
  std::vector<std::string> notes;
  bool tooDense = false;
};

// Why a family cannot be drawn at all (non-finite numbers, line distance 0,
// dash period 0), as the note the user reads; empty when it can.
std::string UnsoundHatchFamily(const HatchFamily& family);

// The families of one pattern, in order, at the user angle.
HatchOutcome HatchFamilies(const std::vector<HatchFamily>& families, const std::vector<D_DOT>& outline,
                           double userAngle, const LIN_INFO& info, HatchSink& sink);

// The colour of a library element: its own, or `defaultColour` (the pattern
// colour) for 0.
int CellColour(const display::SymbolElement& e, int defaultColour);

// The point record of a point element of a library cell (kind 3 arc, 4 and
// 5 discs, 6 circle) over `point`: the fields the kind names are written,
// the others keep what an earlier element wrote. False, with nothing
// written, for other kinds and for a part too short for its kind.
bool CellPointRecord(const display::SymbolElement& e, const display::LibPart& part, double minScale,
                     double userAngle, int defaultColour, PNT_INFO& point);

// A library pattern tiled in cells of scaleX × scaleY; elements whose colour
// is 0 take `defaultColour` (the pattern colour).
HatchOutcome HatchCells(const display::SymbolEntry& entry, const std::vector<D_DOT>& outline, double userAngle,
                        double scaleX, double scaleY, const LIN_INFO& info, int defaultColour, HatchSink& sink);

}  // namespace zv::panels
