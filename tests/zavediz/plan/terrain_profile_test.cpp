#include "zavediz/plan/terrain_profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "platform/data/geometry.h"
#include "tests/zavediz/plan/contour_map.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section.h"
#include "zavediz/plan/section_geometry.h"

namespace zv::zavediz {
namespace {

using test::Dump;

std::string Dump(const std::vector<D_DOT>& points) {
  CPointRecList list;
  for (const D_DOT& p : points) list.InsertAt(list.GetCount() + 1, 0, p.x, p.y, "", 0.0);
  return Dump(list);
}

class TerrainStoreTest : public test::ContourMapTest {
 protected:
  // Runs the store over a section line with the header's scales; the field
  // chooser takes its preselected name unless told to cancel.
  StoreOutcome Store(const std::vector<D_DOT>& line, int32_t planScale = 1000, int32_t sectionScale = 1000,
                     bool cancelChooser = false, WorkAreaHandle area = 0) {
    data_.planScale = planScale;
    data_.sectionScale = sectionScale;
    data_.headerSet = true;
    BeginSectionLine(plan_, data_);
    plan_.vertices = line;
    plan_.start = line.front();
    plan_.end = line.back();
    return StoreTerrainData(plan_, data_, area ? area : lines_, [&](const std::vector<std::string>& names, int preselected) {
      offered_ = names;
      preselected_ = preselected;
      return cancelChooser ? std::nullopt : std::optional<std::string>(names[static_cast<size_t>(preselected)]);
    });
  }

  SectionData data_;
  PlanSection plan_;
  std::vector<std::string> offered_;
  int preselected_ = -1;
};

TEST_F(TerrainStoreTest, StraightTraceGivesTheProfileAndGeometryAtEveryScale) {
  // In plan mm and metres; elevation 0 leaves no point, the U two, the
  // coincident contours one each; the ends continue the outer slopes.
  const std::vector<D_DOT> plan{{0, 95}, {10, 100}, {30, 110}, {50, 120}, {60, 120}, {70, 130}, {70, 130}, {80, 140}};
  struct Case {
    int32_t p, s;
  };
  for (const Case c : {Case{1000, 1000}, Case{2000, 1000}, Case{2500, 1000}, Case{500, 2000}}) {
    SCOPED_TRACE(std::to_string(c.p) + ":" + std::to_string(c.s));
    const StoreOutcome outcome = Store({{10, 0}, {90, 0}}, c.p, c.s);
    EXPECT_TRUE(outcome.stored);
    EXPECT_EQ(outcome.message, kTerrainStoredMessage);
    std::vector<D_DOT> expected;
    for (const D_DOT& q : plan) expected.push_back({q.x * c.p / c.s, q.y * 1000.0 / c.s});
    EXPECT_EQ(Dump(data_.terrain), Dump(expected));

    const double metres = 80.0 * c.p / 1000.0;
    EXPECT_DOUBLE_EQ(data_.groundStart.x, 10.0 * c.p / 1000.0);
    EXPECT_DOUBLE_EQ(data_.groundEnd.x, 90.0 * c.p / 1000.0);
    EXPECT_DOUBLE_EQ(data_.length, metres);
    EXPECT_DOUBLE_EQ(data_.direction, 0.0);
    EXPECT_TRUE(data_.lineStored);
    EXPECT_EQ(data_.lineName, "0线");
    EXPECT_NEAR(data_.sectionEnd.x, expected.back().x, 1e-9);  // the profile's L
    EXPECT_TRUE(plan_.overlayShown);
    EXPECT_NEAR(plan_.overlayEnd.x, 90.0, 1e-9);
  }
  EXPECT_EQ(offered_, (std::vector<std::string>{"ID", "长度", "高程"}));
  EXPECT_EQ(preselected_, 2);
}

TEST_F(TerrainStoreTest, InteriorVerticesContinueTheSlope) {
  ASSERT_TRUE(Store({{10, 0}, {45, 0}, {90, 10}}).stored);
  const double leg = std::hypot(45.0, 10.0);
  auto at = [&](double x) { return 35 + (x - 45) / 45 * leg; };
  const double end = 35 + leg;
  const double slope = 10 / (at(80) - at(70));
  EXPECT_EQ(Dump(data_.terrain), Dump(std::vector<D_DOT>{{0, 95},
                                                         {10, 100},
                                                         {30, 110},
                                                         {35, 112.5},  // the vertex, on the line of the last two
                                                         {at(60), 120},
                                                         {at(70), 120},
                                                         {at(80), 130},
                                                         {at(80), 130},
                                                         {end, 130 + slope * (end - at(80))}}));
}

TEST_F(TerrainStoreTest, VertexBeforeTwoPointsTakesTheLineThroughItsNeighbours) {
  ASSERT_TRUE(Store({{10, 0}, {25, 5}, {90, 0}}).stored);
  const double leg1 = std::hypot(15.0, 5.0), leg2 = std::hypot(65.0, 5.0);
  const double d20 = leg1 * 10 / 15, d40 = leg1 + leg2 * 15 / 65;
  int32_t id;
  double x, y;
  ASSERT_TRUE(data_.terrain.GetAt(3, id, x, y));
  EXPECT_NEAR(x, leg1, 1e-9);
  EXPECT_NEAR(y, 100 + 10 * (leg1 - d20) / (d40 - d20), 1e-9);
}

TEST_F(TerrainStoreTest, LongPolylinesAreTakenWhole) {
  std::vector<D_DOT> zigzag;
  for (int i = 0; i < 5000; ++i) zigzag.push_back({10 + 80.0 * i / 4999, i % 2 ? 0.5 : -0.5});
  ASSERT_TRUE(Store(zigzag).stored);
  EXPECT_EQ(plan_.crossings.GetCount(), 7 + 4998);
  EXPECT_EQ(data_.terrain.GetCount(), 2 + 6 + 4998);
  int32_t id;
  double x, y;
  data_.terrain.GetAt(data_.terrain.GetCount(), id, x, y);
  EXPECT_NEAR(x, BasPolylineLength(zigzag), 1e-6);
}

TEST_F(TerrainStoreTest, RefusalsTellWhyAndStoreNothing) {
  const WorkAreaHandle empty = BasCreateLineWorkArea(set_);
  struct Case {
    const char* name;
    std::vector<D_DOT> line;
    const char* message;
    WorkAreaHandle area = 0;
    bool cancel = false;
  };
  const Case cases[] = {
      {"shorter than 10", {{10, 0}, {19.9, 0}}, kLineTooShortMessage},
      {"closed polyline", {{10, 0}, {50, 40}, {90, 0}, {12, 0}}, kLineTooShortMessage},
      {"no contours", {{10, 0}, {90, 0}}, kNoContoursMessage, empty},
      {"nothing crossed", {{10, 60}, {90, 60}}, kNothingCrossedMessage},
      {"one elevated crossing", {{10, 0}, {30, 0}}, kTooFewProfilePointsMessage},
      {"two crossings at one distance", {{75, 0}, {85, 0}}, kTooFewProfilePointsMessage},
      {"chooser cancelled", {{10, 0}, {90, 0}}, "", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const StoreOutcome outcome = Store(c.line, 1000, 1000, c.cancel, c.area);
    EXPECT_FALSE(outcome.stored);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_TRUE(data_.terrain.IsEmpty());
    EXPECT_FALSE(data_.lineStored);
    EXPECT_FALSE(plan_.overlayShown);
  }
}

TEST(TerrainProfile, NonFiniteElevationsLeaveNoPoint) {
  CPointRecList crossings;
  for (int32_t id = 1; id <= 4; ++id) crossings.InsertAt(id, id, 10.0 * id, 0.0, "0", 10.0 * id);
  const std::vector<double> heights{100.0, std::nan(""), 1e306, 200.0};
  CPointRecList terrain;
  ASSERT_TRUE(BuildTerrainProfile(crossings, D_DOT{0, 0}, D_DOT{50, 0}, 1000, 1000,
                                  [&](int32_t id) { return std::optional<double>(heights[static_cast<size_t>(id - 1)]); },
                                  terrain));
  ASSERT_EQ(terrain.GetCount(), 4);
  for (int32_t i = 1; i <= terrain.GetCount(); ++i) {
    int32_t id;
    double x, y;
    terrain.GetAt(i, id, x, y);
    EXPECT_TRUE(std::isfinite(y)) << i;
  }
}

TEST(TerrainProfile, ElevationAtDistanceInterpolatesInsideOnly) {
  CPointRecList terrain;
  for (const D_DOT p : {D_DOT{0, 10}, D_DOT{10, 20}, D_DOT{10, 30}, D_DOT{20, 50}})
    terrain.InsertAt(terrain.GetCount() + 1, 0, p.x, p.y, "", 0.0);
  struct Case {
    double d;
    std::optional<double> elevation;
  };
  for (const Case c : {Case{0, 10}, Case{5, 15}, Case{10, 20}, Case{15, 40}, Case{20, 50}, Case{-0.001, {}},
                       Case{20.001, {}}}) {
    SCOPED_TRACE(c.d);
    EXPECT_EQ(ElevationAtDistance(terrain, c.d), c.elevation);
  }
  EXPECT_EQ(ElevationAtDistance(CPointRecList(), 0), std::nullopt);
}

TEST(SectionGeometry, DistanceOfAPlanPointIsItsGroundDistanceFromTheStart) {
  SectionData data;
  data.planScale = 2000;
  data.sectionScale = 500;
  data.groundStart = {20, 40};
  data.sectionStart = {3, 0};
  // plan (13, 24) is ground (26, 48): 10 m from the start, 20 mm at 1:500.
  EXPECT_DOUBLE_EQ(ZavedizDistanceOfPoint(data, 13, 24), 23.0);
}

TEST(SectionGeometry, GeometryTakesTheSignedDirectionOfTheGroundLine) {
  SectionData data;
  data.sectionScale = 1000;
  data.groundStart = {100, 100};
  data.groundEnd = {70, 60};
  StoreZavedizGeometry(data);
  EXPECT_DOUBLE_EQ(data.length, 50.0);
  EXPECT_NEAR(data.direction, std::atan2(-40.0, -30.0), 1e-12);
  EXPECT_LT(data.direction, -std::numbers::pi / 2);
  EXPECT_DOUBLE_EQ(data.sectionEnd.x, 50.0);
}

TEST(SectionGeometry, HeaderIsStoredInItsOrderAndScalesAreChecked) {
  ZavedizHeader header;
  for (size_t i = 0; i < header.texts.size(); ++i) header.texts[i] = "t" + std::to_string(i);
  header.planScale = 10000;
  header.sectionScale = 2000;
  header.lowestElevation = 300;
  header.rows[13].caption = "审核";
  SectionData data;
  StoreZavedizHeader(data, header);
  EXPECT_TRUE(data.headerSet);
  EXPECT_EQ(data.row1Left, "t0");
  EXPECT_EQ(data.row4Right, "t6");
  EXPECT_EQ(data.row5Right, "t7");
  EXPECT_EQ(data.surveyingUnit, "t8");
  EXPECT_EQ(data.title, "t11");
  EXPECT_EQ(data.row1Right, "t12");
  EXPECT_EQ(data.planScale, 10000);
  EXPECT_EQ(data.sectionScale, 2000);
  EXPECT_EQ(data.lowestElevation, 300);
  EXPECT_EQ(data.titleRows[13].caption, "审核");

  struct Case {
    int32_t p, s;
    bool usable;
  };
  for (const Case c : {Case{1, 10, true}, Case{0, 1000, false}, Case{-5, 1000, false}, Case{1000, 9, false},
                       Case{1000, 0, false}, Case{10000, 15, false}, Case{10000, 1005, false},
                       Case{10000, 2500, true}}) {
    header.planScale = c.p;
    header.sectionScale = c.s;
    EXPECT_EQ(HeaderScalesUsable(header), c.usable) << c.p << ":" << c.s;
  }
}

}  // namespace
}  // namespace zv::zavediz
