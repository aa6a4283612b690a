#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "framework/text/numbers.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "zavediz/chart/chart_header.h"
#include "zavediz/chart/custom_chart.h"
#include "zavediz/chart/custom_chart_utils.h"
#include "zavediz/chart/custom_first_columns.h"
#include "zavediz/chart/custom_hole_header.h"
#include "zavediz/dialogs/title_block_rows.h"

namespace zv::chart {
namespace {

constexpr float kScale500 = 500 * 0.005f;

// zkinfok made again with its azimuth column REAL, as a converted Access
// database holds it, and ZK01's azimuth stored as the number 135.
std::string RealAzimuthSql() {
  std::ifstream script(test::DataPath("borehole/borehole_fixture.sql"));
  std::string line;
  while (std::getline(script, line) && line.rfind("CREATE TABLE \"zkinfok\"", 0) != 0) {
  }
  const std::string textColumn = "\"终孔方位\" TEXT";
  line.replace(line.find(textColumn), textColumn.size(), "\"终孔方位\" REAL");
  return "ALTER TABLE zkinfok RENAME TO zkinfok_text;" + line +
         "INSERT INTO zkinfok SELECT * FROM zkinfok_text; DROP TABLE zkinfok_text;"
         "UPDATE zkinfok SET 终孔方位 = 135 WHERE 工程编号 = 'ZK01';";
}

// Every expected entity is one whole line of the dump.
void ExpectEntities(const std::string& dump, const std::vector<std::string>& entities) {
  const std::string all = "\n" + dump;
  for (const std::string& entity : entities)
    EXPECT_NE(all.find("\n" + entity + "\n"), std::string::npos) << "missing: " << entity << "\nin:\n" << dump;
}

int Count(const std::string& dump, const std::string& part) {
  int n = 0;
  for (std::size_t at = dump.find(part); at != std::string::npos; at = dump.find(part, at + 1)) ++n;
  return n;
}

class CustomChartTest : public test::WorkAreasTest {
 protected:
  ChartAreas Areas() const { return {lines_, points_, regions_}; }

  void Load(const std::string& sql = "", const std::string& hole = "ZK01", float scale = kScale500) {
    test::RegisterFixtureDb(sql);
    ref_ = {"kof", scale, "1001", hole};
    layout_ = {};
    ReadChartParameters(layout_, "kof", scale, "1001", hole);
  }

  // Runs drawers into emptied areas, one segment chain for all; the dump.
  std::string Run(const std::vector<std::pair<void (*)(CustomChartContext&, int), int>>& drawers,
                  int16_t mode = -1) {
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    BasClearWorkArea(regions_);
    ChartWriter writer(Areas());
    CustomChartContext chart{layout_, writer, ref_, mode, 502};
    for (const auto& [draw, index] : drawers) draw(chart, index);
    return test::DumpChart(Areas());
  }

  HoleRef ref_;
  CustomChartLayout layout_;
};

TEST_F(CustomChartTest, TheLayoutIsReadInItsOrderWithItsSpecialRowsAndTheHolesDepth) {
  Load();
  EXPECT_EQ(layout_.chartWidth, 200.0f);
  EXPECT_EQ(layout_.chartColIndex, 7);
  EXPECT_EQ(layout_.descColIndex, 8);
  EXPECT_EQ(layout_.f1ColIndex, 9);
  EXPECT_EQ(layout_.columns[0].Text(ChartColumn::kTitle), "地层");
  EXPECT_EQ(layout_.layerCount, 3);
  EXPECT_DOUBLE_EQ(layout_.chartDepth, 200.0);  // 100 m at 1:500
  EXPECT_EQ(layout_.params[5].Size(), 2.5);

  // The special rows may stand anywhere; option 1 of 柱状图 takes field 38.
  Load("UPDATE 栏目选择1 SET 原序号 = 20 WHERE 栏目名称 = 'F1';"
       "UPDATE 栏目选择1 SET 原序号 = -1, 选项 = '1' WHERE 栏目名称 = '柱状图';");
  EXPECT_EQ(layout_.chartColIndex, 0);
  EXPECT_EQ(layout_.f1ColIndex, 10);
  EXPECT_EQ(layout_.descColIndex, 8);
  EXPECT_TRUE(layout_.Corrected());
  EXPECT_DOUBLE_EQ(layout_.chartDepth, 98 * 2.0);

  // No such rows: no index, option 0; 35 rows keep 34, the last is ignored.
  std::string more = "DELETE FROM 栏目选择1 WHERE 栏目名称 IN ('柱状图', 'F1', '地质描述');";
  for (int i = 0; i < 27; ++i)
    more += "INSERT INTO 栏目选择1 VALUES ('99', '', '备用', '0', '0', '0', '0', '" + std::to_string(i == 26 ? 999 : 1) +
            "', '0', " + std::to_string(100 + i) + ");";
  Load(more);
  EXPECT_EQ(layout_.chartColIndex, kNoRow);
  EXPECT_EQ(layout_.f1ColIndex, kNoRow);
  EXPECT_EQ(layout_.descColIndex, kNoRow);
  EXPECT_FALSE(layout_.Corrected());
  EXPECT_EQ(layout_.chartWidth, 80.0f) << "the 35th row, 999 mm to the right, is not read";
}

TEST_F(CustomChartTest, DipsShowNinetyDegreesLessTheStoredAngle) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"60°30′", "29°30′"}, {"45°15′", "44°45′"}, {"75", "15°"},       {"0", "90°"},
      {"", "90°"},          {"75°30", "15°"},     {"60°20′", "29°40′"}, {"60°20′30″", "29°39′30″"},
  };
  for (const auto& c : cases) EXPECT_EQ(CustomDipText(c.stored), std::string("终 孔 倾 角: ") + c.shown) << c.stored;
  EXPECT_EQ(AzimuthText("135"), "终 孔 方 位: 135°");
  EXPECT_EQ(AzimuthText("135°20′"), "终 孔 方 位: 135°20′");
}

TEST_F(CustomChartTest, TitlesShrinkTheirSpacingThenTheirSizeAndStop) {
  const TitleFit fit = FitTitle(40, 300.0);
  EXPECT_EQ(fit.height, 10.0);
  EXPECT_LT(std::fabs(fit.spacing), 1e-6);
  EXPECT_NEAR(TitleX(300.0, 40, fit.height, fit.spacing), 50.0, 1e-4);
  const TitleFit empty = FitTitle(0, 90.0);  // never fits: ends at the smallest size
  EXPECT_EQ(empty.height, 2.0);
}

TEST_F(CustomChartTest, TheHoleHeaderStandsAboveTheHeaderWithTheFrameBelow) {
  Load();
  layout_.headerTop = 40.0;  // a header file's height: H = 45
  ChartWriter writer(Areas());
  writer.SetLineWidths(0.15f, 0.7f);
  CustomChartContext chart{layout_, writer, ref_, -1, 502};
  DrawHoleHeader(chart);
  EXPECT_EQ(layout_.holeName, "ZK01");
  const std::string all = test::DumpChart(Areas());
  // The title: 22 bytes on 200 mm fit at size 9 with no spacing.
  ExpectEntities(all, {
      "P kind=0 at 50.50,85.00 |金山矿区ZK01钻孔柱状图| h=9.00 w=9.00 g=0.00 font=3 style=0 colour=1 layer=0",
      "P kind=0 at 5.00,65.00 |开孔日期：2020-01-02| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 5.00,55.00 |终孔日期：2020-03-04| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 5.00,45.00 |终孔深度：100.00m| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 90.50,65.00 |勘探线号:3| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 90.50,45.00 |孔    号:ZK01| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 147.00,65.00 |孔口坐标 | h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 165.00,65.00 |X: 3512345.678| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 165.00,60.00 |Y: 40512345.123| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 165.00,55.00 |H: 1234.56| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 147.00,50.00 |终 孔 倾 角: 29°40′| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 147.00,45.00 |终 孔 方 位: 123°| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "L style=1 colour=1 width=0.70 layer=0 200.00,0.00 200.00,-200.00 0.00,-200.00 0.00,0.00",
  });
}

TEST_F(CustomChartTest, FirstColumnsOfTheFixtureHole) {
  Load();
  const std::string dump = Run({{DrawLayerNameColumn, 0}, {DrawStrataColumns, 1}, {DrawStrataColumns, 2},
                                {DrawStrataColumns, 3}, {DrawStrataColumns, 4}, {DrawStrataColumns, 5},
                                {DrawStrataColumns, 6}, {DrawLithologyColumn, 7}});
  ExpectEntities(dump, {
      // layer names: name and boundary, none at the hole's bottom; the edge
      "P kind=0 at 1.00,-10.60 |Q| h=3.00 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "L style=1 colour=1 width=0.10 layer=2 0.00,-21.20 10.00,-21.20",
      "P kind=0 at 1.00,-110.60 |γ5| h=3.00 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "L style=1 colour=1 width=0.10 layer=2 10.00,0.00 10.00,-200.00",
      // designation, centred for a 4 mm label, size of parameter row 10
      "P kind=0 at 13.00,-20.10 |1| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 13.00,-23.60 |2| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=2",
      // depths: the second layer's label moved down by 2.5 + 1
      "P kind=0 at 20.50,-20.10 |0.00| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 20.50,-23.60 |10.30| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 32.50,-199.50 |100.00| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 44.50,-199.50 |89.40| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 56.50,-20.10 |9.80| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      // recovery in whole percent
      "P kind=0 at 68.50,-20.10 |95| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 68.50,-23.60 |100| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 68.50,-199.50 |95| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      // the first boundary of each column is a plain line, the rest a chain
      "L style=1 colour=1 width=0.10 layer=2 68.00,-20.60 80.00,-20.60",
      "L style=1 colour=1 width=0.10 layer=2 79.00,-24.10 80.00,-21.20",
      "L style=1 colour=1 width=0.10 layer=2 68.00,-24.10 79.00,-24.10",
      "L style=1 colour=1 width=0.50 layer=2 68.00,-200.00 80.00,-200.00",
      // lithology: boundaries, the typed one in colour 6, and the scale
      "L style=1 colour=1 width=0.10 layer=2 80.00,-20.60 110.00,-20.60",
      "L style=80 colour=6 width=0.25 layer=2 coef=3.00,3.00 80.00,-21.20 110.00,-21.20",
      "P kind=0 at 90.50,4.11 |1 ∶500| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=0 layer=0",
  });
  EXPECT_EQ(Count(dump, "width=0.50"), 1) << "only the chain's newest segment is outer wide";
  // Boxes: the layer colour holding the centre, pattern 200 always 1.
  EXPECT_EQ(Count(dump, "R pattern=101 fill=23 ph=5.00 layer=2 "), 1) << dump;
  EXPECT_EQ(Count(dump, "R pattern=200 fill=1 ph=4.00 layer=2 "), 1);
  EXPECT_EQ(Count(dump, "R pattern=300 fill=45 ph=6.00 layer=2 "), 1);
}

// Three layers of 0.5 m at 1:200 with a 3 mm depth text, a fourth of no
// length, and a hole below 1000 m.
constexpr const char* kThinLayers =
    "UPDATE 柱状参数 SET c5 = '3.0' WHERE c0 = '5';"
    "INSERT INTO zkinfok (工程编号, 终孔深度, 矿区代码) VALUES ('ZK09', '20', '1001'), ('ZK10', '1002', '1001');"
    "INSERT INTO drilgeo2 (矿区代码, 工程编号, 层号, 自孔深, 至孔深, 岩心长) VALUES"
    " ('1001', 'ZK09', '1', '0', '0.5', '0.5'), ('1001', 'ZK09', '2', '0.5', '1.0', '0.29'),"
    " ('1001', 'ZK09', '3', '1.0', '1.5', '0'), ('1001', 'ZK09', '4', '1.5', '1.5', '0'),"
    " ('1001', 'ZK10', '1', '1000', '1002', '2');";

TEST_F(CustomChartTest, ThinLayersMoveTheirLabelsDownWithTicksToTheTrueBoundaries) {
  Load(kThinLayers, "ZK09", 1.0f);
  const std::string dump = Run({{DrawStrataColumns, 2}, {DrawStrataColumns, 6}});
  ExpectEntities(dump, {
      "L style=1 colour=1 width=0.10 layer=2 20.00,-2.50 32.00,-2.50",
      "L style=1 colour=1 width=0.10 layer=2 20.00,-6.50 32.00,-6.50",
      "L style=1 colour=1 width=0.10 layer=2 20.00,-10.50 32.00,-10.50",
      "P kind=0 at 20.50,-2.00 |0.00| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 20.50,-6.00 |0.50| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 20.50,-10.00 |1.00| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=2",
      "L style=1 colour=1 width=0.10 layer=2 79.00,-6.50 80.00,-5.00",
      "L style=1 colour=1 width=0.10 layer=2 68.00,-6.50 79.00,-6.50",
      "L style=1 colour=1 width=0.10 layer=2 79.00,-10.50 80.00,-7.50",
      // whole percent: 0.29 of 0.5 m is 58, not 57; no length, no recovery
      "P kind=0 at 68.50,-2.00 |100| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 68.50,-6.00 |58| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 68.50,-10.00 |0| h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "P kind=0 at 68.50,-14.00 || h=2.50 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
      "L style=1 colour=1 width=0.50 layer=2 68.00,-14.50 79.00,-14.50",
  });
  EXPECT_EQ(Count(dump, "width=0.50"), 1);

  Load(kThinLayers, "ZK10", 1.0f);
  ExpectEntities(Run({{DrawStrataColumns, 2}}),
                 {"P kind=0 at 20.50,-5009.50 |1000.00| h=3.00 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2"});
}

TEST_F(CustomChartTest, NumberTextsByTheirDecimals) {
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {{0.29 / 1 * 100, 0, "29"}, {-2.7, 0, "-2"}, {75.0, 0, "75"}, {1.25, 1, "  1.2"},
               {3.14159, 5, "3.14159"}, {10.456, 2, "10.46"}, {7.0, 6, ""},    {7.0, -1, ""}};
  for (const auto& c : cases) EXPECT_EQ(FormatColumnNumber(c.value, c.decimals), c.text) << c.value;
  EXPECT_EQ(DecimalFormat(3), "%5.3f");
  EXPECT_EQ(DecimalFormat(0), "");
  EXPECT_EQ(TrimLeadingBlanks("    3"), "3");
  EXPECT_EQ(TrimLeadingBlanks(" 1.25"), "1.25");
  EXPECT_EQ(TrimLeadingBlanks("   "), "");
  EXPECT_EQ(TrimLeadingBlanks("1 2"), "1 2");
}

TEST_F(CustomChartTest, OreIntervalsColourTheLayersExceptInTheRareEarthChart) {
  const std::string longerOre = "UPDATE drilore SET 自孔深 = '50', 至孔深 = '60' WHERE 矿体编号 = '①';";
  Load(longerOre);
  EXPECT_EQ(Count(Run({{DrawLithologyColumn, 7}}), "R pattern=300 fill=175 ph=6.00 layer=2 "), 1);
  const std::string rareEarth = Run({{DrawLithologyColumn, 7}}, kRareEarthMode);
  EXPECT_EQ(Count(rareEarth, "R pattern=300 fill=45 ph=6.00 layer=2 "), 1);
  EXPECT_EQ(Count(rareEarth, "R pattern=0 fill=175 ph=0.00 layer=2 "), 1);
  EXPECT_EQ(Count(rareEarth, "R pattern=0 fill=174 ph=0.00 layer=2 "), 1);

  // F1 off: no ore boxes at all.
  Load(longerOre + "UPDATE 栏目选择1 SET 选项 = '0' WHERE 栏目名称 = 'F1';");
  EXPECT_EQ(Count(Run({{DrawLithologyColumn, 7}}), "R pattern=300 fill=45 ph=6.00 layer=2 "), 1);
}

TEST_F(CustomChartTest, CorrectedDepthsMarkLayersShortenedByMoreThanATenth) {
  Load("UPDATE 栏目选择1 SET 选项 = '1' WHERE 栏目名称 = '柱状图';");
  const std::string dump = Run({{DrawLithologyColumn, 7}, {DrawLayerNameColumn, 0}});
  ExpectEntities(dump, {
      "P kind=1 at 80.00,-8.00 || sub=502 h=10.00 w=60.00 layer=2",
      "P kind=1 at 80.00,-106.20 || sub=502 h=10.00 w=60.00 layer=2",
      "P kind=0 at 1.00,-10.20 |Q| h=3.00 w=2.50 g=0.00 font=1 style=0 colour=1 layer=2",
  });
  EXPECT_EQ(Count(dump, "P kind=1 "), 2) << "0.3 m against 0.2 m is not shortened by more than 0.1";
}

TEST_F(CustomChartTest, ALayerNameColumnNotShownExactlyOnceDrawsOnlyItsEdge) {
  Load("UPDATE 栏目选择1 SET 绘制 = '2' WHERE 栏目名称 = '地层';");
  EXPECT_EQ(Run({{DrawLayerNameColumn, 0}}), "L style=1 colour=1 width=0.10 layer=2 10.00,0.00 10.00,-200.00\n");
}

TEST_F(CustomChartTest, TitleBlocksStandUnderTheChartByItsWidthAndTheSurveyRows) {
  EXPECT_EQ(TitleBlockBase(400, 200, 10) - 81.0, -280.0);
  EXPECT_EQ(TitleBlockBase(400, 200, 15) - 81.0, -298.0);
  EXPECT_EQ(TitleBlockBase(370, 200, 10) - 81.0, -298.0) << "370 exactly is the lower block";
  EXPECT_EQ(TitleBlockBase(370, 200, 15) - 81.0, -298.0);
}

class CustomChartRunTest : public CustomChartTest {
 protected:
  CustomChart MakeChart(int16_t mode = -1) {
    CustomChartHooks hooks;
    hooks.tell = [this](const std::string& m) { messages_.push_back(m); };
    hooks.askTitleBlock = [this](const zavediz::TitleBlockPreset& preset,
                                 std::array<TitleRow, kTitleRowCount>& rows) {
      presets_.push_back(preset);
      rows = zavediz::BuildRows(zavediz::DefaultTitleBlock()).rows;
      return confirm_;
    };
    return CustomChart(Areas(), mode, "kof", {0.15f, 0.7f, 502}, ChartHeaderPath(), hooks);
  }

  std::vector<std::string> messages_;
  std::vector<zavediz::TitleBlockPreset> presets_;
  bool confirm_ = true;
};

TEST_F(CustomChartRunTest, AHoleIsDrawnUnderItsHeaderWithTheTitleBlockAndTheNarrowTables) {
  Load();
  BasAppendPoint(points_, {5, 5}, "表头", PNT_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 40}, {200, 40}}, LIN_INFO{});
  ASSERT_TRUE(SaveChartHeader(ChartHeaderPath(), 40.0, Areas(), [](const std::string&) {}));
  PNT_INFO defaults;
  BasGetDefaultPointParam(&defaults, 0);

  CustomChart chart = MakeChart();
  std::string error;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error)) << error;
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(test::FindText(points_, "表头").found);
  const test::FoundText start = test::FindText(points_, "开孔日期：2020-01-02");
  EXPECT_EQ(start.y, 40.0 + 5 + 20) << "the hole header stands on the file's header height";
  EXPECT_TRUE(test::FindText(points_, "钻孔弯曲度测量结果表").found);

  ASSERT_EQ(presets_.size(), 1u);
  EXPECT_EQ(presets_[0].unit, "某某地质勘查院");
  EXPECT_EQ(presets_[0].title, "金山矿区ZK01钻孔柱状图");
  EXPECT_EQ(presets_[0].column1[0], "张三");
  EXPECT_EQ(presets_[0].column2[1], "1∶ 500");
  EXPECT_EQ(presets_[0].column2[3], "1");
  EXPECT_EQ(presets_[0].column2[4], "A-") << "a field of 3 bytes holds 2";
  const std::string dump = test::DumpChart(Areas());
  // The block's frame: 3 rows of the defaults under a 200 mm chart.
  const std::array<TitleRow, kTitleRowCount>& rows = chart.layout().titleRows;
  const double top = -200 - 17 - 81 + [&] {
    double h = 0;
    for (const TitleRow& r : rows)
      if (!r.kind.empty() && (r.kind[0] == '0' || r.kind[0] == '1')) h += r.contentHeight;
    return h;
  }();
  EXPECT_NE(dump.find("L style=1 colour=1 width=0.20 layer=0 coef=8.00,8.00 200.00,-298.00 200.00," +
                      num::Format("%.2f", top)),
            std::string::npos)
      << dump;
  PNT_INFO after;
  BasGetDefaultPointParam(&after, 0);
  EXPECT_EQ(std::memcmp(after.bytes, defaults.bytes, sizeof defaults.bytes), 0) << "the defaults stay the user's";

  // Cancelled: the rows confirmed before are drawn again.
  confirm_ = false;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error)) << error;
  EXPECT_EQ(test::DumpChart(Areas()), dump);
}

TEST_F(CustomChartRunTest, HolesAreSavedPointsBeforeLinesAndReadFailuresStopOnlyTheirHole) {
  Load();
  const std::string folder = test::TempRoot() + "/charts";
  std::filesystem::create_directories(folder);
  CustomChart chart = MakeChart();
  confirm_ = false;  // no row in use: the block draws its empty frame only
  std::string error;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error)) << error;
  EXPECT_EQ(messages_, std::vector<std::string>{"请先设计柱状图表头文件."});
  ASSERT_TRUE(chart.SaveChart(folder, &error)) << error;
  test::ExpectChartProject(folder, "ZK01", {".wp", ".wt", ".wl"});

  // A hole missing from zkinfok is named by its id; ids that are no file
  // name write nothing.
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "NOINFO", &error)) << error;
  ASSERT_TRUE(chart.SaveChart(folder, &error)) << error;
  EXPECT_TRUE(std::filesystem::exists(folder + "/NOINFO.mpj"));
  for (const char* bad : {"../x", "", ".."}) {
    ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", bad, &error)) << error;
    EXPECT_FALSE(chart.SaveChart(folder, &error)) << bad;
  }
  EXPECT_FALSE(std::filesystem::exists(test::TempRoot() + "/x.mpj"));

  // A table that cannot be read ends that hole with a message naming it.
  test::RegisterFixtureDb("DROP TABLE geolayercolor;");
  EXPECT_FALSE(chart.DrawColumns(kScale500, "1001", "ZK01", &error));
  EXPECT_NE(error.find("geolayercolor"), std::string::npos) << error;
}

TEST_F(CustomChartRunTest, ARealAzimuthPrintsAsStoredAndA370mmChartTakesTheWideTablesAndTheLowerBlock) {
  Load(RealAzimuthSql() + "UPDATE 栏目选择1 SET 右边 = '370' WHERE 栏目名称 = 'F1';");
  CustomChart chart = MakeChart();
  std::string error;
  ASSERT_TRUE(chart.DrawColumns(kScale500, "1001", "ZK01", &error)) << error;
  EXPECT_TRUE(test::FindText(points_, "终 孔 方 位: 135°").found);
  const test::FoundText table = test::FindText(points_, "钻孔弯曲度测量结果表");
  ASSERT_TRUE(table.found);
  EXPECT_NE(table.x, 12.4) << "the wide table, not the narrow one at 12.4";
  const std::string blockEdge = "L style=1 colour=1 width=0.20 layer=0 coef=8.00,8.00 370.00,-298.00 370.00,";
  EXPECT_NE(test::DumpChart(Areas()).find(blockEdge), std::string::npos) << "few survey rows, yet the lower block";
}

TEST_F(CustomChartRunTest, ADatabaseUnreachableForOneHoleSkipsThatHoleAndTheNextIsDrawn) {
  const std::string db = test::RegisterFixtureDb();
  const std::string folder = test::TempRoot() + "/unreachable";
  std::filesystem::create_directories(folder);
  CustomChart chart = MakeChart();
  std::vector<std::string> failures;
  const auto drawAndSave = [&](const std::string& hole) {
    std::string error;
    if (!chart.DrawColumns(kScale500, "1001", hole, &error) || !chart.SaveChart(folder, &error))
      failures.push_back(error);
  };
  drawAndSave("ZK01");
  // A folder stands where the database file was, then the file is back.
  std::filesystem::rename(db, db + ".away");
  std::filesystem::create_directory(db);
  drawAndSave("ZK'02");
  std::filesystem::remove(db);
  std::filesystem::rename(db + ".away", db);
  drawAndSave("ZK03");
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_FALSE(failures[0].empty());
  EXPECT_TRUE(std::filesystem::exists(folder + "/ZK01.mpj"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/ZK'02.mpj"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/ZK03.mpj"));
  EXPECT_TRUE(test::FindText(points_, "孔    号:ZK03").found);
}

}  // namespace
}  // namespace zv::chart
