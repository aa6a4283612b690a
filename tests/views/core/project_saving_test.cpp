#include "views/core/project_saving.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/project_file.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::views {
namespace {

class ProjectSavingTest : public test::WorkAreasTest {};

TEST_F(ProjectSavingTest, SectionFilesAndTheirProjectReadBack) {
  const std::vector<D_DOT> v{{0, 0}, {10, 10}};
  BasAppendLine(lines_, v, LIN_INFO{});
  BasAppendPoint(points_, {1, 2}, "注", PNT_INFO{});
  const std::string folder = test::TempRoot() + "/out/";
  std::filesystem::create_directories(folder);
  const SaveOutcome outcome = WriteZavedizFiles(lines_, points_, regions_, folder, "SEC1");
  ASSERT_TRUE(outcome.ok) << (outcome.failures.empty() ? "" : outcome.failures[0]);
  MapProject* project = PrjOpen(folder + "SEC1.mpj");
  ASSERT_NE(project, nullptr);
  ASSERT_EQ(PrjGetItemCount(project), 3);
  const char* order[] = {"SEC1.wp", "SEC1.wt", "SEC1.wl"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(order[i]);
    EXPECT_EQ(std::filesystem::path(PrjGetItemPath(project, i)).filename(), order[i]);
    EXPECT_EQ(PrjGetItemState(project, i), 3);
  }
  int32_t live = 0, bound = 0;
  BasGetLineCount(PrjGetItemArea(project, 2), &live, &bound);
  EXPECT_EQ(live, 1);
  BasGetPointCount(PrjGetItemArea(project, 1), &live, &bound);
  EXPECT_EQ(live, 1);
  PrjClose(project);
}

TEST_F(ProjectSavingTest, SavingWritesTheProjectAndOnlyItsModifiedFiles) {
  const std::string folder = test::TempRoot() + "/p/";
  std::filesystem::create_directories(folder);
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, folder + "x.mpj");
  ASSERT_GE(PrjAddItem(project, folder + "a.wl"), 0);
  ASSERT_GE(PrjAddItem(project, folder + "b.wl"), 0);
  const std::vector<D_DOT> v{{0, 0}, {1, 1}};
  BasAppendLine(PrjGetItemArea(project, 1), v, LIN_INFO{});
  BasSetWorkAreaModified(PrjGetItemArea(project, 0), false);
  const SaveOutcome outcome = SaveProjectFiles(project);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(std::filesystem::exists(folder + "x.mpj"));
  EXPECT_FALSE(std::filesystem::exists(folder + "a.wl"));
  EXPECT_TRUE(std::filesystem::exists(folder + "b.wl"));
  EXPECT_EQ(BasIsWorkAreaModified(PrjGetItemArea(project, 1)), 0);
  EXPECT_TRUE(SaveProjectFiles(nullptr).ok);
  // An unwritable folder is a failure naming the file, never success.
  PrjSetPath(project, test::TempRoot() + "/missing/dir/x.mpj");
  EXPECT_FALSE(SaveProjectFiles(project).ok);
  PrjClose(project);
  MapProject* unnamed = PrjCreate(0);
  const SaveOutcome never = SaveProjectFiles(unnamed);
  ASSERT_EQ(never.failures.size(), 1u);
  EXPECT_NE(never.failures[0].front(), ':') << "a project never saved has no name to put before the reason";
  PrjClose(unnamed);
}

TEST(AutoSaveInterval, MinutesBecomeMillisecondsAndOddValuesAreRefused) {
  const std::pair<const char*, int> cases[] = {
      {"0.5", 30000}, {"1", 60000}, {"1440", 86400000}, {" 2 ", 120000}, {"0.01", 0}, {"0", 0},
      {"-1", 0},      {"abc", 0},   {"1441", 0},        {"", 0},         {"3x", 0},   {"nan", 0},
      {"0x10", 0},    {"1e1", 600000},
  };
  for (const auto& [text, ms] : cases) {
    SCOPED_TRACE(text);
    std::string error;
    EXPECT_EQ(AutoSaveIntervalMs(text, &error), ms);
    EXPECT_EQ(error.empty(), ms != 0);
  }
}

TEST(DefaultParams, ResetChangesOnlyTheNamedBytes) {
  LIN_INFO line = *BasGetDefaultLineParam();
  line.Set<int32_t>(4, 77);
  line.Set<float>(8, 9.0f);
  BasSetDefaultLineParam(line);
  PNT_INFO text;
  text.Set<int16_t>(20, 5);
  BasSetDefaultPointParam(text);
  ResetDefaultParams();
  const LIN_INFO l = *BasGetDefaultLineParam();
  EXPECT_EQ(l.Get<int16_t>(0), 1);
  EXPECT_EQ(l.Get<int32_t>(4), 77);  // colour untouched
  EXPECT_EQ(l.Get<float>(8), 0.1f);
  const PNT_INFO t = *BasGetDefaultPointParam(0);
  EXPECT_EQ(t.Get<int16_t>(20), 0);  // the text record is cleared first
  EXPECT_EQ(t.Get<float>(2), 3.0f);
  EXPECT_EQ(t.Get<int16_t>(18), 1);
  EXPECT_EQ(t.Get<int32_t>(44), 1);
  const PNT_INFO s = *BasGetDefaultPointParam(1);
  EXPECT_EQ(s.Get<int32_t>(2), 21);
  EXPECT_EQ(s.Get<float>(10), 3.0f);
  const REG_INFO r = *BasGetDefaultRegionParam();
  EXPECT_EQ(r.Get<int32_t>(0), 5);
  EXPECT_EQ(r.Get<float>(6), 5.0f);
}

}  // namespace
}  // namespace zv::views
