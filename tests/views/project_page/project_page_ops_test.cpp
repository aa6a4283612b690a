#include "views/project_page/project_page_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv::projectpage {
namespace {

namespace fs = std::filesystem;

// HILLS.MPJ with its three files (AREAS.WP, CONTOUR.WL, POINTS.WT, in that
// item order) copied into a folder of the test's own.
class SampleProject : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(test::TempRoot()) / "hills";
    CopySample(folder_);
    Open();
  }
  void TearDown() override { PrjClose(project_); }

  static void CopySample(const fs::path& folder) {
    fs::create_directories(folder);
    for (const char* name : {"HILLS.MPJ", "AREAS.WP", "CONTOUR.WL", "POINTS.WT"}) {
      fs::copy_file(test::DataPath(std::string("../../data/samples/") + name), folder / name,
                    fs::copy_options::overwrite_existing);
    }
  }
  void Open() {
    PrjClose(project_);
    project_ = PrjOpen((folder_ / "HILLS.MPJ").string());
    ASSERT_NE(project_, nullptr);
  }
  std::vector<int> States() {
    std::vector<int> states;
    for (int i = 0; i < PrjGetItemCount(project_); ++i) states.push_back(PrjGetItemState(project_, i));
    return states;
  }
  static int32_t Live(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
  int32_t LiveOfKind(int kind, int type) {
    int32_t sum = 0;
    for (const int item : PrjListItems(project_, kind)) sum += Live(PrjGetItemArea(project_, item), type);
    return sum;
  }

  fs::path folder_;
  MapProject* project_ = nullptr;
};

constexpr int H = kItemHidden;
constexpr int C = kItemCurrent;

TEST_F(SampleProject, KeysSetTheEntryStates) {
  struct Case {
    char key;
    std::vector<bool> selected;
    std::vector<int> states;
  };
  const std::vector<Case> cases = {
      {'C', {true, false, false}, {H, C, C}},
      {'E', {true, false, false}, {C, H, H}},
      {'E', {}, {H, H, H}},
      {'1', {}, {H, H, C}},  // points
      {'2', {}, {H, C, H}},  // lines
      {'3', {}, {C, H, H}},  // regions
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_TRUE(ApplyStateKey(project_, c.key, c.selected));
    EXPECT_EQ(States(), c.states);
  }
  EXPECT_FALSE(ApplyStateKey(project_, '3', {})) << "nothing changed";
  EXPECT_FALSE(ApplyStateKey(project_, 'X', {}));
  EXPECT_FALSE(ApplyStateKey(nullptr, 'C', {}));
}

TEST_F(SampleProject, AddingAFileAlreadyThereTellsIt) {
  const std::string points = (folder_ / "POINTS.WT").string();
  fs::copy_file(points, folder_ / "MORE.WT");
  const std::string more = (folder_ / "MORE.WT").string();
  EXPECT_EQ(AddEntries(project_, {more, points}), std::vector<std::string>{points});
  EXPECT_EQ(PrjGetItemCount(project_), 4);
  EXPECT_EQ(AddEntries(project_, {more}), std::vector<std::string>{more});
  EXPECT_EQ(PrjGetItemCount(project_), 4);
}

TEST_F(SampleProject, EmptyAreasAreRemovedAndMissingFilesStay) {
  fs::remove(folder_ / "AREAS.WP");
  Open();
  ASSERT_EQ(PrjGetItemArea(project_, 0), 0) << "the missing file has no work area";
  ASSERT_GE(PrjAddItem(project_, (folder_ / "EMPTY.WT").string()), 0);
  EXPECT_EQ(RemoveEmptyEntries(project_), std::vector<std::string>{"EMPTY.WT"});
  EXPECT_EQ(PrjGetItemCount(project_), 3);
  EXPECT_EQ(RemoveEmptyEntries(project_), std::vector<std::string>{});
}

TEST_F(SampleProject, AutoMergeSumsEachKindAndASecondRunDoesNotDoubleIt) {
  const int32_t points = LiveOfKind(kPointArea, kPointEntity);
  const int32_t lines = LiveOfKind(kLineArea, kLineEntity);
  const int32_t regions = LiveOfKind(kRegionArea, kRegionEntity);
  ASSERT_GT(points * lines * regions, 0);
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    std::string error;
    ASSERT_TRUE(AutoMerge(project_, &error)) << error;
    ASSERT_EQ(PrjGetItemCount(project_), 6) << "each merge result is an entry once";
    for (const auto& [name, kind, type, expected] :
         {std::tuple{"自动合并.wt", kPointArea, kPointEntity, points}, {"自动合并.wl", kLineArea, kLineEntity, lines},
          {"自动合并.wp", kRegionArea, kRegionEntity, regions}}) {
      const std::string path = (folder_ / name).string();
      const int item = PrjFindItem(project_, path);
      ASSERT_GE(item, 0) << name;
      EXPECT_EQ(Live(PrjGetItemArea(project_, item), type), expected) << name;
      WorkAreaSetHandle set = BasCreateWorkAreaSet();
      EXPECT_EQ(Live(BasLoadWorkArea(set, path), type), expected) << "on disk: " << name;
      BasFreeWorkAreaSet(set);
    }
  }
}

TEST_F(SampleProject, SameNameMergeJoinsEntriesOfOneNameFromTwoFolders) {
  const fs::path second = fs::path(test::TempRoot()) / "second";
  CopySample(second);
  ASSERT_GE(PrjAddItem(project_, (second / "POINTS.WT").string()), 0);
  const int32_t points = LiveOfKind(kPointArea, kPointEntity);
  const int32_t lines = LiveOfKind(kLineArea, kLineEntity);

  const fs::path target = fs::path(test::TempRoot()) / "merged";
  fs::create_directories(target);
  std::string error;
  const std::string path = SameNameMerge(project_, target.string(), &error);
  ASSERT_EQ(path, (target / "HILLS.MPJ").string()) << error;
  MapProject* merged = PrjOpen(path);
  ASSERT_NE(merged, nullptr);
  ASSERT_EQ(PrjGetItemCount(merged), 3) << "the two POINTS.WT became one entry";
  const int pointItem = PrjFindItem(merged, (target / "POINTS.WT").string());
  ASSERT_GE(pointItem, 0);
  EXPECT_EQ(Live(PrjGetItemArea(merged, pointItem), kPointEntity), points);
  EXPECT_EQ(Live(PrjGetItemArea(merged, PrjFindItem(merged, (target / "CONTOUR.WL").string())), kLineEntity), lines);
  PrjClose(merged);
}

TEST_F(SampleProject, SameNameMergeNeverReplacesTheProjectItIsMadeFrom) {
  const std::string before = PrjGetItemPath(project_, 0);
  for (const fs::path& folder : {folder_, folder_ / "." / ".." / "hills"}) {
    std::string error;
    EXPECT_TRUE(SameNameMerge(project_, folder.string(), &error).empty());
    EXPECT_EQ(error, "合并的工程不能存入当前工程所在的目录，请另选目录。");
  }
  Open();
  EXPECT_EQ(PrjGetItemCount(project_), 3);
  EXPECT_EQ(PrjGetItemPath(project_, 0), before);
}

}  // namespace
}  // namespace zv::projectpage
