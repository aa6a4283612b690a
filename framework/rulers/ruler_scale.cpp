#include "framework/rulers/ruler_scale.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::rulers {
namespace {

constexpr double kLabelPrecision[] = {1.0, 10.0, 100.0, 1000.0};
constexpr const char* kLabelFormats[] = {"%0.0f", "%0.1f", "%0.2f", "%0.3f"};

int EvenUp(int k) { return k % 2 != 0 ? k + 1 : k; }

// More ticks than a ruler of any screen can show: a pass that would need
// them (a zoom of nearly nothing) draws none instead of running out of
// memory inside a paint.
constexpr double kMaxTicks = 100000;
// Whole-number labels are longs: an origin beyond this has no whole labels.
constexpr double kMaxWholeOrigin = 1e18;

}  // namespace

RulerSteps StepsForZoom(double z) {
  // A view with no usable zoom (none yet, a zero extent, NaN) has no steps.
  if (!(z > 0) || !std::isfinite(z)) return {};
  if (z <= 1) {
    // In doubles: 1/z of a tiny zoom does not fit an int.
    double k = std::trunc(1 / z);
    // At zoom 1 (k = 1) the steps stay 100 and 10.
    if (k > 1 && std::fmod(k, 2) != 0) k += 1;
    return {100.0 * k, 10.0 * k};
  }
  if (z <= 10) {
    const int k = EvenUp(static_cast<int>(std::trunc(z)));
    return {static_cast<double>(100 / k), static_cast<double>(10 / k)};
  }
  if (z <= 20) return {10, 1};
  return {100 / z, 10 / z};
}

int LabelDecimals(double zoom) {
  if (zoom <= 100) return 0;
  if (zoom < 1000) return 1;
  if (zoom < 10000) return 2;
  return 3;
}

std::vector<RulerTick> RulerTicks(const RulerPass& r) {
  const double z = r.zoom;
  const double s = r.step;
  const double S = s * z;
  if (!(z > 0) || !(s > 0) || !std::isfinite(S) || !(S > 0) || !std::isfinite(r.origin)) return {};
  const double mapLength = std::trunc(r.length / z);
  const bool whole = r.major ? s >= 10 : s >= 1;
  const double count = whole ? (mapLength + 100) / std::trunc(s) : r.major ? (mapLength + 100) / 10 : mapLength + 100;
  if (!(count <= kMaxTicks) || (whole && std::abs(r.origin) >= kMaxWholeOrigin)) return {};
  const long n = static_cast<long>(count);
  double p = 0;
  long base = 0;
  long d = 0;
  const int decimals = LabelDecimals(z);
  // Whole labels are counted in integers only while every label stays exact
  // there; a step of a far zoom-out (1e302 at zoom 1e-300) is labelled in
  // doubles instead of overflowing the count.
  const bool exact = whole && s * (count + 2 * kMaxTicks) < 9e15;
  if (whole) {
    if (exact) d = static_cast<long>(std::trunc(s));
    base = 100 * static_cast<long>(std::trunc(r.origin / 100));
    p = (r.origin - static_cast<double>(base)) * z;
  } else {
    const double precision = kLabelPrecision[decimals];
    p = (r.origin - std::trunc(r.origin * precision) / precision) * z;
  }
  long j = 0;
  // A far origin leaves p off by its rounding: walk no further than a ruler.
  if (p / S < -kMaxTicks) return {};
  while (p / S < -1) {
    p += S;
    ++j;
  }
  std::vector<RulerTick> ticks;
  ticks.reserve(static_cast<std::size_t>(n + 1));
  for (long i = 0; i <= n; ++i) {
    RulerTick tick;
    tick.position = r.horizontal ? static_cast<int>(std::trunc(i * S - p))
                                 : static_cast<int>(std::trunc(r.length - i * S + p));
    if (r.major)
      tick.label = exact   ? num::FormatInt(base + (i - j) * d)
                   : whole ? num::Format("%.0f", static_cast<double>(i - j) * std::trunc(s) + static_cast<double>(base))
                           : num::Format(kLabelFormats[decimals], static_cast<double>(i - j) * s + r.origin);
    ticks.push_back(std::move(tick));
  }
  return ticks;
}

}  // namespace zv::rulers
