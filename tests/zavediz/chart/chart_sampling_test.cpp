// The sampling group worked by hand at 1:500 (y = −2·depth). Full layout:
// sample numbers from x 220, the group's right end Rmax = 312 (row 18), the
// strip at the lithology column's right edge 110.
#include "tests/zavediz/chart/chart_column_fixture.h"
#include "framework/text/numbers.h"
#include "zavediz/chart/sampling_columns.h"

namespace zv::chart {
namespace {

using test::ChartColumnTest;

std::string Sample(const char* number, const char* from, const char* to, const char* core, const char* cu = "",
                   const char* au = "") {
  return std::string("INSERT INTO drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深, 岩心长, 校正自孔深, 校正至孔深, 元素1, 元素2)"
                     " VALUES ('1001', 'RUN', '") +
         number + "', '" + from + "', '" + to + "', '" + core + "', '" + from + "', '" + to + "', '" + cu + "', '" +
         au + "');";
}

std::string Rule(double y) {
  return "L style=1 colour=1 width=0.10 layer=11 220.00," + num::Format("%.2f", y) + " 312.00," +
         num::Format("%.2f", y);
}

// The strokes tying a row bottom b back to the true bottom yTo.
std::vector<std::string> Bend(double yTo, double b) {
  auto f = [](double v) { return num::Format("%.2f", v); };
  return {"L style=1 colour=1 width=0.10 layer=11 220.00," + f(yTo) + " 221.00," + f(b),
          "L style=1 colour=1 width=0.10 layer=11 221.00," + f(b) + " 311.00," + f(b),
          "L style=1 colour=1 width=0.10 layer=11 311.00," + f(b) + " 312.00," + f(yTo)};
}

TEST_F(ChartColumnTest, ShortSamplesStepDownThreeMillimetresAndGapsStartNewRows) {
  // 0.5 m samples are 1 mm on paper: rows −20..−23, −23..−26, −26..−29, each
  // tied back to its true bottom; the 4.5 m sample ends straight at −32; a
  // 0.009 mm gap continues the row, a 0.01 mm one starts a row at −60.51.
  Load(test::HoleSql("RUN", "40") + Sample("S1", "10", "10.5", "0.45", "0", "1.5") + Sample("S2", "10.5", "11", "0.5") +
       Sample("S3", "11", "11.5", "0.5") + Sample("S4", "11.5", "16", "4") + Sample("S5", "16.0045", "30.25", "14") +
       Sample("S6", "30.255", "34", "3.5") + Sample("S7", "34", "34", "0"),
       "RUN");
  const std::string dump = Run(DrawSamplingColumns);
  std::vector<std::string> lines = {Rule(-20), Rule(-32), Rule(-60.5), Rule(-60.51), Rule(-68)};
  for (const auto& bend : {Bend(-21, -23), Bend(-22, -26), Bend(-23, -29), Bend(-68, -71)})
    lines.insert(lines.end(), bend.begin(), bend.end());
  ExpectEntities(dump, lines);
  EXPECT_EQ(CountLines(dump, "L style=1 colour=1 width=0.10 layer=11 "), lines.size()) << "no other row lines";

  // Each row's texts at (left edge + 0.5, (row top + row bottom)/2 − 1.5).
  const char* texts[] = {
      "220.50,-23.00 |S1|",    "232.50,-23.00 |10.00|", "242.50,-23.00 |10.50|", "252.50,-23.00 | 0.50|",
      "262.50,-23.00 | 0.45|", "272.50,-23.00 |90.00|", "292.50,-23.00 |  1.50|", "220.50,-26.00 |S2|",
      "220.50,-29.00 |S3|",    "220.50,-32.00 |S4|",    "220.50,-47.75 |S5|",    "220.50,-71.00 |S7|",
      "242.50,-71.00 |34.00|",
  };
  for (const char* text : texts) EXPECT_NE(dump.find(std::string("P kind=0 at ") + text), std::string::npos) << text;
  // (−60.51 − 68)/2 − 1.5 = −65.755, which %.2f may round either way.
  EXPECT_NE(dump.find("P kind=0 at 220.50,-65.7"), std::string::npos);
  ExpectEntities(dump, {
      // Cu 0 leaves its cell empty; S7 has no length and so no rate.
      "P kind=0 at 282.50,-23.00 || h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      "P kind=0 at 252.50,-71.00 | 0.00| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      "P kind=0 at 272.50,-71.00 || h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      // The strip alternates 1, 9, 1 …, its number beside it.
      "R pattern=0 fill=1 ph=5.00 layer=11 110.00,-20.00 111.00,-20.00 111.00,-21.00 110.00,-21.00 110.00,-20.00",
      "R pattern=0 fill=9 ph=5.00 layer=11 110.00,-21.00 111.00,-21.00 111.00,-22.00 110.00,-22.00 110.00,-21.00",
      "R pattern=0 fill=1 ph=5.00 layer=11 110.00,-22.00 111.00,-22.00 111.00,-23.00 110.00,-23.00 110.00,-22.00",
      "P kind=0 at 111.50,-21.50 |S1| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=11"});
  ExpectNone(dump, {"nan", "inf"});
}

TEST_F(ChartColumnTest, AnalysisFlagsBeginningWithOneShowValuesAndIntegerOnesFrame) {
  // Row 16 " 1": framed, no values nor header; row 17 "11": values and
  // header, no frame; row 18 "1": both, and its right edge is the group's.
  Load("UPDATE 栏目选择 SET 绘制 = ' 1' WHERE 序号 = '16'; UPDATE 栏目选择 SET 绘制 = '11' WHERE 序号 = '17';");
  const std::string dump = Run(DrawSamplingColumns);
  ExpectEntities(dump, {
      "P kind=0 at 282.50,-43.50 || h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      "P kind=0 at 292.50,-43.50 |  1.20| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      "P kind=0 at 302.50,-43.50 | 12.50| h=3.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=11",
      "P kind=0 at 294.00,20.61 |金| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 294.00,3.91 |(g/t)| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 304.00,3.91 |(abc)| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "L style=1 colour=1 width=0.10 layer=2 292.00,-200.00 292.00,36.89",
      "L style=1 colour=1 width=0.10 layer=2 312.00,-200.00 312.00,47.76",
      "L style=1 colour=1 width=0.10 layer=2 242.00,-200.00 242.00,25.90",
      "L style=1 colour=1 width=0.10 layer=2 282.00,-200.00 282.00,47.76",
      "L style=1 colour=1 width=0.10 layer=0 220.00,36.89 312.00,36.89",
      "L style=1 colour=1 width=0.10 layer=0 232.00,25.90 252.00,25.90",
      "P kind=0 at 232.00,40.42 |采样情况| h=4.00 w=4.00 g=7.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 289.00,40.42 |分析结果| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0"});
  ExpectNone(dump, {"|铜|", "|(%)| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0\nP kind=0 at 284", "302.00,-200.00 302.00"});
}

TEST(ChartValuesTest, UnitsAreBracketedAndKeptToNineBytes) {
  const struct {
    const char* unit;
    const char* shown;
  } cases[] = {{"abc", "(abc)"}, {"", ""}, {"123456789", "(123456789)"}, {"1234567890", "(123456789)"},
               {"克每吨ABCD", "(克每吨ABC)"}, {"12345678克", "(12345678)"}};
  for (const auto& c : cases) EXPECT_EQ(UnitCaption(c.unit), c.shown) << c.unit;
}

TEST(ChartValuesTest, TheGroupEndsAtTheLastAnalysisColumnInUse) {
  ChartState s;
  auto right = [&](int k, const char* edge) { s.columns[k].right = edge; };
  right(15, "282");
  EXPECT_DOUBLE_EQ(SamplingGroupRight(s), 282);
  right(18, "312");
  EXPECT_DOUBLE_EQ(SamplingGroupRight(s), 312);
  right(20, "330");
  EXPECT_DOUBLE_EQ(SamplingGroupRight(s), 330);
  right(26, "340");
  right(28, "360");
  EXPECT_DOUBLE_EQ(SamplingGroupRight(s), 360);
}

}  // namespace
}  // namespace zv::chart
