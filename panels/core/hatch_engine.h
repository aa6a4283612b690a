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

// The most pieces (hatch lines, dash steps, cell parts) one pattern may take
// over one outline.
inline constexpr double kMaxHatchPieces = 1e6;

// What was left out: notes for the user, and whether the whole pattern was
// too dense to draw.
struct HatchOutcome {
  std::vector<std::string> notes;
  bool tooDense = false;
};

// The families of one pattern, in order, at the user angle.
HatchOutcome HatchFamilies(const std::vector<HatchFamily>& families, const std::vector<D_DOT>& outline,
                           double userAngle, const LIN_INFO& info, HatchSink& sink);

// A library pattern tiled in cells of scaleX × scaleY; elements whose colour
// is 0 take `defaultColour` (the pattern colour).
HatchOutcome HatchCells(const display::SymbolEntry& entry, const std::vector<D_DOT>& outline, double userAngle,
                        double scaleX, double scaleY, const LIN_INFO& info, int defaultColour, HatchSink& sink);

}  // namespace zv::panels
