// The "SUBLINREG" keys of the line, region and sub-graph pages.
#include <gtest/gtest.h>

#include <fstream>

#include "framework/paths/app_folder.h"
#include "panels/core/page_settings.h"
#include "tests/support/test_env.h"

namespace zv::panels {
namespace {

ProfileFile IniWith(const std::string& body) {
  const std::string path = test::TempRoot() + "/pages.ini";
  std::ofstream(path) << "[SUBLINREG]\n" << body;
  return ProfileFile(path);
}

TEST(PageSettings, ReadByTheNullRuleInTheirOrderAndWrittenAsFloats) {
  const ProfileFile file = IniWith(
      "LINEWIDTH=NULL\nLINEX=2.5\nLINECOLOR=7.000000\nLINELAYER=3.000000\nLINEOPTYPE=2.000000\n"
      "LINENO=12-3\nRegNO=12.000000\nREGLAYER=12345678901234567890123\nSUBNO=40.000000\nSUBANGLE=45.500000\n");
  LineValues line;
  LoadPageKeys(file, PageKeys(line));
  EXPECT_FLOAT_EQ(line.width, 0.2f);  // "NULL" keeps the built-in value
  EXPECT_FLOAT_EQ(line.x, 2.5f);
  EXPECT_FLOAT_EQ(line.y, 10.0f);  // missing
  EXPECT_EQ(line.colour, 7);
  EXPECT_EQ(line.layer, 3);
  EXPECT_EQ(line.opType, 2);
  EXPECT_EQ(line.styleNo, "1-0");  // written on a pick, never read back

  RegionValues region;
  LoadPageKeys(file, PageKeys(region));
  EXPECT_EQ(region.pattern, 1);
  // 23 characters read as 19: "1234567890123456789" as an int, cut to 16 bits.
  EXPECT_EQ(region.layer, static_cast<int16_t>(static_cast<int>(1234567890123456789LL)));

  SubgraphValues sub;
  LoadPageKeys(file, PageKeys(sub));
  EXPECT_EQ(sub.number, 1);
  EXPECT_FLOAT_EQ(sub.angle, 45.5f);

  line.colour = 7;
  line.layer = 3;
  line.styleNo = "12-3";
  region.pattern = 12;
  sub.width = 0.1f;
  const auto lineKeys = PageKeys(line);
  ASSERT_TRUE(SavePageKey(file, lineKeys, "LINECOLOR"));
  ASSERT_TRUE(SavePageKey(file, lineKeys, "LINELAYER"));
  ASSERT_TRUE(SavePageKey(file, lineKeys, "LINENO"));
  ASSERT_TRUE(SavePageKey(file, PageKeys(region), "RegNO"));
  ASSERT_TRUE(SavePageKey(file, PageKeys(sub), "SUBWIDTH"));
  EXPECT_FALSE(SavePageKey(file, lineKeys, "SUBCOLOR"));
  EXPECT_EQ(file.GetString("SUBLINREG", "LINECOLOR", ""), "7.000000");
  EXPECT_EQ(file.GetString("SUBLINREG", "LINELAYER", ""), "3.000000");
  EXPECT_EQ(file.GetString("SUBLINREG", "LINENO", ""), "12-3");
  EXPECT_EQ(file.GetString("SUBLINREG", "RegNO", ""), "12.000000");
  // The value as a 32-bit float, as the pages hold it.
  EXPECT_EQ(file.GetString("SUBLINREG", "SUBWIDTH", ""), "0.100000");
  EXPECT_EQ(PageValueText(SettingVariable(&region.pattern)), "12.000000");
}

TEST(PageSettings, TheFileIsTheShellsSettingsFile) {
  EXPECT_EQ(PageSettingsFile().path(), paths::DataFile("Zavediz.ini"));
}

}  // namespace
}  // namespace zv::panels
