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
