#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "framework/profile/profile_file.h"
#include "framework/profile/setting_binding.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;
using zv::ProfileFile;

namespace {

std::string Write(const std::string& name, const std::string& contents) {
  const std::string path = zv::test::TempRoot() + "/" + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const char* kIni =
    "; settings written by hand\r\n"
    "[OTHER]\r\n"
    "standard chart = 0\r\n"
    "control left/right=1\r\n"
    "cross cursor=NULL\r\n"
    "ZB show=abc\r\n"
    "control width=123456789012345678901234\r\n"
    "back color=1.000000\r\n"
    "BACKPIC=\"/pictures/背景.bmp\"\r\n"
    "\r\n"
    "[zk]\r\n"
    "inw=0.25\r\n";

}  // namespace

TEST(ProfileFile, ReadsByTheNullRule) {
  const ProfileFile file(Write("Zavediz.ini", kIni));
  int standardChart = 1, leftRight = 0, crossCursor = 1, zbShow = 7, backColor = 15, missing = 42;
  long controlWidth = 180;
  float inw = 0.1f;
  std::string backPicture;
  double unknownSection = 2.5;
  struct Case {
    zv::SettingBinding binding;
    bool changes;
  };
  const Case cases[] = {
      {{"OTHER", "standard chart", &standardChart}, true},    // blanks in the key and around "="
      {{"other", "CONTROL LEFT/RIGHT", &leftRight}, true},    // case of section and key, "/" in the key
      {{"OTHER", "cross cursor", &crossCursor}, false},       // "NULL" keeps the built-in value
      {{"OTHER", "ZB show", &zbShow}, true},                  // not a number: 0
      {{"OTHER", "control width", &controlWidth}, true},      // cut to 19 characters first
      {{"OTHER", "back color", &backColor}, true},            // "1.000000" read as an integer
      {{"OTHER", "BACKPIC", &backPicture}, true},             // text, quotes dropped
      {{"OTHER", "no such key", &missing}, false},
      {{"ZK", "inw", &inw}, true},
      {{"SYSPARA", "inw", &unknownSection}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.binding.key);
    EXPECT_EQ(zv::LoadSetting(file, c.binding), c.changes);
  }
  EXPECT_EQ(standardChart, 0);
  EXPECT_EQ(leftRight, 1);
  EXPECT_EQ(crossCursor, 1);
  EXPECT_EQ(zbShow, 0);
  EXPECT_EQ(controlWidth, 1234567890123456789L);
  EXPECT_EQ(backColor, 1);
  EXPECT_EQ(backPicture, "/pictures/背景.bmp");
  EXPECT_EQ(missing, 42);
  EXPECT_FLOAT_EQ(inw, 0.25f);
  EXPECT_EQ(unknownSection, 2.5);
}

TEST(ProfileFile, NumbersThatAreNotFiniteKeepTheBuiltInValue) {
  const ProfileFile file(Write("NotFinite.ini", "[ZK]\ninw=nan\noutw=1e39\nlaberH=1e999\nstratum=-inf\ngrounddata=2.5\n"));
  float inw = 0.1f, outw = 0.5f;
  double laberH = 30, stratum = 8, groundData = 2;
  EXPECT_FALSE(zv::LoadSetting(file, {"ZK", "inw", &inw}));
  EXPECT_FALSE(zv::LoadSetting(file, {"ZK", "outw", &outw})) << "finite as a double, not as a float";
  EXPECT_FALSE(zv::LoadSetting(file, {"ZK", "laberH", &laberH}));
  EXPECT_FALSE(zv::LoadSetting(file, {"ZK", "stratum", &stratum}));
  EXPECT_TRUE(zv::LoadSetting(file, {"ZK", "grounddata", &groundData}));
  EXPECT_EQ(std::make_tuple(inw, outw, laberH, stratum, groundData), std::make_tuple(0.1f, 0.5f, 30.0, 8.0, 2.5));
}

TEST(ProfileFile, TextIsCutToTheBuffer) {
  const ProfileFile file(Write("cut.ini", "[A]\nk=地质剖面图\n"));
  EXPECT_EQ(file.GetString("A", "k", "", 7), "地质");  // 6 of 6 bytes, never half a character
  EXPECT_EQ(file.GetString("A", "k", "", 8), "地质");
  EXPECT_EQ(file.GetString("A", "k", ""), "地质剖面图");
  EXPECT_EQ(file.GetString("A", "none", "NULL", 20), "NULL");
}

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreatedOnWrite) {
  const std::string path = zv::test::TempRoot() + "/sub/new.ini";
  const ProfileFile file(path);
  EXPECT_EQ(file.GetString("OTHER", "top", "NULL", 20), "NULL");
  EXPECT_TRUE(file.WriteInt("OTHER", "top", 1));
  EXPECT_TRUE(file.WriteDouble("ZK", "inw", 0.1));
  EXPECT_EQ(Read(path), "[OTHER]\r\ntop=1\r\n\r\n[ZK]\r\ninw=0.100000\r\n");
}

TEST(ProfileFile, WritesInPlaceKeepingEverythingElse) {
  const std::string path = Write("Zavediz.ini", kIni);
  const ProfileFile file(path);
  EXPECT_TRUE(file.WriteInt("other", "Cross Cursor", 0));  // replaced where it stands
  EXPECT_TRUE(file.WriteString("ZK", "outw", "0.500000"));  // new key at the end of its section
  EXPECT_TRUE(file.WriteString("PM", "editstrap", "-1"));   // new section at the end
  const std::string expected =
      "; settings written by hand\r\n"
      "[OTHER]\r\n"
      "standard chart = 0\r\n"
      "control left/right=1\r\n"
      "cross cursor=0\r\n"
      "ZB show=abc\r\n"
      "control width=123456789012345678901234\r\n"
      "back color=1.000000\r\n"
      "BACKPIC=\"/pictures/背景.bmp\"\r\n"
      "\r\n"
      "[zk]\r\n"
      "inw=0.25\r\n"
      "outw=0.500000\r\n"
      "\r\n"
      "[PM]\r\n"
      "editstrap=-1\r\n";
  EXPECT_EQ(Read(path), expected);
  // No temporary file is left behind.
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(zv::test::TempRoot())) ++files;
  EXPECT_EQ(files, 5);  // home, zavediz_home, odbc, runtime and the file
}

TEST(ProfileFile, NewKeyGoesBeforeTrailingBlankLinesAndLfFilesStayLf) {
  const std::string path = Write("lf.ini", "[A]\nx=1\n\n[B]\ny=2\n");
  const ProfileFile file(path);
  EXPECT_TRUE(file.WriteString("A", "z", "3"));
  EXPECT_EQ(Read(path), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
}

TEST(ProfileFile, FileNameIsFoundWithoutRegardToCase) {
  Write("zavediz.ini", "[OTHER]\ntop=0\n");
  const ProfileFile upper(zv::test::TempRoot() + "/Zavediz.ini");
  EXPECT_EQ(upper.GetString("OTHER", "top", "NULL", 20), "0");
  EXPECT_TRUE(upper.WriteInt("OTHER", "top", 5));
  EXPECT_FALSE(fs::exists(zv::test::TempRoot() + "/Zavediz.ini"));
  EXPECT_EQ(ProfileFile(zv::test::TempRoot() + "/ZAVEDIZ.INI").GetString("other", "TOP", "", 20), "5");
}

TEST(ProfileFile, GbkFileIsReadAndNumbersAreWrittenInTheCLocale) {
  Write("gbk.ini", std::string("[A]\nname=\xB5\xD8\xD6\xCA\n"));
  const ProfileFile file(zv::test::TempRoot() + "/gbk.ini");
  EXPECT_EQ(file.GetString("A", "name", ""), "地质");
  int16_t strap = -2;
  float width = 0.1f;
  EXPECT_TRUE(zv::SaveSetting(file, {"A", "strap", &strap}));
  EXPECT_TRUE(zv::SaveSetting(file, {"A", "width", &width}));
  EXPECT_EQ(file.GetString("A", "strap", ""), "-2");
  EXPECT_EQ(file.GetString("A", "width", ""), "0.100000");
  EXPECT_EQ(file.GetString("A", "name", ""), "地质");
}

namespace {

// The UTF-16 bytes of an ASCII-and-BMP text, with its byte-order mark.
std::string Utf16(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace

TEST(ProfileFile, Utf16FilesAreReadAndWrittenBackInTheirOwnEncoding) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    const std::string path = Write(bigEndian ? "be.ini" : "le.ini", Utf16(u"[A]\r\nname=地质\r\ncount=3\r\n", bigEndian));
    const ProfileFile file(path);
    EXPECT_EQ(file.GetString("A", "name", ""), "地质");
    EXPECT_EQ(file.GetString("a", "COUNT", ""), "3");
    EXPECT_TRUE(file.WriteString("A", "count", "4"));
    EXPECT_TRUE(file.WriteString("B", "剖面", "是"));
    EXPECT_EQ(Read(path), Utf16(u"[A]\r\nname=地质\r\ncount=4\r\n\r\n[B]\r\n剖面=是\r\n", bigEndian));
  }
}

// Root reads any file, so the unreadable file is tried as an unprivileged
// user in a child process.
TEST(ProfileFile, AFileThatCannotBeReadIsNeverOverwritten) {
  const std::string folder = zv::test::TempRoot() + "/locked";
  fs::create_directories(folder);
  fs::permissions(zv::test::TempRoot(), fs::perms::others_exec, fs::perm_options::add);
  fs::permissions(folder, fs::perms::all);
  const std::string path = Write("locked/Zavediz.ini", "[A]\r\nkeep=1\r\nmore=2\r\n");
  fs::permissions(path, fs::perms::none);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
        const ProfileFile file(path);
        const bool wrote = file.WriteString("A", "new", "3");
        std::_Exit(wrote || file.GetString("A", "keep", "default") != "default" ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Read(path), "[A]\r\nkeep=1\r\nmore=2\r\n");
}

// Old Mac files end lines with a lone CR: their keys are read, and a write
// keeps CR endings and every other line.
TEST(ProfileFile, CrOnlyFilesAreReadAndKeepTheirLineEnds) {
  const std::string path = Write("cr.ini", "[OTHER]\rcontrol width=321\r[ZK]\rinw=7\r");
  const ProfileFile file(path);
  EXPECT_EQ(file.GetString("OTHER", "control width", "D"), "321");
  EXPECT_EQ(file.GetString("ZK", "inw", "D"), "7");
  ASSERT_TRUE(file.WriteString("OTHER", "EditBar", "0"));
  EXPECT_EQ(Read(path), "[OTHER]\rcontrol width=321\rEditBar=0\r[ZK]\rinw=7\r");
}

// A file whose bytes cannot all be decoded (binary, or a damaged UTF-16
// file) is never rewritten: the rewrite would lose those bytes.
TEST(ProfileFile, FilesThatDoNotDecodeWhollyAreNeverOverwritten) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xff);
  const std::string oddUtf16 = std::string("\xff\xfe[\0A\0]\0\r\0\n\0k\0=\0001\0\r\0\n\0", 22) + "\x41";
  // Genuine replacement characters are text like any other.
  const std::string gbkWithReplacement = "[A]\r\nk=\x84\x31\xA4\x37\xb5\xd8\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    bool writable;
  };
  for (const Case& c : {Case{"binary", binary, false}, Case{"odd utf-16", oddUtf16, false},
                        Case{"gbk with U+FFFD", gbkWithReplacement, true}}) {
    SCOPED_TRACE(c.name);
    const std::string path = Write("undecodable.ini", c.bytes);
    EXPECT_EQ(ProfileFile(path).WriteString("A", "new", "1"), c.writable);
    if (!c.writable) EXPECT_EQ(Read(path), c.bytes);
  }
  EXPECT_EQ(ProfileFile(zv::test::TempRoot() + "/undecodable.ini").GetString("A", "k", ""), "\xEF\xBF\xBD地");
}

// One object reads a file once, but sees a change made on disk since.
TEST(ProfileFile, ReadsFollowChangesMadeBySomeoneElse) {
  const std::string path = Write("changing.ini", "[A]\r\nk=1\r\n");
  const ProfileFile file(path);
  EXPECT_EQ(file.GetString("A", "k", ""), "1");
  Write("changing.ini", "[A]\r\nk=22\r\n");
  EXPECT_EQ(file.GetString("A", "k", ""), "22");
  ASSERT_TRUE(ProfileFile(path).WriteString("A", "k", "3"));
  EXPECT_EQ(file.GetString("A", "k", ""), "3");
  ASSERT_TRUE(file.WriteStrings({{"A", "k", "4"}, {"B", "m", "5"}, {"A", "n", "6"}}));
  EXPECT_EQ(Read(path), "[A]\r\nk=4\r\nn=6\r\n\r\n[B]\r\nm=5\r\n");
  EXPECT_EQ(file.GetString("B", "m", ""), "5");
}

// A full disk: the write fails and the file keeps its old contents, with no
// temporary file left. The disk is a small tmpfs in a namespace of the child.
TEST(ProfileFile, AFullDiskFailsTheWriteAndKeepsTheFile) {
  const std::string folder = zv::test::TempRoot() + "/full";
  fs::create_directories(folder);
  const std::string contents = "[A]\r\nk=1\r\n" + std::string(9000, ';') + "\r\n";
  const uid_t uid = ::getuid();
  const gid_t gid = ::getgid();
  EXPECT_EXIT(
      {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) std::_Exit(2);
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") != 0) std::_Exit(3);
        const std::string path = folder + "/Zavediz.ini";
        std::ofstream(path, std::ios::binary) << contents;
        const bool wrote = ProfileFile(path).WriteString("A", "new", "2");
        const bool alone = std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 1;
        std::_Exit(!wrote && Read(path) == contents && alone ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}
