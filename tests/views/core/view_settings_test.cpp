#include "views/core/view_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/app_settings.h"
#include "tests/support/test_env.h"

namespace zv::views {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

ProfileFile TempFile(const std::string& text) {
  const std::string path = test::TempRoot() + "/Zavediz.ini";
  std::ofstream(path, std::ios::binary) << text;
  return ProfileFile(path);
}

TEST(ViewSettings, SystemParametersReadWithTheNullRuleAndWrittenInEachViewsFormat) {
  const ProfileFile file = TempFile("[SYSPARA]\r\nParalldis=2.5\r\nCleanRadius=NULL\r\nReduceRate=abc\r\n");
  SystemParms parms;
  parms[kCleanRadius] = 0.7;
  LoadSystemParameters(file, parms);
  EXPECT_EQ(parms[kParallelDistance], 2.5);
  EXPECT_EQ(parms[kCleanRadius], 0.7);  // "NULL": unchanged
  EXPECT_EQ(parms[kBufferRadius], 1.0);  // absent: unchanged
  EXPECT_EQ(parms[kReduceRate], 0.0);   // text that is no number reads as 0, as atof
  parms[kParallelDistance] = 0.1;
  ASSERT_TRUE(SaveSystemParameters(file, parms, kSectionParmFormat));
  EXPECT_NE(Read(file.path()).find("Paralldis=0.10000000000000000555"), std::string::npos);
  ASSERT_TRUE(SaveSystemParameters(file, parms, kPlanParmFormat));
  const std::string text = Read(file.path());
  EXPECT_NE(text.find("Paralldis=0.100000\r\n"), std::string::npos) << text;
  for (const char* key : kSystemParmKeys) EXPECT_NE(text.find(std::string(key) + "="), std::string::npos) << key;
}

TEST(ViewSettings, RulerBarIsReadWithTheNullRuleAndWrittenAsOneOrZero) {
  const ProfileFile file = TempFile("[OTHER]\r\nRULEBAR=NULL\r\n");
  EXPECT_EQ(ReadRulerBar(file, 0), 0);
  ASSERT_TRUE(WriteRulerBar(file, 1));
  EXPECT_EQ(ReadRulerBar(file, 0), 1);
  ASSERT_TRUE(WriteRulerBar(file, 0));
  EXPECT_NE(Read(file.path()).find("RULEBAR=0"), std::string::npos);
}

TEST(ViewSettings, DisplaySwitchesAreWrittenAsIntegersAndTakenIntoMemoryAtOnce) {
  const ProfileFile file = TempFile("");
  const std::array<int16_t, 8> values = {1, 0, 1, 0, 1, 0, 1, -1};
  ASSERT_TRUE(WriteDisplaySwitches(file, values));
  EXPECT_EQ(DisplaySwitchesFromSettings(), values);
  EXPECT_EQ(Settings().lucencyShow, -1);
  const std::string text = Read(file.path());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_NE(text.find(std::string(kSelectParmKeys[i]) + "=" + std::to_string(values[i])), std::string::npos)
        << kSelectParmKeys[i];
}

}  // namespace
}  // namespace zv::views
