#include "views/core/status_readout.h"

#include <gtest/gtest.h>

#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::views {
namespace {

class StatusReadoutTest : public test::WorkAreasTest {
 protected:
  int32_t Point(uint8_t kind) {
    PNT_INFO info;
    info.setKind(kind);
    return BasAppendPoint(points_, {0, 0}, "t", info);
  }
  int32_t Line() {
    const std::vector<D_DOT> v{{0, 0}, {1, 1}};
    return BasAppendLine(lines_, v, LIN_INFO{});
  }
};

TEST_F(StatusReadoutTest, PoolIsCountedByTypeAndPointKindSkippingClosedAreas) {
  const WorkAreaSetHandle other = BasCreateWorkAreaSet(0);
  const WorkAreaHandle closed = BasCreateLineWorkArea(other);
  const std::vector<ENTITY_MSG> pool = {
      {points_, kPointEntity, Point(0)}, {points_, kPointEntity, Point(0)}, {points_, kPointEntity, Point(1)},
      {points_, kPointEntity, Point(2)}, {lines_, kLineEntity, Line()},   {regions_, kRegionEntity, 1},
      {closed, kLineEntity, 1},
  };
  BasFreeWorkAreaSet(other);
  EXPECT_EQ(CountPool(pool), (PoolCounts{2, 1, 1, 1}));
}

TEST_F(StatusReadoutTest, CountsAreKeptUntilThePoolOrAnAreaChanges) {
  std::vector<ENTITY_MSG> pool = {{lines_, kLineEntity, Line()}};
  StatusCache cache;
  EXPECT_EQ(cache.Counts(pool, 1).lines, 1);
  EXPECT_EQ(cache.Counts(pool, 1).lines, 1);
  EXPECT_EQ(cache.recounts(), 1);
  pool.push_back({points_, kPointEntity, Point(1)});
  EXPECT_EQ(cache.Counts(pool, 2).subGraphs, 1);
  EXPECT_EQ(cache.recounts(), 2);
  // A point changing kind is seen through its area's revision.
  PNT_INFO info;
  info.setKind(0);
  BasWritePointParam(points_, pool[1].id, info);
  EXPECT_EQ(cache.Counts(pool, 2), (PoolCounts{1, 0, 1, 0}));
  EXPECT_EQ(cache.recounts(), 3);
}

TEST_F(StatusReadoutTest, LayerTextNamesTheLayer) {
  EXPECT_EQ(LayerText(3, ""), "当前图层: 第3层,()");
  EXPECT_EQ(LayerText(0, "地层"), "当前图层: 第0层,(地层)");
}

TEST_F(StatusReadoutTest, ItemsAreMarkedByTheFirstItemOfEachAreaUpTo200) {
  MapProject* project = PrjCreate(0);
  const std::string folder = test::TempRoot();
  for (int i = 0; i < 201; ++i) PrjAddItem(project, folder + "/f" + std::to_string(i) + ".wl", 0, -1);
  ASSERT_EQ(PrjGetItemCount(project), 201);
  ItemFlags flags;
  flags.fill(7);
  EXPECT_FALSE(MarkSelectedProjectItems(project, {}, flags));
  EXPECT_EQ(flags[0], 7);  // an empty pool leaves the flags alone
  const std::vector<ENTITY_MSG> pool = {
      {PrjGetItemArea(project, 5), kLineEntity, 1},
      {PrjGetItemArea(project, 199), kLineEntity, 1},
      {PrjGetItemArea(project, 200), kLineEntity, 1},  // beyond the flags
  };
  ASSERT_TRUE(MarkSelectedProjectItems(project, pool, flags));
  ItemFlags expected{};
  expected[5] = 1;
  expected[199] = 1;
  EXPECT_EQ(flags, expected);
  StatusCache cache;
  ItemFlags cached{};
  EXPECT_TRUE(cache.ItemMarks(project, pool, 1, cached));
  EXPECT_EQ(cached, expected);
  PrjClose(project);
}

}  // namespace
}  // namespace zv::views
