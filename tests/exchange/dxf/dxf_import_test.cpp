#include <gtest/gtest.h>

#include <filesystem>
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

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

// A stand-in for the display library's nearest colour: red is 9 (which the
// import never gives), other colours a number from their bytes.
int32_t FakeNearest(uint32_t rgb) { return rgb == 0xFF0000 ? 9 : static_cast<int32_t>(rgb % 997) + 10; }

class DxfImport : public ::testing::Test {
 protected:
  void SetUp() override {
    set_ = BasCreateWorkAreaSet(0);
    targets_ = {BasCreatePointWorkArea(set_), BasCreateLineWorkArea(set_), BasCreateRegionWorkArea(set_)};
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  int32_t LineCount() const {
    int32_t live = 0, bound = 0;
    BasGetLineCount(targets_.line, &live, &bound);
    return live;
  }

  WorkAreaSetHandle set_ = 0;
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

TEST_F(DxfImport, FourPassesGiveWhatOnePassGives) {
  for (const char* fixture : {"r2018_utf8.dxf", "r12_escaped.dxf", "gdal_lines.dxf"}) {
    DxfReader oneReader(CadMap{}, CadMap{});
    ImportDxfFile(oneReader, test::FixturePath(fixture), targets_, FakeNearest);
    const std::vector<ImportedLine> one = Lines(targets_.line);
    DxfReader fourReader(CadMap{}, CadMap{});
    const DxfReadResult result = ImportLargeDxfFile(fourReader, test::FixturePath(fixture), targets_, FakeNearest);
    EXPECT_TRUE(result.imported);
    EXPECT_TRUE(result.messages.empty());
    const std::vector<ImportedLine> four = Lines(targets_.line);
    ASSERT_EQ(one.size(), four.size()) << fixture;
    ASSERT_FALSE(one.empty());
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

}  // namespace
}  // namespace zv::dxf
