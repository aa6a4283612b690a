#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "framework/bytes/little_endian.h"
#include "platform/files/project_file.h"
#include "tests/support/test_env.h"

namespace zv::files {
namespace {

using ::testing::HasSubstr;

ProjectFile ThreeItemProject() {
  ProjectFile project = NewProjectFile();
  project.SetTitle("示例等高线图");
  project.MapParameters()[18] = 5;  // projection type: Gauss-Krueger
  for (const char* name : {".\\CONTOUR.WL", ".\\POINTS.WT", ".\\LAKES.WP"}) project.items.push_back(NewProjectItem(name));
  project.items[0].SetScaleRange(1000, 50000);
  project.items[1].SetState(3);
  project.items[2].SetDescription("湖泊");
  project.items[2].SetLayerExtent({1, 2, 3, 4});
  return project;
}

TEST(ProjectFile, ThreeItemsRoundTrip) {
  const ProjectFile project = ThreeItemProject();
  const std::vector<std::uint8_t> bytes = EncodeProjectFile(project);
  ASSERT_EQ(bytes.size(), 1113u + 3 * 400);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "WMAP`D2:");
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&bytes[12]), 3);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[750]), 1113);
  EXPECT_EQ(bytes[816 + 18], 5);

  ProjectFile read;
  FileReport report;
  ASSERT_TRUE(DecodeProjectFile(bytes, "MAP.MPJ", read, report)) << report.error;
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(read.Title(), "示例等高线图");
  ASSERT_EQ(read.items.size(), 3u);
  EXPECT_EQ(read.items[0].FileName(), ".\\CONTOUR.WL");
  EXPECT_EQ(read.items[0].KindCode(), 0);
  EXPECT_EQ(read.items[0].MaxScale(), 50000);
  EXPECT_EQ(read.items[1].State(), 3);
  EXPECT_EQ(read.items[1].Description(), "POINTS.WT");
  EXPECT_EQ(read.items[2].Description(), "湖泊");
  EXPECT_EQ(read.items[2].LayerExtent().ymax, 4);
  FileKind kind;
  ASSERT_TRUE(ItemFileKind(read.items[2], kind));
  EXPECT_EQ(kind, FileKind::Region);
  EXPECT_EQ(EncodeProjectFile(read), bytes);

  const std::string path = zv::test::TempRoot() + "/MAP.MPJ";
  std::string error;
  ASSERT_TRUE(SaveProjectFile(path, read, &error)) << error;
  ProjectFile loaded;
  ASSERT_TRUE(LoadProjectFile(path, loaded, report)) << report.error;
  EXPECT_EQ(EncodeProjectFile(loaded), bytes);
}

TEST(ProjectFile, KeepsUnknownItemsAndMovesTrailingBlocksWithTheItems) {
  ProjectFile project = ThreeItemProject();
  project.items.push_back(NewProjectItem(".\\SCAN.MSI"));
  project.items.back().bytes[395] = 0x77;
  std::vector<std::uint8_t> bytes = EncodeProjectFile(project);
  const std::int32_t dictionary = static_cast<std::int32_t>(bytes.size());
  for (std::uint8_t b : {'D', 'I', 'C', 'T', 'L', 'E', 'G'}) bytes.push_back(b);
  bytes::WriteLe(&bytes[746], dictionary);
  bytes::WriteLe(&bytes[812], dictionary + 4);
  std::memcpy(bytes.data(), "GDMP`D29", 8);

  ProjectFile read;
  FileReport report;
  ASSERT_TRUE(DecodeProjectFile(bytes, "OLD.MPJ", read, report)) << report.error;
  EXPECT_EQ(EncodeProjectFile(read), bytes);
  FileKind kind;
  EXPECT_FALSE(ItemFileKind(read.items[3], kind));
  EXPECT_EQ(read.items[3].bytes[395], 0x77);

  read.items.erase(read.items.begin());
  const std::vector<std::uint8_t> shorter = EncodeProjectFile(read);
  const std::int32_t moved = bytes::ReadLe<std::int32_t>(&shorter[746]);
  EXPECT_EQ(moved, dictionary - 400);
  EXPECT_EQ(std::string(shorter.begin() + moved, shorter.begin() + moved + 4), "DICT");
  EXPECT_EQ(std::string(shorter.begin() + bytes::ReadLe<std::int32_t>(&shorter[812]), shorter.end()), "LEG");
}

TEST(ProjectFile, FailsOrMendsDamagedFiles) {
  const std::vector<std::uint8_t> good = EncodeProjectFile(ThreeItemProject());
  ProjectFile read;
  FileReport report;
  EXPECT_FALSE(DecodeProjectFile(std::span(good).first(1000), "/p/A.MPJ", read, report));
  EXPECT_THAT(report.error, HasSubstr("/p/A.MPJ: truncated project header (1000 bytes"));
  std::vector<std::uint8_t> garbage(good.size(), 0x20);
  EXPECT_FALSE(DecodeProjectFile(garbage, "/p/A.MPJ", read, report));
  EXPECT_THAT(report.error, HasSubstr("not a project file"));

  // The last item cut short: the first two load.
  ASSERT_TRUE(DecodeProjectFile(std::span(good).first(good.size() - 10), "/p/A.MPJ", read, report));
  EXPECT_EQ(read.items.size(), 2u);
  EXPECT_THAT(report.warnings, ::testing::ElementsAre(HasSubstr("3 items announced, 2 read")));

  std::vector<std::uint8_t> badFirst = good;
  // The first-item offset at 750 lies well inside the copy; saying so also
  // keeps GCC at -O3 from warning of a write past an empty vector.
  ASSERT_EQ(badFirst.size(), ProjectFile::kHeaderSize + 3 * ProjectItem::kSize);
  bytes::WriteLe<std::int32_t>(&badFirst[750], 1 << 30);
  ASSERT_TRUE(DecodeProjectFile(badFirst, "/p/A.MPJ", read, report));
  EXPECT_EQ(read.items.size(), 3u);
  EXPECT_THAT(report.warnings, ::testing::ElementsAre(HasSubstr("first item offset 1073741824")));
}

TEST(ProjectFile, ResolvesItemNamesBesideTheProject) {
  namespace fs = std::filesystem;
  const std::string folder = zv::test::TempRoot() + "/maps";
  fs::create_directories(folder + "/Sub");
  std::ofstream(folder + "/CONTOUR.WL") << "x";
  std::ofstream(folder + "/Sub/Lakes.wp") << "x";
  const std::string project = folder + "/MAP.MPJ";
  EXPECT_EQ(ResolveItemPath(project, ".\\contour.wl"), folder + "/CONTOUR.WL");
  EXPECT_EQ(ResolveItemPath(project, "sub\\LAKES.WP"), folder + "/Sub/Lakes.wp");
  EXPECT_EQ(ResolveItemPath(project, "D:\\OLD\\MAPS\\Contour.WL"), folder + "/CONTOUR.WL");
  EXPECT_EQ(ResolveItemPath(project, folder + "/CONTOUR.WL"), folder + "/CONTOUR.WL");
  EXPECT_EQ(ResolveItemPath(project, ".\\MISSING.WT"), folder + "/MISSING.WT");

  EXPECT_EQ(ItemFileNameFor(project, folder + "/CONTOUR.WL"), ".\\CONTOUR.WL");
  EXPECT_EQ(ItemFileNameFor(project, folder + "/Sub/Lakes.wp"), ".\\Sub\\Lakes.wp");
  EXPECT_EQ(ItemFileNameFor(project, "/elsewhere/A.WT"), "/elsewhere/A.WT");
}

}  // namespace
}  // namespace zv::files
