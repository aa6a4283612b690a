#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "zavediz/chart/borehole_chart.h"

namespace fs = std::filesystem;

namespace zv::chart {
namespace {

constexpr float kScale500 = 500 * 0.005f;

// SQL giving a fixture hole another id in every table the chart reads.
std::string RenameHole(const std::string& from, const std::string& to) {
  std::string sql;
  for (const char* table : {"zkinfok", "drilgeo2", "geolayercolor", "drilsamh"})
    sql += std::string("UPDATE ") + table + " SET 工程编号 = '" + to + "' WHERE 工程编号 = '" + from + "';";
  return sql;
}

class ChartDrawTest : public test::WorkAreasTest {
 protected:
  ChartAreas Areas() const { return {lines_, points_, regions_}; }
  std::string Draw(int16_t mode, const std::string& hole = "ZK01", std::string* error = nullptr) {
    BoreholeChart chart(Areas(), mode, "kof", 502);
    std::string message;
    drawn_ = chart.DrawColumns(kScale500, "1001", hole, &message);
    if (error) *error = message;
    EXPECT_TRUE(drawn_ || error) << message;
    return test::DumpChart(Areas());
  }
  void ExpectText(const std::string& text, double x, double y) {
    const test::FoundText found = test::FindText(points_, text);
    ASSERT_TRUE(found.found) << text;
    EXPECT_NEAR(found.x, x, 0.005) << text;
    EXPECT_NEAR(found.y, y, 0.005) << text;
  }
  bool drawn_ = false;
};

TEST_F(ChartDrawTest, EachModeDrawsTheCommittedEntities) {
  test::RegisterFixtureDb();
  const struct {
    int16_t mode;
    const char* golden;
  } modes[] = {{-1, "borehole/zk01_downward.txt"}, {0, "borehole/zk01_even.txt"}, {1, "borehole/zk01_upward.txt"}};
  for (const auto& m : modes) {
    SCOPED_TRACE(m.golden);
    test::ExpectMatchesGolden(Draw(m.mode), m.golden);
  }
}

// ZK01 at 1:500 (y = −2·depth): layers 0–10.3, 10.3–10.6, 10.6–100 m with
// core 9.8, 0.3 and 85.5 m. S(5) = 2.5, so the 0.6 mm thin layer's texts move
// down to 20.6 + 3.5 = 24.1 mm.
TEST_F(ChartDrawTest, LayerTableNumbersWorkedByHand) {
  test::RegisterFixtureDb();
  Draw(-1);
  const struct {
    const char* text;
    double x, y;
  } texts[] = {
      {"10.30", 20.5, -20.1}, {" 9.80", 50.5, -20.1},  {"95.15", 65.5, -20.1},  // 9.8 / 10.3
      {"10.60", 20.5, -23.6}, {" 0.30", 35.5, -23.6},  {"2", 13.0, -23.6},
      {"89.40", 35.5, -199.5}, {"85.50", 50.5, -199.5}, {"95.64", 65.5, -199.5},  // 85.5 / 89.4
  };
  for (const auto& t : texts) ExpectText(t.text, t.x, t.y);
  // The hole's bottom boundary: the last segment of the chain, thick, at −200.
  bool bottom = false;
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    LIN_INFO info;
    if (BasReadLine(lines_, id, &v, &info) && v.size() == 2 && v[0].x == 10 && v[1].x == 80 &&
        std::fabs(v[0].y + 200) < 1e-9)
      bottom = info.width() == 0.5f;
  }
  EXPECT_TRUE(bottom);
}

// Descriptions: h 3, g 0.5, s 1, W = 80 − 8 = 72. R = 12, 8 and 36 cells give
// n = 2, 2, 3 lines and H = 9, 9, 13. Labels stand at (124, T − 4).
TEST_F(ChartDrawTest, DescriptionPlacementsWorkedByHand) {
  test::RegisterFixtureDb();
  const struct {
    int16_t mode;
    double t1, t2, t3;
  } cases[] = {
      {-1, 0, -12.2, -21.2},                        // the thin layer's block ends on its bottom
      {1, 0, -12.2, -21.2},                         // stands on the block below it
      {0, 0, -9 * 200.0 / 31, -18 * 200.0 / 31},  // shares of Σ = 31
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    Draw(c.mode);
    ExpectText("黄土", 124, c.t1 - 4);
    ExpectText("砂岩", 124, c.t2 - 4);
    ExpectText("花岗岩", 124, c.t3 - 4);
  }
}

TEST_F(ChartDrawTest, AQuoteInAHoleIdDrawsThatHole) {
  test::RegisterFixtureDb();
  Draw(-1, "ZK'02");
  ExpectText("孔    号:ZK'02", 200 * 0.5 - 9.5, 53.62);
  ExpectText("片麻岩", 124, -4);
  ExpectText("终 孔 倾 角: 15°", 200 - 53.0, 59.06);
}

TEST_F(ChartDrawTest, ReadErrorsStopTheHoleWithTheDriversMessage) {
  const struct {
    const char* name;
    const char* sql;
    const char* expected;
  } cases[] = {
      {"drilgeo2 with 20 columns", "DROP TABLE drilgeo2; CREATE TABLE drilgeo2 (矿区代码 TEXT, 工程编号 TEXT, c2, c3, c4, c5, c6, c7, c8, 自孔深 TEXT, c10, c11, c12, c13, c14, c15, c16, c17, c18, c19); INSERT INTO drilgeo2 (矿区代码, 工程编号, 自孔深) VALUES ('1001', 'ZK01', '0');", "drilgeo2"},
      {"table missing", "DROP TABLE geolayercolor;", "geolayercolor"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::RegisterFixtureDb(c.sql);
    std::string error;
    Draw(-1, "ZK01", &error);
    EXPECT_FALSE(drawn_);
    EXPECT_NE(error.find(c.expected), std::string::npos) << error;
  }
  test::WriteOdbcDrivers();
  test::WriteDataSource("kof", {{"Database", test::TempRoot() + "/missing/none.sqlite"}});
  std::string error;
  Draw(-1, "ZK01", &error);
  EXPECT_FALSE(drawn_);
  EXPECT_EQ(error.rfind("打开数据源失败", 0), 0u) << error;
}

TEST_F(ChartDrawTest, ThreeHolesWriteThreeProjectsOneAfterEachHole) {
  test::RegisterFixtureDb();
  const std::string folder = test::TempRoot() + "/charts";
  fs::create_directories(folder);
  BoreholeChart chart(Areas(), -1, "kof", 502);
  for (const char* hole : {"ZK01", "ZK'02", "ZK03"}) {
    std::string error;
    ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", hole, &error)) << error;
    ASSERT_TRUE(chart.CreateChartProject(folder, &error)) << error;
    const std::string base = folder + "/" + hole;
    MapProject* project = PrjOpen(base + ".mpj");
    ASSERT_NE(project, nullptr) << hole;
    ASSERT_EQ(PrjGetItemCount(project), 3);
    const char* extensions[] = {".wp", ".wl", ".wt"};
    for (int i = 0; i < 3; ++i) {
      files::ProjectItem item;
      ASSERT_TRUE(PrjGetItem(project, i, &item));
      EXPECT_EQ(fs::path(PrjGetItemPath(project, i)).filename().string(), std::string(hole) + extensions[i]);
      EXPECT_EQ(item.bytes[1], 3);
    }
    PrjClose(project);
  }
  EXPECT_TRUE(test::FindText(points_, "孔    号:ZK03").found) << "the areas hold the last hole";
  EXPECT_FALSE(test::FindText(points_, "孔    号:ZK01").found);
}

TEST_F(ChartDrawTest, FileNamesComeFromTheHoleOrItsIdAndMustBePlain) {
  test::RegisterFixtureDb("INSERT INTO drilgeo2 (矿区代码, 工程编号, 自孔深, 至孔深) VALUES ('1001', 'NOINFO', '0', '5');"
                          "INSERT INTO drilgeo2 (矿区代码, 工程编号, 自孔深, 至孔深) VALUES ('1001', '../up', '0', '5');");
  const std::string folder = test::TempRoot() + "/named";
  fs::create_directories(folder);
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::string error;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "NOINFO", &error)) << error;
  ASSERT_TRUE(chart.CreateChartProject(folder, &error)) << error;
  EXPECT_TRUE(fs::exists(folder + "/NOINFO.mpj")) << "a hole missing from zkinfok is named by its id";
  EXPECT_FALSE(fs::exists(folder + "/.mpj"));

  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "../up", &error)) << error;
  EXPECT_FALSE(chart.CreateChartProject(folder, &error));
  EXPECT_NE(error.find("../up"), std::string::npos);
  EXPECT_FALSE(fs::exists(test::TempRoot() + "/up.mpj"));

  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error));
  EXPECT_FALSE(chart.CreateChartProject(folder + "/no/such/folder", &error));
  EXPECT_NE(error.find("ZK01.wl"), std::string::npos) << error;
}

TEST_F(ChartDrawTest, HolesSharingTheHeadersCutNameKeepTheirOwnFiles) {
  test::RegisterFixtureDb(RenameHole("ZK01", "ZK-2024-01") + RenameHole("ZK03", "ZK-2024-03"));
  const std::string folder = test::TempRoot() + "/long";
  fs::create_directories(folder);
  BoreholeChart chart(Areas(), -1, "kof", 502);
  for (const char* hole : {"ZK-2024-01", "ZK-2024-03"}) {
    std::string error;
    ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", hole, &error)) << error;
    ASSERT_TRUE(chart.CreateChartProject(folder, &error)) << error;
  }
  EXPECT_TRUE(test::FindText(points_, "孔    号:ZK-2024-0").found) << "the header still shows the cut name";
  for (const char* hole : {"ZK-2024-01", "ZK-2024-03"})
    EXPECT_TRUE(fs::exists(folder + "/" + hole + ".mpj")) << hole;
  EXPECT_FALSE(fs::exists(folder + "/ZK-2024-0.mpj"));
}

TEST_F(ChartDrawTest, AProjectThatCannotNameItsFilesIsNotSaved) {
  test::RegisterFixtureDb(RenameHole("ZK01", "Z😀1"));
  const std::string folder = test::TempRoot() + "/nogbk";
  fs::create_directories(folder);
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::string error;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "Z😀1", &error)) << error;
  EXPECT_FALSE(chart.CreateChartProject(folder, &error)) << "a project without its members is no success";
  EXPECT_NE(error.find("Z😀1.mpj"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder + "/Z😀1.mpj"));
}

TEST_F(ChartDrawTest, AHoleAfterAFailedOneStartsAfresh) {
  const std::string db = test::RegisterFixtureDb("ALTER TABLE geolayercolor RENAME TO hidden;");
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::string error;
  EXPECT_FALSE(chart.DrawColumns(kScale500, "1001", "ZK01", &error));
  test::BuildSqliteDb(db);
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error)) << error;
  test::ExpectMatchesGolden(test::DumpChart(Areas()), "borehole/zk01_downward.txt");
}

TEST_F(ChartDrawTest, PlacementsWorkOverTheRowsReadAndNothingPrintsNan) {
  test::RegisterFixtureDb(
      "INSERT INTO zkinfok (工程编号, 终孔深度, 分层数, 矿区代码) VALUES ('FLAG0', '10', '0', '1001');"
      "INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 层号, 地质描述, 自孔深, 至孔深, 岩心长) VALUES"
      " ('1001', 'FLAG0', '甲层', '1', '甲。', '0', '5', '4'),"
      " ('1001', 'FLAG0', '乙层', '2', '乙。', '5', '5', '0'),"
      " ('1001', 'FLAG0', '丙层', '3', '丙。', '5', '10', '5');"
      "INSERT INTO zkinfok (工程编号, 终孔深度, 分层数, 矿区代码) VALUES ('EMPTY', '10', '3', '1001');");
  for (int16_t mode : {-1, 0, 1}) {
    SCOPED_TRACE(mode);
    const std::string dump = Draw(mode, "FLAG0");
    for (const char* label : {"甲层", "乙层", "丙层"}) EXPECT_TRUE(test::FindText(points_, label).found) << label;
    EXPECT_EQ(dump.find("nan"), std::string::npos);
    EXPECT_EQ(dump.find("inf"), std::string::npos);
    EXPECT_NE(dump.find("| 0.00| h=2.50"), std::string::npos) << "the empty layer's thickness";
    EXPECT_NE(dump.find("at 65.50,-13.00 || h=2.50"), std::string::npos) << "its recovery is empty";

    const std::string empty = Draw(mode, "EMPTY");
    EXPECT_TRUE(drawn_);
    EXPECT_TRUE(test::FindText(points_, "地质描述").found);
    EXPECT_EQ(empty.find("nan"), std::string::npos);
  }
}

TEST_F(ChartDrawTest, AModeOutsideTheMenusDrawsNoDescriptions) {
  test::RegisterFixtureDb();
  Draw(5);
  EXPECT_TRUE(drawn_);
  EXPECT_FALSE(test::FindText(points_, "地质描述").found);
  EXPECT_TRUE(test::FindText(points_, "层号").found);
}

}  // namespace
}  // namespace zv::chart
