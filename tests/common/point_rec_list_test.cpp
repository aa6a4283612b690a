#include <gtest/gtest.h>

#include <vector>

#include "common/point_rec_list.h"

namespace {

std::vector<int32_t> Ids(const CPointRecList& list) {
  std::vector<int32_t> ids;
  for (int32_t i = 1; i <= list.GetCount(); ++i) {
    int32_t id;
    double x, y;
    EXPECT_TRUE(list.GetAt(i, id, x, y));
    ids.push_back(id);
  }
  return ids;
}

}  // namespace

TEST(PointRecList, PositionsAreOneBasedAndBounded) {
  CPointRecList list;
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_FALSE(list.InsertAt(0, 9, 0, 0, "", 0));
  EXPECT_FALSE(list.InsertAt(2, 9, 0, 0, "", 0));
  EXPECT_TRUE(list.InsertAt(1, 1, 1.0, 2.0, "a", 0.5));
  EXPECT_TRUE(list.InsertAt(2, 3, 0, 0, "c", 0));  // count + 1 appends
  EXPECT_TRUE(list.InsertAt(2, 2, 0, 0, "b", 0));  // the others move up
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{1, 2, 3}));

  int32_t id = -1;
  double x = -1, y = -1, value = -1;
  std::string name = "untouched";
  EXPECT_FALSE(list.GetAt(4, id, x, y));
  EXPECT_FALSE(list.GetAtFull(-1, id, x, y, name, value));
  EXPECT_FALSE(list.GetAt(0, id, x, y));  // positions start at 1
  EXPECT_EQ(id, -1);
  EXPECT_EQ(name, "untouched");
  EXPECT_TRUE(list.GetAtFull(1, id, x, y, name, value));
  EXPECT_EQ(id, 1);
  EXPECT_EQ(x, 1.0);
  EXPECT_EQ(y, 2.0);
  EXPECT_EQ(name, "a");
  EXPECT_EQ(value, 0.5);
}

TEST(PointRecList, SetAtChangesOnlyItsFields) {
  CPointRecList list;
  list.InsertAt(1, 1, 3.0, 4.0, "a", 7.0);
  EXPECT_TRUE(list.SetAt(1, 5, "ZK01", "说明", 10, 20));
  EXPECT_FALSE(list.SetAt(2, 5, "", "", 0, 0));
  int32_t id, a, b;
  double x, y, value;
  std::string name, text;
  EXPECT_TRUE(list.GetAtStrings(1, id, name, text, a, b));
  EXPECT_EQ(id, 5);
  EXPECT_EQ(name, "ZK01");
  EXPECT_EQ(text, "说明");
  EXPECT_EQ(a, 10);
  EXPECT_EQ(b, 20);
  EXPECT_TRUE(list.GetAtFull(1, id, x, y, name, value));
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 4.0);
  EXPECT_EQ(value, 7.0);
}

TEST(PointRecList, AddSortedOrdersByXThenYWithinAColumn) {
  CPointRecList list;
  list.AddSorted(1, 5.0, 3.0, "");
  list.AddSorted(2, 5.00005, 2.0, "");  // same column, lower y: before
  list.AddSorted(3, 5.0002, 1.0, "");   // next column: after
  list.AddSorted(4, -1.0, 9.0, "");
  list.AddSorted(5, 5.0, 3.0, "");      // equal in both: after the existing one
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{4, 2, 1, 5, 3}));
}

TEST(PointRecList, AddSortedExOrdersByValueKeepingInsertionOrderOfEquals) {
  CPointRecList list;
  const double values[] = {3.0, 1.0, 2.0, 1.0, 5.0};
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(list.AddSortedEx(i + 1, 0, 0, "", values[i]), 1);
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{2, 4, 3, 1, 5}));
}

TEST(PointRecList, RemoveAllKeepsTheSentinel) {
  CPointRecList list;
  EXPECT_TRUE(list.RemoveAll());
  list.AddSorted(1, 1, 1, "");
  list.AddSorted(2, 2, 2, "");
  EXPECT_TRUE(list.RemoveAll());
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetCount(), 0);
  list.AddSorted(3, 0, 0, "");
  EXPECT_EQ(Ids(list), std::vector<int32_t>{3});
}
