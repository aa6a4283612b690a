#include "platform/editor/arc_faces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace zv::editor {
namespace {

// Rings of an arc list, each as its signed arcs sorted, the outer ring
// first and the holes sorted: the same region whichever arc a ring starts at.
std::vector<std::vector<int32_t>> Rings(const std::vector<int32_t>& list) {
  std::vector<std::vector<int32_t>> rings;
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (rings.empty() || list[i] == 0) rings.emplace_back();
    if (list[i] != 0) rings.back().push_back(list[i]);
  }
  for (auto& r : rings) std::sort(r.begin(), r.end());
  if (rings.size() > 2) std::sort(rings.begin() + 1, rings.end());
  return rings;
}

// Two rooms side by side: open arcs meeting end to end, split by a wall
// (7). Loose arc 8 hangs off a corner. The left room holds a closed arc (9)
// with another inside it (11); the right room an island of two open arcs
// (10, 13). Arc 12 is a closed ring far off; 14 would tie the island to a
// corner of the rooms.
std::vector<ArcPath> Rooms(bool tiedIsland) {
  std::vector<ArcPath> arcs = {
      {1, {{0, 0}, {10, 0}}},
      {2, {{10, 0}, {20, 0}}},
      {3, {{20, 0}, {20, 10}}},
      {4, {{20, 10}, {15, 10}, {10, 10}}},
      {5, {{10, 10}, {0, 10}}},
      {6, {{0, 10}, {0, 0}}},
      {7, {{10, 0}, {10, 5}, {10, 10}}},
      {8, {{20, 10}, {25, 15}}},
      {9, {{2, 2}, {5, 2}, {5, 5}, {2, 5}, {2, 2}}},
      {10, {{12, 2}, {16, 2}, {16, 6}}},
      {11, {{3, 3}, {4, 3}, {4, 4}, {3, 4}, {3, 3}}},
      {12, {{30, 0}, {40, 0}, {40, 10}, {30, 0}}},
      {13, {{16, 6}, {12, 6}, {12, 2}}},
      {0, {{0, 0}, {1, 1}}},                                             // no id: ignored
      {15, {{0, 0}, {std::numeric_limits<double>::quiet_NaN(), 1}}},  // not finite: ignored
  };
  if (tiedIsland) arcs.push_back({14, {{12, 2}, {10, 0}}});
  return arcs;
}

TEST(RegionArcsAround, SmallestRingRoundTheClickWithItsHoles) {
  using Rings_ = std::vector<std::vector<int32_t>>;
  struct Case {
    const char* what;
    D_DOT click;
    Rings_ expected;
  } cases[] = {
      {"left room: the closed arc inside is a hole, the one inside that is not", {1, 8}, {{1, 5, 6, 7}, {-9}}},
      {"right room: the wall runs backwards, the island of open arcs is a hole", {18, 8}, {{-7, 2, 3, 4}, {-13, -10}}},
      {"inside a closed arc, round the one within it", {2.5, 4.5}, {{9}, {-11}}},
      {"inside the innermost closed arc", {3.5, 3.5}, {{11}}},
      {"inside the island", {14, 4}, {{10, 13}}},
      {"a lone closed arc", {38, 5}, {{12}}},
      {"beside the loose arc, in no ring", {24, 13}, {}},
      {"outside everything", {-5, -5}, {}},
  };
  for (bool tied : {false, true}) {
    const std::vector<ArcPath> arcs = Rooms(tied);
    for (const Case& c : cases)
      EXPECT_EQ(Rings(RegionArcsAround(arcs, c.click)), c.expected) << c.what << (tied ? ", island tied" : "");
  }
}

TEST(RegionArcsAround, EndsMeetingWithinTheToleranceCloseARing) {
  const std::vector<ArcPath> arcs = {
      {1, {{0, 0}, {100, 0}, {100, 100}}},
      {2, {{100, 100.00000001}, {0, 100}, {0, 1e-8}}},
  };
  EXPECT_EQ(Rings(RegionArcsAround(arcs, {50, 50})), (std::vector<std::vector<int32_t>>{{1, 2}}));
  EXPECT_TRUE(RegionArcsAround({}, {0, 0}).empty());
}

}  // namespace
}  // namespace zv::editor
