#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "framework/fileio/file_io.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;
using namespace zv::fileio;

TEST(FileIo, SavesReplaceTheFileWholeAndLeaveNoTemporary) {
  const std::string folder = zv::test::TempRoot() + "/save";
  fs::create_directories(folder);
  const std::string path = folder + "/a.bin";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("first\0x", 7), &error)) << error;
  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("second"), &error)) << error;
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes, &error)) << error;
  EXPECT_EQ(bytes, "second");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(FileIo, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  const std::string path = zv::test::TempRoot() + "/keep.txt";
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("old")));
  // A folder's place taken by a file, and a folder that does not exist:
  // nothing can be saved there.
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path + "/inner.txt", std::string_view("new"), &error));
  EXPECT_NE(error.find(path + "/inner.txt"), std::string::npos);
  EXPECT_FALSE(WriteFileAtomically(zv::test::TempRoot() + "/no/such/folder.txt", std::string_view("new")));
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
  EXPECT_FALSE(ReadWholeFile(zv::test::TempRoot() + "/missing", bytes, &error));
  EXPECT_NE(error.find("missing"), std::string::npos);
}

TEST(FileIo, SavingThroughALinkWritesItsTargetAndKeepsTheLink) {
  const std::string folder = zv::test::TempRoot() + "/links";
  fs::create_directories(folder + "/real");
  const std::string target = folder + "/real/map.wt";
  ASSERT_TRUE(WriteFileAtomically(target, std::string_view("old")));
  ::chmod(target.c_str(), 0640);
  fs::create_symlink("real/map.wt", folder + "/relative.wt");  // relative to the link's folder
  fs::create_symlink(folder + "/relative.wt", folder + "/chain.wt");
  for (const char* link : {"/relative.wt", "/chain.wt"}) {
    SCOPED_TRACE(link);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder + link, std::string_view(link), &error)) << error;
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder + link)));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, link);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  }
  // No temporary left beside the link or the target.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/real"), fs::directory_iterator()), 1);
}

TEST(FileIo, NewFilesGetTheModeTheUmaskGives) {
  const std::string folder = zv::test::TempRoot() + "/umask";
  fs::create_directories(folder);
  const mode_t saved = ::umask(0);
  for (const mode_t mask : {mode_t{022}, mode_t{077}, mode_t{002}}) {
    ::umask(mask);
    const std::string path = folder + "/new" + std::to_string(mask);
    ASSERT_TRUE(WriteFileAtomically(path, std::string_view("x")));
    struct stat info{};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666 & ~mask) << std::oct << mask;
  }
  ::umask(saved);
}

TEST(FileIo, AStreamedSaveAppearsOnlyOnCommit) {
  const std::string folder = zv::test::TempRoot() + "/stream";
  fs::create_directories(folder);
  const std::string path = folder + "/big.txt";
  ASSERT_TRUE(WriteFileAtomically(path, std::string_view("old")));
  std::string bytes;
  {
    AtomicFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    EXPECT_TRUE(writer.Write("abandoned"));
  }
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "old");
  AtomicFileWriter writer;
  ASSERT_TRUE(writer.Open(path));
  EXPECT_TRUE(writer.Write("part 1, "));
  EXPECT_TRUE(writer.Write("part 2"));
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "old");
  std::string error;
  ASSERT_TRUE(writer.Commit(&error)) << error;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, "part 1, part 2");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}
