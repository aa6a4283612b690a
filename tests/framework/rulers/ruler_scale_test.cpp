#include "framework/rulers/ruler_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace zv::rulers {
namespace {

TEST(RulerScale, StepsByZoomBand) {
  struct Case {
    double zoom;
    RulerSteps steps;
  };
  const Case cases[] = {
      {0.3, {400, 40}},     // k = 3 made 4
      {0.5, {200, 20}},     // k = 2
      {1, {100, 10}},       // k = 1 stays
      {1.5, {50, 5}},       // k = 1 made 2 above zoom 1
      {3, {25, 2}},         // k = 4, whole divisions
      {10, {10, 1}},
      {15, {10, 1}},
      {40, {2.5, 0.25}},
  };
  for (const Case& c : cases) EXPECT_EQ(StepsForZoom(c.zoom), c.steps) << c.zoom;
}

TEST(RulerScale, LabelPrecisionByZoomBand) {
  const std::pair<double, int> cases[] = {{50, 0}, {100, 0}, {500, 1}, {5000, 2}, {50000, 3}};
  for (const auto& [zoom, decimals] : cases) EXPECT_EQ(LabelDecimals(zoom), decimals) << zoom;
}

std::vector<int> Positions(const std::vector<RulerTick>& ticks, std::size_t count) {
  std::vector<int> out;
  for (std::size_t i = 0; i < count && i < ticks.size(); ++i) out.push_back(ticks[i].position);
  return out;
}

TEST(RulerScale, TicksOfAHorizontalRulerByHand) {
  // Zoom 2, origin 130, 200 pixels: 100 map units long; major step 50 →
  // 100 pixels a step, base 100, p = (130 − 100) × 2 = 60.
  const std::vector<RulerTick> major = RulerTicks({true, 200, 130, 2, 50, true});
  ASSERT_EQ(major.size(), 5u);  // n = (100 + 100) / 50
  EXPECT_EQ(Positions(major, 5), (std::vector<int>{-60, 40, 140, 240, 340}));
  EXPECT_EQ(major[0].label, "100");
  EXPECT_EQ(major[1].label, "150");
  // Minor step 5: 10 pixels, no labels.
  const std::vector<RulerTick> minor = RulerTicks({true, 200, 130, 2, 5, false});
  EXPECT_EQ(Positions(minor, 3), (std::vector<int>{-60, -50, -40}));
  EXPECT_TRUE(minor[0].label.empty());
}

TEST(RulerScale, TicksOfAVerticalRulerCountUpFromTheBottom) {
  // Zoom 1, origin −250, 300 pixels: base −200, p = −50; j steps once
  // (−50 / 100 is not below −1, so none): y = 300 − i × 100 − 50.
  const std::vector<RulerTick> major = RulerTicks({false, 300, -250, 1, 100, true});
  EXPECT_EQ(Positions(major, 3), (std::vector<int>{250, 150, 50}));
  EXPECT_EQ(major[0].label, "-200");
  EXPECT_EQ(major[1].label, "-100");
}

TEST(RulerScale, FractionalLabelsFollowTheZoomBands) {
  // Zoom 500: major step 0.2 (fractional), labels with one decimal from the
  // origin cut to tenths.
  const std::vector<RulerTick> major = RulerTicks({true, 1000, 12.375, 500, 0.2, true});
  ASSERT_EQ(major.size(), 11u);  // (2 + 100) / 10 + 1
  EXPECT_EQ(major[0].label, "12.4");
  EXPECT_EQ(major[0].position, -37);  // −(12.375 − 12.3) × 500
  EXPECT_EQ(major[1].label, "12.6");
  EXPECT_EQ(major[1].position, 62);
  const std::vector<RulerTick> at40 = RulerTicks({true, 400, 7.5, 40, 2.5, true});
  EXPECT_EQ(at40[0].label, "8") << "%0.0f rounds 7.5 to even";
}

// A view may pass any zoom (none yet, a zero extent, a far zoom-out) and any
// origin: a paint must never throw or hang, and a drawable pass keeps its
// ticks within the ruler's reach.
TEST(RulerScale, ExtremeZoomsAndOriginsGiveBoundedTicksOrNone) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double zoom, origin;
    bool drawn;
  };
  const Case cases[] = {
      {0, 0, false},     {-1, 0, false},       {nan, 0, false},       {inf, 0, false},
      {1, nan, false},   {1, inf, false},      {1e-12, 0, true},      {1e-300, 0, true},
      {1e12, 0, true},   {1e300, 0, true},     {1, 1e12, true},       {1, -1e12, true},
      {50000, -1e300, true}, {1, -1e300, false}, {0.001, 1e17, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " origin " << c.origin);
    const RulerSteps steps = StepsForZoom(c.zoom);
    for (bool major : {true, false}) {
      const std::vector<RulerTick> ticks = RulerTicks({true, 800, c.origin, c.zoom, major ? steps.major : steps.minor, major});
      EXPECT_EQ(!ticks.empty(), c.drawn);
      EXPECT_LE(ticks.size(), 1000u);
      for (const RulerTick& t : ticks) EXPECT_TRUE(t.position > -1000 && t.position < 2000) << t.position;
    }
  }
  EXPECT_EQ(StepsForZoom(1e-12), (RulerSteps{1e14, 1e13})) << "no int overflow for a far zoom-out";
}

}  // namespace
}  // namespace zv::rulers
