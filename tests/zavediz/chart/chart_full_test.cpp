// The whole chart of ZK01 with every column on, compared entity by entity
// with committed lists at three chart widths, and the errors of the later
// columns: each ends that hole's drawing with one message, the next hole
// starts afresh.
#include <filesystem>

#include "tests/zavediz/chart/chart_column_fixture.h"
#include "zavediz/chart/borehole_chart.h"

namespace fs = std::filesystem;

namespace zv::chart {
namespace {

using test::ChartColumnTest;

class FullChartTest : public ChartColumnTest {
 protected:
  bool Draw(BoreholeChart& chart, const std::string& hole, std::string* error) {
    error->clear();
    return chart.DrawColumns(kScale500, "1001", hole, error);
  }
};

TEST_F(FullChartTest, EveryColumnDrawsTheCommittedEntitiesAtEachWidth) {
  const struct {
    const char* width;
    const char* golden;
    const char* tableTitle;  // the deviation table's title: narrow at 12.4, wide at 36
    const char* blockBottom;
  } cases[] = {
      {"369.99", "borehole/zk01_full_369.99.txt", "12.40,-220.00", "-298.00"},
      {"370", "borehole/zk01_full_370.txt", "36.00,-220.00", "-280.00"},
      {"400", "borehole/zk01_full_400.txt", "36.00,-220.00", "-280.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    test::RegisterFixtureDb(test::FullLayoutSql() + test::ChartWidthSql(c.width));
    BoreholeChart chart(Areas(), -1, "kof", 502);
    std::string error;
    ASSERT_TRUE(Draw(chart, "ZK01", &error)) << error;
    const std::string dump = test::DumpChart(Areas());
    test::ExpectMatchesGolden(dump, c.golden);
    EXPECT_NE(dump.find(std::string("P kind=0 at ") + c.tableTitle + " |钻孔弯曲度测量结果表|"), std::string::npos);
    EXPECT_NE(dump.find(std::string(",") + c.blockBottom + " " + c.width), std::string::npos) << "the block's bottom";
  }
}

TEST_F(FullChartTest, ALaterColumnsErrorStopsTheHoleWithOneMessage) {
  const struct {
    const char* name;
    const char* sql;
    const char* expected;
  } cases[] = {
      {"a drilsamh row with too few fields",
       "DROP TABLE drilsamh; CREATE TABLE drilsamh (矿区代码 TEXT, 工程编号 TEXT, 样号 TEXT, 自孔深 TEXT, 至孔深 TEXT, c5, c6,"
       " c7, c8, c9, c10, c11, c12, c13, c14, c15, c16, c17, c18, c19, c20, c21, c22, c23);"
       " INSERT INTO drilsamh (矿区代码, 工程编号, 自孔深) VALUES ('1001', 'ZK01', '0');",
       "drilsamh"},
      {"element missing", "DROP TABLE element;", "element"},
      {"drilhydr03 missing", "DROP TABLE drilhydr03;", "drilhydr03"},
      {"drilmeam missing", "DROP TABLE drilmeam;", "drilmeam"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::RegisterFixtureDb(test::FullLayoutSql() + c.sql);
    BoreholeChart chart(Areas(), -1, "kof", 502);
    std::string error;
    EXPECT_FALSE(Draw(chart, "ZK01", &error));
    EXPECT_NE(error.find(c.expected), std::string::npos) << error;
  }
}

TEST_F(FullChartTest, AnUnreachableDatabaseFailsOneHoleAndTheNextIsDrawnOnceItIsBack) {
  const std::string db = test::RegisterFixtureDb(test::FullLayoutSql() + test::ChartWidthSql("400"));
  const std::string folder = test::TempRoot() + "/unreachable";
  fs::create_directories(folder);
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::vector<std::string> messages;
  auto drawAndSave = [&](const std::string& hole) {
    std::string error;
    if (!Draw(chart, hole, &error) || !chart.CreateChartProject(folder, &error)) messages.push_back(error);
  };
  drawAndSave("ZK01");
  // A folder stands where the database file was, then the file is back.
  fs::rename(db, db + ".away");
  fs::create_directory(db);
  drawAndSave("ZK'02");
  fs::remove(db);
  fs::rename(db + ".away", db);
  drawAndSave("ZK03");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_FALSE(messages[0].empty());
  EXPECT_TRUE(fs::exists(folder + "/ZK01.mpj"));
  EXPECT_FALSE(fs::exists(folder + "/ZK'02.mpj"));
  EXPECT_TRUE(fs::exists(folder + "/ZK03.mpj"));
  EXPECT_TRUE(test::FindText(points_, "孔    号:ZK03").found);

  // With the database back, the hole with a quote in its id draws whole.
  drawAndSave("ZK'02");
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(fs::exists(folder + "/ZK'02.mpj"));
  EXPECT_TRUE(test::FindText(points_, "钻孔弯曲度测量结果表").found);
}

TEST_F(FullChartTest, ADatabaseRemovedBetweenTwoHolesIsReportedAndNotMadeAgainEmpty) {
  const std::string db = test::RegisterFixtureDb(test::FullLayoutSql());
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::string error;
  ASSERT_TRUE(Draw(chart, "ZK01", &error)) << error;
  fs::remove(db);
  EXPECT_FALSE(Draw(chart, "ZK01", &error));
  EXPECT_EQ(error, "打开数据源失败\n" + db + ": 文件不存在");
  EXPECT_FALSE(fs::exists(db)) << "the driver would leave an empty database there";
}

TEST_F(FullChartTest, AHoleIdStoredAsGbkBytesDrawsTheSameChart) {
  test::RegisterFixtureDb(test::FullLayoutSql() + test::ChartWidthSql("400"));
  BoreholeChart chart(Areas(), -1, "kof", 502);
  std::string error;
  ASSERT_TRUE(Draw(chart, "ZK01", &error)) << error;
  const std::string utf8Dump = test::DumpChart(Areas());

  // Written on Chinese Windows: the id 钻01 as GBK bytes in every table.
  std::string sql = test::FullLayoutSql() + test::ChartWidthSql("400");
  for (const char* table : {"zkinfok", "drilgeo2", "geolayercolor", "drilsamh", "drilore", "drilflag", "drilspec",
                            "drilhydr", "drilhydr01", "drilhydr02", "drilhydr03", "drilmeas", "drilmeam"})
    sql += std::string("UPDATE ") + table + " SET 工程编号 = CAST(X'D7EA3031' AS TEXT) WHERE 工程编号 = 'ZK01';";
  test::RegisterFixtureDb(sql);
  ASSERT_TRUE(Draw(chart, "钻01", &error)) << error;
  std::string gbkDump = test::DumpChart(Areas());
  EXPECT_TRUE(test::FindText(points_, "孔    号:钻01").found);
  for (std::size_t at; (at = gbkDump.find("钻01")) != std::string::npos;) gbkDump.replace(at, 5, "ZK01");
  EXPECT_EQ(gbkDump, utf8Dump) << "every column finds the hole's rows";
}

}  // namespace
}  // namespace zv::chart
