#include "framework/rulers/ruler_scale.h"

#include <cmath>

#include "framework/text/numbers.h"

namespace zv::rulers {
namespace {

constexpr double kLabelPrecision[] = {1.0, 10.0, 100.0, 1000.0};
constexpr const char* kLabelFormats[] = {"%0.0f", "%0.1f", "%0.2f", "%0.3f"};

int EvenUp(int k) { return k % 2 != 0 ? k + 1 : k; }

}  // namespace

RulerSteps StepsForZoom(double z) {
  if (z <= 1) {
    int k = static_cast<int>(std::trunc(1 / z));
    // At zoom 1 (k = 1) the steps stay 100 and 10.
    if (k > 1) k = EvenUp(k);
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
  const long mapLength = static_cast<long>(std::trunc(r.length / z));
  const bool whole = r.major ? s >= 10 : s >= 1;
  long n = 0;
  double p = 0;
  long base = 0;
  long d = 0;
  const int decimals = LabelDecimals(z);
  if (whole) {
    d = static_cast<long>(std::trunc(s));
    n = (mapLength + 100) / d;
    base = 100 * static_cast<long>(std::trunc(r.origin / 100));
    p = (r.origin - static_cast<double>(base)) * z;
  } else {
    n = r.major ? (mapLength + 100) / 10 : mapLength + 100;
    const double precision = kLabelPrecision[decimals];
    p = (r.origin - std::trunc(r.origin * precision) / precision) * z;
  }
  long j = 0;
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
      tick.label = whole ? num::FormatInt(base + (i - j) * d)
                         : num::Format(kLabelFormats[decimals], static_cast<double>(i - j) * s + r.origin);
    ticks.push_back(std::move(tick));
  }
  return ticks;
}

}  // namespace zv::rulers
