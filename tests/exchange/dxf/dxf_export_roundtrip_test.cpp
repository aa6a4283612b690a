// The exported drawing read back: by our own importer (geometry, texts,
// sub-graphs and colours come back) and by two independent readers, ezdxf
// (its audit) and GDAL (ogrinfo).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "exchange/dxf/dxf_import.h"
#include "exchange/dxf/dxf_writer.h"
#include "framework/text/encoding.h"
#include "platform/display/system_library.h"
#include "tests/exchange/dxf/dxf_export_support.h"
#include "tests/support/run_command.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;
using test::TestElement;
using test::TestProject;

constexpr int kBlack = 1, kRed = 2, kOdd = 4, kYellow = 5, kGreen = 6;

// A project of every kind the export writes, in a folder of its own, with a
// colour table of exact colours current.
class DxfExportReadBack : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    folder_ = (fs::path(zv::test::TempRoot()) / ::testing::UnitTest::GetInstance()->current_test_info()->name()).string();
    fs::remove_all(folder_);
    fs::create_directories(folder_ + "/slib");
    std::ofstream(folder_ + "/slib/colortable.txt")
        << "ZVCOLOR 1\n1 0 0 0\n2 255 0 0\n3 255 255 255\n4 1 2 3\n5 255 255 0\n6 0 255 0\n";
    display::SetLibraryFolder(folder_ + "/slib");
    project_ = std::make_unique<TestProject>(folder_ + "/工程 (1)", "地图");
    BuildProject();
  }
  void TearDown() override {
    project_.reset();
    display::SetLibraryFolder(display::DefaultLibraryFolder());
    WorkAreasTest::TearDown();
  }

  void BuildProject() {
    const WorkAreaHandle lines = project_->Add("断层 (F1).WL");
    const WorkAreaHandle points = project_->Add("注释.WT");
    const WorkAreaHandle regions = project_->Add("地层（新）.WP");
    LIN_INFO line;
    line.setStyle(1);
    for (const int colour : {kRed, kGreen, kOdd}) {
      line.setColour(colour);
      std::vector<D_DOT> vertices;
      for (int i = 0; i < 10; ++i) vertices.push_back({colour * 100.0 + i * 1.25, std::sin(i) * 50.0 + 0.125});
      ASSERT_GT(BasAppendLine(lines, vertices, line), 0);
    }
    for (const char* text : {"m#+2#=", "H#-2#=O", "/a/b/", "地层", "ก😀 a\\b{c}"}) {
      PNT_INFO note;
      note.setKind(0);
      note.setColour(kYellow);
      note.setCharHeight(4);
      note.setCharWidth(4);
      notes_.push_back({text, {100.0 + static_cast<double>(notes_.size()), 200.5}});
      ASSERT_GT(BasAppendPoint(points, notes_.back().second, text, note), 0);
    }
    PNT_INFO circle;
    circle.setKind(2);
    circle.setRadius(7.5);
    circle.Set<int32_t>(pnt::kCircleOutlineColour, kRed);
    BasAppendPoint(points, {50, 60}, "", circle);
    PNT_INFO arc;
    arc.setKind(3);
    arc.setColour(kGreen);
    arc.setRadius(4);
    arc.Set<float>(pnt::kArcStartAngle, 0);
    arc.Set<float>(pnt::kArcEndAngle, 90);
    BasAppendPoint(points, {-5, -6}, "", arc);
    for (const int number : {2, 5, 2, 9}) {
      PNT_INFO symbol;
      symbol.setKind(1);
      symbol.setColour(kRed);
      symbol.setSymbolNumber(number);
      symbol.setSymbolWidth(2.5f);
      symbol.setSymbolHeight(1.5f);
      symbol.setAngle(30);
      BasAppendPoint(points, {10.0 * number, 20}, "", symbol);
    }
    // A region with a hole: rings of two arcs and one arc.
    LIN_INFO arcInfo;
    arcInfo.setStyle(1);
    const int32_t a1 = BasAppendLine(regions, std::vector<D_DOT>{{0, 0}, {10, 0}, {10, 10}}, arcInfo);
    const int32_t a2 = BasAppendLine(regions, std::vector<D_DOT>{{0, 0}, {0, 10}, {10, 10}}, arcInfo);
    const int32_t a3 = BasAppendLine(regions, std::vector<D_DOT>{{2, 2}, {4, 2}, {4, 4}, {2, 2}}, arcInfo);
    REG_INFO region;
    region.Set<int32_t>(reg::kFillColour, kGreen);
    ASSERT_GT(BasAppendRegion(regions, std::vector<int32_t>{0, a1, -a2, 0, a3}, region), 0);
  }

  DxfExportResult Export() {
    // Blocks 2 and 5 come from a library; 9 is missing (an empty block).
    TestElement strokes{2, 0, 0, 2, {{{-0.5f, 0}, {0.5f, 0}}, {{0, -0.5f}, {0, 0.5f}}}};
    TestElement circle{6, 0, kRed, 2, {{{0, 0}, {0.5f, 0}}}};
    TestElement fill{1, kGreen, 0, 2, {{{0, 0}, {1, 0}, {1, 1}}}};
    library_ = test::BuildSubgraphs({{2, {strokes, circle}}, {5, {fill}}});
    CDxfWriter writer(&*library_);
    return writer.ExportDxf(test::TemplatePath(), project_->project());
  }

  std::string folder_;
  std::unique_ptr<TestProject> project_;
  std::optional<display::SingleLevelLibrary> library_;
  std::vector<std::pair<std::string, D_DOT>> notes_;
};

std::vector<D_DOT> OpenRing(std::vector<D_DOT> ring) {
  if (ring.size() > 1 && ring.front().x == ring.back().x && ring.front().y == ring.back().y) ring.pop_back();
  return ring;
}

void ExpectSameVertices(const std::vector<D_DOT>& a, const std::vector<D_DOT>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_NEAR(a[i].x, b[i].x, 1e-6);
    EXPECT_NEAR(a[i].y, b[i].y, 1e-6);
  }
}

TEST_F(DxfExportReadBack, OurImporterGetsTheProjectBack) {
  const DxfExportResult result = Export();
  ASSERT_TRUE(result.written) << (result.messages.empty() ? "" : result.messages[0]);
  DxfReader reader(CadMap{}, CadMap::Parse("2 2\n5 5\n9 9"));
  const DxfReadResult read = ImportDxfFile(reader, result.target, {points_, lines_, regions_});
  ASSERT_TRUE(read.imported);
  EXPECT_TRUE(read.messages.empty()) << read.messages[0];

  const WorkAreaHandle sourceLines = PrjGetItemArea(&project_->project(), 0);
  const WorkAreaHandle sourceRegions = PrjGetItemArea(&project_->project(), 2);

  // Lines first (three polylines, then the circle and the arc as lines).
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  ASSERT_EQ(live, 5);
  for (int32_t id = 1; id <= 3; ++id) {
    std::vector<D_DOT> exported, imported;
    LIN_INFO before, after;
    BasReadLine(sourceLines, id, &exported, &before);
    BasReadLine(lines_, id, &imported, &after);
    ExpectSameVertices(imported, exported);
    EXPECT_EQ(after.colour(), before.colour());
  }
  const auto onCircle = [&](int32_t id, D_DOT centre, double radius) {
    std::vector<D_DOT> vertices;
    BasReadLine(lines_, id, &vertices, nullptr);
    EXPECT_GT(vertices.size(), 3u);
    for (const D_DOT& v : vertices) EXPECT_NEAR(std::hypot(v.x - centre.x, v.y - centre.y), radius, 1e-6);
    return vertices;
  };
  onCircle(4, {50, 60}, 7.5);
  const std::vector<D_DOT> arc = onCircle(5, {-5, -6}, 4);
  EXPECT_NEAR(arc.front().x, -1, 1e-6);
  EXPECT_NEAR(arc.back().y, -2, 1e-6);

  // Notes with their codes and places, then the sub-graphs.
  BasGetPointCount(points_, &live, &bound);
  std::vector<std::pair<std::string, D_DOT>> notes;
  std::vector<PNT_INFO> symbols;
  std::vector<D_DOT> symbolPlaces;
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at{};
    std::string text;
    PNT_INFO info;
    ASSERT_TRUE(BasReadPoint(points_, id, &at, &text, &info));
    if (info.kind() == 0) {
      notes.emplace_back(text, at);
      EXPECT_EQ(info.colour(), kYellow);
    } else if (info.kind() == 1) {
      symbols.push_back(info);
      symbolPlaces.push_back(at);
    }
  }
  ASSERT_EQ(notes.size(), notes_.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    EXPECT_EQ(notes[i].first, notes_[i].first);
    EXPECT_NEAR(notes[i].second.x, notes_[i].second.x, 1e-6);
    EXPECT_NEAR(notes[i].second.y, notes_[i].second.y, 1e-6);
  }
  ASSERT_EQ(symbols.size(), 4u);
  const int numbers[] = {2, 5, 2, 9};
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    EXPECT_EQ(symbols[i].symbolNumber(), numbers[i]);
    EXPECT_NEAR(symbolPlaces[i].x, 10.0 * numbers[i], 1e-6);
    EXPECT_FLOAT_EQ(symbols[i].symbolWidth(), 2.5f);
    EXPECT_FLOAT_EQ(symbols[i].symbolHeight(), 1.5f);
    EXPECT_FLOAT_EQ(symbols[i].angle(), 30);
    EXPECT_EQ(symbols[i].colour(), kRed);
  }

  // The region with its hole and fill colour.
  std::vector<std::vector<D_DOT>> exported, imported;
  ASSERT_TRUE(BasGetRegionRings(sourceRegions, 1, &exported));
  ASSERT_TRUE(BasGetRegionRings(regions_, 1, &imported));
  ASSERT_EQ(imported.size(), 2u);
  for (std::size_t r = 0; r < 2; ++r) ExpectSameVertices(OpenRing(imported[r]), OpenRing(exported[r]));
  REG_INFO fill;
  BasReadRegionParam(regions_, 1, &fill);
  EXPECT_EQ(fill.Get<int32_t>(reg::kFillColour), kGreen);
}

using zv::test::RunCommand;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Found from the test data folder, not __FILE__: a compiler cache may record
// source paths relative to the build folder.
std::string AuditScript() {
  return (fs::path(ZV_TEST_DATA_DIR).parent_path() / "exchange" / "dxf" / "dxf_audit.py").string();
}

TEST_F(DxfExportReadBack, EzdxfFindsNothingToMendInTheTemplateOrTheDrawing) {
  const DxfExportResult result = Export();
  ASSERT_TRUE(result.written);
  const std::string templateReport = RunCommand("/usr/bin/python3 " + Quoted(AuditScript()) + " " + Quoted(test::TemplatePath()));
  EXPECT_NE(templateReport.find("errors 0\nfixes 0\nhandseed_above_handles yes\nowners_exist yes\n"), std::string::npos)
      << templateReport;
  const std::string report = RunCommand("/usr/bin/python3 " + Quoted(AuditScript()) + " " + Quoted(result.target));
  EXPECT_NE(report.find("errors 0\nfixes 0\nhandseed_above_handles yes\nowners_exist yes\n"), std::string::npos)
      << report;
  for (const char* line : {"count 断层__F1_WL LWPOLYLINE 3\n", "count 注释WT MTEXT 5\n", "count 注释WT CIRCLE 1\n",
                           "count 注释WT ARC 1\n", "count 注释WT INSERT 4\n", "count 地层_新_WP HATCH 1\n",
                           "text 注释WT 地层\n", "text 注释WT ก😀 a\\b{c}\n"})
    EXPECT_NE(report.find(line), std::string::npos) << line << report;
}

TEST_F(DxfExportReadBack, OgrinfoCountsEveryFeatureAndDecodesChineseNames) {
  const DxfExportResult result = Export();
  ASSERT_TRUE(result.written);
  // Each block entity an insert puts in place is a feature of its own.
  const std::string ogrinfo = "ogrinfo --config DXF_MERGE_BLOCK_GEOMETRIES FALSE -ro -al ";
  const std::string summary = RunCommand(ogrinfo + "-so " + Quoted(result.target));
  // 3 lines, 5 notes, a circle, an arc, a hatch, and the block entities:
  // two inserts of block 2 (two strokes and a circle each), one of block 5
  // (a hatch), one of the empty block 9.
  EXPECT_NE(summary.find("Feature Count: 18"), std::string::npos) << summary;
  const std::string all = RunCommand(ogrinfo + "-q " + Quoted(result.target));
  for (const char* text : {"断层__F1_WL", "注释WT", "地层_新_WP", "地层"})
    EXPECT_NE(all.find(text), std::string::npos) << text;
}

// With the shipped colour table, a black line goes out by layer on a white
// layer and comes back black, not as the table's white.
class DxfExportShippedColours : public zv::test::WorkAreasTest {};

TEST_F(DxfExportShippedColours, ABlackLineComesBackBlack) {
  TestProject project((fs::path(zv::test::TempRoot()) / "black").string());
  LIN_INFO line;
  line.setStyle(1);
  line.setColour(kBlack);
  ASSERT_GT(BasAppendLine(project.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {10, 5}, {20, 0}}, line), 0);
  CDxfWriter writer;
  const DxfExportResult result = writer.ExportDxf(test::TemplatePath(), project.project());
  ASSERT_TRUE(result.written);
  DxfReader reader;
  ASSERT_TRUE(ImportDxfFile(reader, result.target, {points_, lines_, regions_}).imported);
  LIN_INFO back;
  std::vector<D_DOT> vertices;
  ASSERT_GT(BasReadLine(lines_, 1, &vertices, &back), 0);
  EXPECT_EQ(vertices.size(), 3u);
  EXPECT_EQ(back.colour(), kBlack);
}

}  // namespace
}  // namespace zv::dxf
