#include "views/snap/snap_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/snapped_point.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::snap {
namespace {

// Points compare exactly: snapped coordinates are the targets' own doubles.
testing::AssertionResult Same(const D_DOT& a, const D_DOT& b) {
  if (a.x == b.x && a.y == b.y) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "(" << a.x << ", " << a.y << ") vs (" << b.x << ", " << b.y << ")";
}

class SnapTest : public test::WorkAreasTest {
 protected:
  int32_t Line(std::vector<D_DOT> v) { return BasAppendLine(lines_, v, LIN_INFO{}); }
  int32_t Point(D_DOT at) { return BasAppendPoint(points_, at, "", PNT_INFO{}); }
  // Only the switches named on.
  void OnlySwitches(std::initializer_list<int> which) {
    engine.switches().on = {};
    for (int w : which) engine.switches().on[w] = 1;
  }
  SnapEngine::MoveResult Move(D_DOT p, double tolerance = 8.0) { return engine.Move(p, tolerance, areas); }

  SnapEngine engine;
  std::vector<WorkAreaHandle> areas;
  void SetUp() override {
    WorkAreasTest::SetUp();
    areas = {lines_, points_};
    SnapState = kSnapTaken;
  }
};

TEST_F(SnapTest, EachSwitchSnapsItsOwnKindAndOnlyItsOwn) {
  Line({{0, 0}, {40, 0}});
  Line({{10, -20}, {10, 20}});
  Point({60, 60});
  engine.SetPrevious({20, 30});
  const struct {
    const char* name;
    int which;
    D_DOT cursor;
    std::optional<SnapMarker> marker;
  } cases[] = {
      {"vertex", kSwitchVertex, {38, 2}, SnapMarker{{40, 0}, kSnapVertex}},
      {"nearest point", kSwitchNearest, {25.25, 3}, SnapMarker{{25.25, 0}, kSnapNearest}},
      {"crossing", kSwitchCrossing, {11.5, 2}, SnapMarker{{10, 0}, kSnapCrossing}},
      {"perpendicular", kSwitchPerpendicular, {22, 1}, SnapMarker{{20, 0}, kSnapPerpendicular}},
      {"midpoint", kSwitchMidpoint, {24, 1}, SnapMarker{{20, 0}, kSnapMidpoint}},
      {"point entity", kSwitchPointEntity, {61.5, 58.5}, SnapMarker{{60, 60}, kSnapPointEntity}},
      {"point entity ignores a vertex", kSwitchPointEntity, {39, 1}, std::nullopt},
      {"vertex ignores the point", kSwitchVertex, {61, 59}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    engine = SnapEngine();
    engine.SetPrevious({20, 30});
    OnlySwitches({c.which});
    const auto r = Move(c.cursor);
    EXPECT_EQ(r.draw, c.marker);
    EXPECT_EQ(engine.marker(), c.marker);
  }
}

TEST_F(SnapTest, EqualDistancesKeepTheEarlierKind) {
  // A point entity on a line's end: both lie 5 away.
  Line({{0, 0}, {10, 0}});
  Point({10, 0});
  engine.switches().on = {1, 1, 1, 1, 1, 1};
  EXPECT_EQ(Move({13, 4}).draw, (SnapMarker{{10, 0}, kSnapPointEntity}));
  // On the vertex itself the foot (same place) comes after the vertex.
  engine = SnapEngine();
  OnlySwitches({kSwitchVertex, kSwitchNearest});
  EXPECT_EQ(Move({0, 0}).draw, (SnapMarker{{0, 0}, kSnapVertex}));
}

TEST_F(SnapTest, EightPixelsDecideAtEveryZoomForMovesAndPresses) {
  Line({{0, 0}, {100, 0}});
  OnlySwitches({kSwitchVertex});
  for (double rate : {1.0, 4.0}) {
    SCOPED_TRACE(rate);
    const double tol = SnapTolerance(rate);
    EXPECT_DOUBLE_EQ(tol, 8.0 / rate);
    engine = SnapEngine();
    OnlySwitches({kSwitchVertex});
    EXPECT_FALSE(Move({100 - tol, 0}, tol).draw) << "exactly the tolerance away";
    EXPECT_TRUE(Move({100 - 0.99 * tol, 0}, tol).draw);
    // A press farther than the tolerance takes nothing and leaves the state.
    SnapState = kSnapTaken;
    EXPECT_FALSE(engine.Press({100 - 1.01 * tol, 0}, tol));
    EXPECT_EQ(SnapState, kSnapTaken);
    const auto taken = engine.Press({100 - 0.5 * tol, 0.1 * tol}, tol);
    ASSERT_TRUE(taken);
    EXPECT_TRUE(Same(*taken, {100, 0}));
    EXPECT_TRUE(Same(SnappedPoint, {100, 0}));
    EXPECT_EQ(SnapState, kSnapWaiting);
    EXPECT_TRUE(Same(engine.previous(), {100, 0}));
    // Leaving by the tolerance removes the marker with its own kind.
    const auto away = Move({100 - tol, 0}, tol);
    EXPECT_EQ(away.erase, (SnapMarker{{100, 0}, kSnapVertex}));
    EXPECT_FALSE(engine.marker());
  }
}

TEST_F(SnapTest, CrossingsAndFeetAreExactDoubles) {
  Line({{0, 0}, {10, 3}});
  Line({{0, 3}, {10, 0}});
  OnlySwitches({kSwitchCrossing});
  // The second line passes nearer, so the two are the nearest pair.
  const auto crossing = Move({5.2, 1.3}).draw;
  ASSERT_TRUE(crossing);
  EXPECT_EQ(crossing->kind, kSnapCrossing);
  EXPECT_NEAR(crossing->at.x, 5, 1e-12);
  EXPECT_NEAR(crossing->at.y, 1.5, 1e-12);
  // Perpendicular from the previous press onto the nearest segment.
  engine = SnapEngine();
  OnlySwitches({kSwitchPerpendicular});
  engine.SetPrevious({0.1, 0.7});
  const auto r = Move({0.3, 0.2});
  ASSERT_TRUE(r.draw);
  const D_DOT a{0, 0}, b{10, 3};
  EXPECT_TRUE(Same(r.draw->at, PerpendicularFoot({0.1, 0.7}, a, b)));
  EXPECT_DOUBLE_EQ((r.draw->at.x - a.x) * 3 - (r.draw->at.y - a.y) * 10, 0.0);
}

TEST_F(SnapTest, NothingWithEverySwitchOffOrNoAreas) {
  Line({{0, 0}, {10, 0}});
  engine.switches().on = {};
  EXPECT_FALSE(Move({0, 0}).draw);
  engine = SnapEngine();
  EXPECT_FALSE(engine.Move({0, 0}, 8, {}).draw) << "the plan view without a project lists no area";
}

TEST_F(SnapTest, TheIndexFindsWhatTheFullWalkFindsThroughEdits) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(0, 2000), step(-40, 40);
  auto randomLine = [&] {
    std::vector<D_DOT> v{{coord(rng), coord(rng)}};
    const int n = 1 + static_cast<int>(rng() % 12);
    for (int i = 0; i < n; ++i) v.push_back({v.back().x + step(rng), v.back().y + step(rng)});
    return v;
  };
  for (int i = 0; i < 1500; ++i) Line(randomLine());
  LineIndexes indexes;
  auto compare = [&](const char* stage) {
    SCOPED_TRACE(stage);
    for (int k = 0; k < 300; ++k) {
      const D_DOT p{coord(rng) * 1.1 - 100, coord(rng) * 1.1 - 100}, prev{coord(rng), coord(rng)};
      const WorkAreaHandle list[] = {lines_};
      const LineCandidates full = FindLineCandidates(list, p, prev, nullptr);
      const LineCandidates fast = FindLineCandidates(list, p, prev, &indexes);
      ASSERT_EQ(full.found, fast.found) << p.x << "," << p.y;
      for (int c = 0; c < 5; ++c)
        if (full.found[c]) ASSERT_TRUE(Same(full.point[c], fast.point[c])) << c;
    }
  };
  compare("built");
  for (int id = 1; id < 200; id += 3) BasDeleteLine(lines_, id);
  for (int id = 2; id < 200; id += 3) BasUpdateLine(lines_, id, randomLine(), LIN_INFO{});
  Line({{2500, 2500}, {2600, 2650}});  // beyond the first extent
  compare("edited");
  EXPECT_EQ(indexes.Of(lines_).rebuilds(), 1) << "a few edits are indexed again one by one";
  BasClearWorkArea(lines_);
  for (int i = 0; i < 50; ++i) Line(randomLine());
  compare("cleared and refilled");
}


TEST_F(SnapTest, AWildVertexNearTheLargestDoubleKeepsTheGridSmallAndTheSearchExact) {
  Line({{0, 0}, {1, 1}});
  Line({{-1.7e308, 0}, {1.7e308, 5}});
  Line({{1e15, 1e15}, {1e15 + 1, 1e15}});
  LineIndexes indexes;
  const WorkAreaHandle list[] = {lines_};
  for (const D_DOT p : {D_DOT{0.5, 0.5}, D_DOT{1e15 + 0.25, 1e15 + 2}}) {
    const LineCandidates full = FindLineCandidates(list, p, {0, 0}, nullptr);
    const LineCandidates fast = FindLineCandidates(list, p, {0, 0}, &indexes);
    ASSERT_EQ(full.found, fast.found);
    ASSERT_TRUE(full.found[kCandVertex]);
    EXPECT_TRUE(Same(full.point[kCandVertex], fast.point[kCandVertex]));
  }
  // The infinite extent once made every cell of the largest grid (16.7
  // million, hundreds of megabytes) on each rebuild.
  EXPECT_LE(indexes.Of(lines_).cells(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace zv::snap
