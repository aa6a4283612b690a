// Hatch-pattern files, pattern libraries with their name lists, listing, and
// the options file "HWOption.sec".
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"
#include "panels/core/hatch_options.h"
#include "panels/core/hatch_sources.h"
#include "tests/panels/hatch_test_support.h"
#include "tests/support/test_env.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

std::string Folder(const std::string& name) {
  const std::string folder = zv::test::TempRoot() + "/" + name;
  fs::create_directories(folder);
  return folder;
}

TEST(HatchSources, FamilyLinesParseAsLeadingNumbersScaledByY) {
  struct Case {
    const char* line;
    double scaleY;
    std::vector<double> numbers;
  };
  const Case cases[] = {
      {"45, 0,0, 0,.125", 5.0, {45, 0, 0, 0, 0.0625}},
      {"", 5.0, {0}},  // a blank line: one field, draws nothing
      {" 30 deg, x1, 2.5e1", 10.0, {30, 0, 25}},
      {"0,1,2,3,4,5,6,7,8,9,10,11,12,13", 10.0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const HatchFamily f = ParseHatchFamily(c.line, c.scaleY);
    EXPECT_EQ(f.count, static_cast<int>(c.numbers.size()));
    ASSERT_EQ(f.numbers.size(), c.numbers.size());
    for (std::size_t i = 0; i < c.numbers.size(); ++i) EXPECT_DOUBLE_EQ(f.numbers[i], c.numbers[i]);
  }
}

TEST(HatchSources, HeadersAndFamiliesFromGbkAndCrLfFiles) {
  const std::string crlf =
      "0, 9,9, 0,1\r\n"  // before any header: no pattern's
      "*SAND,sand and gravel\r\n"
      "45, 0,0, 0,1\r\n"
      "; a comment between families\r\n"
      "\r\n"
      "135, 0,0, 0,1\r\n"
      "*SAND,sand, coarse\r\n"
      "0, 0,0, 0,2\r\n"
      "*SAND,sand and gravel\r\n"
      "90, 0,0, 0,3\r\n";
  const auto lines = TextFileLines(crlf);
  EXPECT_EQ(PatternHeaders(lines),
            (std::vector<std::string>{"*SAND,sand and gravel", "*SAND,sand, coarse", "*SAND,sand and gravel"}));
  EXPECT_EQ(PatternFamilyLines(lines, "*SAND,sand and gravel"),
            (std::vector<std::string>{"45, 0,0, 0,1", "", "135, 0,0, 0,1", "90, 0,0, 0,3"}));
  EXPECT_EQ(PatternFamilyLines(lines, "*SAND,sand, coarse"), (std::vector<std::string>{"0, 0,0, 0,2"}));
  EXPECT_TRUE(PatternFamilyLines(lines, "*SAND").empty());

  const std::string gbk = text::ToGbk("*砂岩,细砂岩\n0, 0,0, 0,1\n");
  const auto gbkLines = TextFileLines(gbk);
  EXPECT_EQ(PatternHeaders(gbkLines), (std::vector<std::string>{"*砂岩,细砂岩"}));
  EXPECT_EQ(PatternFamilyLines(gbkLines, "*砂岩,细砂岩").size(), 1u);
}

TEST(HatchSources, ListingTakesEachSourcesFilesSortedWithoutRegardToCase) {
  const std::string folder = Folder("listing");
  for (const char* name : {"b.pat", "A.PAT", "c.Pat", "notes.txt", "xpat", "FILLGRPH.lib", "fillgrph2.LIB",
                           "FILLGRPH.txt", "MYFILLGRPH.lib", "FILLGRPH.lib.bak"})
    test::WriteFile(folder + "/" + name, "x");
  fs::create_directories(folder + "/dir.pat");
  EXPECT_EQ(ListSourceFiles(folder, PatternSource::kHatchFile),
            (std::vector<std::string>{"A.PAT", "b.pat", "c.Pat", "xpat"}));
  EXPECT_EQ(ListSourceFiles(folder, PatternSource::kLibrary),
            (std::vector<std::string>{"FILLGRPH.lib", "fillgrph2.LIB"}));
  EXPECT_TRUE(ListSourceFiles(folder + "/missing", PatternSource::kLibrary).empty());
}

TEST(HatchSources, LibraryListsPatternsOneToCountLessOneByTheirNameList) {
  const std::string folder = Folder("libs");
  test::TestElement line{2, 0, 0, 0, {{{0, 0}, {1, 1}}}};
  test::WriteFile(folder + "/FILLGRPH1.LIB", test::LibraryBytes(6, {}));
  test::WriteFile(folder + "/FILLGRPH4.LIB", test::LibraryBytes(6, {{line}, {line}, {}}));
  test::WriteFile(folder + "/fillgrph4.TXT", "2 Sand\n2 Clay\nnot a line\n");
  std::string error;
  const auto one = PatternLibraryFile::Load(folder + "/FILLGRPH1.LIB", &error);
  ASSERT_TRUE(one) << error;
  EXPECT_TRUE(one->Labels().empty());
  const auto four = PatternLibraryFile::Load(folder + "/FILLGRPH4.LIB", &error);
  ASSERT_TRUE(four) << error;
  EXPECT_EQ(four->Labels(), (std::vector<std::string>{"1_未命名图案", "2_Sand", "3_未命名图案"}));
  EXPECT_TRUE(four->EntryAt(1, &error));
  EXPECT_FALSE(four->EntryAt(2, &error));  // listed, but without an entry
  EXPECT_NE(error.find("图案 3"), std::string::npos);
  EXPECT_FALSE(four->EntryAt(-1, &error));
  EXPECT_FALSE(four->EntryAt(3, &error));

  std::string huge = test::LibraryBytes(6, {{line}});
  const int32_t count = 1 << 30;
  std::memcpy(huge.data(), &count, 4);
  test::WriteFile(folder + "/FILLGRPHX.LIB", huge);
  EXPECT_FALSE(PatternLibraryFile::Load(folder + "/FILLGRPHX.LIB", &error));
  EXPECT_NE(error.find("FILLGRPHX.LIB"), std::string::npos);
  EXPECT_FALSE(PatternLibraryFile::Load(folder + "/none.LIB", &error));
  EXPECT_NE(error.find("none.LIB"), std::string::npos);
}

HatchOptions Sample() {
  HatchOptions o;
  o.acadFolder = "/data/图案/";
  o.angle = 12.5;
  o.startAngle = -30;
  o.endAngle = 300;
  o.fillColor = 12;
  o.patternColor = 44;
  o.scaleY = 2.5;
  o.fileListPos = 3;
  o.patternListPos = -1;
  o.angleKind = 0;
  o.lineWidth = 0.2f;
  o.scaleX = 7;
  o.patternSource = 0;
  o.libFolder = "/slib/";
  return o;
}

TEST(HatchOptionsFile, RoundTripsByteForByteAndKeepsTheCallersFillColour) {
  const HatchOptions written = Sample();
  std::vector<std::string> problems;
  std::string error;
  ASSERT_TRUE(SaveHatchOptions(written, &problems, &error)) << error;
  EXPECT_TRUE(problems.empty());
  std::string bytes;
  ASSERT_TRUE(fileio::ReadWholeFile(paths::DataFile(kHatchOptionsFile), bytes));
  EXPECT_EQ(bytes.size(), 588u);
  EXPECT_EQ(bytes.substr(0, 4), "/dat");
  int32_t fill = 0;
  std::memcpy(&fill, bytes.data() + 260 + 24, 4);
  EXPECT_EQ(fill, 12);

  HatchOptions read;
  read.fillColor = 5;
  LoadHatchOptions(read);
  EXPECT_EQ(read.fillColor, 5);
  read.fillColor = written.fillColor;
  EXPECT_EQ(EncodeHatchOptions(read, nullptr), bytes);
}

TEST(HatchOptionsFile, BadFilesAndFieldsGiveDefaults) {
  const std::string good = EncodeHatchOptions(Sample(), nullptr);
  const HatchOptions defaults;
  for (const std::string& bytes : {good.substr(0, 587), good + "x", std::string()}) {
    HatchOptions o;
    EXPECT_FALSE(DecodeHatchOptions(bytes, o));
    EXPECT_EQ(EncodeHatchOptions(o, nullptr), EncodeHatchOptions(defaults, nullptr));
  }
  std::string nan = good;
  const double bad = std::numeric_limits<double>::quiet_NaN();
  for (std::size_t at : {260u, 268u, 276u, 292u, 316u}) std::memcpy(nan.data() + at, &bad, 8);  // angles, scales
  const float badWidth = std::numeric_limits<float>::infinity();
  std::memcpy(nan.data() + 312, &badWidth, 4);
  const int32_t badKind = 7;
  std::memcpy(nan.data() + 308, &badKind, 4);
  std::memcpy(nan.data() + 324, &badKind, 4);
  HatchOptions o;
  ASSERT_TRUE(DecodeHatchOptions(nan, o));
  EXPECT_EQ(o.angle, defaults.angle);
  EXPECT_EQ(o.startAngle, defaults.startAngle);
  EXPECT_EQ(o.endAngle, defaults.endAngle);
  EXPECT_EQ(o.scaleY, defaults.scaleY);
  EXPECT_EQ(o.scaleX, defaults.scaleX);
  EXPECT_EQ(o.lineWidth, defaults.lineWidth);
  EXPECT_EQ(o.angleKind, defaults.angleKind);
  EXPECT_EQ(o.patternSource, defaults.patternSource);
  EXPECT_EQ(o.acadFolder, "/data/图案/");
  EXPECT_EQ(o.fileListPos, 3);
}

TEST(HatchOptionsFile, FoldersTheFieldCannotHoldAreWrittenEmptyAndNamed) {
  HatchOptions o = Sample();
  o.acadFolder = "/" + std::string(259, 'a');
  o.libFolder = "/😀/";
  std::vector<std::string> problems;
  const std::string bytes = EncodeHatchOptions(o, &problems);
  ASSERT_EQ(bytes.size(), 588u);
  EXPECT_EQ(problems.size(), 2u);
  HatchOptions back;
  ASSERT_TRUE(DecodeHatchOptions(bytes, back));
  EXPECT_EQ(back.acadFolder, "");
  EXPECT_EQ(back.libFolder, "");
  o.acadFolder = std::string(259, 'a');  // 259 bytes and the NUL fit
  problems.clear();
  ASSERT_TRUE(DecodeHatchOptions(EncodeHatchOptions(o, &problems), back));
  EXPECT_EQ(back.acadFolder, o.acadFolder);
}

}  // namespace
}  // namespace zv::panels
