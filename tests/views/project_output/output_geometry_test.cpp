#include "views/project_output/output_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "tests/support/test_env.h"

namespace zv::output {
namespace {

namespace fs = std::filesystem;

TEST(OutputGeometry, ImageNamesReplaceTheLastThreeCharacters) {
  struct Case {
    const char* project;
    const char* extension;
    const char* image;
  };
  const Case cases[] = {
      {"x.mpj", "gif", "x.gif"},
      {"/data/HILLS.MPJ", "jpg", "/data/HILLS.jpg"},
      {"/data/图.mpj", "tif", "/data/图.tif"},
      {"/data/工程图", "jpg", "/data/jpg"},  // three characters, not three bytes
  };
  for (const Case& c : cases) EXPECT_EQ(ImageName(c.project, c.extension), c.image) << c.project;
}

TEST(OutputGeometry, ResolutionIsANumberFromOneTo2400) {
  struct Case {
    const char* text;
    double dpi;  // 0: refused
  };
  const Case cases[] = {{"300", 300},  {" 150 ", 150}, {"72.5", 72.5}, {"1", 1},  {"2400", 2400},
                        {"0", 0},      {"2401", 0},    {"-5", 0},      {"abc", 0}, {"1e3", 0},
                        {"", 0},       {"nan", 0},     {"3,00", 0},    {".", 0},   {"1.2.3", 0}};
  for (const Case& c : cases) {
    const Resolution r = ParseResolution(c.text);
    EXPECT_DOUBLE_EQ(r.dpi, c.dpi) << c.text;
    EXPECT_EQ(r.refusal.empty(), c.dpi > 0) << c.text;
  }
}

TEST(OutputGeometry, ViewImagesAndTrueSizeImagesTakeTheirWindows) {
  // 254 × 127 mm at 100 dpi: 1000 × 500 pixels.
  const D_RECT range{1000, 2000, 1254, 2127};
  const ImageGeometry view = ViewImageGeometry(range, 100);
  EXPECT_EQ(view.width, 1000);
  EXPECT_EQ(view.height, 500);
  EXPECT_DOUBLE_EQ(view.originX, 1000 - 0.5);
  EXPECT_DOUBLE_EQ(view.originY, 2000 - 0.5);
  EXPECT_DOUBLE_EQ(view.factor, 100 * 0.99 * kInchesPerMm);
  // Truncated, not rounded.
  EXPECT_EQ(ViewImageGeometry({0, 0, 10, 10}, 300).width, 118);

  // The batch: 5 mm round the map, so a map far from the origin is drawn.
  const ImageGeometry batch = TrueSizeGeometry(range, 100, 5);
  EXPECT_DOUBLE_EQ(batch.originX, 995);
  EXPECT_DOUBLE_EQ(batch.originY, 1995);
  EXPECT_EQ(batch.width, static_cast<int64_t>(264 * 100 * kInchesPerMm));
  EXPECT_EQ(batch.height, static_cast<int64_t>(137 * 100 * kInchesPerMm));
  EXPECT_DOUBLE_EQ(batch.factor, 100 * kInchesPerMm);

  for (const D_RECT empty : {D_RECT{0, 0, 0, 0}, D_RECT{5, 5, 5, 9}, D_RECT{0, 0, std::nan(""), 1}}) {
    EXPECT_EQ(ViewImageGeometry(empty, 300).width, 0);
    EXPECT_EQ(TrueSizeGeometry(empty, 300, 5).width, 0);
  }
}

TEST(OutputGeometry, PagesCoverTheExtentRowByRowFromTheTop) {
  const std::vector<PageTile> pages = TilePages({0, 0, 250, 150}, 100, 100);
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(PageCount({0, 0, 250, 150}, 100, 100), 6);
  const int expected[6][4] = {{0, 0, 0, 50}, {0, 1, 100, 50}, {0, 2, 200, 50},
                              {1, 0, 0, -50}, {1, 1, 100, -50}, {1, 2, 200, -50}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(pages[i].row, expected[i][0]);
    EXPECT_EQ(pages[i].column, expected[i][1]);
    EXPECT_DOUBLE_EQ(pages[i].originX, expected[i][2]);
    EXPECT_DOUBLE_EQ(pages[i].originY, expected[i][3]);
  }
  EXPECT_EQ(TilePages({0, 0, 10, 10}, 100, 100).size(), 1u);
  EXPECT_TRUE(TilePages({0, 0, 0, 0}, 100, 100).empty());
  EXPECT_GT(PageCount({0, 0, 1e6, 1e6}, 100, 100), kMostPages);
  EXPECT_TRUE(TilePages({0, 0, 1e6, 1e6}, 100, 100).empty());
}

TEST(OutputGeometry, ProjectsOfATreeWithoutFollowingFolderLinks) {
  const fs::path root = fs::path(test::TempRoot()) / "tree";
  fs::create_directories(root / "a" / "b");
  fs::create_directories(root / "c");
  for (const char* name : {"top.MPJ", "a/one.mpj", "a/b/two.Mpj", "c/notes.txt", "c/mpj"}) std::ofstream(root / name) << "x";
  fs::create_directory_symlink(root, root / "c" / "loop");     // a cycle
  fs::create_directory_symlink(root / "a", root / "alias");    // the same folder again
  fs::create_symlink(root / "top.MPJ", root / "c" / "link.mpj");  // a link to a project file is taken
  std::vector<std::string> found = FindProjects(root.string());
  std::sort(found.begin(), found.end());
  const std::vector<std::string> expected = {(root / "a/b/two.Mpj").string(), (root / "a/one.mpj").string(),
                                             (root / "c/link.mpj").string(), (root / "c/mpj").string(),
                                             (root / "top.MPJ").string()};
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(FindProjects((root / "missing").string()).empty());
}

}  // namespace
}  // namespace zv::output
