// Files written by other programs (see tests/data/dxf/PROVENANCE.md).
#include <gtest/gtest.h>

#include <cmath>

#include "exchange/dxf/dxf_reader.h"
#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

struct ExpectedLine {
  std::size_t vertices;
  double lastX, lastY;
  std::string layer;
  uint32_t rgb;
  float pen;
  double elevation;
};

std::vector<test::RecordedLine> ReadFixture(const std::string& name) {
  test::RecordingSink sink;
  DxfReader reader(CadMap{}, CadMap{});
  const DxfReadResult result = reader.ReadFile(test::FixturePath(name), sink);
  EXPECT_TRUE(result.imported) << name;
  EXPECT_TRUE(result.messages.empty()) << name << ": " << (result.messages.empty() ? "" : result.messages[0]);
  return sink.lines;
}

void ExpectLines(const std::string& name, const std::vector<ExpectedLine>& expected) {
  const std::vector<test::RecordedLine> lines = ReadFixture(name);
  ASSERT_EQ(lines.size(), expected.size()) << name;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& got = lines[i];
    const auto& want = expected[i];
    EXPECT_EQ(got.vertices.size(), want.vertices) << name << " line " << i;
    EXPECT_NEAR(got.vertices.back().x, want.lastX, 1e-9) << name << " line " << i;
    EXPECT_NEAR(got.vertices.back().y, want.lastY, 1e-9) << name << " line " << i;
    EXPECT_EQ(got.attributes.layerName, want.layer) << name << " line " << i;
    EXPECT_EQ(got.style.rgb, want.rgb) << name << " line " << i;
    EXPECT_FLOAT_EQ(got.style.penWidth, want.pen) << name << " line " << i;
    EXPECT_EQ(got.attributes.elevation, want.elevation) << name << " line " << i;
  }
}

// Written by the same script in three releases: a bulged polyline with a
// constant width, a closed two-vertex circle with BYBLOCK colour and widths,
// a mirrored polyline (extrusion 0, 0, −1), a BYBLOCK-weight line on a
// true-colour layer, a true-colour line; a line on a switched-off layer and a
// polyface mesh give nothing; texts are not read here.
std::vector<ExpectedLine> ModernLines(uint32_t trueLayerRgb) {
  return {
      {34, 4, 0, "WALL", 0x00FF00, 0.5f, 0},
      {65, 10, 0, "地层界线", 0x0000FF, 0.3f, 0},
      {3, -3, 2, "WALL", 0xFF0000, 0.1f, 0},
      {2, 5, 5, "TRUE", trueLayerRgb, 0.1f, 0},
      {2, 5, -5, "WALL", trueLayerRgb == 0xFFFFFF ? 0x00FF00u : 0x0000FFu, 0.5f, 0},
  };
}

TEST(DxfFixtures, EzdxfReleases) {
  // R2000 has no true colours: the writer leaves them out.
  ExpectLines("r2000_gbk.dxf", ModernLines(0xFFFFFF));
  ExpectLines("r2004_gbk_crlf.dxf", ModernLines(0x0A141E));
  ExpectLines("r2018_utf8.dxf", ModernLines(0x0A141E));
}

TEST(DxfFixtures, EzdxfR12WithEscapedNames) {
  ExpectLines("r12_escaped.dxf", {
                                     {2, 10, 0, "WALL", 0x00FF00, 0.1f, 5},
                                     {2, 10, 1, "地层界线", 0xFF0000, 0.1f, 0},
                                     {34, 4, 0, "WALL", 0x00FF00, 0.1f, 0},
                                     {65, 10, 0, "地层界线", 0x0000FF, 0.1f, 0},
                                     {3, 2, 0, "WALL", 0x00FF00, 0.1f, 3},
                                 });
}

TEST(DxfFixtures, GdalWriter) {
  // The polygon is written as a HATCH, which this reader does not take yet.
  ExpectLines("gdal_lines.dxf", {
                                    {3, 10, 10, "断层", 0xFFFFFF, 0.1f, 0},
                                    {2, -5, 3, "ROAD", 0xFFFFFF, 0.1f, 0},
                                });
}

}  // namespace
}  // namespace zv::dxf

namespace zv::dxf {
namespace {

test::ReadOutcome ReadShapes(const std::string& name, const std::string& pointMap = "") {
  test::ReadOutcome outcome;
  DxfReader reader(CadMap{}, CadMap::Parse(pointMap));
  outcome.result = reader.ReadFile(test::FixturePath(name), outcome.sink);
  EXPECT_TRUE(outcome.result.imported) << name;
  EXPECT_TRUE(outcome.result.messages.empty()) << name;
  return outcome;
}

const DxfPoint* FindText(const test::RecordingSink& sink, const std::string& text, std::size_t skip = 0) {
  for (const auto& p : sink.points)
    if (p.point.text == text && skip-- == 0) return &p.point;
  return nullptr;
}

void ExpectNear(const D_DOT& got, D_DOT want, const std::string& what) {
  EXPECT_NEAR(got.x, want.x, 1e-6) << what;
  EXPECT_NEAR(got.y, want.y, 1e-6) << what;
}

// Curves, texts, hatches, solids and blocks, written by the same script in
// three releases (see PROVENANCE.md).
TEST(DxfFixtures, EzdxfShapesInThreeReleases) {
  for (const char* name : {"r2000_shapes_gbk.dxf", "r2004_shapes_gbk.dxf", "r2018_shapes_utf8.dxf"}) {
    SCOPED_TRACE(name);
    const auto read = ReadShapes(name);
    const auto& lines = read.sink.lines;
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0].vertices.size(), 64u);  // the circle
    EXPECT_EQ(lines[0].attributes.layerName, "地层界线");
    ExpectNear(lines[1].vertices.front(), {20 + 3 * std::cos(-10 * M_PI / 180), 3 * std::sin(-10 * M_PI / 180)}, "arc");
    ExpectNear(lines[1].vertices.back(), {20 + 3 * std::cos(10 * M_PI / 180), 3 * std::sin(10 * M_PI / 180)}, "arc");
    ExpectNear(lines[2].vertices.front(), {-32, 0}, "mirrored arc");
    ExpectNear(lines[2].vertices.back(), {-30, 2}, "mirrored arc");
    EXPECT_EQ(lines[3].vertices.size(), 64u);  // the full ellipse
    EXPECT_EQ(lines[4].vertices.size(), 33u);  // half an ellipse
    ExpectNear(lines[4].vertices.back(), {56, 0}, "elliptic arc");
    EXPECT_EQ(lines[5].vertices.size(), 65u);  // seven control points: 4 knot spans of 16, and the end
    ExpectNear(lines[5].vertices.back(), {30, 20}, "clamped spline");
    EXPECT_EQ(lines[6].vertices.size(), 18u);  // four, one span, closed by the first point again
    EXPECT_EQ(lines[6].style.curveFlag, 1);
    // The block 井 (based at (1, 1)) placed at (300, 0) turned 90°, and at
    // (200, 0) mirrored; inside NEST at (10, 0) scaled 2 and turned 90°, NEST
    // placed at (100, 0) turned 30°.
    ExpectNear(lines[12].vertices[0], {300, 0}, "turned block");
    ExpectNear(lines[12].vertices[1], {300, 10}, "turned block");
    ExpectNear(lines[10].vertices[1], {190, 0}, "mirrored block");
    ExpectNear(lines[7].vertices[0], {100 + 10 * std::cos(M_PI / 6), 10 * std::sin(M_PI / 6)}, "nested block");
    EXPECT_EQ(lines[7].attributes.layerName, "WALL");

    const auto& sink = read.sink;
    ASSERT_EQ(sink.points.size(), 10u);
    EXPECT_EQ(sink.points[0].point.kind, DxfPointKind::Circle);
    EXPECT_EQ(sink.points[0].attributes.elevation, 3);
    const DxfPoint* borehole = FindText(sink, "钻孔ZK1");
    ASSERT_NE(borehole, nullptr);
    EXPECT_DOUBLE_EQ(borehole->angle, 30);
    EXPECT_DOUBLE_EQ(borehole->width, 2);
    const DxfPoint* centred = FindText(sink, "中心°");
    ASSERT_NE(centred, nullptr);  // middle centre at (50, 50): its corner left of and below it
    EXPECT_LT(centred->position.x, 48);
    EXPECT_NEAR(centred->position.y, 49, 1e-9);
    const DxfPoint* fault = FindText(sink, "断层F1 1/1/2/");
    ASSERT_NE(fault, nullptr);
    EXPECT_EQ(fault->kind, DxfPointKind::Note);
    EXPECT_NEAR(fault->angle, 90, 1e-9);  // group 50 in degrees
    const DxfPoint* block = FindText(sink, "第一行 \r\n第二行高");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->kind, DxfPointKind::TextBlock);
    EXPECT_DOUBLE_EQ(block->frameWidth, 40);
    ASSERT_NE(FindText(sink, "钻孔1"), nullptr);  // the ATTRIB of the mirrored reference
    const DxfPoint* nested = FindText(sink, "井口", 0);
    const DxfPoint* mirrored = FindText(sink, "井口", 1);
    const DxfPoint* turned = FindText(sink, "井口", 2);
    ASSERT_TRUE(nested && mirrored && turned);
    EXPECT_NEAR(nested->angle, 150, 1e-9);
    EXPECT_NEAR(nested->height, 4, 1e-9);
    EXPECT_NEAR(mirrored->angle, 150, 1e-9);
    ExpectNear(mirrored->position, {200, 2}, "mirrored text");
    EXPECT_NEAR(turned->angle, 120, 1e-9);
    EXPECT_EQ(FindText(sink, "关闭层的文字"), nullptr);

    const auto& regions = sink.regions;
    ASSERT_EQ(regions.size(), 7u);
    EXPECT_EQ(regions[0].rings.size(), 2u);     // the square and its hole
    EXPECT_EQ(regions[0].style.rgb, 0xFF0000u);
    EXPECT_EQ(regions[1].rings[0].size(), 4u);  // line, arc, line, elliptic arc
    ExpectNear(regions[1].rings[0][1].vertices.back(), {40, 110}, "arc edge");
    EXPECT_GT(regions[2].rings[0][0].vertices.size(), 30u);  // the bulged half disc
    EXPECT_EQ(regions[3].rings[0][0].vertices.size(), 5u);   // four corners
    EXPECT_EQ(regions[4].rings[0][0].vertices.size(), 4u);   // three
    // NEST's hatch of two external paths: two regions, once.
    EXPECT_EQ(regions[5].rings.size(), 1u);
    EXPECT_EQ(regions[6].rings.size(), 1u);

    // MAPPED at the origin, mapped to a sub-graph: one point there.
    const auto mapped = ReadShapes(name, "MAPPED 7");
    const auto& last = mapped.sink.points.back().point;
    EXPECT_EQ(last.kind, DxfPointKind::SubGraph);
    EXPECT_EQ(last.subGraph, 7);
    ExpectNear(last.position, {0, 0}, "mapped");
    EXPECT_DOUBLE_EQ(last.angle, 45);
  }
}

TEST(DxfFixtures, GdalShapes) {
  const auto read = ReadShapes("gdal_shapes.dxf");
  ASSERT_EQ(read.sink.regions.size(), 1u);
  EXPECT_EQ(read.sink.regions[0].rings.size(), 2u);  // a polygon with a hole
  ASSERT_EQ(read.sink.points.size(), 2u);
  EXPECT_EQ(read.sink.points[0].point.text, "断层F2");
  EXPECT_NEAR(read.sink.points[0].point.angle, 45, 1e-9);
  EXPECT_EQ(read.sink.points[1].point.kind, DxfPointKind::Circle);
}

}  // namespace
}  // namespace zv::dxf
