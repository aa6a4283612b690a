#include "zavediz/draw/terrain_queries.h"

#include <gtest/gtest.h>

namespace zv::zavediz {
namespace {

// (0, 10) (10, 30) (20, 10) (30, 30)
void FillZigzag(CPointRecList& terrain) {
  const double ys[] = {10, 30, 10, 30};
  for (int i = 0; i < 4; ++i) terrain.InsertAt(i + 1, 0, i * 10.0, ys[i], "", 0.0);
}

struct Told {
  std::vector<std::string> messages;
  Tell tell() {
    return [this](const std::string& m) { messages.push_back(m); };
  }
};

TEST(TerrainQueries, ElevationAtEndsInsideAndOutside) {
  CPointRecList terrain;
  FillZigzag(terrain);
  Told told;
  EXPECT_EQ(TerrainElevationAt(terrain, 0.0, told.tell()), 10.0);
  EXPECT_EQ(TerrainElevationAt(terrain, 30.0, told.tell()), 30.0);
  EXPECT_EQ(TerrainElevationAt(terrain, 15.0, told.tell()), 20.0);
  EXPECT_TRUE(told.messages.empty());
  EXPECT_EQ(TerrainElevationAt(terrain, 30.0001, told.tell()), 0.0);
  EXPECT_EQ(TerrainElevationAt(terrain, -0.0001, told.tell()), 0.0);
  EXPECT_EQ(told.messages, (std::vector<std::string>{kOutsideLine1Message, kOutsideLine1Message}));

  EXPECT_EQ(OverburdenBaseAt(terrain, 10.00005, 2.0, told.tell()), 28.0);
  EXPECT_EQ(OverburdenBaseAt(terrain, 31.0, 2.0, told.tell()), 0.0);
  EXPECT_EQ(told.messages.back(), kOutsideLine4Message);
  EXPECT_EQ(TerrainTop(terrain), 30.0);
  EXPECT_EQ(TerrainExtreme(terrain, 0), 10.0);
}

TEST(TerrainQueries, CrossingsCountAVertexOnTheLevelOnceAsNotBelow) {
  CPointRecList terrain;
  FillZigzag(terrain);
  EXPECT_EQ(TerrainCrossings(terrain, 20.0), (std::vector<double>{5, 15, 25}));
  EXPECT_EQ(TerrainCrossings(terrain, 30.0), (std::vector<double>{10, 10, 30}));
  EXPECT_EQ(TerrainCrossings(terrain, 10.0), std::vector<double>{});
  EXPECT_TRUE(TerrainCrossings(terrain, 31.0).empty());
  EXPECT_TRUE(TerrainCrossings(terrain, 9.0).empty());
}

TEST(TerrainQueries, OverburdenBaseSpansAndTheirRefusals) {
  CPointRecList terrain;
  FillZigzag(terrain);
  Told told;
  std::vector<D_DOT> base = CollectOverburdenBase(terrain, 2.0, 5.0, 30.00005, told.tell());
  ASSERT_EQ(base.size(), 4u);
  EXPECT_EQ(base[0].x, 5.0);
  EXPECT_EQ(base[0].y, 18.0);
  EXPECT_EQ(base[1].x, 10.0);
  EXPECT_EQ(base[3].x, 30.0);
  EXPECT_EQ(base[3].y, 28.0);
  EXPECT_TRUE(told.messages.empty());

  EXPECT_TRUE(CollectOverburdenBase(terrain, 2.0, -1.0, 20.0, told.tell()).empty());
  EXPECT_TRUE(CollectOverburdenBase(terrain, 2.0, 0.0, 30.0002, told.tell()).empty());
  EXPECT_EQ(told.messages, (std::vector<std::string>{kOutsideLine2Message, kOutsideLine3Message}));
}

TEST(TerrainQueries, ASpanHoldsAllOfFiveThousandVertices) {
  CPointRecList terrain;
  for (int i = 0; i < 5002; ++i) terrain.InsertAt(i + 1, 0, i * 0.1, 100.0, "", 0.0);
  const std::vector<D_DOT> base = CollectOverburdenBase(terrain, 2.0, 0.0, 500.1, [](const std::string&) {});
  EXPECT_EQ(base.size(), 5002u);
  EXPECT_EQ(base.back().x, 500.1);
}

}  // namespace
}  // namespace zv::zavediz
