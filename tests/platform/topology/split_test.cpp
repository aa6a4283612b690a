#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/data/geometry.h"
#include "platform/topology/topology.h"
#include "tests/annotation/core/dot_compare.h"
#include "tests/platform/data/area_probes.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

using Polyline = std::vector<D_DOT>;

class TopoSplit : public test::WorkAreasTest {
 protected:
  int32_t Arc(Polyline v) {
    LIN_INFO info;
    info.setColour(3);
    return BasAppendLine(regions_, v, info);
  }
  int32_t Region(std::vector<int32_t> arcs, int colour = 7) {
    REG_INFO info;
    info.setFillColour(colour);
    arcs.insert(arcs.begin(), 0);
    return BasAppendRegion(regions_, arcs, info);
  }
  double Area(int32_t region) { return BasRegionArea(regions_, region); }
  int32_t Live(int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(regions_, type, &live, &bound);
    return live;
  }
  std::vector<int32_t> LiveRegions() { return test::LiveIds(regions_, kRegionEntity); }
  double TotalArea() {
    double sum = 0;
    for (const int32_t id : LiveRegions()) sum += Area(id);
    return sum;
  }
  // Every live arc bounds at least one region.
  void ExpectEveryArcBoundsARegion() {
    const std::vector<ArcSides> sides = BasComputeArcTopology(regions_);
    int32_t live = 0, bound = 0;
    BasGetLineCount(regions_, &live, &bound);
    for (int32_t id = 1; id < bound; ++id)
      if (BasIsEntityLive(regions_, kLineEntity, id))
        EXPECT_TRUE(sides[static_cast<std::size_t>(id)].left != 0 || sides[static_cast<std::size_t>(id)].right != 0)
            << "arc " << id;
  }
  // What the calls report, in order.
  struct Event {
    int type;
    int32_t id;
    TopoEvent event;
  };
  TopoReport Recorder() {
    return [this](int type, int32_t id, TopoEvent event) { events_.push_back({type, id, event}); };
  }
  std::vector<Event> events_;
};

TEST_F(TopoSplit, ALineThroughARegionMakesTwoRegionsSharingTheLinesPiece) {
  CFIELD_HEAD field;
  field.name = "名称";
  field.type = kFieldString;
  field.length = 20;
  ASSERT_GE(BasInsertField(regions_, kRegionEntity, field), 0);
  const int32_t square = Region({Arc({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}})});
  AttributeRecord record;
  ASSERT_EQ(BasReadAttribute(regions_, kRegionEntity, square, &record), 1);
  ASSERT_TRUE(BasSetFieldByName(record, "名称", "砂岩"));
  ASSERT_EQ(BasWriteAttribute(regions_, kRegionEntity, square, record), 1);
  BasGetDefaultLineParam()->setColour(5);
  const int32_t line = Arc({{3, -5}, {3, 15}});

  EXPECT_EQ(TopoSplitRegion(regions_, line, square, 0.01, Recorder()), 2);
  ASSERT_EQ(LiveRegions().size(), 2u);
  const int32_t other = LiveRegions()[1];
  EXPECT_NEAR(Area(square), 70, 1e-9);  // the largest keeps the id
  EXPECT_NEAR(Area(other), 30, 1e-9);
  REG_INFO info;
  ASSERT_EQ(BasReadRegionParam(regions_, other, &info), 1);
  EXPECT_EQ(info.fillColour(), 7);
  std::string name;
  ASSERT_EQ(BasReadAttribute(regions_, kRegionEntity, other, &record), 1);
  ASSERT_TRUE(BasGetFieldText(record, "名称", &name));
  EXPECT_EQ(name, "砂岩");
  // The line's piece inside, with the default parameters, parts the two.
  Polyline v;
  LIN_INFO lineInfo;
  ASSERT_EQ(BasReadLine(regions_, line, &v, &lineInfo), 1);
  EXPECT_EQ(v, (Polyline{{3, 0}, {3, 10}}));
  EXPECT_EQ(lineInfo.colour(), 5);
  int32_t left = 0, right = 0;
  ASSERT_EQ(BasReadArcTopology(regions_, line, &left, &right), 1);
  EXPECT_TRUE((left == square && right == other) || (left == other && right == square));
  // The boundary arc was cut twice: three arcs of its colour.
  EXPECT_EQ(Live(kLineEntity), 4);
  ExpectEveryArcBoundsARegion();
  // Each change was told first, each append after.
  ASSERT_FALSE(events_.empty());
  EXPECT_EQ(events_.front().event, TopoEvent::kChanging);
  EXPECT_EQ(events_.back().type, kRegionEntity);
  EXPECT_EQ(events_.back().id, other);
  EXPECT_EQ(events_.back().event, TopoEvent::kAppended);
}

TEST_F(TopoSplit, HolesGoWithTheirPieceAndANeighbourListsTheCutArcsPieces) {
  // Two squares side by side sharing the arc x = 10; the left one with a hole.
  const int32_t shared = Arc({{10, 0}, {10, 10}});
  const int32_t leftOuter = Arc({{10, 10}, {0, 10}, {0, 0}, {10, 0}});
  const int32_t rightOuter = Arc({{10, 0}, {20, 0}, {20, 10}, {10, 10}});
  const int32_t hole = Arc({{2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}});
  const int32_t left = Region({leftOuter, shared, 0, hole});
  const int32_t right = Region({rightOuter, -shared});
  const double rightArea = Area(right);
  // Above the hole, across the left square and on into the right one.
  const int32_t line = Arc({{-1, 6}, {15, 6}});
  EXPECT_EQ(TopoSplitRegion(regions_, line, left, 0.01), 2);
  EXPECT_NEAR(Area(left) + Area(LiveRegions().back()), 100 - 4, 1e-9);
  // The piece below holds the hole.
  EXPECT_NEAR(Area(left), 60 - 4, 1e-9);
  // The right square lists both pieces of the shared arc and keeps its shape.
  std::vector<int32_t> arcs;
  ASSERT_EQ(BasReadRegion(regions_, right, &arcs, nullptr), 1);
  EXPECT_EQ(arcs.size(), 4u);  // count, outer arc, two pieces
  EXPECT_NEAR(Area(right), rightArea, 1e-9);
  // The line ended inside the right square: it is not cut through there.
  const int32_t again = Arc({{-1, 6}, {15, 6}});
  EXPECT_EQ(TopoSplitRegion(regions_, again, right, 0.01), 1);
  EXPECT_NEAR(Area(right), rightArea, 1e-9);
  BasDeleteLine(regions_, again);
  ExpectEveryArcBoundsARegion();
}

TEST_F(TopoSplit, ALineThatDoesNotCutThroughChangesNothing) {
  const int32_t square = Region({Arc({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}})});
  struct Case {
    const char* name;
    Polyline line;
  };
  const Case cases[] = {
      {"ends inside", {{-5, 5}, {5, 5}}},
      {"wholly inside", {{2, 2}, {8, 8}}},
      {"outside", {{20, 0}, {20, 10}}},
      {"touches a corner", {{-5, 15}, {0, 10}, {-5, 5}}},
      {"one vertex", {{5, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t line = Arc(c.line);
    events_.clear();
    EXPECT_EQ(TopoSplitRegion(regions_, line, square, 0.01, Recorder()), 1);
    EXPECT_TRUE(events_.empty());
    EXPECT_EQ(LiveRegions().size(), 1u);
    EXPECT_NEAR(Area(square), 100, 1e-9);
    BasDeleteLine(regions_, line);
  }
  // A line GEOS cannot node is told by the region's name and changes nothing.
  const int32_t broken = Arc({{-5, 5}, {std::nan(""), 5}, {15, 5}});
  std::string message;
  EXPECT_EQ(TopoSplitRegion(regions_, broken, square, 0.01, Recorder(), &message), -1);
  EXPECT_NE(message.find("区 1"), std::string::npos) << message;
  EXPECT_NEAR(Area(square), 100, 1e-9);
  EXPECT_EQ(TopoSplitRegion(regions_, 999, square, 0.01), -1);
  EXPECT_EQ(TopoSplitRegion(regions_, 1, square, -1), -1);
}

TEST_F(TopoSplit, CrossingsNearAVertexAreMadeAtThatVertex) {
  const int32_t square = Region({Arc({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}})});
  // Along the diagonal, 0.003 off the two corners it passes.
  const int32_t line = Arc({{-5, 15.003}, {15, -4.997}});
  ASSERT_EQ(TopoSplitRegion(regions_, line, square, 0.01), 2);
  Polyline v;
  ASSERT_EQ(BasReadLine(regions_, line, &v, nullptr), 1);
  // Moved off the line's own course, the piece may run either way.
  if (v.front().x != 0) std::reverse(v.begin(), v.end());
  EXPECT_EQ(v, (Polyline{{0, 10}, {10, 0}}));
  for (const int32_t id : LiveRegions()) EXPECT_NEAR(Area(id), 50, 1e-9);
  ExpectEveryArcBoundsARegion();
}

TEST_F(TopoSplit, ABowTieRegionIsSplitIntoItsPartsAndPieces) {
  // One arc crossing itself at (5, 5): two triangles of 25 each. Its
  // stretches out of the crossing must be told apart when the arc is cut.
  struct Case {
    const char* name;
    Polyline line;
    int pieces;
  };
  const Case cases[] = {
      {"across both triangles", {{-5, 2}, {15, 2}}, 4},
      {"through the crossing", {{5, -5}, {5, 15}}, 2},
      {"across one triangle", {{-5, 9}, {3, 9}, {3, 11}}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t tie = Region({Arc({{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}})});
    const int32_t line = Arc(c.line);
    std::string message;
    EXPECT_EQ(TopoSplitRegion(regions_, line, tie, 0.01, {}, &message), c.pieces) << message;
    EXPECT_NEAR(TotalArea(), 50, 1e-9);
    for (const int32_t id : LiveRegions()) EXPECT_GT(Area(id), 0) << "region " << id;
    // A line that only parts the triangles bounds nothing: the caller drops it.
    if (BasGetRegionsUsingArc(regions_, line).empty()) BasDeleteLine(regions_, line);
    ExpectEveryArcBoundsARegion();
    BasClearWorkArea(regions_);
  }
}

TEST_F(TopoSplit, ARegionWhoseArcsLeaveAGapWithinRoundingIsSplit) {
  // The second arc starts 1e-7 above the first one's end, as in old files.
  const int32_t first = Arc({{0, 0}, {100, 0}, {100, 100}});
  const int32_t second = Arc({{100, 100.0000001}, {0, 100}, {0, 0}});
  const int32_t region = Region({first, second});
  const double before = TotalArea();
  const int32_t line = Arc({{-10, 50}, {110, 50}});
  std::string message;
  EXPECT_EQ(TopoSplitRegion(regions_, line, region, 0.01, {}, &message), 2) << message;
  EXPECT_NEAR(TotalArea(), before, 1e-6);
  Polyline v;
  ASSERT_EQ(BasReadLine(regions_, first, &v, nullptr), 1);
  EXPECT_EQ(v.back(), (D_DOT{100, 50}));
  ExpectEveryArcBoundsARegion();
}

TEST_F(TopoSplit, AFigureEightArcIsCutAtItsCrossingAndRegionsKeepTheirShape) {
  // A closed arc crossing itself at (5, 5): a bow tie, used by one region
  // forward and by another backwards.
  const Polyline eight{{0, 0}, {10, 10}, {10, 0}, {0, 10}, {0, 0}};
  const int32_t arc = Arc(eight);
  const int32_t forward = Region({arc});
  const int32_t backward = Region({-arc});
  const double before = Area(forward);
  EXPECT_EQ(TopoCutSelfCrossingArc(regions_, arc, 1.0, 1, Recorder()), 3);
  EXPECT_EQ(Live(kLineEntity), 3);
  std::vector<int32_t> arcs;
  ASSERT_EQ(BasReadRegion(regions_, forward, &arcs, nullptr), 1);
  ASSERT_EQ(arcs.size(), 4u);
  EXPECT_EQ(arcs[1], arc);
  std::vector<int32_t> reversed;
  ASSERT_EQ(BasReadRegion(regions_, backward, &reversed, nullptr), 1);
  EXPECT_EQ((std::vector<int32_t>{reversed[1], reversed[2], reversed[3]}),
            (std::vector<int32_t>{-arcs[3], -arcs[2], -arcs[1]}));
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_EQ(BasGetRegionRings(regions_, forward, &rings), 1);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0], (Polyline{{0, 0}, {5, 5}, {10, 10}, {10, 0}, {5, 5}, {0, 10}, {0, 0}}));
  EXPECT_NEAR(Area(forward), before, 1.0);
  EXPECT_NEAR(Area(backward), before, 1.0);
  // A line of a line area is cut the same way; a line that does not cross
  // itself stays one.
  const int32_t line = BasAppendLine(lines_, eight, LIN_INFO{});
  EXPECT_EQ(TopoCutSelfCrossingArc(lines_, line, 1.0, 1), 3);
  const int32_t straight = BasAppendLine(lines_, {{0, 0}, {5, 0}, {9, 1}}, LIN_INFO{});
  EXPECT_EQ(TopoCutSelfCrossingArc(lines_, straight, 1.0, 1), 1);
  EXPECT_EQ(TopoCutSelfCrossingArc(points_, 1, 1.0, 1), -1);
}

}  // namespace
}  // namespace zv
