#include <geos_c.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "platform/data/attributes.h"
#include "platform/data/geometry.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/topology/topology.h"
#include "tests/support/test_env.h"
#include "tools/clip/core/clip_engine.h"
#include "tools/clip/core/clip_frame.h"

namespace zv::tools {
namespace {

namespace fs = std::filesystem;

// A small map saved as a point, a line and a region file: texts in
// Chinese, lines crossing the outline, two regions sharing an arc (one with
// a hole), a free arc and a self-crossing region; records and map
// parameters on every file.
class ClipEngineTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(test::TempRoot()) / ("clip_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "src");
    set_ = BasCreateWorkAreaSet();
    points_ = BasCreatePointWorkArea(set_);
    lines_ = BasCreateLineWorkArea(set_);
    regions_ = BasCreateRegionWorkArea(set_);
    MapParams params = DefaultMapParams();
    params.setScale(5000);
    for (const WorkAreaHandle area : {points_, lines_, regions_}) BasSetMapParams(area, params);
    AddNameField(regions_, kRegionEntity);
    AddNameField(lines_, kLineEntity);

    PNT_INFO text;
    text.setCharHeight(2.5f);
    for (const D_DOT p : {D_DOT{12, 10}, D_DOT{2, 2}, D_DOT{30, 10}, D_DOT{38, 18}})
      BasAppendPoint(points_, p, "钻孔" + std::to_string(static_cast<int>(p.x)), text);
    LIN_INFO line;
    line.setColour(3);
    line.setStyle(1);
    Name(lines_, kLineEntity, BasAppendLine(lines_, {{-5, 10}, {45, 10}}, line), "等高线");
    BasAppendLine(lines_, {{12, -5}, {14, 12}, {16, 40}}, line);
    BasAppendLine(lines_, {{0, 39}, {5, 39}}, line);

    LIN_INFO arc;
    arc.setColour(4);
    const int32_t left = BasAppendLine(regions_, {{20, 0}, {0, 0}, {0, 20}, {20, 20}}, arc);
    const int32_t shared = BasAppendLine(regions_, {{20, 20}, {20, 0}}, arc);
    const int32_t right = BasAppendLine(regions_, {{20, 0}, {40, 0}, {40, 20}, {20, 20}}, arc);
    const int32_t hole = BasAppendLine(regions_, {{8, 8}, {8, 12}, {14, 12}, {14, 8}, {8, 8}}, arc);
    BasAppendLine(regions_, {{2, 25}, {38, 25}}, arc);  // a free arc
    // The outline's corner (12, 32) pokes into the bow-tie's right lobe.
    const int32_t bow = BasAppendLine(regions_, {{6, 26}, {16, 34}, {16, 26}, {6, 34}, {6, 26}}, arc);
    REG_INFO fill;
    fill.setFillColour(6);
    Name(regions_, kRegionEntity, BasAppendRegion(regions_, {0, left, shared, 0, hole}, fill), "甲区");
    Name(regions_, kRegionEntity, BasAppendRegion(regions_, {0, right, -shared}, fill), "乙区");
    BasAppendRegion(regions_, {0, bow}, fill);
    for (const auto& [area, name] : {std::pair{regions_, "areas.wp"}, {points_, "points.wt"}, {lines_, "lines.wl"}})
      ASSERT_EQ(BasSaveWorkArea(area, (root_ / "src" / name).string(), kSavePathComplete), 1);
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  static void AddNameField(WorkAreaHandle area, int type) {
    CFIELD_HEAD field;
    field.name = "名称";
    field.type = kFieldString;
    field.length = 20;
    ASSERT_GE(BasInsertField(area, type, field), 0);
  }
  static void Name(WorkAreaHandle area, int type, int32_t id, const char* value) {
    AttributeRecord record;
    ASSERT_EQ(BasReadAttribute(area, type, id, &record), 1);
    ASSERT_TRUE(BasSetFieldByName(record, "名称", value));
    ASSERT_EQ(BasWriteAttribute(area, type, id, record), 1);
  }
  static std::string NameOf(WorkAreaHandle area, int type, int32_t id) {
    AttributeRecord record;
    std::string text;
    if (BasReadAttribute(area, type, id, &record) != 1 || !BasGetFieldText(record, "名称", &text)) return "?";
    return text;
  }

  ClipJob Job(const std::string& folder, int mode) const {
    ClipJob job;
    // An irregular outline over part of both regions, the lines and points.
    job.outline = {{{10, -5}, {33, 2}, {36, 27}, {12, 32}, {4, 15}, {10, -5}}};
    job.outlineLine.setColour(5);
    job.mode = mode;
    job.folder = (root_ / folder).string();
    job.projectName = "HILLS(CJ).MPJ";
    job.mapParams = DefaultMapParams();
    job.sources = {{regions_, (root_ / "src" / "areas.wp").string()},
                   {points_, (root_ / "src" / "points.wt").string()},
                   {lines_, (root_ / "src" / "lines.wl").string()}};
    fs::create_directories(job.folder);
    return job;
  }

  struct Totals {
    double area = 0, length = 0;
    int points = 0;
  };
  // What the written copies hold, read back from their files.
  Totals Read(const ClipPlan& plan) {
    Totals t;
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    for (const std::string& path : plan.targets) {
      const WorkAreaHandle area = BasLoadWorkArea(set, path);
      EXPECT_NE(area, 0) << path;
      t.area += Sum(area, kRegionEntity, [&](int32_t id) { return BasRegionArea(area, id); });
      if (BasGetWorkAreaType(area) == kLineArea)
        t.length += Sum(area, kLineEntity, [&](int32_t id) { return BasGetLineLength(area, id); });
      t.points += static_cast<int>(Sum(area, kPointEntity, [](int32_t) { return 1.0; }));
    }
    BasFreeWorkAreaSet(set);
    return t;
  }
  template <typename F>
  static double Sum(WorkAreaHandle area, int type, F value) {
    int32_t live = 0, bound = 0;
    if (BasGetEntityCount(area, type, &live, &bound) != 1) return 0;
    double sum = 0;
    for (int32_t id = 1; id < bound; ++id)
      if (BasIsEntityLive(area, type, id)) sum += value(id);
    return sum;
  }

  fs::path root_;
  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle points_ = 0, lines_ = 0, regions_ = 0;
};

TEST_F(ClipEngineTest, InsideAndOutsideTogetherHoldTheWholeSource) {
  const ClipJob inside = Job("in", kTopoKeepInside), outside = Job("out", kTopoKeepOutside);
  const ClipPlan inPlan = PlanClip(inside), outPlan = PlanClip(outside);
  ASSERT_EQ(RunClip(inside, inPlan).error, "");
  ASSERT_EQ(RunClip(outside, outPlan).error, "");
  const Totals in = Read(inPlan), out = Read(outPlan);
  // Region area of the two regions (the hole left out) and the bow-tie's two lobes.
  const double area = 400 - 24 + 400 + 2 * 0.5 * 10 * 4;
  EXPECT_NEAR(in.area + out.area, area, 1e-9 * area);
  EXPECT_GT(in.area, 0);
  EXPECT_GT(out.area, 0);
  const double length = Sum(lines_, kLineEntity, [&](int32_t id) { return BasGetLineLength(lines_, id); });
  EXPECT_NEAR(in.length + out.length, length, 1e-9 * length);
  EXPECT_EQ(in.points + out.points, 4);
  EXPECT_EQ(in.points, 2);
}

// GEOS's own overlay of the fixture's regions with the outline: the areas
// of the parts, in ascending order.
std::vector<double> GeosPartAreas(bool inside) {
  const GEOSContextHandle_t c = GEOS_init_r();
  GEOSWKTReader* reader = GEOSWKTReader_create_r(c);
  GEOSGeometry* outline = GEOSWKTReader_read_r(c, reader, "POLYGON((10 -5,33 2,36 27,12 32,4 15,10 -5))");
  const char* regions[] = {"POLYGON((20 0,0 0,0 20,20 20,20 0),(8 8,8 12,14 12,14 8,8 8))",
                           "POLYGON((20 0,40 0,40 20,20 20,20 0))",
                           "MULTIPOLYGON(((6 26,11 30,6 34,6 26)),((11 30,16 34,16 26,11 30)))"};
  std::vector<double> areas;
  for (const char* wkt : regions) {
    GEOSGeometry* region = GEOSWKTReader_read_r(c, reader, wkt);
    GEOSGeometry* result = inside ? GEOSIntersection_r(c, region, outline) : GEOSDifference_r(c, region, outline);
    for (int i = 0; i < GEOSGetNumGeometries_r(c, result); ++i) {
      double area = 0;
      GEOSArea_r(c, GEOSGetGeometryN_r(c, result, i), &area);
      if (area > 0) areas.push_back(area);
    }
    GEOSGeom_destroy_r(c, result);
    GEOSGeom_destroy_r(c, region);
  }
  GEOSGeom_destroy_r(c, outline);
  GEOSWKTReader_destroy_r(c, reader);
  GEOS_finish_r(c);
  std::sort(areas.begin(), areas.end());
  return areas;
}

TEST_F(ClipEngineTest, RegionCopiesMatchGeosAndKeepTheSharedArcTheHoleAndTheOutlineParameters) {
  for (const int mode : {kTopoKeepInside, kTopoKeepOutside}) {
    SCOPED_TRACE(mode);
    const ClipJob job = Job(mode == kTopoKeepInside ? "in" : "out", mode);
    const ClipPlan plan = PlanClip(job);
    ASSERT_EQ(RunClip(job, plan).error, "");
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    const WorkAreaHandle regions = BasLoadWorkArea(set, plan.targets[0]);
    ASSERT_NE(regions, 0);
    std::vector<double> areas;
    int holes = 0;
    Sum(regions, kRegionEntity, [&](int32_t id) {
      areas.push_back(BasRegionArea(regions, id));
      holes += BasCountRegionRings(regions, id) - 1;
      REG_INFO info;
      EXPECT_EQ(BasReadRegion(regions, id, nullptr, &info), 1);
      EXPECT_EQ(info.fillColour(), 6);
      return 0.0;
    });
    std::sort(areas.begin(), areas.end());
    const std::vector<double> expected = GeosPartAreas(mode == kTopoKeepInside);
    ASSERT_EQ(areas.size(), expected.size());
    for (std::size_t i = 0; i < areas.size(); ++i) EXPECT_NEAR(areas[i], expected[i], 1e-9 * expected[i]);
    // The hole lies inside the outline: the inside copy of 甲区 keeps it.
    EXPECT_EQ(holes, mode == kTopoKeepInside ? 1 : 0);

    // The shared arc lies inside the outline: inside it stays one arc with
    // 甲区 and 乙区 on its two sides; arcs along the outline take its
    // parameters (colour 5), the others the source arcs' (colour 4).
    const std::vector<ArcSides> sides = BasComputeArcTopology(regions);
    int shared = 0;
    for (int32_t arc = 1; arc < static_cast<int32_t>(sides.size()); ++arc) {
      std::vector<D_DOT> v;
      LIN_INFO info;
      if (BasReadLine(regions, arc, &v, &info) != 1) continue;
      const bool bounds = sides[arc].left != 0 || sides[arc].right != 0;
      if (!bounds) continue;  // the free arc's pieces
      if (sides[arc].left != 0 && sides[arc].right != 0) {
        ++shared;
        EXPECT_EQ(std::set<std::string>({NameOf(regions, kRegionEntity, sides[arc].left),
                                         NameOf(regions, kRegionEntity, sides[arc].right)}),
                  (std::set<std::string>{"甲区", "乙区"}));
      }
      std::vector<std::vector<D_DOT>> outline = job.outline;
      const D_DOT mid{(v[0].x + v[1].x) / 2, (v[0].y + v[1].y) / 2};
      bool along = false;
      for (std::size_t i = 1; i < outline[0].size(); ++i)
        along = along || BasPointToSegmentDistance(mid, outline[0][i - 1], outline[0][i]) < 1e-9;
      EXPECT_EQ(info.colour(), along ? 5 : 4) << "arc " << arc;
    }
    EXPECT_EQ(shared, mode == kTopoKeepInside ? 1 : 0);
    BasFreeWorkAreaSet(set);
  }
}

TEST_F(ClipEngineTest, TheProjectListsTheCopiesAndTheFrameWithRecordsScaleAndState) {
  ClipJob job = Job("out", kTopoKeepInside);
  job.factor = 2.5;
  job.newScale = 2000;
  job.frame = ClipFrameRequest{5000, 2000, LIN_INFO{}, PNT_INFO{}};
  const ClipPlan plan = PlanClip(job);
  const ClipOutcome outcome = RunClip(job, plan);
  ASSERT_EQ(outcome.error, "");
  EXPECT_EQ(outcome.projectPath, (root_ / "out" / "HILLS(CJ).MPJ").string());

  MapProject* project = PrjOpen(outcome.projectPath);
  ASSERT_NE(project, nullptr);
  const std::vector<std::string> names = {"areas.wp", "points.wt", "lines.wl", "图框.wl", "图框.wt", "图框.wp"};
  ASSERT_EQ(PrjGetItemCount(project), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(fs::path(PrjGetItemPath(project, i)).filename().string(), names[i]);
    EXPECT_EQ(PrjGetItemState(project, i), kItemShown) << names[i];
  }
  MapParams params;
  ASSERT_EQ(PrjGetMapParams(project, &params), 1);
  EXPECT_EQ(params.scale(), 2000);

  // The copies are scaled by 2.5 and keep parameters, records and map scale.
  const WorkAreaHandle points = PrjGetItemArea(project, 1), lines = PrjGetItemArea(project, 2);
  D_DOT at;
  std::string text;
  PNT_INFO info;
  ASSERT_EQ(BasReadPoint(points, 1, &at, &text, &info), 1);
  EXPECT_DOUBLE_EQ(at.x, 30);
  EXPECT_DOUBLE_EQ(at.y, 25);
  EXPECT_EQ(text, "钻孔12");
  EXPECT_FLOAT_EQ(info.charHeight(), 2.5f);
  ASSERT_EQ(BasGetMapParams(lines, &params), 1);
  EXPECT_EQ(params.scale(), 2000);
  LIN_INFO line;
  ASSERT_EQ(BasReadLine(lines, 1, nullptr, &line), 1);
  EXPECT_EQ(line.colour(), 3);
  EXPECT_EQ(NameOf(lines, kLineEntity, 1), "等高线");
  const WorkAreaHandle regions = PrjGetItemArea(project, 0);
  std::set<std::string> regionNames;
  for (int32_t id = 1; id <= 3; ++id) regionNames.insert(NameOf(regions, kRegionEntity, id));
  EXPECT_TRUE(regionNames.count("甲区") && regionNames.count("乙区"));

  // The frame is the outline's box at 1:5000 in kilometres, drawn at 1:2000.
  std::vector<D_DOT> inner;
  ASSERT_EQ(BasReadLine(PrjGetItemArea(project, 3), 1, &inner, nullptr), 1);
  ASSERT_EQ(inner.size(), 5u);
  EXPECT_NEAR(inner[0].x, 4 * 2.5, 1e-9);
  EXPECT_NEAR(inner[0].y, -5 * 2.5, 1e-9);
  EXPECT_NEAR(inner[2].x, 36 * 2.5, 1e-9);
  EXPECT_NEAR(inner[2].y, 32 * 2.5, 1e-9);
  EXPECT_GT(Sum(PrjGetItemArea(project, 4), kPointEntity, [](int32_t) { return 1.0; }), 0);
  PrjClose(project);
}

TEST_F(ClipEngineTest, NothingIsOverwrittenOrHalfReported) {
  // A folder holding a source is refused, naming the file.
  ClipJob job = Job("src", kTopoKeepInside);
  ClipPlan plan = PlanClip(job);
  EXPECT_NE(plan.error.find("areas.wp"), std::string::npos);
  EXPECT_NE(RunClip(job, plan).error, "");
  EXPECT_FALSE(fs::exists(root_ / "src" / "HILLS(CJ).MPJ"));

  // Sources of one name get numbered copies; files on disk are named.
  job = Job("out", kTopoKeepInside);
  job.sources.push_back({lines_, (root_ / "other" / "LINES.wl").string()});
  job.sources.push_back({lines_, (root_ / "third" / "lines.wl").string()});
  std::ofstream((root_ / "out" / "LINES_2.wl").string()) << "x";
  plan = PlanClip(job);
  ASSERT_EQ(plan.error, "");
  ASSERT_EQ(plan.targets.size(), 5u);
  EXPECT_EQ(fs::path(plan.targets[3]).filename().string(), "LINES_2.wl");
  EXPECT_EQ(fs::path(plan.targets[4]).filename().string(), "lines_3.wl");
  EXPECT_EQ(plan.existing, std::vector<std::string>{plan.targets[3]});

  // A save that fails stops the clip, names the file and writes no project.
  fs::create_directories(root_ / "out" / "points.wt");
  const ClipOutcome outcome = RunClip(job, plan);
  EXPECT_NE(outcome.error.find("points.wt"), std::string::npos);
  EXPECT_EQ(outcome.projectPath, "");
  EXPECT_FALSE(fs::exists(plan.projectPath));
  // The copies written before the failure go with it; a file that was there stays.
  EXPECT_FALSE(fs::exists(plan.targets[0])) << plan.targets[0];
  EXPECT_TRUE(fs::is_regular_file(plan.targets[3]));
}

TEST(ClipNaming, ProjectNamesAndRounding) {
  EXPECT_EQ(ClippedProjectName("HILLS.MPJ"), "HILLS(CJ).MPJ");
  EXPECT_EQ(ClippedProjectName("未命名.mpj"), "未命名(CJ).mpj");
  const std::pair<double, double> cases[] = {{2.5004, 2.5}, {-0.0006, -0.001}, {12345.67891, 12345.679}, {0, 0}};
  for (const auto& [value, rounded] : cases) EXPECT_DOUBLE_EQ(RoundTo3Decimals(value), rounded) << value;
  const ClipFrameCorners c = ClipFrameCornersOf({{{100, 200}, {300.4, 50}, {100, 200}}}, 5000);
  EXPECT_DOUBLE_EQ(c.xmin, 0.5);
  EXPECT_DOUBLE_EQ(c.ymin, 0.25);
  EXPECT_DOUBLE_EQ(c.xmax, 1.502);
  EXPECT_DOUBLE_EQ(c.ymax, 1.0);
}

}  // namespace
}  // namespace zv::tools
