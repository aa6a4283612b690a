// Marker planes, specimens and ore bodies, worked by hand at 1:500
// (y = −2·depth). Full layout: marker planes 200–210, specimens 210–220,
// ore bodies 312–332, lithology 80–110, the chart 400 wide; ZK01 is 100 m.
#include "tests/zavediz/chart/chart_column_fixture.h"
#include "zavediz/chart/ore_body_column.h"
#include "zavediz/chart/point_columns.h"

namespace zv::chart {
namespace {

using test::ChartColumnTest;

TEST_F(ChartColumnTest, MarkerAndSpecimenLabelsTakeTheirFormsAndRecordedDepths) {
  const std::string more =
      "INSERT INTO drilflag (矿区代码, 工程编号, 深度, 夹角, 校正深度) VALUES ('1001', 'ZK01', '123.456', '35', '120'),"
      " ('1001', 'ZK01', '1234.567', '12345', '0');";
  const struct {
    const char* name;
    const char* sql;
    const char* bottom;  // the hole's length: the corrected one with row 5's option 1
    std::vector<std::string> marks, specimens;
  } cases[] = {
      {"framed",
       "", "-200.00",
       {"P kind=0 at 201.50,-46.91 |/ 35°/  23.46m /| h=1.80 w=1.80 g=0.00 font=1 style=0 colour=1 layer=5",
        "P kind=0 at 201.50,-246.91 |/ 35°/ 123.46m /| h=1.80 w=1.80 g=0.00 font=1 style=0 colour=1 layer=5",
        // The depth keeps 7 bytes; 21 bytes cut to 19.
        "P kind=0 at 201.50,-2469.12 |/ 12345°/1234.56m | h=1.80 w=1.80 g=0.00 font=1 style=0 colour=1 layer=5"},
       {"P kind=0 at 210.50,-30.40 |/ B1/  15.20m /| h=1.80 w=1.60 g=0.00 font=1 style=0 colour=1 layer=5",
        "P kind=0 at 210.50,-140.50 |/ 标本2/  70.25m /| h=1.80 w=1.60 g=0.00 font=1 style=0 colour=1 layer=5"}},
      {"plain",
       "UPDATE 栏目选择 SET 选项 = '1' WHERE 序号 IN ('8', '9');", "-200.00",
       {"P kind=0 at 200.50,-246.91 |35°/ 123.46m| h=1.80 w=1.60 g=0.00 font=1 style=0 colour=1 layer=5"},
       {"P kind=0 at 210.50,-30.40 |B1/  15.20m| h=1.80 w=1.60 g=0.00 font=1 style=0 colour=1 layer=5"}},
      {"placed at the alternative depth",
       "UPDATE 栏目选择 SET 选项 = '1' WHERE 序号 = '5';", "-196.00",
       {"P kind=0 at 201.50,-46.00 |/ 35°/  23.46m /| h=1.80 w=1.80 g=0.00 font=1 style=0 colour=1 layer=5",
        "P kind=0 at 201.50,-240.00 |/ 35°/ 123.46m /| h=1.80 w=1.80 g=0.00 font=1 style=0 colour=1 layer=5"},
       {"P kind=0 at 210.50,-30.00 |/ B1/  15.20m /| h=1.80 w=1.60 g=0.00 font=1 style=0 colour=1 layer=5"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(more + c.sql);
    const std::string marks = Run(DrawMarkerPlaneColumn);
    ExpectEntities(marks, c.marks);
    ExpectEntities(marks, {
        "P kind=0 at 203.00,41.00 |标志面与岩心轴夹角| h=4.00 w=4.00 g=0.00 font=1 style=1 colour=1 layer=0",
        "L style=1 colour=1 width=0.10 layer=2 210.00,47.76 210.00," + std::string(c.bottom),
        "L style=1 colour=1 width=0.50 layer=2 200.00,47.76 210.00,47.76",
        "L style=1 colour=1 width=0.10 layer=2 200.00,0.00 210.00,0.00",
        "L style=1 colour=1 width=0.50 layer=2 200.00," + std::string(c.bottom) + " 210.00," + c.bottom});
    const std::string specimens = Run(DrawSpecimenColumn);
    ExpectEntities(specimens, c.specimens);
    ExpectEntities(specimens,
                   {"P kind=0 at 213.00,41.00 |岩矿石标本| h=4.00 w=4.00 g=4.00 font=1 style=1 colour=1 layer=0"});
  }
}

TEST_F(ChartColumnTest, AColumnOnTheChartsRightBorderIsClosedThick) {
  Load("UPDATE 栏目选择 SET 右边 = '500' WHERE 序号 = '9';");
  ExpectEntities(Run(DrawSpecimenColumn), {"L style=1 colour=1 width=0.50 layer=2 500.00,47.76 500.00,-200.00"});
  Load("DELETE FROM drilspec;");
  const std::string empty = Run(DrawSpecimenColumn);
  EXPECT_EQ(CountLines(empty, "P "), 1u) << "the caption alone";
  EXPECT_EQ(CountLines(empty, "L "), 4u) << "and the frame";
}

TEST_F(ChartColumnTest, OreBodyBracketsWidenThinBodiesAndFillByType) {
  // ② 80–81 m is 2 mm thick: e = 3, the band from −156 to −165. A body of
  // exactly 8 mm (20–24 m) and ① (10 mm) get straight brackets.
  Load("INSERT INTO drilore (矿区代码, 工程编号, 矿体编号, 自孔深, 至孔深, 标注, 矿种) VALUES"
       " ('1001', 'ZK01', '③', '20', '24', '#+a#-b#=', '');");
  const std::string dump = Run(DrawOreBodyColumn);
  ExpectEntities(dump, {
      "P kind=0 at 315.00,-107.00 |①| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=12",
      "P kind=0 at 322.00,-105.00 |/4.80/1.25/| h=4.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=12",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-100.00 332.00,-100.00",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-110.00 332.00,-110.00",
      "P kind=0 at 315.00,-163.00 |②| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=12",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-160.00 314.00,-156.00",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-162.00 314.00,-165.00",
      "L style=1 colour=1 width=0.10 layer=12 314.00,-156.00 332.00,-156.00",
      "L style=1 colour=1 width=0.10 layer=12 314.00,-165.00 332.00,-165.00",
      "P kind=0 at 322.00,-44.00 |#+a#-b#=| h=4.00 w=3.00 g=0.00 font=1 style=0 colour=1 layer=12",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-40.00 332.00,-40.00",
      "L style=1 colour=1 width=0.10 layer=12 312.00,-48.00 332.00,-48.00",
      "R pattern=0 fill=175 ph=0.00 layer=12 80.00,-100.00 110.00,-100.00 110.00,-110.00 80.00,-110.00 80.00,-100.00",
      "R pattern=0 fill=174 ph=0.00 layer=12 80.00,-160.00 110.00,-160.00 110.00,-162.00 80.00,-162.00 80.00,-160.00",
      "R pattern=0 fill=6 ph=0.00 layer=12 80.00,-40.00 110.00,-40.00 110.00,-48.00 80.00,-48.00 80.00,-40.00",
      "P kind=0 at 312.00,20.61 |#+矿体#-编号#=| h=6.00 w=6.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "P kind=0 at 320.00,23.61 |/真厚度/品位/| h=4.00 w=4.00 g=0.00 font=1 style=0 colour=1 layer=0",
      "L style=1 colour=1 width=0.10 layer=12 332.00,47.76 332.00,-200.00",
      "L style=1 colour=1 width=0.50 layer=12 312.00,-200.00 332.00,-200.00"});
  ExpectNone(dump, {"312.00,-40.00 314.00", "312.00,-100.00 314.00"});

  Load("UPDATE 栏目选择 SET 选项 = '1' WHERE 序号 = '21';");
  EXPECT_EQ(CountLines(Run(DrawOreBodyColumn), "R "), 0u) << "option 1 fills nothing";
  EXPECT_EQ(OreFillColour("1"), 175);
  EXPECT_EQ(OreFillColour("2"), 174);
  EXPECT_EQ(OreFillColour(""), 6);
  EXPECT_EQ(OreFillColour(" "), 6);
}

}  // namespace
}  // namespace zv::chart
