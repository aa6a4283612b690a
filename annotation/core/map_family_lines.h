#pragma once
// The map's family-line engine: the lines and dashes of the families of a
// hatch pattern over a ring set (pattern_rings.h), as two-point lines.
//
// Frames. The rings come already moved into the pattern frame (the fill
// centres and turns them). With X scale Xs and Y scale Ys, lines and dashes
// are generated in that frame with x compressed by Ys / Xs, each segment's
// ends then pass through the per-segment transform — the fan when active,
// then x × Xs / Ys — and the segment is clipped against the real rings. So
// a pattern stretched along x still covers the whole outline at any family
// angle.
//
// Coverage. Line J of a family passes, in the family frame (turned by the
// family angle a), at height y0' + J·dy with y0' the height of the family
// origin (x0, y0) in that frame; every J whose line meets the box of the
// rings is drawn, for either sign of dy. A dash walk covers exactly the
// stretch of its line across that box. With the fan the box is widened by
// its own height on every side, since bent lines reach in from beyond it.
// Dashes start at x0' + J·dx + (the dashes before) + m·period along the
// line; a gap draws nothing, a dot is a 0.1 piece drawn 0.1 wide.
//
// Every piece is a stretch inside or on the rings; nothing of zero length
// and nothing with a non-finite coordinate is emitted.

#include <functional>
#include <vector>

#include "annotation/core/pattern_rings.h"
#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_sources.h"
#include "platform/data/param_records.h"

namespace zv::annot {

// The gradient fan: with `active`, a point (x, y) of the compressed pattern
// frame becomes (x, (D − x)·y / D), D = height / tan(half) × 0.5, half =
// (end − start) / 2 degrees. A fan whose D is 0 or not finite bends nothing.
struct FanSpec {
  bool active = false;
  double startAngle = 0;
  double endAngle = 0;
  double height = 0;  // the fan height: twice the outline's box height
  // D, or 0 when the fan bends nothing.
  double Distance() const;
};

struct MapHatchOptions {
  double scaleX = 5.0;
  double scaleY = 5.0;
  FanSpec fan;
};

// Pieces the families would take over the rings: the lines and dash steps
// the engine walks. Unsound families (dy 0, period 0, non-finite numbers)
// (panels::UnsoundHatchFamily) count nothing.
double EstimateMapHatchPieces(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                              const MapHatchOptions& options);

// Every segment the families generate over the rings, after the
// per-segment transform and before clipping, in the rings' frame; `dot`
// marks the pieces of a dot. Unsound families generate nothing.
using SegmentVisitor = std::function<void(const D_DOT& a, const D_DOT& b, bool dot)>;
void GenerateMapHatchSegments(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                              const MapHatchOptions& options, const SegmentVisitor& visit);

// Draws the families in order into the sink. Unsound families are left out
// with a note each; when the estimate exceeds panels::kMaxHatchPieces
// nothing is drawn and the outcome says it was too dense.
panels::HatchOutcome MapHatchFamilies(const std::vector<panels::HatchFamily>& families, const Rings& rings,
                                      const MapHatchOptions& options, const LIN_INFO& info, panels::HatchSink& sink);

}  // namespace zv::annot
