#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/text/numbers.h"
#include "geodesy/block/block_maps.h"
#include "geodesy/map_sheet.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/projection/dms.h"
#include "tests/support/test_env.h"

namespace zv::block {
namespace {

namespace fs = std::filesystem;

std::string Packed(double seconds) { return num::Format("%.2f", ProjSecondsToDms(seconds)); }

// A block of corners in seconds as list rows.
CornerRows Rows(std::initializer_list<std::pair<double, double>> corners) {
  CornerRows rows;
  int n = 0;
  for (const auto& [lon, lat] : corners) {
    if (lon < 0) {
      rows.push_back({"", "", ""});
      continue;
    }
    rows.push_back({num::FormatInt(++n), Packed(lon), Packed(lat)});
  }
  return rows;
}

struct Loaded {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle points = 0, lines = 0, regions = 0;
  Loaded(const fs::path& folder, const std::string& base) {
    points = BasLoadWorkArea(set, (folder / (base + ".wt")).string());
    lines = BasLoadWorkArea(set, (folder / (base + ".wl")).string());
    regions = BasLoadWorkArea(set, (folder / (base + ".wp")).string());
  }
  ~Loaded() { BasFreeWorkAreaSet(set); }
  int32_t Count(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
};

class RangeMaps : public ::testing::Test {
 protected:
  fs::path folder_ = fs::path(test::TempRoot()) / "maps";
  void SetUp() override { fs::create_directories(folder_); }
  SheetExtentSeconds Extent(const char* number) {
    SheetExtentSeconds e;
    CMapSheet::SheetExtent(number, &e);
    return e;
  }
};

TEST_F(RangeMaps, AllThreeMapsOfABlockOverASheetEdge) {
  const SheetExtentSeconds e = Extent("J50E001010");
  // Two rings; the first reaches over the east edge into J50E001011.
  const CornerRows rows = Rows({{e.east - 120, e.south + 180},
                                {e.east + 120, e.south + 180},
                                {e.east + 120, e.south + 60},
                                {e.east - 120, e.south + 60},
                                {-1, 0},
                                {e.west + 60, e.north - 60},
                                {e.west + 120, e.north - 60},
                                {e.west + 120, e.north - 120}});
  const BlockMapResult r =
      MakeRangeMaps(folder_.string(), rows, {RangeMap::One, RangeMap::Two, RangeMap::Three}, {2026, 12, 10});
  EXPECT_TRUE(r.messages.empty()) << r.messages.front();
  ASSERT_EQ(r.projects.size(), 4u);
  EXPECT_EQ(fs::path(r.projects[3]).filename().string(), "区块3_2.mpj");
  for (const std::string& p : r.projects) {
    MapProject* project = PrjOpen(p);
    ASSERT_NE(project, nullptr) << p;
    EXPECT_EQ(PrjGetItemCount(project), 3);
    PrjClose(project);
  }

  {  // (一): two filled cells, row 1: columns 10 and 11 at the top.
    Loaded m(folder_, "区块1");
    ASSERT_NE(m.regions, 0);
    EXPECT_EQ(m.Count(m.regions, kRegionEntity), 2);
    D_RECT cell;
    ASSERT_EQ(BasGetRegionRect(m.regions, 1, &cell), 1);
    EXPECT_DOUBLE_EQ(cell.xmin, 63);
    EXPECT_DOUBLE_EQ(cell.ymin, 115);
    EXPECT_DOUBLE_EQ(cell.xmax, 70);
    EXPECT_DOUBLE_EQ(cell.ymax, 120);
    EXPECT_EQ(m.Count(m.lines, kLineEntity), 1 + 26 + 26 + 1 + 2 + 7);
  }
  {  // (二): one region of both rings: arc list {n, a1, 0, a2}.
    Loaded m(folder_, "区块2");
    ASSERT_EQ(m.Count(m.regions, kRegionEntity), 1);
    std::vector<int32_t> arcs;
    REG_INFO info;
    ASSERT_EQ(BasReadRegion(m.regions, 1, &arcs, &info), 1);
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(arcs[2], 0);
    EXPECT_EQ(info.fillColour(), 9);
    EXPECT_EQ(info.pattern(), 3);
    // 0.1 mm per second from the window's south-west corner (the sheet J50E001010).
    D_RECT box;
    ASSERT_EQ(BasGetRegionRect(m.regions, 1, &box), 1);
    EXPECT_NEAR(box.xmax, 0.1 * (900 + 120), 1e-6);
    EXPECT_NEAR(box.ymin, 0.1 * 60, 1e-6);
  }
  for (const char* base : {"区块3_1", "区块3_2"}) {  // (三): only the part inside each sheet.
    SCOPED_TRACE(base);
    Loaded m(folder_, base);
    ASSERT_GE(m.Count(m.regions, kRegionEntity), 1);
    D_RECT box;
    ASSERT_EQ(BasGetRegionRect(m.regions, 1, &box), 1);
    EXPECT_GE(box.xmin, -1e-6);
    EXPECT_LE(box.xmax, 180 + 1e-6);
    REG_INFO info;
    BasReadRegionParam(m.regions, 1, &info);
    EXPECT_EQ(info.fillColour(), 620);
  }
  {
    Loaded m(folder_, "区块3_2");  // the east sheet holds 2 minutes of the first ring only
    EXPECT_EQ(m.Count(m.regions, kRegionEntity), 1);
    D_RECT box;
    ASSERT_EQ(BasGetRegionRect(m.regions, 1, &box), 1);
    EXPECT_NEAR(box.xmin, 0, 1e-6);
    EXPECT_NEAR(box.xmax, 0.2 * 120, 1e-6);
  }
}

TEST_F(RangeMaps, ABlockCoveringOneSheetGivesOneMapThreeAndItsOwnMillionSheet) {
  const SheetExtentSeconds e = Extent("J50E001010");
  const CornerRows rows = Rows({{e.west, e.north}, {e.east, e.north}, {e.east, e.south}, {e.west, e.south}});
  const BlockMapResult r = MakeRangeMaps(folder_.string(), rows, {RangeMap::One, RangeMap::Three}, {});
  EXPECT_TRUE(r.messages.empty());
  ASSERT_EQ(r.projects.size(), 2u);
  Loaded m(folder_, "区块1");
  EXPECT_EQ(m.Count(m.regions, kRegionEntity), 1);
  std::string text;
  bool sawJ50 = false;
  int32_t live = 0, bound = 0;
  BasGetPointCount(m.points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadPoint(m.points, id, nullptr, &text, nullptr) && text == "J50") sawJ50 = true;
  EXPECT_TRUE(sawJ50);
}

TEST_F(RangeMaps, FiveSheetsKeepFourAndAnUnwritableFolderOpensNothing) {
  const SheetExtentSeconds e = Extent("J50E001010");
  // A bar over five sheets from west to east.
  const CornerRows rows = Rows({{e.west + 60, e.south + 120},
                                {e.west + 60 + 4 * 900, e.south + 120},
                                {e.west + 60 + 4 * 900, e.south + 60},
                                {e.west + 60, e.south + 60}});
  BlockMapResult r = MakeRangeMaps(folder_.string(), rows, {RangeMap::Three}, {});
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_NE(r.messages[0].find("J50E001013"), std::string::npos);
  EXPECT_EQ(r.projects.size(), 4u);

  const fs::path blocker = fs::path(test::TempRoot()) / "文件";
  std::ofstream(blocker) << "x";
  r = MakeRangeMaps(blocker.string(), rows, {RangeMap::Two}, {});
  EXPECT_TRUE(r.projects.empty());
  EXPECT_EQ(r.messages.size(), 5u) << "the sheets left out, three files and the project, each by name";

  // A corner typed two degrees off: dozens of sheets left out, twenty named.
  const CornerRows tooLarge =
      Rows({{e.west + 60, e.south + 120}, {e.west + 60 + 7200, e.south + 120}, {e.west + 60, e.south + 7200}});
  r = MakeRangeMaps(folder_.string(), tooLarge, {}, {});
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_LT(r.messages[0].size(), 400u);
  EXPECT_NE(r.messages[0].find("等"), std::string::npos);

  r = MakeRangeMaps(folder_.string(), {{"1", "1176000", "300000"}}, {RangeMap::Two}, {});
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_TRUE(r.projects.empty());
}

}  // namespace
}  // namespace zv::block
