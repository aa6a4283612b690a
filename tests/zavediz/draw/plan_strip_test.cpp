// 读取平面数据 on its own: a line from ground (1000, 2000) to (1800, 2600) at
// 1:10000 on the plan and 1:2000 on the section, strip 30 mm wide, level
// −35: plan (140, 230) lies on the line 50 mm from its start, so it lands at
// (250, −35); the corridor reaches 3 plan mm to either side.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/data/geometry.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/draw/section_fixture.h"
#include "zavediz/draw/plan_strip.h"

namespace zv::zavediz {
namespace {

constexpr double kStripWidth = 30.0;

class PlanStripTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    data_.headerSet = true;
    data_.planScale = 10000;
    data_.sectionScale = 2000;
    data_.groundStart = {1000, 2000};
    data_.groundEnd = {1800, 2600};
    data_.direction = std::atan2(600.0, 800.0);
    data_.bottomLeft = {0, -35};
    data_.terrain.InsertAt(1, 0, 0.0, 100.0, "", 0.0);
    section_ = BasCreateWorkAreaSet();
    into_ = {BasCreateLineWorkArea(section_), BasCreatePointWorkArea(section_), BasCreateRegionWorkArea(section_)};
  }
  void TearDown() override {
    BasFreeWorkAreaSet(section_);
    WorkAreasTest::TearDown();
  }

  // A plan point `along` mm from the line's start and `off` mm to its left.
  static D_DOT Plan(double along, double off) { return {100 + 0.8 * along - 0.6 * off, 200 + 0.6 * along + 0.8 * off}; }

  void AddPoint(double along, double off, const std::string& text) {
    PNT_INFO info;
    info.setKind(0);
    BasAppendPoint(points_, Plan(along, off), text, info);
  }
  WorkAreaHandle AddRegion(const std::vector<std::vector<D_DOT>>& rings) {
    std::vector<int32_t> arcs{0};
    for (const std::vector<D_DOT>& ring : rings) {
      if (arcs.size() > 1) arcs.push_back(0);
      arcs.push_back(BasAppendLine(regions_, ring, LIN_INFO{}));
    }
    BasAppendRegion(regions_, arcs, REG_INFO{});
    return regions_;
  }
  std::string Read(const PlanStripSources& sources, double width = kStripWidth) {
    return ReadPlanDataForZavediz(&data_, sources, width, into_);
  }
  static int32_t Live(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }

  SectionData data_;
  WorkAreaSetHandle section_ = 0;
  ZavedizAreas into_;
};

TEST_F(PlanStripTest, PointsOnAndNearTheLineLandInTheStripAndFarOnesStayOut) {
  AddPoint(50, 0, "on");
  AddPoint(50, 1, "beside");  // (139.4, 230.8)
  AddPoint(50, 4, "off");
  AddPoint(-1, 0, "before");  // the corridor ends at the line's ends
  ASSERT_NEAR(Plan(50, 1).x, 139.4, 1e-12);
  ASSERT_NEAR(Plan(50, 1).y, 230.8, 1e-12);
  EXPECT_EQ(Read({{points_}, {}, {}}), "");
  const std::vector<test::Note> notes = test::Notes(into_.point);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].text, "on");
  EXPECT_NEAR(notes[0].at.x, 250, 1e-9);
  EXPECT_NEAR(notes[0].at.y, -35, 1e-9);
  EXPECT_EQ(notes[1].text, "beside");
  EXPECT_NEAR(notes[1].at.x, 250, 1e-9);
  EXPECT_NEAR(notes[1].at.y, -30, 1e-9);
}

TEST_F(PlanStripTest, LinesAreCutAtTheCorridorsEdgesAndRegionsKeepTheirHoles) {
  const std::vector<D_DOT> across{Plan(50, 10), Plan(50, -10)};
  BasAppendLine(lines_, across, LIN_INFO{});
  // A square of 20 mm about the point at 50 mm, with a hole of 4 mm that
  // lies wholly in the corridor.
  AddRegion({{{130, 220}, {150, 220}, {150, 240}, {130, 240}, {130, 220}},
             {{138, 228}, {138, 232}, {142, 232}, {142, 228}, {138, 228}}});
  EXPECT_EQ(Read({{}, {lines_}, {regions_}}), "");

  const std::vector<test::Line> lines = test::Lines(into_.line);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].vertices.size(), 2u);
  EXPECT_NEAR(lines[0].vertices[0].x, 250, 1e-9);
  EXPECT_NEAR(lines[0].vertices[0].y, -20, 1e-9) << "3 plan mm to the left is 15 section mm above the level";
  EXPECT_NEAR(lines[0].vertices[1].x, 250, 1e-9);
  EXPECT_NEAR(lines[0].vertices[1].y, -50, 1e-9);

  ASSERT_EQ(Live(into_.region, kRegionEntity), 1);
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_TRUE(BasGetRegionRings(into_.region, 1, &rings));
  ASSERT_EQ(rings.size(), 2u);
  double low = 0, high = -100;
  for (const D_DOT& p : rings[0]) low = std::min(low, p.y), high = std::max(high, p.y);
  EXPECT_NEAR(low, -50, 1e-9);
  EXPECT_NEAR(high, -20, 1e-9);
  EXPECT_NEAR(std::abs(BasPolygonArea(rings[1].data(), static_cast<int32_t>(rings[1].size()))), 16 * 25, 1e-6)
      << "the hole scaled by 5 in both directions";
}

TEST_F(PlanStripTest, EdgeRunsCopyWhatTheyShouldAndLeaveNoAreaBehind) {
  AddPoint(50, 0, "on");
  BasAppendLine(lines_, std::vector<D_DOT>{Plan(10, 0), Plan(20, 0)}, LIN_INFO{});
  struct Case {
    const char* name;
    double width;
    bool withPoints;
    int runs;
    int points, lines;
  };
  const Case cases[] = {
      {"a strip without width clips nothing", 0.0, true, 1, 0, 0},
      {"a plan without point files copies its lines", kStripWidth, false, 1, 0, 1},
      {"twice adds twice", kStripWidth, true, 2, 2, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BasClearWorkArea(into_.point);
    BasClearWorkArea(into_.line);
    const WorkAreaSetHandle before = BasCreateWorkAreaSet();
    const WorkAreaHandle areaBefore = BasCreatePointWorkArea(before);
    PlanStripSources sources{{}, {lines_}, {regions_}};
    if (c.withPoints) sources.points = {points_};
    for (int i = 0; i < c.runs; ++i) EXPECT_EQ(Read(sources, c.width), "");
    EXPECT_EQ(Live(into_.point, kPointEntity), c.points);
    EXPECT_EQ(Live(into_.line, kLineEntity), c.lines);
    const WorkAreaSetHandle after = BasCreateWorkAreaSet();
    const WorkAreaHandle areaAfter = BasCreatePointWorkArea(after);
    for (WorkAreaSetHandle set = before + 1; set < after; ++set) EXPECT_FALSE(BasFreeWorkAreaSet(set)) << set;
    for (WorkAreaHandle area = areaBefore + 1; area < areaAfter; ++area) EXPECT_FALSE(BasIsWorkAreaValid(area)) << area;
    BasFreeWorkAreaSet(before);
    BasFreeWorkAreaSet(after);
  }
}

TEST_F(PlanStripTest, WithoutSectionDataOrTerrainNothingHappens) {
  AddPoint(50, 0, "on");
  const PlanStripSources sources{{points_}, {}, {}};
  EXPECT_EQ(ReadPlanDataForZavediz(nullptr, sources, kStripWidth, into_), kNoSectionInfoMessage);
  data_.terrain.RemoveAll();
  EXPECT_EQ(Read(sources), kNoTerrainDataMessage);
  EXPECT_EQ(Live(into_.point, kPointEntity), 0);
}

}  // namespace
}  // namespace zv::zavediz
