#include "zavediz/draw/section_cut.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "section_fixture.h"

namespace zv::zavediz {
namespace {

using test::FillStraightSection;

TEST(SectionCut, EmptyProfileIsRefusedAndChangesNothing) {
  SectionData data;
  data.sectionScale = 2000;
  const CutOutcome outcome = CutZavediz(data, 2, 30.0);
  EXPECT_EQ(outcome.operation, 0);
  EXPECT_EQ(outcome.message, kNoSectionLineMessage);
  EXPECT_FALSE(data.xTick.set);
}

// A wrong scale or a line ending far off the map makes a sheet of
// kilometres of paper, whose ticks and elevation lines every 100 mm would
// not fit in memory: such a cut is refused before anything changes.
TEST(SectionCut, SheetsLongerOrHigherThanAKilometreAreRefusedAndChangeNothing) {
  struct Case {
    const char* name;
    std::vector<D_DOT> profile;
    bool refused;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"a plan at 1:10^9 cut at 1:10", {{0.0, 300.0}, {3.6e10, 320.0}}, true},
      {"a line typed far off the map", {{0.0, -4.8e10}, {100.0, 44.0}, {1.4e12, 45.0}}, true},
      {"an end extrapolated beyond any number", {{0.0, 300.0}, {500.0, inf}}, true},
      {"a kilometre long", {{0.0, 300.0}, {kLargestSheet, 320.0}}, false},
      {"a kilometre high from its bottom line", {{0.0, kLargestSheet - 1120.0}, {500.0, 320.0}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SectionData data;
    FillStraightSection(data);
    data.terrain.RemoveAll();
    for (const D_DOT& p : c.profile) data.terrain.InsertAt(data.terrain.GetCount() + 1, 0, p.x, p.y, "", 0.0);
    const CutOutcome outcome = CutZavediz(data, 2, 30.0);
    EXPECT_EQ(outcome.operation, c.refused ? 0 : kDrawStraight);
    EXPECT_EQ(outcome.message, c.refused ? kSheetTooLargeMessage : "");
    EXPECT_EQ(data.xTick.set, !c.refused);
    if (c.refused) EXPECT_EQ(data.sectionStart.y, 0.0);
    data.xTick.set = false;
    data.sectionStart.y = 0.0;
    const CutOutcome survey = CutSurveyZavediz(data, 30.0);
    EXPECT_EQ(survey.operation, c.refused ? 0 : kDrawSurvey);
    EXPECT_EQ(data.xTick.set, !c.refused);
  }
}

TEST(SectionCut, BottomLineFromHeaderProfileOrBoreholes) {
  struct Case {
    const char* name;
    int32_t lowest;
    double profileLow;
    double holeBottom;  // NaN: no borehole in use
    double expected;
  };
  const double none = std::nan("");
  const Case cases[] = {
      {"header lowest elevation", 1000, 523.7, none, 465.0},
      {"profile minimum", -1, 523.7, none, 365.0},
      {"borehole bottom below the terrain", -1, 523.7, 300.0, 265.0},
      {"borehole bottom above the terrain", -1, 523.7, 600.0, 365.0},
      {"negative elevations round down", -1, -47.0, none, -235.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SectionData data;
    FillStraightSection(data);
    data.lowestElevation = c.lowest;
    data.terrain.RemoveAll();
    data.terrain.InsertAt(1, 0, 0.0, c.profileLow + 100, "", 0.0);
    data.terrain.InsertAt(2, 0, 500.0, c.profileLow, "", 0.0);
    // A free slot keeps stale values that must not count.
    data.boreholes[0] = DesignBoreholeRec{false, "old", 900.0, 0, 0, 0, 0, 0, 0, 50.0};
    if (!std::isnan(c.holeBottom)) data.boreholes[5] = DesignBoreholeRec{true, "ZK1", 100.0, 0, 0, 0, 0, 0, 0, c.holeBottom + 100.0};
    ASSERT_EQ(CutZavediz(data, 2, 30.0).operation, kDrawStraight);
    EXPECT_DOUBLE_EQ(data.sectionStart.y, c.expected);
    EXPECT_DOUBLE_EQ(data.sectionEnd.y, c.expected);
    EXPECT_DOUBLE_EQ(data.bottomLeft.x, 0.0);
    EXPECT_DOUBLE_EQ(data.bottomRight.x, 500.0);
    EXPECT_DOUBLE_EQ(data.bottomRight.y, c.expected);
    EXPECT_DOUBLE_EQ(data.xTick.baseY, c.expected);
    EXPECT_DOUBLE_EQ(data.yTick.baseY, c.expected);
    EXPECT_DOUBLE_EQ(data.boreholes[99].baseY, c.expected);
    EXPECT_DOUBLE_EQ(data.trenches[42].endBaseY, c.expected);
  }
}

TEST(SectionCut, OperationFollowsTheLineKind) {
  struct Case {
    int vertices;
    uint16_t flag;
    int operation;
  } cases[] = {{2, 0, kDrawStraight}, {2, kVerticalProjection, kDrawStraight}, {5, kVerticalProjection, kDrawProjected},
               {5, 0, kDrawFolded}};
  for (const Case& c : cases) {
    SectionData data;
    FillStraightSection(data);
    data.verticalProjection = c.flag;
    EXPECT_EQ(CutZavediz(data, c.vertices, 30.0).operation, c.operation) << c.vertices << " " << c.flag;
  }
}

TEST(SectionCut, TrenchEndsAreMergedOnceHoweverOftenTheCutRuns) {
  SectionData data;
  FillStraightSection(data);
  data.trenches[3] = DesignTrenchRec{true, "TC1", 120.0, 0, 180.0, 0, 0, 0, 0, 0, 330.0, 340.0, 60.0};
  CutZavediz(data, 2, 30.0);
  CutZavediz(data, 2, 30.0);
  std::vector<std::string> names;
  for (int32_t i = 1; i <= data.terrain.GetCount(); ++i) {
    int32_t id = 0;
    double x = 0, y = 0;
    std::string name;
    data.terrain.GetAtWithName(i, id, x, y, name);
    if (!name.empty()) names.push_back(name + "@" + std::to_string(static_cast<int>(x)));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"TCS@120", "TCE@180"}));
  EXPECT_EQ(data.terrain.GetCount(), 13);
}

struct TickCase {
  const char* name;
  D_DOT start;
  double degrees;
  bool xMeets;
  double xGrid, xLine, xPosition;
  bool yMeets;
  double yLine, yGrid, yPosition;
};

TEST(SectionCut, TicksSitWhereTheLineFirstMeetsEachGridFamily) {
  // 1:2000: grid every 200 m; positions in section mm (m / 2).
  const TickCase cases[] = {
      {"worked example, 30°", {1050, 2030}, 30, true, 1200, 2116.6025403784, 86.6025403784, true, 1344.4486372867,
       2200, 170.0},
      {"start on a whole kilometre", {3000, 2030}, 30, true, 3000, 2030, 0.0, true, 3294.4486372867, 2200, 170.0},
      {"westward and southward", {1050, 2030}, -150, true, 1000, 2001.1324865405, 28.8675134595, true,
       998.0384757729, 2000, 30.0},
      {"north along a grid line", {1200, 2030}, 90, true, 1200, 2030, 0.0, true, 1200, 2200, 85.0},
      {"north off the grid", {1250, 2030}, 90, false, 0, 0, 0, true, 1250, 2200, 85.0},
      {"east along a grid line", {1050, 2400}, 0, true, 1200, 2400, 75.0, true, 1050, 2400, 0.0},
      {"east off the grid", {1050, 50}, 0, true, 1200, 50, 75.0, false, 0, 0, 0},
      {"south along a grid line", {1400, 2030}, -90, true, 1400, 2030, 0.0, true, 1400, 2000, 15.0},
  };
  for (const TickCase& c : cases) {
    SCOPED_TRACE(c.name);
    SectionData data;
    FillStraightSection(data);
    data.groundStart = c.start;
    data.direction = c.degrees * std::numbers::pi / 180;
    data.groundEnd = D_DOT{c.start.x + 1000 * std::cos(data.direction), c.start.y + 1000 * std::sin(data.direction)};
    CutZavediz(data, 2, 30.0);
    ASSERT_TRUE(data.xTick.set);
    EXPECT_EQ(data.xTick.meetsGrid, c.xMeets);
    EXPECT_EQ(data.yTick.meetsGrid, c.yMeets);
    if (c.xMeets) {
      EXPECT_NEAR(data.xTick.gridValue, c.xGrid, 1e-6);
      EXPECT_NEAR(data.xTick.lineValue, c.xLine, 1e-6);
      EXPECT_NEAR(data.xTick.position, c.xPosition, 1e-6);
    }
    if (c.yMeets) {
      EXPECT_NEAR(data.yTick.lineValue, c.yLine, 1e-6);
      EXPECT_NEAR(data.yTick.gridValue, c.yGrid, 1e-6);
      EXPECT_NEAR(data.yTick.position, c.yPosition, 1e-6);
    }
    EXPECT_EQ(data.xTick.kind, 1);
    EXPECT_EQ(data.yTick.kind, 2);
    EXPECT_DOUBLE_EQ(data.yTick.angle, -data.direction);
  }
}

TEST(SectionCut, TickAnglesAndASecondCutKeepsTheTicks) {
  SectionData data;
  FillStraightSection(data);
  CutZavediz(data, 2, 30.0);
  EXPECT_NEAR(data.xTick.angle, std::numbers::pi / 3, 1e-12);
  data.xTick.position = 1.5;  // a second cut of the same line places nothing
  CutZavediz(data, 2, 30.0);
  EXPECT_EQ(data.xTick.position, 1.5);

  data.direction = -std::numbers::pi / 4;
  data.xTick.set = false;
  CutZavediz(data, 2, 30.0);
  EXPECT_NEAR(data.xTick.angle, -std::numbers::pi / 4, 1e-12);
}

}  // namespace
}  // namespace zv::zavediz
