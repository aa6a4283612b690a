#include <gtest/gtest.h>

#include "platform/view/display_params.h"
#include "platform/view/selection_pool.h"

namespace zv {
namespace {

TEST(SelectionPool, HoldsEachEntityOnceInPickOrder) {
  SelectionPool pool;
  EXPECT_EQ(pool.data(), nullptr);
  const ENTITY_MSG a{1, kPointEntity, 3}, b{1, kLineEntity, 3}, c{2, kPointEntity, 3};
  const ENTITY_MSG list[] = {a, b, a, c};
  EXPECT_EQ(pool.Add(list, 4), 3);
  ASSERT_EQ(pool.count(), 3);
  EXPECT_EQ(pool.data()[2], c);
  pool.Toggle({b, ENTITY_MSG{9, kRegionEntity, 1}});
  EXPECT_FALSE(pool.Contains(b));
  EXPECT_TRUE(pool.Contains(ENTITY_MSG{9, kRegionEntity, 1}));
  pool.DropDead();  // none of these areas exist
  EXPECT_TRUE(pool.empty());
}

TEST(SelectParms, ThirteenEntriesCopiedInAndOutByCount) {
  SelectParms parms;
  int16_t eight[8] = {0, 1, 1, 0, 0, 1, 0, 1};
  EXPECT_EQ(parms.Set(eight, 8), 8);
  int16_t all[20] = {};
  EXPECT_EQ(parms.Get(all, 20), 13);
  EXPECT_EQ(all[7], 1);
  EXPECT_EQ(all[6], 0);
  EXPECT_TRUE(parms.Flip(kShowLineEndMarks));
  EXPECT_EQ(parms[kShowLineEndMarks], 1);
  EXPECT_FALSE(parms.Flip(13));
  EXPECT_EQ(parms.Get(nullptr, 8), 0);
  EXPECT_EQ(parms.Set(all, 0), 0);
}

}  // namespace
}  // namespace zv
