#include "platform/data/work_area.h"

#include <gtest/gtest.h>

#include <climits>
#include <numbers>

#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

class WorkAreas : public zv::test::WorkAreasTest {
 protected:
  // A closed square arc in the region area, counter-clockwise.
  int32_t SquareArc(double x, double y, double size) {
    const std::vector<D_DOT> ring{{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}};
    return BasAppendLine(regions_, ring, LIN_INFO{});
  }
};

TEST_F(WorkAreas, HandlesAreNonZeroDistinctAndTyped) {
  EXPECT_NE(points_, lines_);
  EXPECT_NE(lines_, regions_);
  EXPECT_EQ(BasGetWorkAreaType(points_), kPointArea);
  EXPECT_EQ(BasGetWorkAreaType(lines_), kLineArea);
  EXPECT_EQ(BasGetWorkAreaType(regions_), kRegionArea);
  EXPECT_EQ(BasGetWorkAreaType(0), -1);
  EXPECT_NE(BasIsWorkAreaValid(points_), 0);
  EXPECT_EQ(BasIsWorkAreaValid(0), 0);
  EXPECT_NE(BasIsWorkAreaEmpty(points_), 0);
  EXPECT_EQ(BasCreatePointWorkArea(12345), 0);  // unknown set
}

TEST_F(WorkAreas, ReleasedHandlesAreInvalidAndNotGivenAgainSoon) {
  const WorkAreaHandle old = points_;
  ASSERT_TRUE(BasReleaseWorkArea(old));
  EXPECT_EQ(BasIsWorkAreaValid(old), 0);
  for (int i = 0; i < 50; ++i) EXPECT_NE(BasCreatePointWorkArea(set_), old);
  EXPECT_FALSE(BasReleaseWorkArea(old));
  // Freeing the set releases its areas.
  ASSERT_TRUE(BasFreeWorkAreaSet(set_));
  EXPECT_EQ(BasIsWorkAreaValid(lines_), 0);
  EXPECT_FALSE(BasFreeWorkAreaSet(set_));
  set_ = BasCreateWorkAreaSet(0);
}

TEST_F(WorkAreas, InvalidHandlesFailEveryCallWithoutCrashing) {
  for (WorkAreaHandle bad : {WorkAreaHandle{0}, WorkAreaHandle{65535}}) {
    int32_t n = -1, b = -1;
    EXPECT_EQ(BasGetPointCount(bad, &n, &b), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(b, 0);
    const D_DOT p{1, 2};
    EXPECT_EQ(BasAppendPoint(bad, p, "x", PNT_INFO{}), 0);
    EXPECT_EQ(BasAppendLine(bad, &p, 1, LIN_INFO{}), 0);
    const int32_t arcs[] = {0, 1};
    EXPECT_EQ(BasAppendRegion(bad, arcs, 2, REG_INFO{}), 0);
    EXPECT_EQ(BasReadPoint(bad, 1, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(BasReadLine(bad, 1, nullptr, nullptr), 0);
    EXPECT_EQ(BasReadRegion(bad, 1, nullptr, nullptr), 0);
    EXPECT_EQ(BasDeletePoint(bad, 1), 0);
    EXPECT_EQ(BasClearWorkArea(bad, 0), false);
    AttributeRecord record;
    EXPECT_EQ(BasReadAttribute(bad, 1, 1, &record), 0);
    EXPECT_EQ(BasCopyPoints(bad, points_), -1);
    EXPECT_EQ(BasGetWorkAreaFileName(bad), "");
    EXPECT_EQ(BasAddChangeListener(bad, [](const WorkAreaChange&) {}), 0);
    EXPECT_EQ(BasBeginBatch(bad), 0);
    EXPECT_TRUE(BasGetDisplayOrder(bad, 1).empty());
  }
  // The wrong kind of area fails the same way.
  EXPECT_EQ(BasAppendPoint(lines_, {0, 0}, "", PNT_INFO{}), 0);
  const D_DOT v[] = {{0, 0}, {1, 1}};
  EXPECT_EQ(BasAppendLine(points_, v, 2, LIN_INFO{}), 0);
  EXPECT_EQ(BasGetRegionCount(lines_, nullptr, nullptr), 0);
}

TEST_F(WorkAreas, PointRoundTrip) {
  PNT_INFO info;
  info.setKind(0);
  info.setCharHeight(4);
  info.setColour(3);
  const int32_t id = BasAppendPoint(points_, {10, 20}, "高程点 12.5", info);
  EXPECT_EQ(id, 1);
  D_DOT pos{};
  std::string text;
  PNT_INFO read;
  ASSERT_EQ(BasReadPoint(points_, id, &pos, &text, &read), 1);
  EXPECT_EQ(pos.x, 10);
  EXPECT_EQ(pos.y, 20);
  EXPECT_EQ(text, "高程点 12.5");
  EXPECT_EQ(read, info);

  info.setColour(8);
  ASSERT_EQ(BasUpdatePoint(points_, id, {1, 2}, "", info), 1);
  ASSERT_EQ(BasReadPoint(points_, id, &pos, &text, &read), 1);
  EXPECT_EQ(text, "");
  EXPECT_EQ(read.colour(), 8);
  ASSERT_EQ(BasWritePointPos(points_, id, {7, 8}), 1);
  ASSERT_EQ(BasReadPointPos(points_, id, &pos), 1);
  EXPECT_EQ(pos.x, 7);
  PNT_INFO param;
  param.setKind(1);
  ASSERT_EQ(BasWritePointParam(points_, id, param), 1);
  ASSERT_EQ(BasReadPointParam(points_, id, &read), 1);
  EXPECT_EQ(read.kind(), 1);
  ASSERT_EQ(BasDeletePoint(points_, id), 1);
  EXPECT_EQ(BasReadPoint(points_, id, &pos, &text, &read), 0);
  EXPECT_EQ(BasDeletePoint(points_, id), 0);
}

TEST_F(WorkAreas, LineRoundTrip) {
  LIN_INFO info;
  info.setStyle(1);
  info.setWidth(0.2f);
  const std::vector<D_DOT> vertices{{0, 0}, {3, 4}, {6, 0}};
  const int32_t id = BasAppendLine(lines_, vertices, info);
  ASSERT_EQ(id, 1);
  std::vector<D_DOT> read;
  LIN_INFO readInfo;
  ASSERT_EQ(BasReadLine(lines_, id, &read, &readInfo), 1);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[1].y, 4);
  EXPECT_EQ(readInfo, info);
  EXPECT_DOUBLE_EQ(BasGetLineLength(lines_, id), 10);
  ASSERT_EQ(BasUpdateLine(lines_, id, std::vector<D_DOT>{{0, 0}, {0, 1}}, info), 1);
  ASSERT_EQ(BasReadLine(lines_, id, &read, nullptr), 1);
  EXPECT_EQ(read.size(), 2u);
  EXPECT_EQ(BasUpdateLine(lines_, id, nullptr, 0, info), 0);
  info.setColour(6);
  ASSERT_EQ(BasWriteLineParam(lines_, id, info), 1);
  ASSERT_EQ(BasReadLineParam(lines_, id, &readInfo), 1);
  EXPECT_EQ(readInfo.colour(), 6);
  EXPECT_EQ(BasAppendLine(lines_, vertices.data(), 0, info), 0);
  ASSERT_EQ(BasDeleteLine(lines_, id), 1);
  EXPECT_EQ(BasReadLine(lines_, id, &read, nullptr), 0);
}

TEST_F(WorkAreas, RegionRoundTripRecomputesEntryZero) {
  const int32_t outer = SquareArc(0, 0, 10);
  const int32_t hole = SquareArc(2, 2, 2);
  REG_INFO info;
  info.setFillColour(9);
  // Callers put the arc count, 5 or a point total in entry 0; the library
  // always gives the number of points that draw the rings closed.
  for (int32_t entry0 : {2, 5, 999}) {
    const std::vector<int32_t> arcs{entry0, outer, 0, -hole};
    const int32_t id = BasAppendRegion(regions_, arcs, info);
    ASSERT_GT(id, 0);
    std::vector<int32_t> read;
    REG_INFO readInfo;
    ASSERT_EQ(BasReadRegion(regions_, id, &read, &readInfo), 1);
    EXPECT_EQ(read, (std::vector<int32_t>{5 + 5 + 2, outer, 0, -hole}));
    EXPECT_EQ(readInfo.fillColour(), 9);
  }
  EXPECT_DOUBLE_EQ(BasRegionArea(regions_, 1), 100 - 4);
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_EQ(BasGetRegionRings(regions_, 1, &rings), 1);
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_EQ(rings[1][1].x, 2);  // the hole runs backwards
  EXPECT_EQ(rings[1][1].y, 4);

  // Arc lists naming no arc, a missing or a deleted arc are refused.
  EXPECT_EQ(BasAppendRegion(regions_, std::vector<int32_t>{1}, info), 0);
  EXPECT_EQ(BasAppendRegion(regions_, std::vector<int32_t>{0, 0}, info), 0);
  EXPECT_EQ(BasAppendRegion(regions_, std::vector<int32_t>{5, 77}, info), 0);
  EXPECT_EQ(BasAppendRegion(regions_, std::vector<int32_t>{5, INT32_MIN}, info), 0);
  // An arc deleted later is skipped by the total and the rings.
  ASSERT_EQ(BasDeleteLine(regions_, hole), 1);
  std::vector<int32_t> read;
  ASSERT_EQ(BasReadRegion(regions_, 1, &read, nullptr), 1);
  EXPECT_EQ(read[0], 5 + 1);
  EXPECT_DOUBLE_EQ(BasRegionArea(regions_, 1), 100);
  ASSERT_EQ(BasUpdateRegion(regions_, 1, {0, outer}, info), 1);
  ASSERT_EQ(BasDeleteRegion(regions_, 1), 1);
  EXPECT_EQ(BasReadRegion(regions_, 1, &read, nullptr), 0);
}

TEST_F(WorkAreas, CountsGiveLiveEntitiesAndIdBound) {
  int32_t n = -1, b = -1;
  ASSERT_EQ(BasGetPointCount(points_, &n, &b), 1);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(b, 1);
  for (int i = 0; i < 5; ++i) BasAppendPoint(points_, {double(i), 0}, "", PNT_INFO{});
  BasDeletePoint(points_, 2);
  BasDeletePoint(points_, 5);
  ASSERT_EQ(BasGetPointCount(points_, &n, &b), 1);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(b, 6);  // the deleted highest id stays counted
  // A new point never takes a deleted id.
  EXPECT_EQ(BasAppendPoint(points_, {9, 9}, "", PNT_INFO{}), 6);
  // Reads of 0, of B, past B and of deleted ids fail.
  for (int32_t id : {0, 2, 5, 7, 100, -1}) EXPECT_EQ(BasReadPointPos(points_, id, nullptr), 0) << id;
  for (int32_t id : {1, 3, 4, 6}) EXPECT_EQ(BasReadPointPos(points_, id, nullptr), 1) << id;
  EXPECT_EQ(BasIsEntityLive(points_, kPointEntity, 2), 0);
  EXPECT_EQ(BasIsEntityLive(points_, kPointEntity, 3), 1);
  int32_t bound = 0;
  ASSERT_EQ(BasGetAttributeInfo(points_, kPointEntity, &bound), 1);
  EXPECT_EQ(bound, 7);

  // A file's deleted slot keeps its number.
  EXPECT_EQ(BasAppendDeletedId(points_, kPointEntity), 7);
  EXPECT_EQ(BasReadPointPos(points_, 7, nullptr), 0);
  EXPECT_EQ(BasAppendPoint(points_, {9, 9}, "", PNT_INFO{}), 8);
  EXPECT_EQ(BasAppendDeletedId(points_, kRegionEntity), 0);
  ASSERT_EQ(BasGetPointCount(points_, &n, &b), 1);
  EXPECT_EQ(n, 5);
  EXPECT_EQ(b, 9);

  // Clearing starts the ids again.
  ASSERT_TRUE(BasClearWorkArea(points_, 0));
  ASSERT_EQ(BasGetPointCount(points_, &n, &b), 1);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(b, 1);
  EXPECT_NE(BasIsWorkAreaEmpty(points_), 0);
  EXPECT_EQ(BasAppendPoint(points_, {0, 0}, "", PNT_INFO{}), 1);
}

TEST_F(WorkAreas, RegionAreaHoldsArcsAndRegionsSeparately) {
  const int32_t arc = SquareArc(0, 0, 1);
  ASSERT_GT(BasAppendRegion(regions_, {0, arc}, REG_INFO{}), 0);
  int32_t n = 0, b = 0;
  BasGetLineCount(regions_, &n, &b);
  EXPECT_EQ(n, 1);
  BasGetRegionCount(regions_, &n, &b);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(b, 2);
}

TEST_F(WorkAreas, CopiesCarryParametersAttributesAndArcs) {
  PNT_INFO p;
  p.setColour(4);
  BasAppendPoint(points_, {1, 1}, "甲", p);
  BasAppendPoint(points_, {2, 2}, "乙", p);
  BasDeletePoint(points_, 1);
  AttributeRecord record;
  ASSERT_EQ(BasReadAttribute(points_, kPointEntity, 2, &record), 1);
  BasSetFieldByIndex(record, 0, 77.0);
  ASSERT_EQ(BasWriteAttribute(points_, kPointEntity, 2, record), 1);

  const WorkAreaHandle target = BasCreatePointWorkArea(set_);
  EXPECT_EQ(BasCopyPoints(points_, target), 1);
  std::string text;
  PNT_INFO read;
  ASSERT_EQ(BasReadPoint(target, 1, nullptr, &text, &read), 1);
  EXPECT_EQ(text, "乙");
  EXPECT_EQ(read.colour(), 4);
  ASSERT_EQ(BasReadAttribute(target, kPointEntity, 1, &record), 1);
  double id = 0;
  BasGetFieldDoubleByIndex(record, 0, &id);
  EXPECT_EQ(id, 77);
  // Copying an area into itself copies each entity once.
  EXPECT_EQ(BasCopyPoints(target, target), 1);
  int32_t n = 0;
  BasGetPointCount(target, &n, nullptr);
  EXPECT_EQ(n, 2);

  // Regions bring their arcs; shared arcs stay shared.
  const int32_t a = SquareArc(0, 0, 1);
  const int32_t c = SquareArc(5, 5, 1);
  BasAppendRegion(regions_, {0, a}, REG_INFO{});
  BasAppendRegion(regions_, {0, a, 0, c}, REG_INFO{});
  const WorkAreaHandle regionCopy = BasCreateRegionWorkArea(set_);
  EXPECT_EQ(BasCopyRegions(regions_, regionCopy), 2);
  BasGetLineCount(regionCopy, &n, nullptr);
  EXPECT_EQ(n, 2);
  std::vector<int32_t> arcs;
  ASSERT_EQ(BasReadRegion(regionCopy, 2, &arcs, nullptr), 1);
  EXPECT_EQ(arcs, (std::vector<int32_t>{12, 1, 0, 2}));
  const int32_t single = BasCopyEntity(regions_, kRegionEntity, 1, regionCopy);
  EXPECT_EQ(single, 3);
  BasGetLineCount(regionCopy, &n, nullptr);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(BasCopyEntity(regions_, kPointEntity, 1, regionCopy), 0);
  // Lines of a line area copy into the arcs of a region area.
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  EXPECT_EQ(BasCopyLines(lines_, regionCopy), 1);
}

TEST_F(WorkAreas, TransformMovesScalesAndTurns) {
  BasAppendPoint(points_, {1, 0}, "", PNT_INFO{});
  ASSERT_EQ(BasTransformWorkArea(points_, kTransformMove, 2, 3), 1);
  ASSERT_EQ(BasTransformWorkArea(points_, kTransformScale, 2, -1), 1);
  D_DOT p{};
  BasReadPointPos(points_, 1, &p);
  EXPECT_DOUBLE_EQ(p.x, 6);
  EXPECT_DOUBLE_EQ(p.y, -3);
  ASSERT_EQ(BasTransformWorkArea(points_, kTransformRotate, 90, 0), 1);
  BasReadPointPos(points_, 1, &p);
  EXPECT_NEAR(p.x, 3, 1e-12);
  EXPECT_NEAR(p.y, 6, 1e-12);
  EXPECT_EQ(BasTransformWorkArea(points_, 4, 0, 0), 0);
}

TEST_F(WorkAreas, PointRectangles) {
  PNT_INFO text;
  text.setKind(0);
  text.setCharHeight(3);
  text.setCharWidth(2);
  text.setCharSpacing(0.5f);
  BasAppendPoint(points_, {10, 10}, "ab高", text);  // 2 character units, 3 characters
  D_RECT r{};
  ASSERT_EQ(BasGetPointRect(points_, 1, &r), 1);
  EXPECT_DOUBLE_EQ(r.xmin, 10);
  EXPECT_DOUBLE_EQ(r.xmax, 10 + 2 * 2 + 2 * 0.5);
  EXPECT_DOUBLE_EQ(r.ymin, 10);  // the text sits on its insertion point
  EXPECT_DOUBLE_EQ(r.ymax, 13);
  PNT_INFO circle;
  circle.setKind(2);
  circle.setRadius(2);
  BasAppendPoint(points_, {0, 0}, "", circle);
  ASSERT_EQ(BasGetPointRect(points_, 2, &r), 1);
  EXPECT_EQ(r.xmin, -2);
  EXPECT_EQ(r.ymax, 2);
  EXPECT_EQ(BasGetPointRect(points_, 3, &r), 0);
  ASSERT_EQ(BasGetWorkAreaRect(points_, &r), 1);
  EXPECT_EQ(r.xmin, -2);
  EXPECT_DOUBLE_EQ(r.xmax, 15);
}

TEST(FileKinds, ByExtensionWithoutCase) {
  EXPECT_EQ(BasGetFileKind("/a/b/NAME.WL"), 0);
  EXPECT_EQ(BasGetFileKind("x.wt"), 1);
  EXPECT_EQ(BasGetFileKind("x.Wp"), 2);
  EXPECT_EQ(BasGetFileKind("x.mpj"), 9);
  EXPECT_EQ(BasGetFileKind("x.wn"), -1);
  EXPECT_EQ(BasGetFileKind("noext"), -1);
  EXPECT_STREQ(WorkAreaExtension(kRegionArea), ".wp");
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

// Two squares side by side sharing one arc, the left one with a hole:
//   arc 1: outer boundary of A except the shared side, arc 2: the shared side
//   (running up), arc 3: the rest of B, arc 4: a hole in A.
TEST(ArcTopology, SidesFollowRingOrientationHolesAndArcDirection) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle area = BasCreateRegionWorkArea(set);
  const LIN_INFO info;
  const int32_t a = BasAppendLine(area, std::vector<D_DOT>{{10, 10}, {0, 10}, {0, 0}, {10, 0}}, info);
  const int32_t shared = BasAppendLine(area, std::vector<D_DOT>{{10, 0}, {10, 10}}, info);
  const int32_t b = BasAppendLine(area, std::vector<D_DOT>{{10, 10}, {20, 10}, {20, 0}, {10, 0}}, info);
  const int32_t hole = BasAppendLine(area, std::vector<D_DOT>{{2, 2}, {4, 2}, {4, 4}, {2, 2}}, info);
  const int32_t left = BasAppendRegion(area, {0, a, shared, 0, hole}, REG_INFO{});  // counter-clockwise outer
  const int32_t right = BasAppendRegion(area, {0, -shared, -b}, REG_INFO{});         // arcs reversed
  ASSERT_GT(left, 0);
  ASSERT_GT(right, 0);
  EXPECT_EQ(BasCountRegionRings(area, left), 2);
  EXPECT_EQ(BasCountRegionRings(area, 9), -1);

  struct Case { int32_t arc; int32_t left; int32_t right; };
  const Case cases[] = {{a, left, 0}, {shared, left, right}, {b, 0, right}, {hole, 0, left}};
  const std::vector<ArcSides> all = BasComputeArcTopology(area);
  ASSERT_EQ(all.size(), 5u);
  for (const Case& c : cases) {
    int32_t l = -1, r = -1;
    ASSERT_EQ(BasReadArcTopology(area, c.arc, &l, &r), 1);
    EXPECT_EQ(l, c.left) << "arc " << c.arc;
    EXPECT_EQ(r, c.right) << "arc " << c.arc;
    EXPECT_EQ(all[c.arc].left, c.left) << "arc " << c.arc;
    EXPECT_EQ(all[c.arc].right, c.right) << "arc " << c.arc;
  }
  EXPECT_EQ(BasReadArcTopology(area, 7, nullptr, nullptr), 0);
  // A clockwise outer ring has its region on the right.
  const int32_t clockwise = BasAppendLine(area, std::vector<D_DOT>{{30, 0}, {30, 5}, {35, 5}, {30, 0}}, info);
  const int32_t third = BasAppendRegion(area, {0, clockwise}, REG_INFO{});
  int32_t l = -1, r = -1;
  ASSERT_EQ(BasReadArcTopology(area, clockwise, &l, &r), 1);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(r, third);
  EXPECT_TRUE(BasComputeArcTopology(BasCreatePointWorkArea(set)).empty());
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv
