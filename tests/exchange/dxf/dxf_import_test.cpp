#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <fstream>

#include "exchange/dxf/dxf_import.h"
#include "exchange/dxf/dxf_layer_files.h"
#include "platform/data/attributes.h"
#include "platform/display/display_calls.h"
#include "platform/files/project_file.h"
#include "platform/files/work_area_file.h"
#include "platform/progress/progress.h"
#include "tests/exchange/dxf/dxf_test_support.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

// A stand-in for the display library's nearest colour: red is 9 (which the
// import never gives), other colours a number from their bytes.
int32_t FakeNearest(uint32_t rgb) { return rgb == 0xFF0000 ? 9 : static_cast<int32_t>(rgb % 997) + 10; }

class DxfImport : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    targets_ = {points_, lines_, regions_};
  }

  int32_t LineCount() const {
    int32_t live = 0, bound = 0;
    BasGetLineCount(targets_.line, &live, &bound);
    return live;
  }

  DxfTargets targets_;
};

struct ImportedLine {
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  std::string nameText, layerName, elevation;
};

std::vector<ImportedLine> Lines(WorkAreaHandle area) {
  std::vector<ImportedLine> out;
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    ImportedLine line;
    if (!BasReadLine(area, id, &line.vertices, &line.info)) continue;
    AttributeRecord record;
    EXPECT_TRUE(BasReadAttribute(area, kLineEntity, id, &record));
    BasGetFieldText(record, kEntityNameField, &line.nameText);
    BasGetFieldText(record, kLayerNameField, &line.layerName);
    BasGetFieldText(record, kElevationField, &line.elevation);
    out.push_back(std::move(line));
  }
  return out;
}

TEST_F(DxfImport, OneFileReplacesTheTargetsWithParametersAndAttributes) {
  BasAppendLine(targets_.line, std::vector<D_DOT>{{0, 0}, {1, 1}}, LIN_INFO{});
  DxfReader reader(CadMap::Parse("WALL 5"), CadMap{});
  const int progressStarts = CurrentProgress().starts;
  const DxfReadResult result = ImportDxfFile(reader, test::FixturePath("r2004_gbk_crlf.dxf"), targets_, FakeNearest);
  EXPECT_TRUE(result.imported);
  EXPECT_EQ(result.entities, 6);  // five lines and a text
  const std::vector<ImportedLine> lines = Lines(targets_.line);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].vertices.size(), 34u);
  EXPECT_EQ(lines[0].layerName, "WALL");
  EXPECT_EQ(lines[0].elevation, "0.000000");
  EXPECT_EQ(lines[0].info.style(), 5);  // no line type of its own: the layer's name looked up
  EXPECT_EQ(lines[0].info.colour(), FakeNearest(0x00FF00));
  EXPECT_FLOAT_EQ(lines[0].info.width(), 0.5f);
  EXPECT_EQ(lines[0].info.layer(), 0);
  EXPECT_EQ(lines[1].layerName, "地层界线");
  EXPECT_EQ(lines[1].info.layer(), 1);
  EXPECT_EQ(lines[2].info.colour(), 1);  // red is 9, which becomes 1
  // Reported through the platform's progress window, which is closed again.
  EXPECT_EQ(CurrentProgress().starts, progressStarts + 1);
  EXPECT_EQ(CurrentProgress().name, "正在读取dxf信息...");
  EXPECT_FALSE(CurrentProgress().running);
  CATT_STRU structure;
  ASSERT_TRUE(BasReadAttributeStructure(targets_.point, kPointEntity, &structure));
  EXPECT_GE(BasFindField(structure, kElevationField), 0);
}

TEST_F(DxfImport, ColoursComeFromTheDisplayLibraryByDefault) {
  DxfReader reader(CadMap{}, CadMap{});
  ASSERT_TRUE(ImportDxfFile(reader, test::FixturePath("r2018_utf8.dxf"), targets_).imported);
  for (const ImportedLine& line : Lines(targets_.line)) {
    const int32_t colour = line.info.colour();
    EXPECT_GE(colour, 1);
    EXPECT_NE(colour, 9);
    EXPECT_LT(colour, display::DspGetColorCount());
  }
}

TEST_F(DxfImport, AFileThatCannotBeReadLeavesTheTargetsAlone) {
  BasAppendLine(targets_.line, std::vector<D_DOT>{{0, 0}, {1, 1}}, LIN_INFO{});
  const std::string notDxf = zv::test::TempRoot() + "/notes.dxf";
  std::ofstream(notDxf) << "just some text\n";
  DxfReader reader(CadMap{}, CadMap{});
  for (const std::string& path : {std::string("/nonexistent/plan.dxf"), notDxf, zv::test::TempRoot()}) {
    for (const bool large : {false, true}) {
      const DxfReadResult result = large ? ImportLargeDxfFile(reader, path, targets_, FakeNearest)
                                         : ImportDxfFile(reader, path, targets_, FakeNearest);
      EXPECT_FALSE(result.imported) << path;
      EXPECT_EQ(result.messages.size(), 1u) << path;
      EXPECT_EQ(LineCount(), 1) << path;
    }
  }
}

struct ImportedPoint {
  D_DOT position;
  std::string text;
  PNT_INFO info;
  std::string nameText;
};

std::vector<ImportedPoint> Points(WorkAreaHandle area) {
  std::vector<ImportedPoint> out;
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    ImportedPoint point;
    if (!BasReadPoint(area, id, &point.position, &point.text, &point.info)) continue;
    AttributeRecord record;
    EXPECT_TRUE(BasReadAttribute(area, kPointEntity, id, &record));
    BasGetFieldText(record, kEntityNameField, &point.nameText);
    out.push_back(std::move(point));
  }
  return out;
}

struct ImportedRegion {
  std::vector<std::vector<D_DOT>> rings;
  REG_INFO info;
  std::string layerName;
};

std::vector<ImportedRegion> Regions(WorkAreaHandle area) {
  std::vector<ImportedRegion> out;
  int32_t live = 0, bound = 0;
  BasGetRegionCount(area, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    ImportedRegion region;
    if (!BasReadRegion(area, id, nullptr, &region.info) || !BasGetRegionRings(area, id, &region.rings)) continue;
    AttributeRecord record;
    EXPECT_TRUE(BasReadAttribute(area, kRegionEntity, id, &record));
    BasGetFieldText(record, kLayerNameField, &region.layerName);
    out.push_back(std::move(region));
  }
  return out;
}

bool SameRings(const std::vector<std::vector<D_DOT>>& a, const std::vector<std::vector<D_DOT>>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t r = 0; r < a.size(); ++r) {
    if (a[r].size() != b[r].size()) return false;
    for (std::size_t i = 0; i < a[r].size(); ++i)
      if (a[r][i].x != b[r][i].x || a[r][i].y != b[r][i].y) return false;
  }
  return true;
}

TEST_F(DxfImport, PointsAndRegionsWithTheirParameters) {
  DxfReader reader(CadMap{}, CadMap::Parse("MAPPED 7"));
  const DxfReadResult result =
      ImportDxfFile(reader, test::FixturePath("r2018_shapes_utf8.dxf"), targets_, FakeNearest);
  ASSERT_TRUE(result.imported);
  const std::vector<ImportedPoint> points = Points(targets_.point);
  ASSERT_EQ(points.size(), 10u);
  EXPECT_EQ(points[0].info.kind(), 2);  // the POINT: a filled circle
  EXPECT_DOUBLE_EQ(points[0].info.radius(), 0.2);
  EXPECT_EQ(points[0].info.Get<uint8_t>(pnt::kCircleFilled), 1);
  const auto text = std::find_if(points.begin(), points.end(), [](const auto& p) { return p.text == "钻孔ZK1"; });
  ASSERT_NE(text, points.end());
  EXPECT_EQ(text->info.kind(), 0);
  EXPECT_FLOAT_EQ(text->info.charHeight(), 2.5f);
  EXPECT_FLOAT_EQ(text->info.charWidth(), 2.0f);
  EXPECT_FLOAT_EQ(text->info.angle(), 30.0f);
  EXPECT_EQ(text->nameText, "钻孔ZK1");
  const auto block = std::find_if(points.begin(), points.end(), [](const auto& p) { return p.info.kind() == 5; });
  ASSERT_NE(block, points.end());
  EXPECT_FLOAT_EQ(block->info.Get<float>(pnt::kBoxWidth), 40.0f);
  EXPECT_EQ(points.back().info.kind(), 1);
  EXPECT_EQ(points.back().info.symbolNumber(), 7);

  const std::vector<ImportedRegion> regions = Regions(targets_.region);
  ASSERT_EQ(regions.size(), 7u);
  ASSERT_EQ(regions[0].rings.size(), 2u);  // the square and its hole
  EXPECT_EQ(regions[0].rings[0].size(), 5u);
  EXPECT_EQ(regions[0].rings[1].size(), 5u);
  EXPECT_EQ(regions[0].info.fillColour(), 9);  // red: 1 for lines, 9 for regions
  EXPECT_EQ(regions[0].layerName, "WALL");
  ASSERT_EQ(regions[1].rings.size(), 1u);  // four edges joined into one ring
  EXPECT_EQ(regions[1].rings[0].front().x, regions[1].rings[0].back().x);
  EXPECT_EQ(regions[3].rings[0].size(), 5u);
}

TEST_F(DxfImport, WhiteAndBlackLinesImportBlackAndSuchHatchesFillWhite) {
  using test::Group;
  const std::vector<Group> layers = {{0, "LAYER"}, {2, "WHITE"}, {62, "7"}};
  const auto line = [](const std::string& layer, std::vector<Group> colour) {
    std::vector<Group> groups = {{0, "LINE"}, {8, layer}};
    groups.insert(groups.end(), colour.begin(), colour.end());
    groups.insert(groups.end(), {{10, "0"}, {20, "0"}, {11, "10"}, {21, "10"}});
    return groups;
  };
  std::vector<Group> entities;
  for (const auto& one : {line("0", {{62, "7"}}),                           // ACI white (or black)
                          line("0", {{62, "1"}, {420, "16777215"}}),        // true-colour white
                          line("0", {{62, "1"}, {420, "0"}}),               // true-colour black
                          line("WHITE", {}),                                // white by layer
                          line("0", {{62, "250"}})})                        // ACI 250, a dark grey
    entities.insert(entities.end(), one.begin(), one.end());
  entities.insert(entities.end(), {{0, "HATCH"}, {8, "0"}, {62, "7"}, {2, "SOLID"}, {70, "1"}, {71, "0"}, {91, "1"},
                                   {92, "3"}, {72, "0"}, {73, "1"}, {93, "4"}, {10, "0"}, {20, "0"}, {10, "10"},
                                   {20, "0"}, {10, "10"}, {20, "10"}, {10, "0"}, {20, "10"}, {97, "0"}, {75, "1"},
                                   {76, "1"}, {98, "0"}});
  const std::string path = zv::test::TempRoot() + "/white.dxf";
  std::ofstream(path, std::ios::binary) << test::DxfFile(layers, entities);
  DxfReader reader(CadMap{}, CadMap{});
  ASSERT_TRUE(ImportDxfFile(reader, path, targets_).imported);  // the shipped colour table

  const std::vector<ImportedLine> lines = Lines(targets_.line);
  ASSERT_EQ(lines.size(), 5u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(lines[i].info.colour(), 1) << "line " << i;
  EXPECT_NE(lines[4].info.colour(), 1);  // only white and black become black
  EXPECT_NE(lines[4].info.colour(), 9);
  const std::vector<ImportedRegion> regions = Regions(targets_.region);
  ASSERT_EQ(regions.size(), 1u);
  EXPECT_EQ(regions[0].info.fillColour(), 9);
}

TEST_F(DxfImport, FourPassesGiveWhatOnePassGives) {
  for (const char* fixture :
       {"r2018_utf8.dxf", "r12_escaped.dxf", "gdal_lines.dxf", "r2004_shapes_gbk.dxf", "gdal_shapes.dxf"}) {
    DxfReader oneReader(CadMap{}, CadMap{});
    ImportDxfFile(oneReader, test::FixturePath(fixture), targets_, FakeNearest);
    std::vector<ImportedLine> one = Lines(targets_.line);
    const std::vector<ImportedPoint> onePoints = Points(targets_.point);
    std::vector<ImportedRegion> oneRegions = Regions(targets_.region);
    DxfReader fourReader(CadMap{}, CadMap{});
    const DxfReadResult result = ImportLargeDxfFile(fourReader, test::FixturePath(fixture), targets_, FakeNearest);
    EXPECT_TRUE(result.imported);
    EXPECT_TRUE(result.messages.empty());
    std::vector<ImportedLine> four = Lines(targets_.line);
    // Everything in pass order rather than file order.
    auto lineKey = [](const ImportedLine& l) {
      return std::tuple(l.vertices.front().x, l.vertices.front().y, l.vertices.size(), l.vertices.back().x);
    };
    auto byLineKey = [&](const ImportedLine& a, const ImportedLine& b) { return lineKey(a) < lineKey(b); };
    std::stable_sort(one.begin(), one.end(), byLineKey);
    std::stable_sort(four.begin(), four.end(), byLineKey);
    // Points and regions: the same ones.
    auto samePoints = [](std::vector<ImportedPoint> a, std::vector<ImportedPoint> b) {
      auto key = [](const ImportedPoint& p) { return std::tuple(p.position.x, p.position.y, p.text, p.info.kind()); };
      auto less = [&](const ImportedPoint& x, const ImportedPoint& y) { return key(x) < key(y); };
      std::sort(a.begin(), a.end(), less);
      std::sort(b.begin(), b.end(), less);
      return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](const auto& x, const auto& y) {
               return key(x) == key(y) && x.info.colour() == y.info.colour() && x.nameText == y.nameText;
             });
    };
    EXPECT_TRUE(samePoints(onePoints, Points(targets_.point))) << fixture;
    std::vector<ImportedRegion> fourRegions = Regions(targets_.region);
    ASSERT_EQ(oneRegions.size(), fourRegions.size()) << fixture;
    auto byFirstVertex = [](const ImportedRegion& a, const ImportedRegion& b) {
      return std::pair(a.rings[0][0].x, a.rings[0][0].y) < std::pair(b.rings[0][0].x, b.rings[0][0].y);
    };
    std::sort(oneRegions.begin(), oneRegions.end(), byFirstVertex);
    std::sort(fourRegions.begin(), fourRegions.end(), byFirstVertex);
    for (std::size_t i = 0; i < oneRegions.size(); ++i) {
      EXPECT_TRUE(SameRings(oneRegions[i].rings, fourRegions[i].rings)) << fixture;
      EXPECT_EQ(oneRegions[i].info.fillColour(), fourRegions[i].info.fillColour());
      EXPECT_EQ(oneRegions[i].layerName, fourRegions[i].layerName);
    }
    ASSERT_EQ(one.size(), four.size()) << fixture;
    ASSERT_FALSE(one.empty() && onePoints.empty() && oneRegions.empty());
    for (std::size_t i = 0; i < one.size(); ++i) {
      ASSERT_EQ(one[i].vertices.size(), four[i].vertices.size());
      for (std::size_t v = 0; v < one[i].vertices.size(); ++v) {
        EXPECT_EQ(one[i].vertices[v].x, four[i].vertices[v].x);
        EXPECT_EQ(one[i].vertices[v].y, four[i].vertices[v].y);
      }
      EXPECT_EQ(one[i].info.colour(), four[i].info.colour());
      EXPECT_EQ(one[i].info.width(), four[i].info.width());
      EXPECT_EQ(one[i].nameText, four[i].nameText);
      EXPECT_EQ(one[i].layerName, four[i].layerName);
      EXPECT_EQ(one[i].elevation, four[i].elevation);
    }
  }
}

std::string LinesOn(const std::vector<std::string>& layers) {
  std::vector<test::Group> entities;
  for (const std::string& layer : layers) {
    entities.insert(entities.end(), {{0, "LINE"}, {8, layer}, {10, "0"}, {20, "0"}, {11, "1"}, {21, "1"}});
  }
  return test::DxfFile({}, entities);
}

std::vector<std::string> ProjectItems(const fs::path& project) {
  files::ProjectFile file;
  files::FileReport report;
  EXPECT_TRUE(files::LoadProjectFile(project.string(), file, report)) << project;
  std::vector<std::string> names;
  for (const auto& item : file.items) names.push_back(item.FileName());
  return names;
}

TEST(DxfFolderConversion, WritesOneFilePerLayerAndAProjectPerFile) {
  const fs::path root = fs::path(zv::test::TempRoot()) / "maps";
  fs::create_directories(root / "sub");
  std::ofstream(root / "plan.dxf") << LinesOn({"WALL", "../evil", "a/b", "a_b", "WALL", ".."});
  std::ofstream(root / "sub" / "Site.DXF") << LinesOn({"断层", ""});
  std::ofstream(root / "sub" / "broken.dxf") << "no drawing here\n";
  std::ofstream(root / "notes.txt") << "not a drawing\n";

  const DxfFolderReport report = ConvertDxfFolder(root.string(), FakeNearest);
  ASSERT_EQ(report.projects.size(), 2u);
  EXPECT_EQ(report.projects[0], (root / "PLAN" / "PLAN.mpj").string());
  EXPECT_EQ(report.projects[1], (root / "sub" / "SITE" / "SITE.mpj").string());
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_NE(report.messages[0].find("broken.dxf"), std::string::npos);
  EXPECT_FALSE(fs::exists(root / "sub" / "BROKEN"));

  EXPECT_EQ(ProjectItems(root / "PLAN" / "PLAN.mpj"),
            (std::vector<std::string>{".\\WALL.wl", ".\\___evil.wl", ".\\a_b.wl", ".\\a_b_2.wl", ".\\__.wl"}));
  // Layer numbers go on over the files of one folder level only: a
  // sub-folder has its own reader, so its layers start again at 0.
  EXPECT_EQ(ProjectItems(root / "sub" / "SITE" / "SITE.mpj"), (std::vector<std::string>{".\\断层.wl", ".\\图层1.wl"}));

  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle wall = BasLoadWorkArea(set, (root / "PLAN" / "WALL.wl").string());
  ASSERT_NE(wall, 0);
  int32_t live = 0, bound = 0;
  BasGetLineCount(wall, &live, &bound);
  EXPECT_EQ(live, 2);
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(wall, kLineEntity, 1, &record));
  std::string layer;
  BasGetFieldText(record, kLayerNameField, &layer);
  EXPECT_EQ(layer, "WALL");
  BasFreeWorkAreaSet(set);
}

TEST(DxfLayerFiles, EveryLayerNumberInUseIsSplitOff) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle from = BasCreateLineWorkArea(set);
  const WorkAreaHandle to = BasCreateLineWorkArea(set);
  for (const int16_t layer : {3000, 0, 3000, 2048}) {
    LIN_INFO info;
    info.setLayer(layer);
    BasAppendLine(from, std::vector<D_DOT>{{0, 0}, {1, 1}}, info);
  }
  BasDeleteLine(from, 2);
  EXPECT_EQ(LayersInUse(from, kLineEntity), (std::vector<int>{2048, 3000}));
  EXPECT_EQ(CopyLayerEntities(from, kLineEntity, 3000, to), 2);
  BasFreeWorkAreaSet(set);
}

TEST(DxfLayerFiles, SafeDistinctStems) {
  std::set<std::string> used;
  const std::pair<std::string, std::string> cases[] = {
      {"WALL", "WALL"}, {"WALL", "WALL_2"}, {"WALL", "WALL_3"}, {"a/b\\c", "a_b_c"},
      {"..", "__"},     {".", "_"},         {"", "__2"},        {"x\ny", "x_y"},  {".hidden", "_hidden"},
  };
  for (const auto& [name, stem] : cases) EXPECT_EQ(SafeDistinctFileStem(name, used), stem) << name;
}

TEST(DxfFolderConversion, EachFileOfAFolderKeepsOnlyItsOwnEntities) {
  const fs::path root = fs::path(zv::test::TempRoot()) / "pair";
  fs::create_directories(root);
  std::ofstream(root / "a.dxf") << LinesOn({"WALL", "WALL", "ROAD"});
  std::ofstream(root / "b.dxf") << "no drawing here\n";
  std::ofstream(root / "c.dxf") << LinesOn({"WALL"});
  const DxfFolderReport report = ConvertDxfFolder(root.string(), FakeNearest);
  ASSERT_EQ(report.projects.size(), 2u);
  EXPECT_EQ(ProjectItems(root / "C" / "C.mpj"), (std::vector<std::string>{".\\WALL.wl"}));
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle wall = BasLoadWorkArea(set, (root / "C" / "WALL.wl").string());
  ASSERT_NE(wall, 0);
  int32_t live = 0, bound = 0;
  BasGetLineCount(wall, &live, &bound);
  EXPECT_EQ(live, 1);
  BasFreeWorkAreaSet(set);
}

TEST(DxfFolderConversion, CarriesPointsAndRegions) {
  const fs::path root = fs::path(zv::test::TempRoot()) / "shapes";
  fs::create_directories(root);
  fs::copy_file(test::FixturePath("gdal_shapes.dxf"), root / "shapes.dxf");
  const DxfFolderReport report = ConvertDxfFolder(root.string(), FakeNearest);
  ASSERT_EQ(report.projects.size(), 1u);
  EXPECT_TRUE(report.messages.empty());
  EXPECT_EQ(ProjectItems(root / "SHAPES" / "SHAPES.mpj"),
            (std::vector<std::string>{".\\ROAD.wt", ".\\断层.wt", ".\\ROAD.wp"}));
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle road = BasLoadWorkArea(set, (root / "SHAPES" / "ROAD.wp").string());
  ASSERT_NE(road, 0);
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_TRUE(BasGetRegionRings(road, 1, &rings));
  EXPECT_EQ(rings.size(), 2u);  // the polygon and its hole
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv::dxf
