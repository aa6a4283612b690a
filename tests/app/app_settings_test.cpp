#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app_settings.h"
#include "framework/paths/app_folder.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(AppSettings, LoadsEachGroupByTheNullRule) {
  const std::string ini = zv::paths::GetDataFolder() + "zavediz.ini";
  std::ofstream(ini) << "[OTHER]\ncross cursor=NULL\nZB show=abc\ncontrol width=250\nBACKPIC=/p/背景.bmp\n"
                        "[ZK]\nsubNo=1.000000\n[PM]\neditstrap=40\nstratum=9.5\n";
  zv::AppSettings s;
  zv::LoadSettings(1, s);  // [OTHER] only
  EXPECT_EQ(s.crossCursor, 1);
  EXPECT_EQ(s.zbShow, 0);
  EXPECT_EQ(s.controlWidth, 250);
  EXPECT_EQ(s.backPicture, "/p/背景.bmp");
  EXPECT_EQ(s.subNo, 502);
  zv::LoadSettings(0, s);  // [ZK] and [PM]
  EXPECT_EQ(s.subNo, 1);
  EXPECT_EQ(s.editStrap, 40);
  EXPECT_EQ(s.stratum, 9.5);
  EXPECT_EQ(s.groundData, 2.0);
}

TEST(AppSettings, SavingAllWritesEveryKeyButTheBackgroundPicture) {
  zv::AppSettings s;
  s.editStrap = -3;
  zv::SaveSettings(100, s);
  const std::string text = ReadAll(zv::paths::GetDataFolder() + "Zavediz.ini");
  EXPECT_NE(text.find("standard chart=1"), std::string::npos);
  EXPECT_NE(text.find("inw=0.100000"), std::string::npos);
  EXPECT_NE(text.find("editstrap=-3"), std::string::npos);
  EXPECT_NE(text.find("grounddata=2.000000"), std::string::npos);
  EXPECT_EQ(text.find("BACKPIC"), std::string::npos);

  zv::AppSettings back;
  back.editStrap = 0;
  back.innerWidth = 9;
  zv::LoadSettings(0, back);
  zv::LoadSettings(1, back);
  EXPECT_EQ(back.editStrap, -3);
  EXPECT_FLOAT_EQ(back.innerWidth, 0.1f);
}
