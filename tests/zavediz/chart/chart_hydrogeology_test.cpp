// The hydrogeology columns worked by hand at 1:500 (y = −2·depth). Full
// layout: boxes 332–342, water levels 342–362 (20 wide), notes 362–390
// (option 1: bracketed end marks), remarks 390–400 on the chart's border.
#include "tests/zavediz/chart/chart_column_fixture.h"
#include "zavediz/chart/hydrogeology_columns.h"

namespace zv::chart {
namespace {

using test::ChartColumnTest;

// The curve's line of `colour`, or empty.
std::string CurveOf(const std::string& dump, int colour) {
  const std::string head = "L style=1 colour=" + std::to_string(colour) + " width=0.25 layer=0";
  const std::size_t at = dump.find(head);
  return at == std::string::npos ? std::string() : dump.substr(at, dump.find('\n', at) - at);
}

TEST_F(ChartColumnTest, WaterLevelsBoxesAndNotesWorkedByHand) {
  // Levels A/B at 10, 50, 90 m: 12.5/13, 15.25/14, 11/16.5, so lo 11, hi
  // 16.5, r 5.5; x = 344 + 16·(level − 11)/5.5.
  Load("");
  const std::string dump = Run(DrawHydrogeologyColumns);
  EXPECT_EQ(CurveOf(dump, 46), "L style=1 colour=46 width=0.25 layer=0 348.36,-20.00 356.36,-100.00 344.00,-180.00");
  EXPECT_EQ(CurveOf(dump, 49), "L style=1 colour=49 width=0.25 layer=0 349.82,-20.00 352.73,-100.00 360.00,-180.00");
  ExpectEntities(dump, {
      "P kind=1 at 348.36,-20.00 || sub=127 h=1.50 w=1.50 layer=2",
      "P kind=1 at 349.82,-20.00 || sub=127 h=1.50 w=1.00 layer=2",
      "L style=1 colour=1 width=0.10 layer=0 344.00,4.00 360.00,4.00",
      "L style=1 colour=1 width=0.10 layer=0 344.00,4.00 344.00,9.00",
      "L style=1 colour=1 width=0.10 layer=0 360.00,4.00 360.00,9.00",
      "L style=1 colour=1 width=0.10 layer=0 352.00,4.00 352.00,9.00",
      "P kind=0 at 342.00,10.00 |11.00| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 356.50,10.00 |16.50| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 349.00,10.00 |13.75| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
      // Boxes: drilhydr01 patterns (fill 9, layer 2), drilhydr02 colours (layer 9).
      "R pattern=601 fill=9 ph=5.00 layer=2 332.00,0.00 342.00,0.00 342.00,-20.60 332.00,-20.60 332.00,0.00",
      "R pattern=0 fill=3 ph=5.00 layer=9 332.00,-190.00 342.00,-190.00 342.00,-200.00 332.00,-200.00 332.00,-190.00",
      // Notes sized by Tzkkpara row 4 (2, .4, .8) in row 16's font 2, box 28 − 8.
      "P kind=5 at 366.00,-2.00 |第四系孔隙潜水，水量小。| h=2.00 w=2.00 g=0.40 font=2 line=0.80 box=20.00 colour=1 layer=2",
      "L style=1 colour=1 width=0.10 layer=2 362.00,-21.20 365.00,-23.20",
      "L style=1 colour=1 width=0.10 layer=2 365.00,-23.20 387.00,-23.20",
      "L style=1 colour=1 width=0.10 layer=2 387.00,-23.20 390.00,-21.20",
      // Headers: a curve column under 35 mm gets three two-character lines,
      // fitted into 346..358.
      "P kind=0 at 331.00,37.63 |岩层富水| h=5.00 w=5.00 g=1.00 font=1 style=1 colour=1 layer=0",
      "P kind=0 at 338.00,37.63 |性及封孔| h=5.00 w=5.00 g=1.00 font=1 style=1 colour=1 layer=0",
      "P kind=0 at 346.00,32.51 |水位| h=5.00 w=5.00 g=2.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 346.00,23.62 |变化| h=5.00 w=5.00 g=2.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 346.00,14.73 |曲线| h=5.00 w=5.00 g=2.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 393.00,35.13 |备注| h=5.00 w=5.00 g=5.00 font=1 style=1 colour=1 layer=0",
      "L style=1 colour=1 width=0.10 layer=2 362.00,47.76 362.00,-200.00",
      "L style=1 colour=1 width=0.50 layer=2 400.00,47.76 400.00,-200.00"});
}

TEST_F(ChartColumnTest, WaterLevelEdgesDrawSoundly) {
  const std::string noLevels = "DELETE FROM drilhydr;";
  const std::string many =
      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 1199)"
      " INSERT INTO drilhydr (矿区代码, 工程编号, 孔深, 水位A, 水位B) SELECT '1001', 'ZK01', i * 0.05, 10 + i % 7, 12 FROM n;";
  const struct {
    const char* name;
    std::string sql;
    std::size_t vertices;  // of each curve; 0: none appended
    std::size_t symbols;
    std::vector<std::string> entities;
  } cases[] = {
      {"all levels equal: the middle", noLevels + "INSERT INTO drilhydr (矿区代码, 工程编号, 孔深, 水位A, 水位B) VALUES"
                                                  " ('1001', 'ZK01', '10', '12', '12'), ('1001', 'ZK01', '20', '12', '12');",
       2, 4, {"P kind=1 at 352.00,-40.00 || sub=127 h=1.50 w=1.50 layer=2"}},
      {"no rows: axis and zero labels", noLevels, 0, 0,
       {"P kind=0 at 342.00,10.00 | 0.00| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
        "P kind=0 at 356.50,10.00 | 0.00| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
        "P kind=0 at 349.00,10.00 | 0.00| h=2.00 w=2.00 g=0.00 font=1 style=0 colour=1 layer=0",
        "L style=1 colour=1 width=0.10 layer=0 344.00,4.00 360.00,4.00"}},
      {"one row: no curve", noLevels + "INSERT INTO drilhydr (矿区代码, 工程编号, 孔深, 水位A, 水位B) VALUES ('1001', 'ZK01', '10', '11', '13');",
       0, 2, {"P kind=1 at 344.00,-20.00 || sub=127 h=1.50 w=1.50 layer=2"}},
      {"1200 rows all drawn", noLevels + many, 1200, 2400, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(c.sql);
    const std::string dump = Run(DrawHydrogeologyColumns);
    ExpectEntities(dump, c.entities);
    for (int colour : {46, 49}) {
      const std::string curve = CurveOf(dump, colour);
      EXPECT_EQ(curve.empty() ? 0 : static_cast<std::size_t>(std::count(curve.begin(), curve.end(), ',')), c.vertices) << colour;
    }
    EXPECT_EQ(CountLines(dump, "P kind=1"), c.symbols);
  }
}

TEST_F(ChartColumnTest, MissingTextRowsGiveDefaultsAndOptionsChooseMarksAndHeaders) {
  const struct {
    const char* name;
    const char* sql;
    const char* paragraph;
  } cases[] = {
      {"four rows", "DELETE FROM Tzkkpara WHERE CAST(c0 AS INTEGER) >= 4;", "h=3.00 w=3.00 g=0.50 font=1 line=1.00"},
      {"ten rows", "DELETE FROM Tzkkpara WHERE CAST(c0 AS INTEGER) >= 10;", "h=2.00 w=2.00 g=0.40 font=1 line=0.80"},
      {"empty fields read as 0", "UPDATE Tzkkpara SET c3 = '' WHERE c0 = '16';", "h=2.00 w=2.00 g=0.40 font=0 line=0.80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(c.sql);
    ExpectEntities(Run(DrawHydrogeologyColumns),
                   {std::string("P kind=5 at 366.00,-2.00 |第四系孔隙潜水，水量小。| ") + c.paragraph +
                    " box=20.00 colour=1 layer=2"});
  }
  // Option 0: one straight end mark; a curve column of 35 mm: one header.
  Load("UPDATE 栏目选择 SET 选项 = '0' WHERE 序号 = '24';"
       "UPDATE 栏目选择 SET 宽度 = '35', 左边 = '342', 右边 = '377' WHERE 序号 = '23';");
  const std::string dump = Run(DrawHydrogeologyColumns);
  ExpectEntities(dump, {"L style=1 colour=1 width=0.10 layer=2 362.00,-21.20 390.00,-21.20",
                        "P kind=0 at 346.00,25.23 |水位变化曲线| h=5.00 w=4.50 g=0.00 font=1 style=0 colour=1 layer=0"});
  ExpectNone(dump, {"|水位|", "365.00,-23.20"});
  // No column drawn: nothing, though every table is read.
  Load("UPDATE 栏目选择 SET 绘制 = '0' WHERE 序号 IN ('22', '23', '24', '25');");
  EXPECT_EQ(Run(DrawHydrogeologyColumns), "");
}

}  // namespace
}  // namespace zv::chart
