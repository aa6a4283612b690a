// Block definitions and the references that place them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

using test::Group;

std::vector<Group> Block(const std::string& name, D_DOT base, std::vector<Group> entities) {
  std::vector<Group> groups = {{0, "BLOCK"}, {8, "0"}, {2, name}, {70, "0"},
                               {10, std::to_string(base.x)}, {20, std::to_string(base.y)}, {30, "0"}, {3, name}};
  groups.insert(groups.end(), entities.begin(), entities.end());
  groups.insert(groups.end(), {{0, "ENDBLK"}, {8, "0"}});
  return groups;
}

std::vector<Group> Insert(const std::string& name, D_DOT at, double sx = 1, double sy = 1, double angle = 0,
                          std::vector<Group> more = {}) {
  std::vector<Group> groups = {{0, "INSERT"}, {8, "REF"}, {2, name}, {10, std::to_string(at.x)},
                               {20, std::to_string(at.y)}, {41, std::to_string(sx)}, {42, std::to_string(sy)},
                               {50, std::to_string(angle)}};
  groups.insert(groups.end(), more.begin(), more.end());
  return groups;
}

std::vector<Group> Join(std::initializer_list<std::vector<Group>> parts) {
  std::vector<Group> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const std::vector<Group> kLayers = {{0, "LAYER"}, {2, "REF"}, {62, "4"}, {0, "LAYER"}, {2, "OFF"}, {62, "-1"}};

test::ReadOutcome Read(const std::vector<Group>& blocks, const std::vector<Group>& entities,
                       const std::string& pointMap = "") {
  return test::ReadDxf(test::DxfFileWithBlocks(kLayers, blocks, entities), pointMap);
}

const std::vector<Group> kLine = {{0, "LINE"}, {8, "0"}, {10, "10"}, {20, "10"}, {11, "20"}, {21, "10"}};

void ExpectPoint(const D_DOT& got, D_DOT want) {
  EXPECT_NEAR(got.x, want.x, 1e-9);
  EXPECT_NEAR(got.y, want.y, 1e-9);
}

TEST(DxfBlocks, ReferencesWithColumnsAndRowsPlaceEveryCopy) {
  // Three columns 10 apart and two rows 5 apart, the grid turned 90° with
  // the reference: columns run up, rows to the left.
  const std::vector<Group> grid = {{70, "3"}, {71, "2"}, {44, "10"}, {45, "5"}};
  const auto read = Read(Block("B", {10, 10}, kLine), Insert("B", {100, 0}, 1, 1, 90, grid));
  ASSERT_EQ(read.sink.lines.size(), 6u);
  std::vector<D_DOT> starts;
  for (const auto& line : read.sink.lines) starts.push_back(line.vertices[0]);
  const std::vector<D_DOT> want = {{100, 0}, {100, 10}, {100, 20}, {95, 0}, {95, 10}, {95, 20}};
  for (std::size_t i = 0; i < want.size(); ++i) ExpectPoint(starts[i], want[i]);
  // A grid whose copies would pass the expansion budget stops with a message.
  const auto huge = test::ReadDxf(test::DxfFileWithBlocks(kLayers, Block("B", {10, 10}, kLine),
                                                         Insert("B", {0, 0}, 1, 1, 0,
                                                                {{70, "32767"}, {71, "32767"}, {44, "1"}, {45, "1"}})),
                                  "", 100000);
  EXPECT_LT(huge.sink.lines.size(), 10000u);
  EXPECT_FALSE(huge.result.messages.empty());
}

TEST(DxfBlocks, ReferencesPlaceTheirBlock) {
  const auto read = Read(Block("B", {10, 10}, kLine),
                         Join({Insert("B", {100, 0}, 2, 1, 90), Insert("B", {100, 0}, -1, 1, 0),
                               Insert("B", {100, 0}, 1, 1, 0, {{230, "-1"}}), Insert("UNDEFINED", {1, 1}),
                               Insert("B", {0, 0}, 1, 1, 0, {{8, "OFF"}})}));
  ASSERT_EQ(read.sink.lines.size(), 3u);
  ExpectPoint(read.sink.lines[0].vertices[0], {100, 0});
  ExpectPoint(read.sink.lines[0].vertices[1], {100, 20});
  ExpectPoint(read.sink.lines[1].vertices[1], {90, 0});
  ExpectPoint(read.sink.lines[2].vertices[0], {-100, 0});  // extrusion down: the whole reference mirrored
  ExpectPoint(read.sink.lines[2].vertices[1], {-110, 0});
  const auto& line = read.sink.lines[0];
  EXPECT_EQ(line.attributes.layerName, "REF");
  EXPECT_EQ(line.attributes.nameText, "B");
  EXPECT_EQ(line.style.rgb, 0x00FFFFu);  // the reference's layer colour
  EXPECT_TRUE(read.result.messages.empty());
}

TEST(DxfBlocks, CurvesTextsAndColoursInsideBlocks) {
  const auto read = Read(
      Block("B", {0, 0},
            {{0, "CIRCLE"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {62, "0"},
             {0, "TEXT"}, {8, "0"}, {1, "T"}, {10, "1"}, {20, "0"}, {40, "2.5"}, {41, "0.8"}, {50, "30"}, {62, "1"},
             {0, "ATTDEF"}, {8, "0"}, {1, "skip"}, {2, "TAG"}, {10, "0"}, {20, "0"}}),
      Join({Insert("B", {0, 0}, 2, 1, 0, {{62, "3"}}), Insert("B", {0, 0}, 2, 3, 45), Insert("B", {0, 0}, -1, 1, 0)}));
  ASSERT_EQ(read.sink.lines.size(), 3u);
  const auto& circle = read.sink.lines[0].vertices;
  const auto [minX, maxX] = std::minmax_element(circle.begin(), circle.end(),
                                                [](const D_DOT& a, const D_DOT& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(circle.begin(), circle.end(),
                                                [](const D_DOT& a, const D_DOT& b) { return a.y < b.y; });
  EXPECT_NEAR(maxX->x - minX->x, 4, 0.01);
  EXPECT_NEAR(maxY->y - minY->y, 2, 0.01);
  EXPECT_EQ(read.sink.lines[0].style.rgb, 0x00FF00u);  // BYBLOCK: the reference's colour
  ASSERT_EQ(read.sink.points.size(), 3u);
  const DxfPoint& turned = read.sink.points[1].point;
  EXPECT_NEAR(turned.height, 7.5, 1e-9);
  EXPECT_NEAR(turned.width, 5 * 0.8, 1e-9);
  EXPECT_NEAR(turned.angle, 75, 1e-9);  // its own 30 and the reference's 45
  EXPECT_EQ(read.sink.points[1].attributes.nameText, "T");
  EXPECT_EQ(read.sink.points[1].point.rgb, 0xFF0000u);  // its own colour
  const DxfPoint& mirrored = read.sink.points[2].point;
  EXPECT_NEAR(mirrored.position.x, -1, 1e-9);
  EXPECT_NEAR(mirrored.angle, 150, 1e-9);
}

TEST(DxfBlocks, NestedReferencesComposeTheirPlacement) {
  const auto blocks = Join({Block("INNER", {0, 0}, {{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "0"}}),
                            Block("OUTER", {0, 0}, Insert("INNER", {10, 0}, 2, 2, 90))});
  const auto read = Read(blocks, Insert("OUTER", {100, 0}));
  ASSERT_EQ(read.sink.lines.size(), 1u);
  ExpectPoint(read.sink.lines[0].vertices[0], {110, 0});
  ExpectPoint(read.sink.lines[0].vertices[1], {110, 2});
  EXPECT_EQ(read.sink.lines[0].attributes.layerName, "REF");
  // The inner block mapped to a sub-graph: one point where the nested
  // reference lands, turned and scaled by both references.
  const auto mapped = Read(blocks, Insert("OUTER", {100, 0}, 1, 1, 90), "INNER 12");
  ASSERT_EQ(mapped.sink.points.size(), 1u);
  const DxfPoint& p = mapped.sink.points[0].point;
  EXPECT_EQ(p.kind, DxfPointKind::SubGraph);
  EXPECT_EQ(p.subGraph, 12);
  ExpectPoint(p.position, {100, 10});
  EXPECT_NEAR(p.angle, 180, 1e-9);
  EXPECT_NEAR(p.width, 2, 1e-9);
  EXPECT_NEAR(p.height, 2, 1e-9);
}

TEST(DxfBlocks, MappedReferencesAreSubGraphPointsEvenAtTheOrigin) {
  const auto read = Read(Block("WELL", {0, 0}, kLine),
                         Join({Insert("WELL", {100, 50}, 2, 3, 45), Insert("WELL", {0, 0})}), "WELL 12");
  EXPECT_TRUE(read.sink.lines.empty());
  ASSERT_EQ(read.sink.points.size(), 2u);
  const auto& [point, attributes] = read.sink.points[0];
  EXPECT_EQ(point.subGraph, 12);
  EXPECT_EQ(point.width, 2);
  EXPECT_EQ(point.height, 3);
  EXPECT_EQ(point.angle, 45);
  EXPECT_EQ(attributes.nameText, "WELL");
  ExpectPoint(read.sink.points[1].point.position, {0, 0});
}

TEST(DxfBlocks, HatchPathsAreExpandedOnceAndWhatFollowsThem) {
  const std::vector<Group> hatch = {
      {0, "HATCH"}, {8, "0"}, {2, "SOLID"}, {70, "1"}, {71, "0"}, {91, "2"},
      {92, "3"}, {72, "0"}, {73, "1"}, {93, "3"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "1"}, {20, "1"}, {97, "0"},
      {92, "3"}, {72, "0"}, {73, "1"}, {93, "3"}, {10, "5"}, {20, "0"}, {10, "6"}, {20, "0"}, {10, "6"}, {20, "1"}, {97, "0"},
      {75, "1"}, {76, "1"}, {98, "0"}};
  const auto read = Read(Block("H", {0, 0}, Join({hatch, kLine})), Join({Insert("H", {100, 0}), Insert("H", {200, 0})}));
  ASSERT_EQ(read.sink.regions.size(), 4u);
  ExpectPoint(read.sink.regions[1].rings[0][0].vertices[0], {105, 0});
  ExpectPoint(read.sink.regions[3].rings[0][0].vertices[0], {205, 0});
  EXPECT_EQ(read.sink.lines.size(), 2u);
}

TEST(DxfBlocks, SelfReferencesStopWithAMessage) {
  const auto direct = Read(Block("A", {0, 0}, Join({kLine, Insert("A", {1, 0})})), Insert("A", {0, 0}));
  EXPECT_EQ(direct.sink.lines.size(), 1u);
  ASSERT_EQ(direct.result.messages.size(), 1u);
  EXPECT_NE(direct.result.messages[0].find("A"), std::string::npos);
  const auto through = Read(Join({Block("A", {0, 0}, Join({kLine, Insert("B", {1, 0})})),
                                  Block("B", {0, 0}, Join({kLine, Insert("A", {1, 0})}))}),
                            Join({Insert("A", {0, 0}), Insert("B", {0, 0})}));
  EXPECT_EQ(through.sink.lines.size(), 4u);
  EXPECT_EQ(through.result.messages.size(), 2u);  // once for each block seen again
}

TEST(DxfBlocks, FanOutIsBoundedWithAMessage) {
  // Ten references to the next block on each of eight levels: 10^8 lines.
  std::vector<Group> blocks = Block("L0", {0, 0}, kLine);
  for (int level = 1; level <= 8; ++level) {
    std::vector<Group> refs;
    for (int i = 0; i < 10; ++i) {
      const auto one = Insert("L" + std::to_string(level - 1), {static_cast<double>(i), 0});
      refs.insert(refs.end(), one.begin(), one.end());
    }
    const auto block = Block("L" + std::to_string(level), {0, 0}, refs);
    blocks.insert(blocks.end(), block.begin(), block.end());
  }
  const auto read = test::ReadDxf(test::DxfFileWithBlocks(kLayers, blocks, Insert("L8", {0, 0})), "", 160'000);
  EXPECT_GT(read.sink.lines.size(), 4'000u);  // references cost as well
  EXPECT_LT(read.sink.lines.size(), 10'001u);
  ASSERT_EQ(read.result.messages.size(), 1u);
}

TEST(DxfBlocks, GarbageAndTruncatedBlocksEndWithAMessage) {
  const std::vector<std::string> texts = {
      // Cut off inside a block.
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n",
      // A block that never ends, then the entities.
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n11\n1\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n"
      "10\n1\n0\nENDSEC\n0\nEOF\n",
      // Garbage codes and values in a block and a reference.
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\nxx\n1\n10\nnan\n0\nHATCH\n91\n1\n92\n2\n93\n99999999\n0\nENDBLK\n"
      "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n41\n1e308\n42\n-1e308\n50\ninf\n0\nENDSEC\n0\nEOF\n",
  };
  for (const std::string& text : texts) {
    const auto read = test::ReadDxf(text);
    EXPECT_TRUE(read.result.imported);
    EXPECT_FALSE(read.result.messages.empty()) << text;
  }
  const auto second = test::ReadDxf(texts[1]);
  ASSERT_EQ(second.sink.lines.size(), 1u);
  ExpectPoint(second.sink.lines[0].vertices[1], {2, 0});
}

}  // namespace
}  // namespace zv::dxf
