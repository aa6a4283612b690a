#include <gtest/gtest.h>

#include <cmath>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_colour.h"
#include "exchange/dxf/dxf_geometry.h"

namespace zv::dxf {
namespace {

double Distance(const D_DOT& a, const D_DOT& b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(DxfArcs, ArcToPointsCountsAndEnds) {
  std::vector<D_DOT> circle;
  EXPECT_EQ(ArcToPoints(0, 0, 5, 0, kTwoPi, circle), 64);
  EXPECT_NEAR(circle[62].x, 5 * std::cos(6.2), 1e-12);
  EXPECT_NEAR(circle[63].x, 5, 1e-12);
  EXPECT_NEAR(circle[63].y, 0, 1e-12);
  // An end below the start goes on through 0.
  std::vector<D_DOT> arc;
  const double a350 = 350 * M_PI / 180, a10 = 10 * M_PI / 180;
  const int n = ArcToPoints(0, 0, 1, a350, a10, arc);
  EXPECT_EQ(n, static_cast<int>((a10 + kTwoPi - a350) / 0.1) + 2);
  EXPECT_NEAR(arc.back().y, std::sin(a10), 1e-12);
}

TEST(DxfArcs, BulgesDrawArcsOfFourTimesTheirArcTangent) {
  // Open, bulge 1: a semicircle below the chord (counter-clockwise from a to b).
  const BulgeVertex open[] = {{0, 0, 1}, {2, 0, 0}};
  const std::vector<D_DOT> half = ExpandBulges(open, false);
  EXPECT_EQ(half.size(), 33u);  // the start, 31 steps of 0.1 inside π, the end
  for (const D_DOT& p : half) EXPECT_NEAR(Distance(p, {1, 0}), 1.0, 1e-9);
  EXPECT_LT(half[16].y, -0.99);
  EXPECT_EQ(half.back().x, 2);
  // Negative bulge: clockwise, above the chord.
  const BulgeVertex cw[] = {{0, 0, -1}, {2, 0, 0}};
  EXPECT_GT(ExpandBulges(cw, false)[16].y, 0.99);
  // Closed two-vertex polyline with bulges 1: a full circle of any size.
  for (const double size : {2.0, 10.0, 1000.0}) {
    const BulgeVertex closed[] = {{0, 0, 1}, {size, 0, 1}};
    const std::vector<D_DOT> circle = ExpandBulges(closed, true);
    EXPECT_EQ(circle.size(), 65u);
    for (const D_DOT& p : circle) EXPECT_NEAR(Distance(p, {size / 2, 0}), size / 2, 1e-9 * size);
    EXPECT_EQ(circle.front().x, circle.back().x);
  }
  // A quarter arc (bulge tan(π/8)) keeps the radius through the centre it implies.
  const BulgeVertex quarter[] = {{1, 0, std::tan(M_PI / 8)}, {0, 1, 0}};
  for (const D_DOT& p : ExpandBulges(quarter, false)) EXPECT_NEAR(Distance(p, {0, 0}), 1.0, 1e-9);
  // Straight segments and degenerate input.
  const BulgeVertex straight[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
  EXPECT_EQ(ExpandBulges(straight, true).size(), 4u);
  const BulgeVertex same[] = {{3, 3, 1}, {3, 3, 0}};
  EXPECT_EQ(ExpandBulges(same, false).size(), 2u);
  const BulgeVertex huge[] = {{0, 0, 1e300}, {1, 0, 0}};
  EXPECT_LE(ExpandBulges(huge, false).size(), 70u);
}

TEST(DxfGeometry, TextAnchorAndBlockTransform) {
  const std::pair<int, D_DOT> anchors[] = {{1, {10, 8}}, {2, {8, 8}}, {3, {6, 8}}, {5, {8, 9}},
                                           {7, {10, 10}}, {9, {6, 10}}, {0, {12, 12}}};
  for (const auto& [attachment, want] : anchors) {
    D_DOT p{10, 10};
    AlignTextPosition(p, 2, 4, attachment);
    EXPECT_DOUBLE_EQ(p.x, want.x) << attachment;
    EXPECT_DOUBLE_EQ(p.y, want.y) << attachment;
  }
  D_DOT p{3, 1};
  ScaleRotatePoint(1, 1, p, 90, 2, 1);
  EXPECT_NEAR(p.x, 1, 1e-12);
  EXPECT_NEAR(p.y, 5, 1e-12);
}

TEST(DxfColour, AciTableRows) {
  const std::pair<int, uint32_t> rows[] = {
      {0, 0xFFFFFF}, {1, 0xFF0000}, {2, 0xFFFF00}, {3, 0x00FF00}, {4, 0x00FFFF}, {5, 0x0000FF},
      {6, 0xFF00FF}, {7, 0xFFFFFF}, {8, 0x808080}, {9, 0xC0C0C0}, {10, 0xFF0000}, {11, 0xFF7F7F},
      {12, 0xCC0000}, {13, 0xCC6666}, {14, 0x990000}, {15, 0x994C4C}, {16, 0x7F0000}, {17, 0x7F3F3F},
      {18, 0x4C0000}, {19, 0x4C2626}, {30, 0xFF7F00}, {50, 0xFFFF00}, {90, 0x00FF00}, {130, 0x00FFFF},
      {170, 0x0000FF}, {210, 0xFF00FF}, {250, 0x333333}, {251, 0x5B5B5B}, {252, 0x848484},
      {253, 0xADADAD}, {254, 0xD6D6D6}, {255, 0xFFFFFF}};
  for (const auto& [aci, rgb] : rows) EXPECT_EQ(AciToRgb(aci), rgb) << aci;
}

TEST(DxfColour, ByLayerAndByBlock) {
  const DxfColour layer = DxfColour::Aci(3);
  const DxfColour block = DxfColour::Aci(5);
  EXPECT_EQ(ResolveColour(std::nullopt, layer), layer);
  EXPECT_EQ(ResolveColour(EntityColourFromAci(256), layer), layer);
  EXPECT_EQ(ResolveColour(EntityColourFromAci(0), layer), layer);
  EXPECT_EQ(ResolveColour(EntityColourFromAci(0), layer, block), block);
  EXPECT_EQ(ResolveColour(EntityColourFromAci(1), layer), DxfColour::Aci(1));
  EXPECT_FALSE(EntityColourFromAci(257));
  EXPECT_FALSE(EntityColourFromAci(-3));
  // A true colour below 256 is still a true colour: pure blue.
  EXPECT_EQ(ColourToRgb(DxfColour::Rgb(255)), 0x0000FFu);

  EXPECT_EQ(ResolveWeight(std::nullopt, 50), 50);
  EXPECT_EQ(ResolveWeight(kWeightByLayer, 50), 50);
  EXPECT_EQ(ResolveWeight(kWeightByBlock, 50), 50);
  EXPECT_EQ(ResolveWeight(kWeightByBlock, 50, 35), 35);
  EXPECT_EQ(ResolveWeight(kWeightDefault, 50), 10);
  EXPECT_EQ(ResolveWeight(std::nullopt, -3), 10);
  EXPECT_EQ(ResolveWeight(2000, 50), 2000);
}

}  // namespace
}  // namespace zv::dxf

namespace zv::dxf {
namespace {

TEST(DxfArcs, EllipseSamplersByParameterAndByAngle) {
  // Major axis 4 along y (turned 90°), ratio 0.5: parameter t lies at
  // (−2 sin t, 4 cos t) from the centre.
  std::vector<D_DOT> byParam;
  EXPECT_EQ(EllipseArcByParam(10, 20, 0, 4, 0.5, 0, kTwoPi, byParam), 64);
  EXPECT_NEAR(byParam[0].x, 10, 1e-12);
  EXPECT_NEAR(byParam[0].y, 24, 1e-12);
  EXPECT_NEAR(byParam[15].x, 10 - 2 * std::sin(1.5), 1e-12);
  EXPECT_NEAR(byParam[15].y, 20 + 4 * std::cos(1.5), 1e-12);
  // A half ellipse by polar angle in 1° steps: 182 points, each on the
  // ellipse in the direction of its angle.
  std::vector<D_DOT> byAngle;
  EXPECT_EQ(EllipseArcByAngle(0, 0, 4, 0, 0.5, 0, 180, byAngle), 182);
  for (int i : {0, 30, 90, 150, 181}) {
    const D_DOT& p = byAngle[static_cast<std::size_t>(i)];
    EXPECT_NEAR(p.x * p.x / 16 + p.y * p.y / 4, 1.0, 1e-9) << i;
    if (i > 0 && i < 180) {
      EXPECT_NEAR(std::atan2(p.y, p.x) * 180 / M_PI, std::min(i, 180), 1e-9);
    }
  }
  // Huge spans are bounded.
  std::vector<D_DOT> bounded;
  EXPECT_LE(EllipseArcByAngle(0, 0, 1, 0, 1, 0, 1e300, bounded), (1 << 16) + 2);
}

}  // namespace
}  // namespace zv::dxf
