#include "zavediz/data/hole_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/data/geometry.h"
#include "zavediz/chart/chart_db.h"

namespace zv::zavediz {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTickLength = 6.0;
constexpr double kBoxWidth = 1.0;
constexpr const char* kDegreeSign = "°";
constexpr const char* kMinuteSign = "′";

double Paper(double metres, int32_t scale) { return metres * 1000.0 / scale; }

// One step of the trace: length L steered by a station.
struct Step {
  D_DOT plan;
  D_DOT section;
};

Step StepOf(double length, const HoleStation& station, double beta, bool vertical) {
  const double theta = ParseAngleText(station.inclination);
  const double gamma = ParseAngleText(station.azimuth) - beta;
  const D_DOT plan{length * std::sin(theta) * std::cos(gamma), -length * std::sin(theta) * std::sin(gamma)};
  const D_DOT section = vertical ? D_DOT{0.0, -length} : D_DOT{plan.x, -length * std::cos(theta)};
  return {plan, section};
}

D_DOT Plus(const D_DOT& a, const D_DOT& b) { return {a.x + b.x, a.y + b.y}; }

}  // namespace

double ParseAngleText(const std::string& text) {
  double degrees = 0.0;
  const std::size_t sign = text.find(kDegreeSign);
  if (sign == std::string::npos) {
    degrees = chart::NumOf(text);
  } else {
    degrees = chart::NumOf(text.substr(0, sign));
    const std::string rest = text.substr(sign + std::string(kDegreeSign).size());
    const std::size_t minute = rest.find(kMinuteSign);
    if (minute != std::string::npos) degrees += chart::NumOf(rest.substr(0, minute)) / 60.0;
  }
  return degrees * kPi / 180.0;
}

std::optional<D_DOT> PlaceHoleCollar(const SectionData& data, const HoleCollar& collar, double stripWidth) {
  const D_DOT k{collar.y, collar.x};
  double delta = BasSegmentAngle(data.groundStart, k) - BasSegmentAngle(data.groundStart, data.groundEnd);
  if (delta < -kPi) delta += 2 * kPi;
  if (delta > kPi) delta -= 2 * kPi;
  if (delta > kPi / 2 || delta < -kPi / 2) return std::nullopt;
  const double l = Paper(BasPointDistance(data.groundStart, k), data.sectionScale);
  const D_DOT q{data.sectionStart.x + l * std::cos(delta), data.sectionStart.y + l * std::sin(delta)};
  const D_RECT strip{data.bottomLeft.x, data.sectionStart.y - stripWidth / 2, data.bottomRight.x,
                     data.sectionStart.y + stripWidth / 2};
  if (!BasPointInRect(strip, q)) return std::nullopt;
  return q;
}

HoleTraces TraceHole(const SectionData& data, const D_DOT& planCollar, double collarElevation, double finalDepth,
                     const std::vector<HoleStation>& stations) {
  HoleTraces traces;
  traces.section.reserve(stations.size() + 3);
  traces.plan.reserve(stations.size() + 2);
  traces.section.push_back({planCollar.x, collarElevation});
  traces.plan.push_back(planCollar);
  const double beta = kPi / 2 - data.direction;
  double previousDepth = 0.0;  // z_{k−1}
  double reached = 0.0;        // M_{k−1}
  for (std::size_t k = 1; k <= stations.size(); ++k) {
    const double depth = Paper(stations[k - 1].depth, data.sectionScale);
    const double middle = (previousDepth + depth) / 2;
    const HoleStation& steering = stations[k == 1 ? 0 : k - 2];
    const Step step = StepOf(middle - reached, steering, beta, stations[k - 1].azimuth.empty());
    traces.plan.push_back(Plus(traces.plan.back(), step.plan));
    traces.section.push_back(Plus(traces.section.back(), step.section));
    previousDepth = depth;
    reached = middle;
  }
  const double last = Paper(finalDepth, data.sectionScale) - reached;
  // Without stations no angle steers the hole: it goes straight down.
  const Step step = stations.empty() ? Step{{0.0, 0.0}, {0.0, -last}} : StepOf(last, stations.back(), beta, false);
  traces.plan.push_back(Plus(traces.plan.back(), step.plan));
  traces.section.push_back(Plus(traces.section.back(), step.section));
  traces.section.push_back({traces.section.back().x - kTickLength, traces.section.back().y});
  return traces;
}

std::vector<D_DOT> SampleBox(const D_DOT& top, double length, double direction) {
  // Along the segment d, across to its left n.
  const D_DOT d{std::cos(direction), std::sin(direction)};
  const D_DOT n{-d.y, d.x};
  const D_DOT corners[] = {{0, 0}, {0, -length}, {kBoxWidth, -length}, {kBoxWidth, 0}, {0, 0}};
  std::vector<D_DOT> box;
  box.reserve(5);
  for (const D_DOT& c : corners) box.push_back({top.x - c.y * d.x + c.x * n.x, top.y - c.y * d.y + c.x * n.y});
  return box;
}

std::vector<SamplePlace> PlaceSamples(const std::vector<D_DOT>& sectionTrace, const std::vector<HoleSample>& samples,
                                      int32_t sectionScale) {
  std::vector<SamplePlace> places;
  if (sectionTrace.size() < 3) return places;
  const std::size_t segments = sectionTrace.size() - 2;  // the tick left out
  std::vector<double> ends(segments);
  double total = 0.0;
  for (std::size_t i = 0; i < segments; ++i) ends[i] = total += BasPointDistance(sectionTrace[i], sectionTrace[i + 1]);

  int32_t colour = 8;
  for (std::size_t s = 0; s < samples.size(); ++s) {
    const double from = Paper(samples[s].from, sectionScale);
    // A negative from depth would start on a zero-length first segment.
    if (from < 0.0) continue;
    const auto found = std::upper_bound(ends.begin(), ends.end(), from);
    const double length = std::fabs(from - Paper(samples[s].to, sectionScale));
    // A to depth too large for paper would give a box without an end.
    if (found == ends.end() || !std::isfinite(length)) continue;
    const std::size_t i = static_cast<std::size_t>(found - ends.begin());
    const D_DOT& a = sectionTrace[i];
    const D_DOT& b = sectionTrace[i + 1];
    const double t = (from - (i == 0 ? 0.0 : ends[i - 1])) / (ends[i] - (i == 0 ? 0.0 : ends[i - 1]));
    SamplePlace place;
    place.sample = s;
    place.top = {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
    place.length = length;
    place.colour = colour;
    const std::size_t drawn = places.size() + 1;
    place.labelled = drawn == 1 || drawn % 5 == 0;
    place.box = SampleBox(place.top, place.length, BasLineDirection(a, b));
    places.push_back(std::move(place));
    colour = colour == 8 ? 9 : 8;
  }
  return places;
}

}  // namespace zv::zavediz
