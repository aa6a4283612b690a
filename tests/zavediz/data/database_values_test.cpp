// Database values a sound reading must survive: depth and distance columns
// kept as text (the database sorts them as text), and numbers too large for
// paper once scaled to mm.
#include <gtest/gtest.h>

#include "tests/framework/odbc/borehole_db_fixture.h"
#include "zavediz/data/borehole_section.h"
#include "zavediz/data/survey_line.h"
#include "zavediz/plan/section_geometry.h"

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

TEST(DatabaseValues, StationsAndSurveyPointsComeInNumericOrder) {
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

int32_t Entities(WorkAreaHandle area, int kind) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, kind, &live, &bound);
  return live;
}

TEST(DatabaseValues, NumbersTooLargeForPaperDrawNothing) {
  SectionData data;
  data.groundEnd = D_DOT{1000.0, 0.0};
  data.sectionScale = 1000;
  StoreZavedizGeometry(data);
  data.bottomRight = data.sectionEnd;
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const ZavedizAreas areas{BasCreateLineWorkArea(set), BasCreatePointWorkArea(set), BasCreateRegionWorkArea(set)};
  ZavedizWriter out(areas);

  HoleRecords hole;
  hole.found = true;
  hole.collar = {0.0, 100.0, 100.0, 1e308};
  EXPECT_EQ(DrawHole(out, data, "ZK1", hole, 30.0), HoleStatus::kOffSection);
  EXPECT_EQ(Entities(areas.line, kLineEntity) + Entities(areas.point, kPointEntity), 0);

  hole.collar.depth = 50.0;
  hole.samples = {{"S1", 10.0, 1e308}, {"S2", 20.0, 22.0}};
  EXPECT_EQ(DrawHole(out, data, "ZK1", hole, 30.0), HoleStatus::kDrawn);
  EXPECT_EQ(Entities(areas.region, kRegionEntity), 1);
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv::zavediz
