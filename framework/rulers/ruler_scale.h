#pragma once
// What a ruler along a map view shows at a zoom (pixels per map unit): two
// steps in map units (labelled major ticks, short minor ticks) and the
// ticks' pixel positions and labels for the view's origin. Map y grows
// upward, so the vertical ruler counts from its bottom edge.

#include <string>
#include <vector>

namespace zv::rulers {

inline constexpr int kRulerWidth = 14;
inline constexpr int kMinorTickOffset = 10;

struct RulerSteps {
  double major = 0;
  double minor = 0;
  friend bool operator==(const RulerSteps&, const RulerSteps&) = default;
};

// z ≤ 1: k = trunc(1/z), an odd k above 1 made even, 100k and 10k;
// 1 < z ≤ 10: k = trunc(z) made even, 100/k and 10/k (whole divisions);
// 10 < z ≤ 20: 10 and 1; beyond: 100/z and 10/z. A zoom that is not a
// positive number gives steps of 0.
RulerSteps StepsForZoom(double zoom);

// Decimals of the labels in the fractional regime: 0 for z ≤ 100, 1 below
// 1000, 2 below 10000, else 3.
int LabelDecimals(double zoom);

struct RulerTick {
  int position = 0;   // x on the horizontal ruler, y on the vertical one
  std::string label;  // empty for minor ticks
  friend bool operator==(const RulerTick&, const RulerTick&) = default;
};

struct RulerPass {
  bool horizontal = true;
  int length = 0;      // the ruler's right (horizontal) or bottom (vertical) in pixels
  double origin = 0;   // the view's origin along the ruler, map units
  double zoom = 1;
  double step = 100;   // map units
  bool major = true;   // major ticks carry labels
};

// The ticks of one pass, in drawing order; none when the pass cannot be
// drawn (a step or zoom not positive, an origin not finite, more ticks than
// any screen holds, whole labels beyond a long).
std::vector<RulerTick> RulerTicks(const RulerPass& pass);

}  // namespace zv::rulers
