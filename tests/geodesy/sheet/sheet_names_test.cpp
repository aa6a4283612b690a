#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"
#include "geodesy/sheet/sheet_names.h"
#include "geodesy/sheet/sheet_number_form.h"

namespace zv::sheet {
namespace {

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

const std::string kRows =
    "序号,a,b,c,d,新图幅号,图幅名\r\n"
    "1,,,,,J50G015009,北庄\r\n"
    "2,,,,, J50G015010 ,西 山 村\r\n"
    "3,,,,,J50G015010,重复的行不取\r\n";

TEST(SheetNames, UsersTablesInUtf8OrGbkWithBlanksAroundTheNumber) {
  const std::string folder = paths::GetDataFolder();
  Write(folder + "1万图幅号.csv", kRows);
  Write(folder + "5万图幅号.csv", text::ToGbk(kRows));
  EXPECT_EQ(LookUpSheetName("10000", "J50G015010"), "西山村");
  EXPECT_EQ(LookUpSheetName("50000", "J50G015010"), "西山村");
  EXPECT_EQ(LookUpSheetName("10000", "J50G015009"), "北庄");
  EXPECT_EQ(LookUpSheetName("10000", "J50G099099"), std::nullopt);
  EXPECT_EQ(LookUpSheetName("10000", "新图幅号"), std::nullopt) << "the header is no row";
  std::string crOnly = kRows;
  crOnly.erase(std::remove(crOnly.begin(), crOnly.end(), '\n'), crOnly.end());
  Write(folder + "cr.csv", crOnly);
  EXPECT_EQ(FindSheetName(folder + "cr.csv", "J50G015010"), "西山村") << "lines ended by CR alone";
  EXPECT_EQ(FindSheetName(folder + "cr.csv", "新图幅号"), std::nullopt);

  SheetForm form;  // the defaults fall on J50G015010
  ASSERT_EQ(ComputeSheet(form, SheetInput::Degrees), std::nullopt);
  EXPECT_EQ(form.name, "西山村");
}

TEST(SheetNames, ShippedTablesHaveOnlyTheHeaderAndAMissingTableKeepsTheName) {
  for (const char* scale : {"5000", "10000", "25000", "50000", "100000", "200000", "250000", "500000", "1000000"}) {
    const std::string path = paths::DataFile(SheetNameTable(scale));
    ASSERT_TRUE(std::filesystem::exists(path)) << scale;
    std::ifstream in(path);
    std::string header;
    std::getline(in, header);
    EXPECT_EQ(header, ",,,,,新图幅号,图幅名\r");
    std::string more;
    EXPECT_FALSE(std::getline(in, more));
  }
  std::filesystem::remove(paths::DataFile(SheetNameTable("10000")));
  SheetForm form;
  form.name = "用户的名";
  ASSERT_EQ(ComputeSheet(form, SheetInput::Degrees), std::nullopt);
  EXPECT_EQ(form.name, "用户的名");
  EXPECT_EQ(SheetNameTable("2000"), "");
}

TEST(SheetNames, FieldsAreCutByCharactersNotBytes) {
  const std::string path = paths::GetDataFolder() + "t.csv";
  std::string name;
  for (int i = 0; i < 60; ++i) name += "图";
  Write(path, "h\n,,,,,J50,\xE3\x80\x80" + name + "\n");
  const auto found = FindSheetName(path, "J50");
  ASSERT_TRUE(found);
  EXPECT_EQ(text::CharacterCount(*found), 51u);
}

}  // namespace
}  // namespace zv::sheet
