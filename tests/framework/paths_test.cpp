#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;
using namespace zv::paths;

TEST(Paths, ResolvesEachComponentWithoutRegardToCase) {
  const std::string root = zv::test::TempRoot();
  fs::create_directories(root + "/Zavediz/TL");
  std::ofstream(root + "/Zavediz/TL/subgraph.LIB") << "x";
  std::ofstream(root + "/Zavediz/TL/Exact.lib") << "x";
  std::ofstream(root + "/Zavediz/TL/exact.LIB") << "x";
  EXPECT_EQ(Resolve(root + "/zavediz/tl/SUBGRAPH.lib"), root + "/Zavediz/TL/subgraph.LIB");
  EXPECT_EQ(Resolve(root + "/zavediz/tl/exact.LIB"), root + "/Zavediz/TL/exact.LIB");  // the exact name wins
  EXPECT_EQ(Resolve(root + "/ZAVEDIZ/new/file.txt"), root + "/Zavediz/new/file.txt");
  EXPECT_EQ(ResolveIn(root, "zavediz\\tl\\Subgraph.lib"), root + "/Zavediz/TL/subgraph.LIB");
  EXPECT_EQ(Join(root + "/", "a"), root + "/a");
}

TEST(Paths, AppFolderIsZavedizHomeWithItsDataFolderSeeded) {
  const std::string home = std::getenv("ZAVEDIZ_HOME");
  EXPECT_EQ(GetProgramFolder(), home + "/");
  EXPECT_FALSE(fs::exists(home + "/zavediz"));
  EXPECT_EQ(GetAppFolder(), home + "/");
  EXPECT_TRUE(fs::is_directory(home + "/zavediz"));
  EXPECT_EQ(GetDataFolder(), home + "/zavediz/");
  EXPECT_EQ(DataFile("ZAVEDIZ.INI"), GetDataFolder() + "ZAVEDIZ.INI");
}
