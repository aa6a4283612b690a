// Where a drilled hole lies on a section: angle texts, the collar on the
// plan strip, the traces and the sample boxes, worked by hand.
#include "zavediz/data/hole_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/text/numbers.h"

namespace zv::zavediz {
namespace {

constexpr double kPi = std::numbers::pi;

std::string Text(const std::vector<D_DOT>& points) {
  std::string text;
  for (const D_DOT& p : points) {
    std::string x = num::Format("%.3f", p.x), y = num::Format("%.3f", p.y);
    text += "(" + (x == "-0.000" ? "0.000" : x) + "," + (y == "-0.000" ? "0.000" : y) + ")";
  }
  return text;
}

// A section cut at 1:1000 from ground (1000, 2000) in direction `degrees`,
// its start and plan-strip centre line at y = −115, 1000 mm long.
void CutSection(SectionData& data, double degrees) {
  const double a = degrees * kPi / 180;
  data.sectionScale = 1000;
  data.groundStart = {1000, 2000};
  data.groundEnd = {1000 + 1000 * std::cos(a), 2000 + 1000 * std::sin(a)};
  data.direction = a > kPi ? a - 2 * kPi : a;
  data.sectionStart = data.bottomLeft = {0, -115};
  data.bottomRight = {1000, -115};
}

TEST(HoleTrace, AngleTextsAreDegreesAndMinutes) {
  const std::pair<const char*, double> cases[] = {
      {"45°30′", 45.5}, {"45°", 45}, {"45.5", 45.5}, {"45°30", 45}, {"45°30′15″", 45.5}, {"", 0}, {"x", 0}};
  for (const auto& [text, degrees] : cases) EXPECT_DOUBLE_EQ(ParseAngleText(text), degrees * kPi / 180) << text;
}

TEST(HoleTrace, TheCollarLiesOnTheStripOrOffTheSection) {
  struct Case {
    const char* name;
    double lineDegrees;
    HoleCollar collar;  // northing, easting
    const char* plan;   // none: off the section
  };
  const double d10 = 10 * kPi / 180;
  const Case cases[] = {
      {"along a line at 30°", 30, {2100, 1200}, "(223.205,-128.397)"},
      {"2 m further across", 30, {2100 - std::sqrt(3.0), 1201}, nullptr},
      {"exactly abeam of the start", 0, {2010, 1000}, "(0.000,-105.000)"},
      {"behind the start", 0, {2000, 990}, nullptr},
      {"bearings either side of +x: upward", 350, {2000 + 20 * std::sin(d10), 1000 + 20 * std::cos(d10)},
       "(18.794,-108.160)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SectionData data;
    CutSection(data, c.lineDegrees);
    const std::optional<D_DOT> q = PlaceHoleCollar(data, c.collar, 30.0);
    EXPECT_EQ(q ? Text({*q}) : "off", c.plan ? c.plan : "off");
  }
}

TEST(HoleTrace, TracesStepOverTheStationMidpoints) {
  struct Case {
    const char* name;
    std::vector<HoleStation> stations;
    double depth;
    const char* section;
    const char* plan;
  };
  const Case cases[] = {
      {"vertical: straight down, the tick 6 mm left", {{30, "0", "0"}, {60, "0", "0"}}, 100,
       "(10.000,50.000)(10.000,35.000)(10.000,5.000)(10.000,-50.000)(4.000,-50.000)",
       "(10.000,-110.000)(10.000,-110.000)(10.000,-110.000)(10.000,-110.000)"},
      // Steps 25, 75 (station 1, vertical) and 100 (station 2, flat along
      // the line).
      {"stations 50 and 150, depth 200", {{50, "0", "90°"}, {150, "90°", "90°"}}, 200,
       "(10.000,50.000)(10.000,25.000)(10.000,-50.000)(110.000,-50.000)(104.000,-50.000)",
       "(10.000,-110.000)(10.000,-110.000)(10.000,-110.000)(110.000,-110.000)"},
      // Record 2 has no azimuth: the step down to it is vertical on the
      // section; the last step takes azimuth 0 (north, the line's left).
      {"an empty azimuth", {{40, "30°", "90°"}, {80, "30°", ""}}, 100,
       "(10.000,50.000)(20.000,32.679)(20.000,-7.321)(20.000,-41.962)(14.000,-41.962)",
       "(10.000,-110.000)(20.000,-110.000)(40.000,-110.000)(40.000,-90.000)"},
      {"no stations: straight down", {}, 85.5, "(10.000,50.000)(10.000,-35.500)(4.000,-35.500)",
       "(10.000,-110.000)(10.000,-110.000)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SectionData data;
    CutSection(data, 0);
    const HoleTraces traces = TraceHole(data, D_DOT{10, -110}, 50, c.depth, c.stations);
    EXPECT_EQ(Text(traces.section), c.section);
    EXPECT_EQ(Text(traces.plan), c.plan);
    EXPECT_EQ(traces.plan.size() + 1, traces.section.size());
  }
}

// The box corners as the turning formulas give them: u = 3π/2 − direction,
// clockwise from 2π on, c = cos u and s = √(1 − c²).
std::vector<D_DOT> TurnedBox(double length, double direction) {
  double u = 3 * kPi / 2 - direction;
  const bool clockwise = u >= 2 * kPi;
  if (u < 0) u += kPi;
  const double c = std::cos(u), s = std::sqrt(1 - c * c);
  std::vector<D_DOT> box;
  for (const D_DOT& p : std::vector<D_DOT>{{0, 0}, {0, -length}, {1, -length}, {1, 0}, {0, 0}})
    box.push_back(clockwise ? D_DOT{c * p.x + s * p.y, c * p.y - s * p.x} : D_DOT{c * p.x - s * p.y, s * p.x + c * p.y});
  return box;
}

TEST(HoleTrace, SampleBoxesRunAlongTheirSegmentOnItsLeft) {
  // Wherever the turning formulas hold (every direction but those up to the
  // left), the box is theirs.
  for (double degrees = -180; degrees <= 90; degrees += 15) {
    const double direction = degrees * kPi / 180;
    EXPECT_EQ(Text(SampleBox({0, 0}, 2, direction)), Text(TurnedBox(2, direction))) << degrees;
  }
  // Up to the left they mirror the box across the vertical, off the trace.
  const std::pair<double, const char*> mended[] = {
      {kPi, "(0.000,0.000)(-2.000,0.000)(-2.000,-1.000)(0.000,-1.000)(0.000,0.000)"},
      {3 * kPi / 4, "(0.000,0.000)(-1.414,1.414)(-2.121,0.707)(-0.707,-0.707)(0.000,0.000)"},
  };
  for (const auto& [direction, box] : mended) EXPECT_EQ(Text(SampleBox({0, 0}, 2, direction)), box) << direction;
  EXPECT_EQ(Text(SampleBox({5, -10}, 2, -kPi / 2)), "(5.000,-10.000)(5.000,-12.000)(6.000,-12.000)(6.000,-10.000)(5.000,-10.000)");
}

TEST(HoleTrace, SamplesAlternateColoursAndEveryFifthIsNumbered) {
  const std::vector<D_DOT> trace = {{0, 0}, {0, -100}, {0, -200}, {-6, -200}};
  std::vector<HoleSample> samples;
  for (int i = 0; i < 12; ++i) {
    samples.push_back({"H" + std::to_string(i + 1), 2.0 * i, 2.0 * i + 2});
    if (i == 2) samples.push_back({"below", 250, 252});  // under the 200 mm trace
  }
  samples.push_back({"above", -1, 1});
  samples.push_back({"at the end", 200, 202});
  const std::vector<SamplePlace> places = PlaceSamples(trace, samples, 1000);
  ASSERT_EQ(places.size(), 12u);
  std::string drawn;
  for (const SamplePlace& p : places)
    drawn += samples[p.sample].number + ":" + std::to_string(p.colour) + (p.labelled ? "#" : "") + " ";
  EXPECT_EQ(drawn, "H1:8# H2:9 H3:8 H4:9 H5:8# H6:9 H7:8 H8:9 H9:8 H10:9# H11:8 H12:9 ");
  EXPECT_EQ(Text({places[5].top}), "(0.000,-10.000)");
  EXPECT_DOUBLE_EQ(places[5].length, 2.0);
  // A sample across a bend starts on the segment it begins in.
  const std::vector<SamplePlace> bent = PlaceSamples({{0, 0}, {0, -10}, {10, -10}, {4, -10}}, {{"B", 15, 17}}, 1000);
  ASSERT_EQ(bent.size(), 1u);
  EXPECT_EQ(Text({bent[0].top}), "(5.000,-10.000)");
}

}  // namespace
}  // namespace zv::zavediz
