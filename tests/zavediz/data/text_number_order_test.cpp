// Depth and distance columns kept as text: the database sorts them as text,
// the program must still walk the stations by their numeric values.
#include <gtest/gtest.h>

#include "tests/framework/odbc/borehole_db_fixture.h"
#include "zavediz/data/borehole_section.h"
#include "zavediz/data/survey_line.h"

namespace zv::zavediz {
namespace {

constexpr const char* kTextColumns = R"(
DROP TABLE drilmeas;
CREATE TABLE drilmeas ("矿区代码" TEXT, "工程编号" TEXT, "测量次序" TEXT, "孔深" TEXT, "天顶角" TEXT, "方位角" TEXT);
INSERT INTO drilmeas VALUES ('4001', 'ZKT', '3', '1000', '9°', '90°'), ('4001', 'ZKT', '2', '150', '6°', '90°'),
  ('4001', 'ZKT', '1', ' 50', '3°', '90°');
DROP TABLE TPMK001;
CREATE TABLE TPMK001 ("序号" TEXT, "点名" TEXT, "相对平距" TEXT, "高程" TEXT, "矿区代码" TEXT, "勘探线号" TEXT);
INSERT INTO TPMK001 VALUES ('3', 'T2', '1000', '3', '1001', 'T'), ('2', 'T1', '150', '2', '1001', 'T'),
  ('1', 'T0', '50', '1', '1001', 'T');
)";

TEST(TextNumberOrder, StationsAndSurveyPointsComeInNumericOrder) {
  test::RegisterFixtureDb(kTextColumns);

  chart::ChartDb db("kof");
  const HoleRecords hole = ReadHoleRecords(db, "4001", "ZKT");
  ASSERT_EQ(hole.stations.size(), 3u);
  EXPECT_EQ(hole.stations[0].depth, 50.0);
  EXPECT_EQ(hole.stations[0].inclination, "3°");
  EXPECT_EQ(hole.stations[1].depth, 150.0);
  EXPECT_EQ(hole.stations[2].depth, 1000.0);

  std::vector<SurveyStation> stations;
  std::string error;
  ASSERT_TRUE(ReadSurveyStations("kof", "1001", "T", &stations, &error)) << error;
  ASSERT_EQ(stations.size(), 3u);
  EXPECT_EQ(stations[0].name, "T0");
  EXPECT_EQ(stations[1].name, "T1");
  EXPECT_EQ(stations[2].name, "T2");
}

}  // namespace
}  // namespace zv::zavediz
