#include "platform/project/map_project.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

class Projects : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = zv::test::TempRoot() + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { PrjClose(project_); }

  // A project with a point, a line and a region file, one entity each, and
  // an item the library does not open.
  void MakeThreeItemProject() {
    project_ = PrjCreate(0);
    ASSERT_TRUE(PrjSetPath(project_, folder_ + "/sample.mpj"));
    ASSERT_EQ(PrjAddItem(project_, folder_ + "/POINTS.WT"), 0);
    ASSERT_EQ(PrjAddItem(project_, folder_ + "/LINES.WL"), 1);
    ASSERT_EQ(PrjAddItem(project_, folder_ + "/REGIONS.WP"), 2);
    ASSERT_EQ(PrjAddItem(project_, folder_ + "/NET.WN"), 3);
    BasAppendPoint(PrjGetItemArea(project_, 0), {1, 2}, "山", PNT_INFO{});
    BasAppendLine(PrjGetItemArea(project_, 1), std::vector<D_DOT>{{0, 0}, {10, 10}}, LIN_INFO{});
    const WorkAreaHandle regions = PrjGetItemArea(project_, 2);
    const int32_t arc = BasAppendLine(regions, std::vector<D_DOT>{{0, 0}, {5, 0}, {5, 5}, {0, 0}}, LIN_INFO{});
    BasAppendRegion(regions, {0, arc}, REG_INFO{});
    for (int i = 0; i < 3; ++i) {
      const WorkAreaHandle area = PrjGetItemArea(project_, i);
      ASSERT_EQ(BasSaveWorkArea(area, BasGetWorkAreaFileName(area), kSavePathComplete), 1) << BasLastSaveError();
    }
  }

  std::string folder_;
  MapProject* project_ = nullptr;
};

TEST_F(Projects, ThreeItemsRoundTrip) {
  MakeThreeItemProject();
  ASSERT_TRUE(PrjSetItemState(project_, 0, kItemCurrent));
  ASSERT_TRUE(PrjSetItemState(project_, 1, kItemHidden));
  ASSERT_TRUE(PrjSetItemScaleRange(project_, 2, 1000, 50000));
  MapParams params = DefaultMapParams();
  params.setScale(10000);
  params.setProjection(5);
  ASSERT_EQ(PrjSetMapParams(project_, params), 1);
  EXPECT_TRUE(PrjIsChanged(project_));
  std::string error;
  ASSERT_EQ(PrjSave(project_, &error), 1) << error;
  EXPECT_FALSE(PrjIsChanged(project_));

  files::FileReport report;
  MapProject* opened = PrjOpen(folder_ + "/sample.mpj", 0, 0, &report);
  ASSERT_NE(opened, nullptr) << report.error;
  ASSERT_EQ(PrjGetItemCount(opened), 4);
  const int states[] = {kItemCurrent, kItemHidden, kItemShown, kItemShown};
  const int kinds[] = {kPointArea, kLineArea, kRegionArea, -1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(PrjGetItemState(opened, i), states[i]) << i;
    EXPECT_EQ(PrjGetItemKind(opened, i), kinds[i]) << i;
  }
  files::ProjectItem item;
  ASSERT_TRUE(PrjGetItem(opened, 0, &item));
  EXPECT_EQ(item.FileName(), ".\\POINTS.WT");
  ASSERT_TRUE(PrjGetItem(opened, 3, &item));
  EXPECT_EQ(item.FileName(), ".\\NET.WN");
  EXPECT_EQ(PrjGetItemArea(opened, 3), 0);
  double lo = 0, hi = 0;
  ASSERT_TRUE(PrjGetItemScaleRange(opened, 2, &lo, &hi));
  EXPECT_EQ(lo, 1000);
  EXPECT_EQ(hi, 50000);
  MapParams read;
  ASSERT_EQ(PrjGetMapParams(opened, &read), 1);
  EXPECT_EQ(read.scale(), 10000);

  std::string text;
  ASSERT_EQ(BasReadPoint(PrjGetItemArea(opened, 0), 1, nullptr, &text, nullptr), 1);
  EXPECT_EQ(text, "山");
  int32_t n = 0;
  BasGetLineCount(PrjGetItemArea(opened, 1), &n, nullptr);
  EXPECT_EQ(n, 1);
  BasGetRegionCount(PrjGetItemArea(opened, 2), &n, nullptr);
  EXPECT_EQ(n, 1);
  // The item extents follow the files.
  ASSERT_TRUE(PrjGetItem(opened, 1, &item));
  EXPECT_EQ(item.LayerExtent().xmax, 10);
  PrjClose(opened);
}

TEST_F(Projects, AreaListsByKind) {
  MakeThreeItemProject();
  const std::vector<uint16_t> all = PrjGetAreaList(project_, -1);
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0], 3);
  EXPECT_EQ(all[1], PrjGetItemArea(project_, 0));
  EXPECT_EQ(all[3], PrjGetItemArea(project_, 2));
  const std::vector<uint16_t> points = PrjGetAreaList(project_, kPointArea);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], 1);
  EXPECT_EQ(PrjListItems(project_, kRegionArea), std::vector<int>{2});
  EXPECT_EQ(PrjFindItem(project_, folder_ + "/lines.wl"), 1);
  EXPECT_EQ(PrjFindItem(project_, folder_ + "/other.wl"), -1);
  // Removing an item releases its work area.
  const WorkAreaHandle lines = PrjGetItemArea(project_, 1);
  ASSERT_TRUE(PrjRemoveItem(project_, 1));
  EXPECT_EQ(BasIsWorkAreaValid(lines), 0);
  EXPECT_EQ(PrjGetAreaList(project_)[0], 2);
}

TEST_F(Projects, AddingAnExistingFileLoadsIt) {
  MakeThreeItemProject();
  MapProject* other = PrjCreate(0);
  const int index = PrjAddItem(other, folder_ + "/LINES.WL", 0, -1);
  ASSERT_EQ(index, 0);
  int32_t n = 0;
  BasGetLineCount(PrjGetItemArea(other, index), &n, nullptr);
  EXPECT_EQ(n, 1);
  // A file that is no platform file is refused when it claims to be one.
  std::ofstream(folder_ + "/BROKEN.WT") << "not a point file";
  EXPECT_EQ(PrjAddItem(other, folder_ + "/BROKEN.WT"), -1);
  EXPECT_EQ(PrjGetItemCount(other), 1);
  PrjClose(other);
}

TEST_F(Projects, MissingFilesAndBadCallsAreReportedNotFatal) {
  MakeThreeItemProject();
  ASSERT_EQ(PrjSave(project_), 1);
  std::filesystem::remove(folder_ + "/LINES.WL");
  files::FileReport report;
  MapProject* opened = PrjOpen(folder_ + "/sample.mpj", 0, 0, &report);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(PrjGetItemCount(opened), 4);
  EXPECT_EQ(PrjGetItemArea(opened, 1), 0);
  EXPECT_FALSE(report.warnings.empty());
  PrjClose(opened);

  EXPECT_EQ(PrjOpen(folder_ + "/none.mpj"), nullptr);
  EXPECT_EQ(PrjGetItemCount(nullptr), 0);
  EXPECT_EQ(PrjGetItemArea(project_, 9), 0);
  EXPECT_EQ(PrjGetItemState(project_, -1), -1);
  EXPECT_FALSE(PrjSetItemState(project_, 9, 3));
  EXPECT_EQ(PrjGetAreaList(nullptr)[0], 0);
  MapProject* unnamed = PrjCreate(0);
  EXPECT_EQ(PrjSave(unnamed), 0);
  PrjClose(unnamed);
  PrjClose(nullptr);
}

// A folder name of `characters` Chinese characters (two GBK bytes each).
std::string LongName(int characters) {
  std::string name;
  for (int i = 0; i < characters; ++i) name += i % 2 ? "层" : "岩";
  return name;
}

TEST_F(Projects, ItemPathsTheFileCannotHoldAreRefusedNotCut) {
  project_ = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project_, folder_ + "/sample.mpj"));
  // Below the project's folder the name is stored relative, so a long
  // absolute path still fits ...
  const std::string near = folder_ + "/" + LongName(55);
  std::filesystem::create_directories(near);
  ASSERT_GT(near.size(), 127u);
  ASSERT_EQ(PrjAddItem(project_, near + "/NEAR.WT"), 0);
  BasAppendPoint(PrjGetItemArea(project_, 0), {1, 2}, "近", PNT_INFO{});
  ASSERT_EQ(BasSaveWorkArea(PrjGetItemArea(project_, 0), near + "/NEAR.WT", kSavePathComplete), 1);
  // ... while a relative name that is itself too long is refused, by name.
  const std::string deep = near + "/" + LongName(20);
  std::filesystem::create_directories(deep);
  files::FileReport report;
  EXPECT_EQ(PrjAddItem(project_, deep + "/DEEP.WL", 0, -1, &report), -1);
  EXPECT_NE(report.error.find(deep + "/DEEP.WL"), std::string::npos) << report.error;
  EXPECT_NE(report.error.find("127"), std::string::npos) << report.error;
  EXPECT_EQ(PrjGetItemCount(project_), 1);
  std::string error;
  ASSERT_EQ(PrjSave(project_, &error), 1) << error;

  // A work area saved where the project cannot name it fails the project's
  // save, which leaves the file on disk as it was.
  const std::string far = zv::test::TempRoot() + "/far/" + LongName(60);
  std::filesystem::create_directories(far);
  ASSERT_EQ(BasSaveWorkArea(PrjGetItemArea(project_, 0), far + "/FAR.WT", kSavePathComplete), 1);
  EXPECT_EQ(PrjSave(project_, &error), 0);
  EXPECT_NE(error.find(far + "/FAR.WT"), std::string::npos) << error;

  MapProject* opened = PrjOpen(folder_ + "/sample.mpj");
  ASSERT_NE(opened, nullptr);
  ASSERT_EQ(PrjGetItemCount(opened), 1);
  EXPECT_EQ(PrjGetItemPath(opened, 0), near + "/NEAR.WT");
  int32_t live = 0;
  BasGetPointCount(PrjGetItemArea(opened, 0), &live, nullptr);
  EXPECT_EQ(live, 1);
  PrjClose(opened);
}

TEST_F(Projects, AFileBesideTheProjectsFolderIsNamedFromItWhenOnlyThatFits) {
  const std::string root = folder_ + "/" + LongName(55);
  std::filesystem::create_directories(root + "/map");
  std::filesystem::create_directories(root + "/data");
  project_ = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project_, root + "/map/sample.mpj"));
  ASSERT_EQ(PrjAddItem(project_, root + "/data/LINES.WL"), 0);
  BasAppendLine(PrjGetItemArea(project_, 0), std::vector<D_DOT>{{0, 0}, {1, 1}}, LIN_INFO{});
  ASSERT_EQ(BasSaveWorkArea(PrjGetItemArea(project_, 0), root + "/data/LINES.WL", kSavePathComplete), 1);
  files::ProjectItem item;
  ASSERT_TRUE(PrjGetItem(project_, 0, &item));
  EXPECT_EQ(item.FileName(), "..\\data\\LINES.WL");
  std::string error;
  ASSERT_EQ(PrjSave(project_, &error), 1) << error;
  MapProject* opened = PrjOpen(root + "/map/sample.mpj");
  ASSERT_NE(opened, nullptr);
  int32_t live = 0;
  BasGetLineCount(PrjGetItemArea(opened, 0), &live, nullptr);
  EXPECT_EQ(live, 1);
  PrjClose(opened);
}

TEST_F(Projects, ListenersHearItemChangesAndTheClose) {
  project_ = PrjCreate(0);
  ASSERT_TRUE(PrjSetPath(project_, folder_ + "/map.mpj"));
  std::vector<ProjectEvent> heard;
  const int id = PrjAddListener(project_, [&](ProjectEvent e) { heard.push_back(e); });
  const int index = PrjAddItem(project_, folder_ + "/a.wl");
  PrjSetItemState(project_, index, kItemHidden);
  PrjSetItemState(project_, index, kItemHidden);  // no change, nothing told
  PrjRemoveItem(project_, index);
  EXPECT_EQ(heard, (std::vector<ProjectEvent>{ProjectEvent::ItemsChanged, ProjectEvent::ItemsChanged,
                                              ProjectEvent::ItemsChanged}));
  PrjClose(project_);
  project_ = nullptr;
  EXPECT_EQ(heard.back(), ProjectEvent::Closing);
  MapProject* other = PrjCreate(0);
  EXPECT_FALSE(PrjRemoveListener(other, id + 100));
  PrjClose(other);
}

}  // namespace
}  // namespace zv
