#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/globals/program_globals.h"
#include "framework/odbc/odbc_installer.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/chart/chart_settings.h"

namespace zv::chart {
namespace {

TEST(ChartReadingTest, LayoutTablesAndTheHolesDepth) {
  test::RegisterFixtureDb();
  ChartState s;
  ReadMineChartSettings(s, "kof", "1001");
  EXPECT_EQ(s.mineKind, 1);
  EXPECT_EQ(s.chartWidth, 200.0f);
  LoadChartParameters(s, "kof", 2.5f, "1001", "ZK01");
  EXPECT_TRUE(s.Draws(0)) << "\" 1\" reads as 1";
  EXPECT_TRUE(s.Draws(5)) << "\"01\" reads as 1";
  EXPECT_FALSE(s.Draws(11)) << "text reads as 0";
  EXPECT_EQ(s.columns[32].right, "0");
  EXPECT_EQ(s.frameWidth, 200) << "only the 33 rows kept count";
  EXPECT_EQ(s.S(10), 3.0);
  EXPECT_EQ(s.params[21].fields[1], "备用");
  EXPECT_EQ(s.holeFlag, 3);
  EXPECT_DOUBLE_EQ(s.holeLength, 200) << "at 1:500 a 100 m hole is 200 mm long";
}

TEST(ChartReadingTest, CorrectedDepthMissingHoleAndShortTables) {
  test::RegisterFixtureDb("UPDATE 栏目选择 SET 选项='1' WHERE 序号='5';");
  ChartState s;
  LoadChartParameters(s, "kof", 2.5f, "1001", "ZK01");
  EXPECT_DOUBLE_EQ(s.holeLength, 196) << "row 5's option takes zkinfok column 38";
  LoadChartParameters(s, "kof", 2.5f, "1001", "NONE");
  EXPECT_EQ(s.holeLength, 0);
  EXPECT_EQ(s.holeFlag, 0);

  test::RegisterFixtureDb("DELETE FROM 栏目选择 WHERE CAST(序号 AS INTEGER) >= 20;");
  ChartState few;
  LoadChartParameters(few, "kof", 2.5f, "1001", "ZK01");
  EXPECT_FALSE(few.Draws(31)) << "rows not in the table stay empty";
  EXPECT_EQ(few.columns[31].left, "");
  EXPECT_TRUE(few.Draws(0));
}

TEST(ChartReadingTest, SeveralRowsWhereOneIsExpectedTheLastWins) {
  test::RegisterFixtureDb("INSERT INTO minefile (矿区代码, 矿区类别, 图宽) VALUES ('1001', '7', '370');");
  ChartState s;
  ReadMineChartSettings(s, "kof", "1001");
  EXPECT_EQ(s.mineKind, 7);
  EXPECT_EQ(s.chartWidth, 370.0f);
  ReadMineChartSettings(s, "kof", "9999");
  EXPECT_EQ(s.mineKind, 0);
  EXPECT_EQ(s.chartWidth, 0.0f);
}

TEST(ChartReadingTest, DataSourceCheckFindsTheDatabaseFile) {
  const std::string a = test::TempRoot() + "/a.sqlite";
  const std::string b = test::TempRoot() + "/b.sqlite";
  const std::string missing = test::TempRoot() + "/missing.sqlite";
  std::ofstream(a) << "x";
  std::ofstream(b) << "x";
  const struct {
    const char* name;
    std::map<std::string, std::string> keys;
    bool ok;
    const char* message;
    const char* path;
  } cases[] = {
      {"absent", {}, false, "请先注册数据源！！！", ""},
      {"neither key", {{"Description", "x"}}, false, "读取数据源错误！", ""},
      {"DBQ first", {{"DBQ", "/data/a.mdb"}, {"Database", a}}, true, "", "/data/a.mdb"},
      {"Database alone", {{"Database", b}}, true, "", b.c_str()},
      {"DBQ alone", {{"DBQ", a}}, true, "", a.c_str()},
      {"file missing", {{"Database", missing}}, false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CurrentFilePath().clear();
    if (std::string(c.name) == "absent")
      test::WriteDataSource("other", {{"DBQ", "/x"}});
    else
      test::WriteDataSource("kof", c.keys);
    const DataSourceCheck check = CheckDataSource("kof");
    EXPECT_EQ(check.ok, c.ok);
    if (std::string(c.name) == "file missing") {
      EXPECT_EQ(check.message, "打开数据源失败\n" + missing + ": 文件不存在");
      EXPECT_FALSE(std::filesystem::exists(missing)) << "no empty database is made";
    } else {
      EXPECT_EQ(check.message, c.message);
    }
    EXPECT_EQ(CurrentFilePath().toStdString(), c.path);
  }
  CurrentFilePath() = "/set/before.mdb";
  test::WriteDataSource("kof", {{"DBQ", a}});
  EXPECT_TRUE(CheckDataSource("kof").ok);
  EXPECT_EQ(CurrentFilePath(), "/set/before.mdb") << "a path already set stays";
}

TEST(ChartReadingTest, AnAccessDatabaseIsReadThroughItsCopyAndConvertedAgainWhenNewer) {
  test::InstallStandInMdbTools();
  test::WriteOdbcDrivers();
  const std::string mdb = test::TempRoot() + "/钻孔.mdb";
  std::ofstream(mdb) << "Standard Jet DB";
  std::string error;
  ASSERT_TRUE(odbc::RegisterDataSource("kof", mdb, &error)) << error;
  CurrentFilePath().clear();
  ASSERT_TRUE(CheckDataSource("kof").ok);
  EXPECT_EQ(CurrentFilePath().toStdString(), mdb) << "the file the user registered";
  ChartState s;
  ReadMineChartSettings(s, "kof", "1001");
  EXPECT_EQ(s.chartWidth, 200.0f);

  // A later row of the mine wins.
  test::InstallStandInMdbTools("INSERT INTO minefile (矿区代码, 矿区类别, 图宽) VALUES ('1001', '1', '380');");
  const auto now = std::filesystem::file_time_type::clock::now();
  std::filesystem::last_write_time(mdb, now + std::chrono::seconds(5));
  EXPECT_TRUE(CheckDataSource("kof").message.empty());
  ReadMineChartSettings(s, "kof", "1001");
  EXPECT_EQ(s.chartWidth, 380.0f);

  test::InstallStandInMdbTools("", true);
  std::filesystem::last_write_time(mdb, now + std::chrono::seconds(10));
  const DataSourceCheck check = CheckDataSource("kof");
  EXPECT_TRUE(check.ok) << "the previous copy is read";
  EXPECT_NE(check.message.find(mdb), std::string::npos) << check.message;
  ReadMineChartSettings(s, "kof", "1001");
  EXPECT_EQ(s.chartWidth, 380.0f);
}

}  // namespace
}  // namespace zv::chart
