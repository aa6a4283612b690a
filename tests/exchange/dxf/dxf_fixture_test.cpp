// Files written by other programs (see tests/data/dxf/PROVENANCE.md).
#include <gtest/gtest.h>

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
