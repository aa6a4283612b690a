#include "app/chrome/file_associations.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/test_env.h"

namespace zv::chrome {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FileAssociations, RegisterWritesOurFilesAndDefaultsAndUnregisterTakesExactlyThoseAway) {
  const XdgFolders folders{test::TempRoot() + "/data", test::TempRoot() + "/config"};
  fs::create_directories(folders.configHome);
  const std::string others =
      "[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\nimage/png=viewer.desktop\n";
  std::ofstream(folders.configHome + "/mimeapps.list") << others;

  ASSERT_TRUE(RegisterFileTypes(folders, "/opt/zavediz/Zavediz"));
  for (const std::string& file : AssociationFiles(folders)) EXPECT_TRUE(fs::exists(file)) << file;
  const std::string desktop = Read(folders.dataHome + "/applications/zavediz.desktop");
  EXPECT_NE(desktop.find("Exec=\"/opt/zavediz/Zavediz\" %f\n"), std::string::npos);
  const std::string package = Read(folders.dataHome + "/mime/packages/zavediz.xml");
  for (const char* glob : {"*.mpj", "*.wt", "*.wl", "*.wp"}) EXPECT_NE(package.find(glob), std::string::npos) << glob;
  const std::string apps = Read(folders.configHome + "/mimeapps.list");
  for (const std::string& mime : ProgramMimeTypes())
    EXPECT_NE(apps.find(mime + "=zavediz.desktop"), std::string::npos) << mime;
  EXPECT_NE(apps.find("text/plain=editor.desktop"), std::string::npos);

  ASSERT_TRUE(RegisterFileTypes(folders, "/opt/zavediz/Zavediz"));
  EXPECT_EQ(Read(folders.configHome + "/mimeapps.list"), apps) << "a second registration adds nothing";

  ASSERT_TRUE(UnregisterFileTypes(folders));
  for (const std::string& file : AssociationFiles(folders)) EXPECT_FALSE(fs::exists(file)) << file;
  EXPECT_EQ(Read(folders.configHome + "/mimeapps.list"), others);
  EXPECT_TRUE(UnregisterFileTypes(folders)) << "nothing left to remove is no failure";
}

TEST(FileAssociations, AMissingDefaultsSectionIsAddedAndItsEntriesRemoved) {
  const XdgFolders folders{test::TempRoot() + "/d", test::TempRoot() + "/c"};
  ASSERT_TRUE(RegisterFileTypes(folders, "/usr/bin/Zavediz"));
  const std::string apps = Read(folders.configHome + "/mimeapps.list");
  EXPECT_EQ(apps.rfind("[Default Applications]\n", 0), 0u);
  ASSERT_TRUE(UnregisterFileTypes(folders));
  EXPECT_EQ(Read(folders.configHome + "/mimeapps.list"), "[Default Applications]\n");
}

// Exec holds the program's path as one argument whatever it contains: the
// desktop entry's quoting, then its string escapes.
TEST(FileAssociations, TheProgramPathIsQuotedForTheDesktopEntry) {
  const XdgFolders folders{test::TempRoot() + "/odd-data", test::TempRoot() + "/odd-config"};
  ASSERT_TRUE(RegisterFileTypes(folders, "/opt/my \"z\" `$HOME`/50%\\x/Zavediz"));
  const std::string desktop = Read(folders.dataHome + "/applications/zavediz.desktop");
  EXPECT_NE(desktop.find("Exec=\"/opt/my \\\\\"z\\\\\" \\\\`\\\\$HOME\\\\`/50%%\\\\\\\\x/Zavediz\" %f\n"),
            std::string::npos)
      << desktop;
}

// A mimeapps.list that cannot be read is left alone: rewriting it would
// drop the user's other defaults. Root reads any file, so another user tries.
TEST(FileAssociations, AnUnreadableMimeAppsListIsNeverRewritten) {
  const XdgFolders folders{test::TempRoot() + "/locked-data", test::TempRoot() + "/locked-config"};
  fs::create_directories(folders.configHome);
  const std::string list = folders.configHome + "/mimeapps.list";
  std::ofstream(list) << "[Default Applications]\ntext/plain=editor.desktop\n";
  fs::permissions(test::TempRoot(), fs::perms::all);
  fs::permissions(folders.configHome, fs::perms::all);
  fs::permissions(list, fs::perms::others_write | fs::perms::owner_write);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
        const bool registered = RegisterFileTypes(folders, "/opt/zavediz/Zavediz");
        const bool unregistered = UnregisterFileTypes(folders);
        std::_Exit(!registered && !unregistered ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  fs::permissions(list, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Read(list), "[Default Applications]\ntext/plain=editor.desktop\n");
}

}  // namespace
}  // namespace zv::chrome
