#include "platform/editors/nearest.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

// A small map: three points, two lines, a square region with a square hole
// and, drawn over it, a small region inside the hole.
class NearestTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    PNT_INFO p;
    p.setKind(1);
    for (D_DOT at : {D_DOT{0, 0}, D_DOT{10, 0}, D_DOT{5, 8}}) BasAppendPoint(points_, at, "", p);
    LIN_INFO l;
    BasAppendLine(lines_, std::vector<D_DOT>{{0, 20}, {10, 20}, {10, 30}}, l);
    BasAppendLine(lines_, std::vector<D_DOT>{{-5, -5}, {-5, 5}}, l);
    const int32_t outer = BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, l);
    const int32_t hole = BasAppendLine(regions_, std::vector<D_DOT>{{3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}}, l);
    const int32_t inner = BasAppendLine(regions_, std::vector<D_DOT>{{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}}, l);
    REG_INFO r;
    ring_ = BasAppendRegion(regions_, {0, outer, 0, hole}, r);
    island_ = BasAppendRegion(regions_, {0, inner}, r);
  }
  int32_t ring_ = 0, island_ = 0;
};

TEST_F(NearestTest, NearestPointAndLineWithDistance) {
  struct Case {
    D_DOT at;
    int32_t point;
    double pointDistance;
    int32_t line;
    double lineDistance;
  };
  const Case cases[] = {
      {{1, 1}, 1, std::sqrt(2.0), 2, 6.0},
      {{9, 1}, 2, std::sqrt(2.0), 2, 14.0},
      {{12, 25}, 3, std::hypot(7.0, 17.0), 1, 2.0},
      {{-6, 0}, 1, 6.0, 2, 1.0},
  };
  for (const Case& c : cases) {
    const NearestHit p = NearestPoint(points_, c.at);
    EXPECT_EQ(p.id, c.point) << c.at.x << "," << c.at.y;
    EXPECT_NEAR(p.distance, c.pointDistance, 1e-9);
    const NearestHit l = NearestLine(lines_, c.at);
    EXPECT_EQ(l.id, c.line) << c.at.x << "," << c.at.y;
    EXPECT_NEAR(l.distance, c.lineDistance, 1e-9);
  }
  EXPECT_FALSE(NearestPoint(lines_, {0, 0}));  // wrong kind of area: nothing
}

TEST_F(NearestTest, RegionContainingRespectsHolesAndDrawingOrder) {
  EXPECT_EQ(RegionContaining(regions_, {1, 1}), ring_);
  EXPECT_EQ(RegionContaining(regions_, {3.5, 3.5}), 0);  // in the hole, outside the island
  EXPECT_EQ(RegionContaining(regions_, {5, 5}), island_);
  EXPECT_EQ(RegionContaining(regions_, {20, 20}), 0);
}

TEST_F(NearestTest, NearestVertexAndBoxSelection) {
  const NearestVertexHit v = NearestVertex(lines_, {9, 29});
  EXPECT_EQ(v.line, 1);
  EXPECT_EQ(v.index, 2);
  EXPECT_NEAR(v.distance, std::sqrt(2.0), 1e-9);
  EXPECT_EQ(EntitiesInsideRect(points_, kPointEntity, {-1, -1, 11, 1}), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(EntitiesInsideRect(lines_, kLineEntity, {-1, 19, 11, 31}), (std::vector<int32_t>{1}));
  EXPECT_EQ(EntitiesInsideRect(regions_, kRegionEntity, {3.5, 3.5, 6.5, 6.5}), (std::vector<int32_t>{island_}));
}

TEST_F(NearestTest, LayersSwitchedOffAreNotFound) {
  PNT_INFO p;
  BasReadPointParam(points_, 1, &p);
  p.setLayer(3);
  BasWritePointParam(points_, 1, p);
  BasSetLayerOn(points_, 3, 0);
  EXPECT_EQ(NearestPoint(points_, {0, 0}).id, 3);  // (5, 8) is nearer than (10, 0)
  EXPECT_EQ(EntitiesInsideRect(points_, kPointEntity, {-1, -1, 11, 1}), (std::vector<int32_t>{2}));
}

}  // namespace
}  // namespace zv
