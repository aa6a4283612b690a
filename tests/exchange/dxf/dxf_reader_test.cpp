#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "exchange/dxf/dxf_progress.h"
#include "exchange/dxf/dxf_reader.h"
#include "framework/text/encoding.h"
#include "tests/exchange/dxf/dxf_test_support.h"

namespace zv::dxf {
namespace {

using test::DxfFile;
using test::Group;
using test::RecordingSink;

const std::vector<Group> kLayers = {
    {0, "LAYER"}, {2, "WALL"}, {6, "DASHED"}, {62, "3"}, {370, "50"},
    {0, "LAYER"}, {2, "OFF"}, {62, "-7"},
    {0, "LAYER"}, {2, "TRUE"}, {62, "1"}, {420, "255"},
    {0, "LAYER"}, {2, "HIDDEN_TRUE"}, {62, "-1"}, {420, "65280"},
    {0, "LAYER"}, {2, "THIN"}, {370, "-3"},
};

RecordingSink Read(const std::string& dxf, int pass = kAllPasses, DxfReadResult* result = nullptr,
                   CadMap lineMap = {}) {
  RecordingSink sink;
  DxfReader reader(std::move(lineMap), CadMap{});
  const DxfReadResult r = reader.ReadBytes(dxf, sink, pass);
  if (result) *result = r;
  return sink;
}

std::vector<Group> Line(const std::string& layer, std::vector<Group> extra = {}) {
  std::vector<Group> g = {{0, "LINE"}, {8, layer}, {10, "1"}, {20, "2"}, {30, "7.5"}, {11, "3"}, {21, "4"}, {31, "0"}};
  g.insert(g.end(), extra.begin(), extra.end());
  return g;
}

TEST(DxfReader, LineTakesItsLayersStyleUnlessItHasItsOwn) {
  struct Case {
    std::string name;
    std::vector<Group> line;
    uint32_t rgb;
    float pen;
  };
  const Case cases[] = {
      {"layer colour and weight", Line("WALL"), 0x00FF00, 0.5f},
      {"own colour after the layer", Line("WALL", {{62, "1"}}), 0xFF0000, 0.5f},
      {"own colour before the layer", {{0, "LINE"}, {62, "1"}, {8, "WALL"}}, 0xFF0000, 0.5f},
      {"BYLAYER", Line("WALL", {{62, "256"}, {370, "-1"}}), 0x00FF00, 0.5f},
      {"BYBLOCK at top level is the layer's", Line("WALL", {{62, "0"}, {370, "-2"}}), 0x00FF00, 0.5f},
      {"weight -3 is 10", Line("WALL", {{370, "-3"}}), 0x00FF00, 0.1f},
      {"weight 2000 capped", Line("WALL", {{370, "2000"}}), 0x00FF00, 10.0f},
      {"true colour below 256 is blue", Line("WALL", {{420, "255"}}), 0x0000FF, 0.5f},
      {"colour over 256 is no colour", Line("WALL", {{62, "300"}}), 0x00FF00, 0.5f},
      {"layer with 420 after 62", Line("TRUE"), 0x0000FF, 0.1f},
      {"layer weight -3", Line("THIN"), 0xFF0000, 0.1f},
      {"layer not in the table", Line("NOWHERE"), 0xFF0000, 0.1f},
  };
  for (const Case& c : cases) {
    const RecordingSink sink = Read(DxfFile(kLayers, c.line));
    ASSERT_EQ(sink.lines.size(), 1u) << c.name;
    EXPECT_EQ(sink.lines[0].style.rgb, c.rgb) << c.name;
    EXPECT_FLOAT_EQ(sink.lines[0].style.penWidth, c.pen) << c.name;
  }
}

TEST(DxfReader, LineVerticesAttributesAndLayerNumbers) {
  auto entities = Line("WALL", {{6, "CENTER"}});
  const auto second = Line("图层");
  const auto third = Line("WALL");
  entities.insert(entities.end(), second.begin(), second.end());
  entities.insert(entities.end(), third.begin(), third.end());
  const RecordingSink sink = Read(DxfFile(kLayers, entities), kAllPasses, nullptr, CadMap::Parse("CENTER 7\nWALL 4\n"));
  ASSERT_EQ(sink.lines.size(), 3u);
  const auto& l = sink.lines[0];
  ASSERT_EQ(l.vertices.size(), 2u);
  EXPECT_EQ(l.vertices[0].x, 1);
  EXPECT_EQ(l.vertices[1].y, 4);
  EXPECT_EQ(l.attributes.nameText, "CENTER");
  EXPECT_EQ(l.attributes.layerName, "WALL");
  EXPECT_EQ(l.attributes.elevation, 7.5);
  EXPECT_EQ(l.style.lineType, 7);
  // No line type of its own: the layer's name is looked up.
  EXPECT_EQ(sink.lines[2].style.lineType, 4);
  EXPECT_EQ(sink.lines[1].style.lineType, 1);
  EXPECT_EQ(sink.lines[0].style.layerNumber, 0);
  EXPECT_EQ(sink.lines[1].style.layerNumber, 1);
  EXPECT_EQ(sink.lines[2].style.layerNumber, 0);
  EXPECT_EQ(sink.begun, 1);
}

TEST(DxfReader, EntitiesOnSwitchedOffLayersAreSkipped) {
  auto entities = Line("OFF");
  const auto hidden = Line("HIDDEN_TRUE");
  entities.insert(entities.end(), hidden.begin(), hidden.end());
  EXPECT_TRUE(Read(DxfFile(kLayers, entities)).lines.empty());
}

TEST(DxfReader, LwPolylineVerticesComeFromThePairsRead) {
  struct Case {
    std::string name;
    std::vector<Group> groups;
    std::size_t count;
  };
  const Case cases[] = {
      {"closed square", {{90, "4"}, {70, "1"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "1"}, {20, "1"}, {10, "0"}, {20, "1"}}, 5},
      {"flag 128 is not closed", {{90, "2"}, {70, "128"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}}, 2},
      {"count after the pairs", {{10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {90, "2"}}, 2},
      {"absurd count", {{90, "2000000000"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}}, 2},
      {"count too small", {{90, "1"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}, {10, "2"}, {20, "0"}}, 3},
      {"closed without vertices", {{90, "0"}, {70, "1"}}, 0},
      {"closed with one vertex", {{90, "1"}, {70, "1"}, {10, "5"}, {20, "5"}}, 0},
  };
  for (const Case& c : cases) {
    std::vector<Group> entity = {{0, "LWPOLYLINE"}, {8, "WALL"}};
    entity.insert(entity.end(), c.groups.begin(), c.groups.end());
    const RecordingSink sink = Read(DxfFile(kLayers, entity));
    if (c.count == 0) {
      EXPECT_TRUE(sink.lines.empty()) << c.name;
      continue;
    }
    ASSERT_EQ(sink.lines.size(), 1u) << c.name;
    EXPECT_EQ(sink.lines[0].vertices.size(), c.count) << c.name;
  }
}

TEST(DxfReader, LwPolylineWidthsBulgesAndMirroring) {
  const std::vector<Group> lw = {{0, "LWPOLYLINE"}, {8, "WALL"}, {90, "2"}, {70, "1"}, {38, "12.5"},
                                 {10, "1"}, {20, "0"}, {42, "1"}, {10, "3"}, {20, "0"}, {42, "1"}, {230, "-1"}};
  const RecordingSink sink = Read(DxfFile(kLayers, lw));
  ASSERT_EQ(sink.lines.size(), 1u);
  const auto& line = sink.lines[0];
  EXPECT_EQ(line.attributes.elevation, 12.5);
  // No 43 and no 40: the start width's default, not the layer's weight.
  EXPECT_FLOAT_EQ(line.style.penWidth, 0.1f);
  // A circle of radius 1 about (-2, 0): mirrored x.
  ASSERT_EQ(line.vertices.size(), 65u);
  for (const D_DOT& p : line.vertices) EXPECT_NEAR(std::hypot(p.x + 2, p.y), 1.0, 1e-9);
  EXPECT_EQ(line.vertices[0].x, -1);
  // Mirroring in x keeps the arc below the chord as before; had the bulge
  // signs stayed, the arc from (-1, 0) to (-3, 0) would run above it.
  EXPECT_LT(line.vertices[16].y, -0.99);

  const std::vector<Group> widths = {{0, "LWPOLYLINE"}, {8, "WALL"}, {43, "0"}, {40, "0.7"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}};
  EXPECT_FLOAT_EQ(Read(DxfFile(kLayers, widths)).lines.at(0).style.penWidth, 0.7f);
  const std::vector<Group> constant = {{0, "LWPOLYLINE"}, {8, "WALL"}, {43, "25"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}};
  EXPECT_FLOAT_EQ(Read(DxfFile(kLayers, constant)).lines.at(0).style.penWidth, 10.0f);
}

std::vector<Group> Vertex(const std::string& x, const std::string& y, std::vector<Group> extra = {}) {
  std::vector<Group> g = {{0, "VERTEX"}, {8, "WALL"}};
  g.insert(g.end(), extra.begin(), extra.end());
  g.insert(g.end(), {{10, x}, {20, y}});
  return g;
}

std::vector<Group> Polyline(const std::vector<Group>& head, const std::vector<std::vector<Group>>& vertices, bool seqend = true) {
  std::vector<Group> g = {{0, "POLYLINE"}, {8, "WALL"}, {66, "1"}, {10, "0"}, {20, "0"}};
  g.insert(g.end(), head.begin(), head.end());
  for (const auto& v : vertices) g.insert(g.end(), v.begin(), v.end());
  if (seqend) g.insert(g.end(), {{0, "SEQEND"}, {8, "WALL"}});
  return g;
}

TEST(DxfReader, PolylineVertices) {
  // Frame control points go, whatever the order of 70 and 10.
  auto pl = Polyline({{30, "4"}}, {Vertex("0", "0"), Vertex("5", "5", {{70, "16"}}), Vertex("1", "0", {{30, "9"}}), Vertex("2", "0")});
  auto line = Line("WALL");
  pl.insert(pl.end(), line.begin(), line.end());
  RecordingSink sink = Read(DxfFile(kLayers, pl));
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[0].vertices.size(), 3u);
  EXPECT_EQ(sink.lines[0].attributes.elevation, 9);
  EXPECT_FLOAT_EQ(sink.lines[0].style.penWidth, 0.5f);  // no start width: the weight

  // Polyface records are skipped: nothing runs to the origin.
  const auto face = Polyline({{70, "64"}}, {Vertex("5", "5", {{70, "192"}}), Vertex("6", "5", {{70, "192"}}),
                                            Vertex("0", "0", {{70, "128"}, {71, "1"}, {72, "2"}})});
  EXPECT_TRUE(Read(DxfFile(kLayers, face)).lines.empty());

  // Bulges of 2-D polylines draw arcs and mirror; 3-D polylines are never mirrored.
  const auto bulged = Polyline({{70, "1"}, {230, "-1"}, {40, "0.3"}}, {Vertex("0", "0", {{42, "1"}}), Vertex("4", "0", {{42, "1"}})});
  sink = Read(DxfFile(kLayers, bulged));
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_EQ(sink.lines[0].vertices.size(), 65u);
  EXPECT_FLOAT_EQ(sink.lines[0].style.penWidth, 0.3f);
  for (const D_DOT& p : sink.lines[0].vertices) EXPECT_NEAR(std::hypot(p.x + 2, p.y), 2.0, 1e-9);
  const auto solid3d = Polyline({{70, "8"}, {230, "-1"}}, {Vertex("1", "0", {{70, "32"}, {42, "1"}}), Vertex("4", "0", {{70, "32"}})});
  sink = Read(DxfFile(kLayers, solid3d));
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_EQ(sink.lines[0].vertices.size(), 2u);
  EXPECT_EQ(sink.lines[0].vertices[0].x, 1);
}

TEST(DxfReader, PolylineWithoutSeqendEndsAtTheNextEntity) {
  auto pl = Polyline({}, {Vertex("0", "0"), Vertex("1", "0")}, false);
  const auto line = Line("WALL");
  pl.insert(pl.end(), line.begin(), line.end());
  const RecordingSink sink = Read(DxfFile(kLayers, pl));
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[1].vertices.size(), 2u);
}

TEST(DxfReader, PassesAdmitTheirKinds) {
  auto entities = Line("WALL");
  const std::vector<Group> lw = {{0, "LWPOLYLINE"}, {8, "WALL"}, {10, "0"}, {20, "0"}, {10, "1"}, {20, "0"}};
  entities.insert(entities.end(), lw.begin(), lw.end());
  for (int pass = 0; pass <= kPassCount; ++pass)
    EXPECT_EQ(Read(DxfFile(kLayers, entities), pass).lines.size(), pass == 0 || pass == 2 ? 2u : 0u) << pass;
  EXPECT_TRUE(PassAdmits(3, "MTEXT"));
  EXPECT_TRUE(PassAdmits(4, "SOLID"));
  EXPECT_FALSE(PassAdmits(1, "HATCH"));
  EXPECT_FALSE(PassAdmits(0, "DIMENSION"));
}

TEST(DxfReader, CodePageDecidesTheTexts) {
  const std::string gbkLayer = text::ToGbk("地层界线");
  std::vector<Group> layers = {{0, "LAYER"}, {2, gbkLayer}, {62, "5"}};
  // Declared ANSI_936 and written in GBK.
  RecordingSink sink = Read(DxfFile(layers, Line(gbkLayer), {{9, "$DWGCODEPAGE"}, {3, "ANSI_936"}}));
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_EQ(sink.lines[0].attributes.layerName, "地层界线");
  EXPECT_EQ(sink.lines[0].style.rgb, 0x0000FFu);
  // Declared ANSI_936 but written in UTF-8.
  layers = {{0, "LAYER"}, {2, "地层界线"}, {62, "5"}};
  sink = Read(DxfFile(layers, Line("地层界线"), {{9, "$DWGCODEPAGE"}, {3, "ANSI_936"}}));
  EXPECT_EQ(sink.lines.at(0).attributes.layerName, "地层界线");
  EXPECT_EQ(sink.lines.at(0).style.rgb, 0x0000FFu);
}

TEST(DxfReader, StructureNamesMatchExactlyAndOnlyAsCodeZero) {
  DxfReadResult result;
  // Trailing blanks: not a section; a text value "EOF" does not end the file.
  std::string dxf = test::GroupsText({{0, "SECTION "}, {2, "ENTITIES"}}) + test::GroupsText(Line("WALL")) +
                    test::GroupsText({{0, "ENDSEC"}, {999, "EOF"}, {0, "SECTION"}, {2, "ENTITIES"}}) +
                    test::GroupsText(Line("WALL")) + test::GroupsText({{0, "ENDSEC"}, {0, "EOF"}});
  const RecordingSink sink = Read(dxf, kAllPasses, &result);
  EXPECT_EQ(sink.lines.size(), 1u);
  EXPECT_TRUE(result.imported);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(result.entities, 1);
}

TEST(DxfReader, MissingSectionsGiveEmptyLists) {
  DxfReadResult result;
  // No ENTITIES: nothing drawn, no complaint.
  RecordingSink sink = Read(test::GroupsText({{0, "SECTION"}, {2, "HEADER"}, {0, "ENDSEC"}, {0, "EOF"}}), kAllPasses, &result);
  EXPECT_TRUE(result.imported);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_TRUE(sink.lines.empty());
  // No TABLES: every layer is unknown, so entities take colour 1 and weight 10.
  std::vector<Group> only = {{0, "SECTION"}, {2, "ENTITIES"}};
  const auto line = Line("WALL");
  only.insert(only.end(), line.begin(), line.end());
  only.insert(only.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  sink = Read(test::GroupsText(only));
  ASSERT_EQ(sink.lines.size(), 1u);
  EXPECT_EQ(sink.lines[0].style.rgb, 0xFF0000u);
  EXPECT_FLOAT_EQ(sink.lines[0].style.penWidth, 0.1f);
}

TEST(DxfReader, MalformedInputEndsWithAMessage) {
  struct Case {
    std::string name;
    std::string bytes;
    bool imported;
    std::size_t lines;
    std::string message;
  };
  const std::string full = DxfFile(kLayers, Polyline({}, {Vertex("0", "0"), Vertex("1", "0")}));
  const std::string noEof = full.substr(0, full.rfind("0\nEOF"));
  const std::string cut = full.substr(0, full.find("SEQEND") - 2);
  // A code line that is no number inside a LINE: passed over, not taken for a new entity.
  std::string garbage = DxfFile(kLayers, Line("WALL"));
  garbage.insert(garbage.find("10\n1\n"), "zz\nLINE\n");
  const Case cases[] = {
      {"empty", "", false, 0, "不是DXF文件"},
      {"not a DXF", "hello\nworld\n", false, 0, "不是DXF文件"},
      {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), false, 0, "二进制"},
      {"missing EOF", noEof, true, 1, "没有EOF"},
      {"truncated polyline", cut, true, 1, "没有EOF"},
      {"truncated in a group", full.substr(0, 40), true, 0, "没有EOF"},
      {"garbage codes", garbage, true, 1, "组码不是数字"},
  };
  for (const Case& c : cases) {
    DxfReadResult result;
    const RecordingSink sink = Read(c.bytes, kAllPasses, &result);
    EXPECT_EQ(result.imported, c.imported) << c.name;
    EXPECT_EQ(sink.begun, c.imported ? 1 : 0) << c.name;
    EXPECT_EQ(sink.lines.size(), c.lines) << c.name;
    ASSERT_FALSE(result.messages.empty()) << c.name;
    EXPECT_NE(result.messages.back().find(c.message), std::string::npos) << c.name << ": " << result.messages.back();
  }
}

class RecordingProgress : public DxfProgress {
 public:
  void StartProgress() override { ++starts; }
  void SetMainProgressName(const std::string& name) override { main = name; }
  void SetRange(int, int maximum) override { range = maximum; }
  void SetPos(int position) override { positions.push_back(position); }
  void EndProgress() override { ++ends; }
  int starts = 0, ends = 0, range = 0;
  std::string main;
  std::vector<int> positions;
};

TEST(DxfReader, ProgressFollowsTheFile) {
  std::vector<Group> entities;
  for (int i = 0; i < 20000; ++i) {
    const auto line = Line("WALL");
    entities.insert(entities.end(), line.begin(), line.end());
  }
  RecordingSink sink;
  RecordingProgress progress;
  DxfReader reader(CadMap{}, CadMap{});
  reader.ReadBytes(DxfFile(kLayers, entities), sink, kAllPasses, &progress);
  EXPECT_EQ(sink.lines.size(), 20000u);
  EXPECT_EQ(progress.starts, 1);
  EXPECT_EQ(progress.ends, 1);
  EXPECT_EQ(progress.main, "正在读取dxf信息...");
  ASSERT_GE(progress.positions.size(), 4u);
  EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
  EXPECT_LE(progress.positions.back(), progress.range);
}

TEST(DxfReader, UnopenableFileLeavesTheSinkUntouched) {
  RecordingSink sink;
  DxfReader reader(CadMap{}, CadMap{});
  const DxfReadResult result = reader.ReadFile("/nonexistent/plan.dxf", sink);
  EXPECT_FALSE(result.imported);
  EXPECT_EQ(sink.begun, 0);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0], "/nonexistent/plan.dxf\n\nZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.");
}

}  // namespace
}  // namespace zv::dxf
