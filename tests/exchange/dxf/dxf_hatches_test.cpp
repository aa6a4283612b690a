// HATCH and SOLID entities as regions.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

using test::Group;

std::vector<Group> Hatch(std::vector<Group> paths, int pathCount, std::vector<Group> tail = {}) {
  std::vector<Group> groups = {{0, "HATCH"}, {8, "A"},  {62, "1"}, {10, "0"}, {20, "0"},
                               {2, "SOLID"}, {70, "1"}, {71, "0"}, {91, std::to_string(pathCount)}};
  groups.insert(groups.end(), paths.begin(), paths.end());
  groups.insert(groups.end(), {{75, "1"}, {76, "1"}});
  groups.insert(groups.end(), tail.begin(), tail.end());
  groups.insert(groups.end(), {{98, "1"}, {10, "5"}, {20, "5"}});
  return groups;
}

std::vector<Group> PolylinePath(int flags, const std::vector<D_DOT>& vertices, std::vector<double> bulges = {}) {
  std::vector<Group> groups = {{92, std::to_string(flags | 2)}, {72, bulges.empty() ? "0" : "1"}, {73, "1"},
                               {93, std::to_string(vertices.size())}};
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    groups.push_back({10, std::to_string(vertices[i].x)});
    groups.push_back({20, std::to_string(vertices[i].y)});
    if (!bulges.empty()) groups.push_back({42, std::to_string(bulges[i])});
  }
  groups.push_back({97, "0"});
  return groups;
}

std::vector<Group> LineEdges(int flags, const std::vector<D_DOT>& corners, int declared) {
  std::vector<Group> groups = {{92, std::to_string(flags)}, {93, std::to_string(declared)}};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const D_DOT& a = corners[i];
    const D_DOT& b = corners[(i + 1) % corners.size()];
    groups.insert(groups.end(), {{72, "1"},
                                 {10, std::to_string(a.x)},
                                 {20, std::to_string(a.y)},
                                 {11, std::to_string(b.x)},
                                 {21, std::to_string(b.y)}});
  }
  groups.push_back({97, "0"});
  return groups;
}

test::ReadOutcome Read(const std::vector<Group>& entities) {
  return test::ReadDxf(test::DxfFile({{0, "LAYER"}, {2, "OFF"}, {62, "-1"}}, entities));
}

std::size_t Points(const DxfRing& ring) {
  std::size_t n = 0;
  for (const DxfRegionArc& arc : ring) n += arc.vertices.size();
  return n;
}

const std::vector<D_DOT> kSquare = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
const std::vector<D_DOT> kHole = {{2, 2}, {4, 2}, {4, 4}, {2, 4}};

TEST(DxfHatches, OnePolylinePathIsOneClosedRing) {
  const auto read = Read(Hatch(PolylinePath(1, kSquare), 1, {{52, "0"}, {41, "2"}}));
  ASSERT_EQ(read.sink.regions.size(), 1u);
  const auto& region = read.sink.regions[0];
  ASSERT_EQ(region.rings.size(), 1u);
  ASSERT_EQ(region.rings[0].size(), 1u);
  EXPECT_EQ(region.rings[0][0].vertices.size(), 5u);
  EXPECT_EQ(region.rings[0][0].vertices.back().x, 0);
  EXPECT_EQ(region.attributes.nameText, "SOLID");
  EXPECT_EQ(region.style.rgb, 0xFF0000u);
  EXPECT_TRUE(region.style.setsPattern);
  EXPECT_FLOAT_EQ(region.style.patternSize, 10.0f);  // scale 2, given after the boundaries
}

TEST(DxfHatches, HolesAreRingsOfTheirRegion) {
  std::vector<Group> paths = LineEdges(1, kSquare, 4);
  for (const auto& g : PolylinePath(16, kHole)) paths.push_back(g);
  // A second external path starts a region of its own.
  for (const auto& g : PolylinePath(1, {{20, 0}, {30, 0}, {30, 10}})) paths.push_back(g);
  const auto read = Read(Hatch(paths, 3));
  ASSERT_EQ(read.sink.regions.size(), 2u);
  const auto& first = read.sink.regions[0].rings;
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].size(), 4u);  // four line edges, end to end
  EXPECT_EQ(first[0][1].vertices.front().x, 10);
  EXPECT_EQ(first[1].size(), 1u);
  EXPECT_EQ(first[1][0].vertices.size(), 5u);
  EXPECT_EQ(read.sink.regions[1].rings.size(), 1u);
}

TEST(DxfHatches, EdgeCountsAreNeverTrusted) {
  struct Case {
    std::vector<Group> paths;
    int pathCount;
    std::size_t regions;
    std::size_t rings;  // of the first region
  };
  std::vector<Group> shortThenHole = LineEdges(1, kSquare, 3);  // declares 3, gives 4
  for (const auto& g : PolylinePath(0, kHole)) shortThenHole.push_back(g);
  std::vector<Group> missingVertex = PolylinePath(1, kSquare);
  missingVertex[3] = {93, "5"};
  std::vector<Group> goodThenCut = PolylinePath(1, kSquare);
  for (const auto& g : LineEdges(0, kHole, 9)) goodThenCut.push_back(g);
  const Case cases[] = {
      {shortThenHole, 2, 1, 1},  // the square is dropped; the hole stands alone
      {missingVertex, 1, 0, 0},
      {goodThenCut, 2, 1, 1},
      {{}, 0, 0, 0},             // no boundary: no region
      {LineEdges(1, {{0, 0}, {1, 0}}, 2), 1, 0, 0},  // no area
  };
  for (const Case& c : cases) {
    const auto read = Read(Hatch(c.paths, c.pathCount));
    ASSERT_EQ(read.sink.regions.size(), c.regions);
    if (c.regions) {
      EXPECT_EQ(read.sink.regions[0].rings.size(), c.rings);
    }
  }
}

TEST(DxfHatches, ArcEllipseSplineAndBulgedEdgesFollowThePath) {
  // A half disc right of x = 0: the clockwise arc from 90° through 0° to
  // −90° (a clockwise edge stores 360 minus its angles: 270 and 90), then
  // the line back up.
  const std::vector<Group> clockwise = {
      {92, "1"}, {93, "2"},
      {72, "2"}, {10, "0"}, {20, "0"}, {40, "5"}, {50, "270"}, {51, "90"}, {73, "0"},
      {72, "1"}, {10, "0"}, {20, "-5"}, {11, "0"}, {21, "5"}, {97, "0"}};
  const auto arc = Read(Hatch(clockwise, 1));
  ASSERT_EQ(arc.sink.regions.size(), 1u);
  const auto& arcVertices = arc.sink.regions[0].rings[0][0].vertices;
  EXPECT_NEAR(arcVertices.front().x, 0, 1e-9);  // from 90°, clockwise
  EXPECT_NEAR(arcVertices.front().y, 5, 1e-9);
  EXPECT_GT(arcVertices[arcVertices.size() / 2].x, 4.9);
  EXPECT_NEAR(arcVertices.back().y, -5, 1e-9);

  const std::vector<Group> ellipse = {
      {92, "1"}, {93, "2"},
      {72, "3"}, {10, "0"}, {20, "0"}, {11, "4"}, {21, "0"}, {40, "0.5"}, {50, "0"}, {51, "180"}, {73, "1"},
      {72, "1"}, {10, "-4"}, {20, "0"}, {11, "4"}, {21, "0"}, {97, "0"}};
  const auto half = Read(Hatch(ellipse, 1));
  ASSERT_EQ(half.sink.regions.size(), 1u);
  EXPECT_EQ(half.sink.regions[0].rings[0][0].vertices.size(), 182u);

  const std::vector<Group> spline = {
      {92, "1"}, {93, "2"},
      {72, "4"}, {94, "3"}, {73, "0"}, {74, "0"}, {95, "8"}, {96, "4"},
      {40, "0"}, {40, "0"}, {40, "0"}, {40, "0"}, {40, "1"}, {40, "1"}, {40, "1"}, {40, "1"},
      {10, "0"}, {20, "0"}, {10, "1"}, {20, "2"}, {10, "3"}, {20, "2"}, {10, "4"}, {20, "0"},
      {72, "1"}, {10, "4"}, {20, "0"}, {11, "0"}, {21, "0"}, {97, "0"}};
  const auto curved = Read(Hatch(spline, 1));
  ASSERT_EQ(curved.sink.regions.size(), 1u);
  EXPECT_EQ(curved.sink.regions[0].rings[0][0].curveFlag, 1);

  // A closed two-vertex path with bulges 1: a full circle.
  const auto disc = Read(Hatch(PolylinePath(1, {{0, 0}, {10, 0}}, {1, 1}), 1));
  ASSERT_EQ(disc.sink.regions.size(), 1u);
  const DxfRing& ring = disc.sink.regions[0].rings[0];
  EXPECT_GT(Points(ring), 60u);
  for (const D_DOT& p : ring[0].vertices) EXPECT_NEAR(std::hypot(p.x - 5, p.y), 5, 1e-9);
}

TEST(DxfHatches, MirroredHatchAndLayerOff) {
  auto mirrored = Hatch(PolylinePath(1, kSquare), 1);
  mirrored.insert(mirrored.begin() + 2, {230, "-1"});
  auto off = Hatch(PolylinePath(1, kSquare), 1);
  off[1] = {8, "OFF"};
  mirrored.insert(mirrored.end(), off.begin(), off.end());
  const auto read = Read(mirrored);
  ASSERT_EQ(read.sink.regions.size(), 1u);
  EXPECT_EQ(read.sink.regions[0].rings[0][0].vertices[1].x, -10);
}

TEST(DxfSolids, FourCornersInOutlineOrderThreeMakeATriangle) {
  const auto read = Read({
      {0, "SOLID"}, {8, "A"}, {10, "0"}, {20, "0"}, {11, "10"}, {21, "0"}, {12, "0"}, {22, "10"}, {13, "10"}, {23, "10"},
      {0, "SOLID"}, {8, "A"}, {10, "0"}, {20, "0"}, {11, "10"}, {21, "0"}, {12, "5"}, {22, "10"},
      {0, "SOLID"}, {8, "A"}, {10, "3"}, {20, "3"}, {11, "10"}, {21, "3"}, {12, "10"}, {22, "10"}, {13, "0.5"}, {23, "0.5"},
      {0, "SOLID"}, {8, "A"}, {10, "1"}, {20, "0"}, {11, "2"}, {21, "0"}, {12, "1"}, {22, "1"}, {230, "-1"},
  });
  ASSERT_EQ(read.sink.regions.size(), 4u);
  auto outline = [&](std::size_t i) { return read.sink.regions[i].rings.at(0).at(0).vertices; };
  const std::vector<D_DOT> square = outline(0);
  const std::vector<D_DOT> expected = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  ASSERT_EQ(square.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(square[i].x, expected[i].x);
    EXPECT_EQ(square[i].y, expected[i].y);
  }
  EXPECT_EQ(outline(1).size(), 4u);
  EXPECT_EQ(outline(1)[2].x, 5);
  EXPECT_EQ(outline(2).size(), 5u);  // a fourth corner near the origin is a corner
  EXPECT_EQ(outline(2)[2].x, 0.5);
  EXPECT_EQ(outline(3)[1].x, -2);
  EXPECT_FALSE(read.sink.regions[0].style.setsPattern);
}

}  // namespace
}  // namespace zv::dxf
