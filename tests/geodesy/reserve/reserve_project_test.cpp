#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "geodesy/reserve/reserve_project.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "tests/support/test_env.h"

namespace zv::reserve {
namespace {

namespace fs = std::filesystem;

TEST(ReserveProject, EmptyFilesOfEachKindAndAProjectListingThem) {
  Catalog c;
  c.folder = (fs::path(test::TempRoot()) / "核查").string();
  c.boxes = Presets()[0].boxes;
  ASSERT_TRUE(MakeFolders(c).empty());
  for (const char* name : TopFolders()) EXPECT_TRUE(fs::is_directory(fs::path(ProjectFolder(c)) / name)) << name;

  const ReserveProject written = WriteReserveProject(c);
  EXPECT_TRUE(written.report.failures.empty());
  ASSERT_TRUE(written.report.projectSaved);
  EXPECT_EQ(written.projectPath, (fs::path(ProjectFolder(c)) / "H1110000J001.mpj").string());

  MapProject* project = PrjOpen(written.projectPath);
  ASSERT_NE(project, nullptr);
  EXPECT_EQ(PrjGetItemCount(project), 36);
  const auto paths = LayerPaths(c);
  struct Slot {
    int index;
    int type;
  };
  for (Slot s : {Slot{0, kPointArea}, Slot{1, kLineArea}, Slot{2, kRegionArea}, Slot{25, kPointArea}}) {
    const int item = PrjFindItem(project, paths[s.index]);
    ASSERT_GE(item, 0) << paths[s.index];
    EXPECT_EQ(BasGetWorkAreaType(PrjGetItemArea(project, item)), s.type);
    EXPECT_NE(BasIsWorkAreaEmpty(PrjGetItemArea(project, item)), 0);
  }
  PrjClose(project);
}

TEST(ReserveProject, ARunOverAnEarlierProjectKeepsWhatWasDrawnInItsLayers) {
  Catalog c;
  c.folder = (fs::path(test::TempRoot()) / "再次 核查").string();
  ASSERT_TRUE(MakeFolders(c).empty());
  ASSERT_TRUE(WriteReserveProject(c).report.projectSaved);
  const std::string drawn = LayerPaths(c)[0];
  ASSERT_EQ(LayerKind(drawn), kPointArea);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle area = BasLoadWorkArea(set, drawn);
  ASSERT_NE(area, 0);
  ASSERT_GT(BasAppendPoint(area, D_DOT{1, 2}, "井口", PNT_INFO{}), 0);
  ASSERT_EQ(BasIsWorkAreaEmpty(area), 0);
  ASSERT_NE(BasSaveWorkArea(area, drawn, kSavePathComplete), 0);
  BasFreeWorkAreaSet(set);

  const ReserveProject again = WriteReserveProject(c);
  EXPECT_TRUE(again.report.failures.empty());
  ASSERT_TRUE(again.report.projectSaved);
  MapProject* project = PrjOpen(again.projectPath);
  ASSERT_NE(project, nullptr);
  const int item = PrjFindItem(project, drawn);
  ASSERT_GE(item, 0);
  EXPECT_EQ(BasIsWorkAreaEmpty(PrjGetItemArea(project, item)), 0) << "the drawn point is still there";
  PrjClose(project);
}

TEST(ReserveProject, AFolderThatCannotBeMadeIsReportedAndNoProjectIsSaved) {
  // A file where the output folder should be: nothing can go below it, even
  // for a user who may write anywhere.
  const fs::path blocker = fs::path(test::TempRoot()) / "文件";
  { std::ofstream(blocker) << "x"; }
  Catalog c;
  c.folder = blocker.string();
  EXPECT_FALSE(MakeFolders(c).empty());
  const ReserveProject written = WriteReserveProject(c);
  EXPECT_FALSE(written.report.projectSaved);
  EXPECT_EQ(written.report.failures.size(), 37u) << "36 files and the project";
  EXPECT_FALSE(fs::exists(written.projectPath));
}

}  // namespace
}  // namespace zv::reserve
