// Drilled holes of the fixture database drawn into the section of its line 3
// (1:2000, from ground (1000, 2000) east to (2000, 2000)).
#include "zavediz/data/borehole_section.h"

#include <gtest/gtest.h>

#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "zavediz/data/survey_line.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/plan/section_geometry.h"

namespace zv::zavediz {
namespace {

class BoreholeSectionTest : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    test::RegisterFixtureDb();
    data_.headerSet = true;
    data_.planScale = 1000;
    data_.sectionScale = 2000;
    data_.groundStart = {1000, 2000};
    data_.groundEnd = {2000, 2000};
    StoreZavedizGeometry(data_);
    std::vector<SurveyStation> stations;
    std::string error;
    ASSERT_TRUE(ReadSurveyStations("kof", "1001", "3", &stations, &error)) << error;
    AppendSurveyProfile(stations, data_.sectionScale, data_.terrain);
    ASSERT_NE(CutZavediz(data_, 2, 30.0).operation, 0);
    target_ = {&data_, true, ZavedizAreas{lines_, points_, regions_}, 30.0};
  }
  std::vector<std::string> Draw(const std::vector<std::string>& holes, const std::string& source = "kof") {
    std::vector<std::string> told;
    DrawBoreholes(source, "4001", holes, target_, [&](const std::string& text) { told.push_back(text); });
    return told;
  }
  std::string Dump() const { return test::DumpChart(target_.areas); }

  SectionData data_;
  BoreholeTarget target_;
};

TEST_F(BoreholeSectionTest, HolesAreDrawnWithCollarsTracesDepthsAndSamples) {
  const LIN_INFO line = *BasGetDefaultLineParam();
  const REG_INFO region = *BasGetDefaultRegionParam();
  const PNT_INFO text = *BasGetDefaultPointParam(0);

  EXPECT_EQ(Draw({"ZK'C", "ZKA", "ZKB", "ZKD", "NOPE"}),
            (std::vector<std::string>{kOffSectionMessage, kOffSectionMessage}))
      << "behind the start, and missing from zkinfok";
  const std::string dump = Dump();
  test::ExpectMatchesGolden(dump, "borehole/section_holes.txt");
  EXPECT_NE(dump.find("|ZK'C|"), std::string::npos) << "a quote in the id reads its hole";
  EXPECT_NE(dump.find("| 85.50m|"), std::string::npos);
  EXPECT_EQ(dump.find("ZKD"), std::string::npos);

  EXPECT_EQ(std::memcmp(&line, BasGetDefaultLineParam(), sizeof line), 0) << "the defaults are left as they were";
  EXPECT_EQ(std::memcmp(&region, BasGetDefaultRegionParam(), sizeof region), 0);
  EXPECT_EQ(std::memcmp(&text, BasGetDefaultPointParam(0), sizeof text), 0);
}

TEST_F(BoreholeSectionTest, WithoutASectionEveryHoleIsToldAndNothingIsRead) {
  const std::vector<std::string> none(2, kNoSectionMessage);
  target_.drawn = false;
  EXPECT_EQ(Draw({"ZKA", "ZKB"}, "nothere"), none);
  target_.drawn = true;
  data_.terrain.RemoveAll();
  EXPECT_EQ(Draw({"ZKA", "ZKB"}, "nothere"), none);
  target_.data = nullptr;  // the plan document closed since the drawing
  EXPECT_EQ(Draw({"ZKA", "ZKB"}, "nothere"), none);
  EXPECT_EQ(Dump(), "");
}

TEST_F(BoreholeSectionTest, ADatabaseFailureIsToldOnceAndEndsTheRun) {
  struct Case {
    const char* name;
    const char* dropSql;
    const char* source;
    const char* toldStart;
  };
  const Case cases[] = {
      {"connect", "", "nothere", "打开数据源失败"},
      {"zkinfok", "DROP TABLE zkinfok;", "kof", "zkinfok: "},
      {"surveys", "DROP TABLE drilmeas;", "kof", "DRILMEAS: "},
      {"samples", "DROP TABLE drilsamh;", "kof", "DRILSAMH: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RegisterFixtureDb(c.dropSql);
    const std::vector<std::string> told = Draw({"ZKA", "ZKB"}, c.source);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].starts_with(c.toldStart)) << told[0];
    EXPECT_EQ(Dump(), "") << "the failing hole draws nothing";
  }
}

}  // namespace
}  // namespace zv::zavediz
