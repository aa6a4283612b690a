#include "tools/clip/core/block_delete.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/work_areas_fixture.h"

namespace zv::tools {
namespace {

// Two regions sharing an arc: A (0..10) with a hole, B (10..30) reaching out
// of the window (−1..12); a free arc inside the window and one outside.
class BlockDeleteTest : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    left_ = Arc({{10, 0}, {0, 0}, {0, 10}, {10, 10}});
    shared_ = Arc({{10, 10}, {10, 0}});
    right_ = Arc({{10, 0}, {30, 0}, {30, 10}, {10, 10}});
    hole_ = Arc({{2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}});
    freeIn_ = Arc({{1, 11}, {5, 11}});
    freeOut_ = Arc({{20, 20}, {25, 20}});
    a_ = BasAppendRegion(regions_, {0, left_, shared_, 0, hole_}, REG_INFO{});
    b_ = BasAppendRegion(regions_, {0, right_, -shared_}, REG_INFO{});
  }
  int32_t Arc(std::vector<D_DOT> v) { return BasAppendLine(regions_, v, LIN_INFO{}); }
  std::vector<int32_t> Gone(std::vector<ENTITY_MSG> selected, int type) {
    std::vector<int32_t> ids;
    for (const ENTITY_MSG& e : BlockDeleteEntries(selected, {regions_}, {-1, -1, 12, 12}))
      if (e.type == type) ids.push_back(e.id);
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  int32_t left_, shared_, right_, hole_, freeIn_, freeOut_, a_, b_;
};

TEST_F(BlockDeleteTest, ArcsGoOnlyWhenNoRemainingRegionUsesThem) {
  // Nothing selected: only the free arc in the window.
  EXPECT_EQ(Gone({}, kLineEntity), std::vector<int32_t>{freeIn_});
  EXPECT_TRUE(Gone({}, kRegionEntity).empty());
  // A selected: its own arcs go, the arc B shares stays.
  const ENTITY_MSG a{regions_, kRegionEntity, a_}, b{regions_, kRegionEntity, b_};
  EXPECT_EQ(Gone({a}, kLineEntity), (std::vector<int32_t>{left_, hole_, freeIn_}));
  EXPECT_EQ(Gone({a}, kRegionEntity), std::vector<int32_t>{a_});
  // B selected: its arc reaching out goes with it, the shared one is A's.
  EXPECT_EQ(Gone({b}, kLineEntity), (std::vector<int32_t>{right_, freeIn_}));
  // Both: every arc of theirs; the free arc outside stays.
  EXPECT_EQ(Gone({a, b}, kLineEntity), (std::vector<int32_t>{left_, shared_, right_, hole_, freeIn_}));
}

TEST_F(BlockDeleteTest, EntriesAreDeletedOnceWhateverTheirKind) {
  const int32_t point = BasAppendPoint(points_, {5, 5}, "点", PNT_INFO{});
  const int32_t line = BasAppendLine(lines_, {{0, 0}, {1, 1}}, LIN_INFO{});
  const std::vector<ENTITY_MSG> selected = {{points_, kPointEntity, point}, {lines_, kLineEntity, line},
                                            {regions_, kRegionEntity, a_}, {regions_, kRegionEntity, a_}};
  const std::vector<ENTITY_MSG> entries = BlockDeleteEntries(selected, {regions_}, {-1, -1, 12, 12});
  EXPECT_EQ(entries.size(), 6u);
  EXPECT_EQ(DeleteEntries(entries), 6);
  EXPECT_FALSE(BasIsEntityLive(points_, kPointEntity, point));
  EXPECT_FALSE(BasIsEntityLive(lines_, kLineEntity, line));
  EXPECT_TRUE(BasIsEntityLive(regions_, kLineEntity, shared_));
  EXPECT_DOUBLE_EQ(BasRegionArea(regions_, b_), 200);
}

}  // namespace
}  // namespace zv::tools
