// The survey tables and the signature block under the chart, worked by hand
// at 1:500. ZK01 is 100 m (B = −200) with 3 deviation surveys and 2 depth
// checks; SURV is 50 m (B = −100). The mine's chart is 200 wide unless the
// case widens it.
#include "tests/zavediz/chart/chart_column_fixture.h"
#include "framework/text/numbers.h"
#include "zavediz/chart/signature_block.h"
#include "zavediz/chart/survey_tables.h"

namespace zv::chart {
namespace {

using test::ChartColumnTest;

// SURV with 3 deviation surveys and `checks` depth checks.
std::string Surveys(int checks) {
  return test::HoleSql("SURV", "50") +
         "INSERT INTO drilmeas (矿区代码, 工程编号, 测量次序, 孔深, 天顶角, 方位角) VALUES"
         " ('1001', 'SURV', '1', '10', '1°', '90°'), ('1001', 'SURV', '2', '20', '2°', '91°'),"
         " ('1001', 'SURV', '3', '30', '3°', '92°');"
         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
         std::to_string(checks) +
         ") INSERT INTO drilmeam (工程编号, 检查次序, 记录孔深, 校测孔深, 矿区代码)"
         " SELECT 'SURV', i, 10 + i, 10.25 + i, '1001' FROM n;";
}

std::string Note(double x, double y, const std::string& text, int size, int layer) {
  return "P kind=0 at " + num::Format("%.2f,%.2f", x, y) + " |" + text + "| h=" + num::Format("%d.00 w=%d.00", size, size) +
         " g=0.00 font=1 style=0 colour=1 layer=" + std::to_string(layer);
}
std::string Rule(double x1, double y1, double x2, double y2, const char* width, int layer) {
  return std::string("L style=1 colour=1 width=") + width + " layer=" + std::to_string(layer) + " " +
         num::Format("%.2f,%.2f %.2f,%.2f", x1, y1, x2, y2);
}

void DrawTables(ChartContext& c) {
  if (c.state.chartWidth < 370.0f) {
    DrawNarrowHoleDeviationTable(c);
    DrawNarrowDepthCheckTable(c);
  } else {
    DrawHoleDeviationTable(c);
    DrawDepthCheckTable(c);
  }
}

TEST_F(ChartColumnTest, NarrowTablesShowValuesAsStoredAndErrorsComputed) {
  Load("");
  const std::string dump = Run(DrawTables);
  ExpectEntities(dump, {
      Note(10, -242.5, "1", 3, 3), Note(31, -242.5, "12.30", 3, 3), Note(56, -242.5, "2°30′", 3, 3),
      Note(77, -242.5, "135°", 3, 3), Note(12.4, -220, "钻孔弯曲度测量结果表", 7, 3), Note(3, -233, "测量次序", 4, 3),
      // The check table centred on c = 100; 99.5 − 100 = −0.50. Text depths
      // sort as texts: "100" before "50".
      Note(62, -242.5, "2", 3, 4), Note(84, -242.5, "100.00", 3, 4), Note(107, -242.5, "99.50", 3, 4),
      Note(130, -242.5, "-0.50", 3, 4), Note(130, -248.5, " 0.10", 3, 4), Note(69, -220, "孔深测量检查结果表", 7, 4),
      Note(57, -230, "检  查", 4, 4), Note(57, -236, "次  序", 4, 4), Note(103, -236, "  (m) ", 4, 4),
      Note(127, -236, "  (m)  ", 4, 4),
      Rule(0, -224, 96, -224, "0.30", 3), Rule(0, -292, 96, -292, "0.10", 3), Rule(96, -224, 96, -298, "0.30", 3),
      Rule(52, -298, 148, -298, "0.30", 4), Rule(100, -224, 100, -298, "0.10", 4)});
  EXPECT_EQ(CountLines(dump, Rule(0, -298, 96, -298, "0.30", 3)), 2u) << "the narrow frame's bottom twice";
}

TEST_F(ChartColumnTest, WideTablesSizeBothBlocksByTheLongerTable) {
  const struct {
    const char* name;
    int checks;
    double Bb;
    std::vector<std::string> entities;
  } cases[] = {
      {"N = 14: 7 rows a block", 14, -180,
       {Note(5, -154.5, "3", 3, 3), Note(229.5, -142.5, "8", 3, 4), Note(229.5, -178.5, "14", 3, 4),
        Rule(0, -180, 68, -180, "0.10", 3), Rule(0, -174, 68, -174, "0.10", 3), Rule(72, -180, 140, -180, "0.10", 3)}},
      {"N = 15: 10 rows a block", 15, -198,
       {Note(157.5, -196.5, "10", 3, 4), Note(229.5, -142.5, "11", 3, 4), Rule(0, -198, 68, -198, "0.30", 3),
        Rule(0, -192, 68, -192, "0.10", 3), Rule(151.5, -180, 291.5, -180, "0.10", 4)}},
      {"21 rows: the last below the frame", 21, -198, {Note(229.5, -202.5, "21", 3, 4)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(test::ChartWidthSql("400") + Surveys(c.checks), "SURV");
    const std::string dump = Run(DrawTables);
    ExpectEntities(dump, c.entities);
    ExpectEntities(dump, {Rule(0, c.Bb, 140, c.Bb, "0.30", 3), Rule(140, -124, 140, c.Bb, "0.30", 3),
                          Rule(151.5, c.Bb, 291.5, c.Bb, "0.30", 4), Note(36, -120, "钻孔弯曲度测量结果表", 7, 3),
                          Note(191.5, -120, "孔深测量检查结果表", 7, 4)});
    ExpectEntities(Run(DrawChartSignatureBlock), {Rule(310, c.Bb, 400, c.Bb, "0.30", 0)});
  }
  Load(Surveys(11), "SURV");
  ExpectEntities(Run(DrawTables), {Note(62, -202.5, "11", 3, 4)});
}

TEST_F(ChartColumnTest, SignatureBlockFitsItsCellsWorkedByHand) {
  // W = 400, N = 3 < 15: Yb = B + 1 − 81 = −280; rows of 7 mm from −245 down.
  Load(test::ChartWidthSql("400"));
  const std::string dump = Run(DrawChartSignatureBlock);
  auto text = [](double x, double y, const char* t, const char* w, const char* g) {
    return "P kind=0 at " + num::Format("%.2f,%.2f", x, y) + " |" + t + "| h=3.50 w=" + w + " g=" + g +
           " font=1 style=0 colour=1 layer=0";
  };
  ExpectEntities(dump, {
      Rule(310, -223, 400, -223, "0.30", 0), Rule(310, -280, 400, -280, "0.30", 0), Rule(310, -245, 355, -245, "0.10", 0),
      Rule(330, -238, 330, -280, "0.10", 0),
      // Seven characters in 70 mm.
      "P kind=0 at 320.00,-228.50 |某某地质勘查院| h=4.00 w=4.00 g=7.00 font=1 style=0 colour=1 layer=0",
      // 11 cells and 13 characters in 84 mm: 12 gaps of (84 − 44)/12, so the
      // title with its Latin letters ends at the cell's edge.
      "P kind=0 at 312.00,-236.00 |金山矿区ZK01钻孔柱状图| h=4.00 w=4.00 g=3.33 font=1 style=0 colour=1 layer=0",
      text(312, -243.25, "拟编", "3.50", "9.00"),
      // 3.5 steps down to 3.1500003, the first width at which five fit 16 mm.
      text(312, -257.25, "计算机成图", "3.15", "0.05"),
      // Keeps 3.1500003: y = −266 + (7 − c)/2, gap (16 − 4c)/3.
      text(312, -264.08, "项目负责", "3.15", "1.13"), text(312, -271.08, "总工程师", "3.15", "1.13"),
      text(312, -278.25, "队长", "3.50", "9.00"),
      text(336, -243.25, "张三", "3.50", "6.00"), text(358, -243.25, "资料", "3.50", "7.00"),
      text(358, -257.25, "比例尺", "3.50", "1.75"),
      // Field 28's fit leaves c = 2.1 for the four value texts' y.
      text(379, -256.55, "1∶ 500", "3.50", "1.00"), text(377, -263.55, "2020-04-01", "3.50", "0.50")});
  const test::FoundText source = test::FindText(points_, "金山矿区详查报告");
  EXPECT_NEAR(source.x, 379, 1e-9);
  EXPECT_NEAR(source.y, -245.75, 1e-9);
  EXPECT_NEAR(source.width, 2.1, 1e-5);

  // Narrow: Yb = B − 98; no zkinfok row: the frame, labels and scale text.
  Load("INSERT INTO drilgeo2 (矿区代码, 工程编号, 自孔深, 至孔深) VALUES ('1001', 'NOZK', '0', '5');", "NOZK");
  const std::string bare = Run(DrawChartSignatureBlock);
  EXPECT_EQ(CountLines(bare, "P "), 13u) << bare;
  ExpectEntities(bare, {Rule(110, -98, 200, -98, "0.30", 0), text(179, -75.25, "1∶ 500", "3.50", "1.00")});
  EXPECT_EQ(SignatureScaleText(2.5f), "1∶ 500");
  EXPECT_EQ(SignatureScaleText(5.0f), "1∶1000");
}

}  // namespace
}  // namespace zv::chart
