#include "exchange/dxf/dxf_bspline.h"

#include <algorithm>
#include <cmath>

namespace zv::dxf {
namespace {

// A point in homogeneous coordinates (x·w, y·w, w).
struct Weighted {
  double x, y, w;
};

// Spans beyond this many share the sample budget, so a huge spline cannot
// make an unbounded polyline.
constexpr std::size_t kMaxSamples = 100000;

bool ValidKnots(const std::vector<double>& knots, std::size_t count, int degree) {
  if (knots.size() != count + static_cast<std::size_t>(degree) + 1) return false;
  for (std::size_t i = 0; i < knots.size(); ++i)
    if (!std::isfinite(knots[i]) || (i > 0 && knots[i] < knots[i - 1])) return false;
  return knots[count] > knots[static_cast<std::size_t>(degree)];
}

std::vector<double> ClampedUniformKnots(std::size_t count, int degree) {
  const auto p = static_cast<std::size_t>(degree);
  std::vector<double> knots(count + p + 1);
  const std::size_t inner = count - p;  // spans
  for (std::size_t i = 0; i < knots.size(); ++i)
    knots[i] = i <= p ? 0.0 : i >= count ? static_cast<double>(inner) : static_cast<double>(i - p);
  return knots;
}

// The knot span k with knot(k) <= t < knot(k+1), within degree .. count − 1.
std::size_t SpanOf(const DxfBSpline& s, double t) {
  const std::size_t p = static_cast<std::size_t>(s.degree), n = s.control.size();
  const auto first = s.knots.begin() + static_cast<long>(p), last = s.knots.begin() + static_cast<long>(n);
  const auto above = std::upper_bound(first, last, t);
  const std::size_t k = static_cast<std::size_t>(above - s.knots.begin()) - 1;
  return std::clamp(k, p, n - 1);
}

}  // namespace

DxfBSpline UsableBSpline(DxfBSpline spline) {
  const std::size_t n = spline.control.size();
  if (n < 2) return {spline.degree, {}, {}, {}};
  spline.degree = std::clamp(spline.degree, 1, static_cast<int>(n) - 1);
  if (!ValidKnots(spline.knots, n, spline.degree)) spline.knots = ClampedUniformKnots(n, spline.degree);
  const bool weighted = spline.weights.size() == n &&
                        std::all_of(spline.weights.begin(), spline.weights.end(),
                                    [](double w) { return std::isfinite(w) && w > 0; });
  if (!weighted) spline.weights.clear();
  return spline;
}

D_DOT EvaluateBSpline(const DxfBSpline& s, double t) {
  const std::size_t p = static_cast<std::size_t>(s.degree), n = s.control.size();
  t = std::clamp(t, s.knots[p], s.knots[n]);
  const std::size_t k = SpanOf(s, t);
  std::vector<Weighted> d(p + 1);
  for (std::size_t j = 0; j <= p; ++j) {
    const D_DOT& c = s.control[k - p + j];
    const double w = s.weights.empty() ? 1.0 : s.weights[k - p + j];
    d[j] = {c.x * w, c.y * w, w};
  }
  for (std::size_t r = 1; r <= p; ++r) {
    for (std::size_t j = p; j >= r; --j) {
      const std::size_t i = k - p + j;
      const double span = s.knots[i + p - r + 1] - s.knots[i];
      const double a = span > 0 ? (t - s.knots[i]) / span : 0.0;
      d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y, (1 - a) * d[j - 1].w + a * d[j].w};
    }
  }
  return {d[p].x / d[p].w, d[p].y / d[p].w};
}

std::vector<D_DOT> SampleBSpline(const DxfBSpline& spline) {
  const DxfBSpline s = UsableBSpline(spline);
  const std::size_t n = s.control.size();
  if (n < 2) return {};
  if (s.degree == 1) return s.control;  // weights move no point of a straight span
  const std::size_t p = static_cast<std::size_t>(s.degree);
  std::size_t spans = 0;
  for (std::size_t k = p; k < n; ++k) spans += s.knots[k + 1] > s.knots[k] ? 1 : 0;
  const std::size_t perSpan =
      std::clamp<std::size_t>(kMaxSamples / std::max<std::size_t>(spans, 1), 1, kBSplineSamplesPerSpan);
  std::vector<D_DOT> out;
  out.reserve(spans * perSpan + 1);
  for (std::size_t k = p; k < n; ++k) {
    const double a = s.knots[k], b = s.knots[k + 1];
    if (!(b > a)) continue;
    for (std::size_t i = 0; i < perSpan; ++i)
      out.push_back(EvaluateBSpline(s, a + (b - a) * static_cast<double>(i) / static_cast<double>(perSpan)));
  }
  out.push_back(EvaluateBSpline(s, s.knots[n]));
  return out;
}

}  // namespace zv::dxf
