#include "platform/data/environment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "framework/paths/app_folder.h"

namespace zv {
namespace {

TEST(Environment, DefaultsLieUnderTheDataFolder) {
  const EnvironmentRecord* record = BasGetEnvironment(0);
  ASSERT_NE(record, nullptr);
  const std::string data = paths::GetDataFolder();
  EXPECT_EQ(record->path(env::kChineseFontFolder), data + "clib");
  EXPECT_EQ(record->path(env::kWorkingFolder), data + "work");
  EXPECT_EQ(record->path(env::kSystemLibraryFolder), data + "slib");
  EXPECT_EQ(BasGetWorkingFolder(), data + "work/");
}

TEST(Environment, SavedFoldersAreKeptInTheSettingsFile) {
  EnvironmentRecord* record = BasGetEnvironment(0);
  // Callers fill the 128-byte fields directly.
  std::memset(record->bytes + 512, 0, 128);
  std::memcpy(record->bytes + 512, "/srv/系统库", strlen("/srv/系统库"));
  ASSERT_TRUE(BasSaveEnvironment(*record));
  ASSERT_TRUE(BasSetWorkingFolder("/home/geo/工作"));
  BasReloadEnvironment();
  const EnvironmentRecord* again = BasGetEnvironment(0);
  EXPECT_EQ(again->path(env::kSystemLibraryFolder), "/srv/系统库");
  EXPECT_EQ(again->path(env::kWorkingFolder), "/home/geo/工作");
  std::ifstream in(paths::GetDataFolder() + "Zavediz.ini");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("WorkingFolder=/home/geo/工作"), std::string::npos);
}

TEST(Environment, LongPathsAreCutBetweenCharacters) {
  EnvironmentRecord record;
  std::string path = "/";
  for (int i = 0; i < 60; ++i) path += "岩";  // 181 bytes
  record.setPath(env::kWorkingFolder, path);
  const std::string stored = record.path(env::kWorkingFolder);
  EXPECT_EQ(stored.size(), 1u + 42 * 3);
  EXPECT_EQ(record.bytes[256 + 127], 0);
  EXPECT_EQ(record.bytes[384], 0);
}

}  // namespace
}  // namespace zv
