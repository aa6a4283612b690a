// Gathering a legend sample: the outlines, what of the sources goes into the
// sample, its normalisation into the 12 × 8 item box, and the point size
// fields by kind.
#include "annotation/core/legend_gather.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/platform/data/area_probes.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

std::vector<D_DOT> Corners(const GatherOutline& o) { return {o.begin(), o.end()}; }

void ExpectDots(const std::vector<D_DOT>& got, const std::vector<D_DOT>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << i;
  }
}

TEST(LegendOutline, EachWayOfChoosingGivesItsCornersInOrder) {
  ExpectDots(Corners(OutlineAroundPoint({100, 50})), {{94, 54}, {106, 54}, {106, 46}, {94, 46}, {94, 54}});
  ExpectDots(Corners(OutlineOfRect({1, 2, 5, 8})), {{1, 2}, {1, 8}, {5, 8}, {5, 2}, {1, 2}});
  ExpectDots(Corners(OutlineOfDrag({9, 1}, {3, 7})), {{9, 1}, {3, 1}, {3, 7}, {9, 7}, {9, 1}});
}

TEST(LegendOutline, OnlyAnOutlineWithWidthAndHeightCanBeScaledToTheItemBox) {
  struct Case {
    const char* what;
    GatherOutline outline;
    bool sized;
  };
  const double inf = INFINITY;
  const Case cases[] = {
      {"a pick box", OutlineAroundPoint({0, 0}), true},
      {"a drag without movement", OutlineOfDrag({5, 5}, {5, 5}), false},
      {"a horizontal line's rectangle", OutlineOfRect({0, 3, 10, 3}), false},
      {"a vertical line's rectangle", OutlineOfRect({2, 0, 2, 9}), false},
      {"an endless rectangle", OutlineOfRect({0, 0, inf, 1}), false},
      {"a tiny but real box", OutlineOfRect({0, 0, 1e-6, 1e-6}), true},
  };
  for (const Case& c : cases) EXPECT_EQ(OutlineHasSize(c.outline), c.sized) << c.what;
  const WorkAreaHandle none[] = {0};
  EXPECT_EQ(GatherLegendSample(OutlineOfDrag({5, 5}, {5, 5}), none), nullptr);
}

class LegendGatherTest : public test::WorkAreasTest {
 protected:
  std::vector<WorkAreaHandle> Sources() const { return {points_, lines_, regions_}; }
  static std::vector<std::vector<D_DOT>> Lines(WorkAreaHandle area) { return zv::test::LiveLines(area); }
};

TEST_F(LegendGatherTest, WhatLiesInsideIsCutOutCentredAndScaledAndTheMapStaysAsItWas) {
  const LIN_INFO li;
  // Through the pick box's corners (94, 46) and (106, 54), and far away.
  BasAppendLine(lines_, {{88, 42}, {112, 58}}, li);
  BasAppendLine(lines_, {{500, 500}, {600, 600}}, li);
  PNT_INFO text;
  text.setKind(0);
  BasAppendPoint(points_, {100, 50}, "砂岩", text);
  BasAppendPoint(points_, {300, 50}, "far", text);
  const int32_t arc = BasAppendLine(regions_, {{90, 40}, {100, 40}, {100, 50}, {90, 50}, {90, 40}}, li);
  BasAppendRegion(regions_, {0, arc}, REG_INFO{});
  const uint64_t revisions = BasGetRevision(points_) + BasGetRevision(lines_) + BasGetRevision(regions_);

  const auto sample = GatherLegendSample(OutlineAroundPoint({100, 50}), Sources());
  ASSERT_NE(sample, nullptr);
  const auto lines = Lines(sample->lines());
  ASSERT_EQ(lines.size(), 1u);
  ExpectDots(lines[0], {{-6, -4}, {6, 4}});
  int32_t live = 0, bound = 0;
  BasGetPointCount(sample->points(), &live, &bound);
  ASSERT_EQ(live, 1);
  D_DOT at{};
  std::string s;
  ASSERT_TRUE(BasReadPoint(sample->points(), 1, &at, &s, nullptr));
  EXPECT_EQ(s, "砂岩");
  EXPECT_NEAR(at.x, 0, 1e-9);
  EXPECT_NEAR(at.y, 0, 1e-9);
  // The square overlaps the box's lower-left quarter: (94, 46)–(100, 50).
  BasGetRegionCount(sample->regions(), &live, &bound);
  ASSERT_EQ(live, 1);
  D_RECT r{};
  ASSERT_TRUE(BasGetWorkAreaRect(sample->regions(), &r));
  EXPECT_NEAR(r.xmin, -6, 1e-9);
  EXPECT_NEAR(r.ymin, -4, 1e-9);
  EXPECT_NEAR(r.xmax, 0, 1e-9);
  EXPECT_NEAR(r.ymax, 0, 1e-9);

  EXPECT_EQ(BasGetRevision(points_) + BasGetRevision(lines_) + BasGetRevision(regions_), revisions);
  int32_t n = 0;
  BasGetLineCount(lines_, &n, &bound);
  EXPECT_EQ(n, 2);
}

// An outline 24 wide and 32 high: sx 0.5, sy 0.25, each field by its own
// factor, and sizes of other kinds untouched.
TEST_F(LegendGatherTest, PointSizeFieldsFollowTheScaleByKind) {
  struct Field {
    uint8_t offset;
    bool isDouble;
    double factor;
  };
  struct Case {
    uint8_t kind;
    std::vector<Field> scaled;
  };
  const double sx = 0.5, sy = 0.25;
  const Case cases[] = {
      {0, {{2, false, sy}, {6, false, sx}, {10, false, sx}}},
      {1, {{10, false, sx}, {6, false, sy}}},
      {2, {{2, true, sx}}},
      {3, {{2, true, sx}}},
      {4, {{2, true, sx}, {10, true, sy}}},
      {5, {{2, false, sy}, {6, false, sx}, {10, false, sx}, {23, false, sy}, {27, false, sx}, {31, false, sy}}},
      {6, {}},
  };
  // Every float and double field a kind may scale holds 2; untouched ones stay 2.
  const uint8_t floats[] = {2, 6, 10, 23, 27, 31};
  const uint8_t doubles[] = {2, 10};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    BasClearWorkArea(points_);
    const bool wide = c.kind >= 2 && c.kind <= 4;
    PNT_INFO info;
    info.setKind(c.kind);
    if (wide)
      for (uint8_t o : doubles) info.Set<double>(o, 2.0);
    else
      for (uint8_t o : floats) info.Set<float>(o, 2.0f);
    BasAppendPoint(points_, {0, 0}, "x", info);
    const auto sample = GatherLegendSample(OutlineOfRect({-12, -16, 12, 16}), Sources());
    ASSERT_NE(sample, nullptr);
    PNT_INFO got;
    ASSERT_TRUE(BasReadPoint(sample->points(), 1, nullptr, nullptr, &got));
    auto factorAt = [&](uint8_t offset, bool isDouble) {
      for (const Field& f : c.scaled)
        if (f.offset == offset && f.isDouble == isDouble) return f.factor;
      return 1.0;
    };
    if (wide)
      for (uint8_t o : doubles) EXPECT_DOUBLE_EQ(got.Get<double>(o), 2.0 * factorAt(o, true)) << int(o);
    else
      for (uint8_t o : floats) EXPECT_FLOAT_EQ(got.Get<float>(o), 2.0f * factorAt(o, false)) << int(o);
  }
}

TEST_F(LegendGatherTest, ASubGraphOfHeightTwoInABoxTwiceTheItemBecomesHeightOne) {
  PNT_INFO info;
  info.setKind(1);
  info.Set<float>(6, 2.0f);
  BasAppendPoint(points_, {5, 5}, "", info);
  const auto sample = GatherLegendSample(OutlineOfRect({-7, -3, 17, 13}), Sources());
  ASSERT_NE(sample, nullptr);
  PNT_INFO got;
  ASSERT_TRUE(BasReadPoint(sample->points(), 1, nullptr, nullptr, &got));
  EXPECT_FLOAT_EQ(got.Get<float>(6), 1.0f);
}

// Sources of other kinds are passed over; an area listed twice gives twice.
TEST_F(LegendGatherTest, EverySourceIsClippedByItsTypeIntoTheSample) {
  const LIN_INFO li;
  const WorkAreaHandle moreLines = BasCreateLineWorkArea(set_);
  const WorkAreaHandle table = BasCreateWorkArea(set_, kFourthKindArea);
  BasAppendLine(lines_, {{-1, 0}, {1, 0}}, li);
  BasAppendLine(moreLines, {{0, -1}, {0, 1}}, li);
  const std::vector<WorkAreaHandle> sources = {moreLines, table, lines_, 0};
  const auto sample = GatherLegendSample(OutlineOfRect({-6, -4, 6, 4}), sources);
  ASSERT_NE(sample, nullptr);
  const auto lines = Lines(sample->lines());
  ASSERT_EQ(lines.size(), 2u);
  ExpectDots(lines[0], {{0, -1}, {0, 1}});
  ExpectDots(lines[1], {{-1, 0}, {1, 0}});
}

}  // namespace
}  // namespace zv::annot
