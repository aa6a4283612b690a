// Sheet rows projected into points, labels and lines.
#include <gtest/gtest.h>

#include <cmath>

#include "exchange/sheets/row_projection.h"
#include "tests/exchange/sheets/sheet_test_support.h"

namespace zv::sheets::test {
namespace {

using workbook::Worksheet;

class RowProjectionTest : public SheetTest {
 protected:
  void SetUp() override {
    SheetTest::SetUp();
    style_.symbol = *BasGetDefaultPointParam(1);
    style_.note = *BasGetDefaultPointParam(0);
    style_.note.setCharWidth(4);
    style_.note.setCharHeight(6);
    style_.line = *BasGetDefaultLineParam();
  }
  ProjectionOutcome Project(const ProjectionOptions& options, const ProjectionColumns& columns,
                            FieldTyping typing = FieldTyping::kExcel, const PlaneProjector& projector = nullptr) {
    const workbook::Extent extent = workbook::ExtentOf(sheet_.UsedRange());
    const RowWalk walk{extent.firstRow + 1, extent.firstRow + static_cast<int>(extent.rows) - 1, extent.firstRow};
    return ProjectSheetRows(sheet_, walk, columns, options, style_, projector, typing, points_, lines_);
  }
  std::vector<D_DOT> Line(int32_t id) {
    std::vector<D_DOT> v;
    BasReadLine(lines_, id, &v, nullptr);
    return v;
  }
  D_DOT PointAt(int32_t id, std::string* text = nullptr, PNT_INFO* info = nullptr) {
    D_DOT at{};
    BasReadPoint(points_, id, &at, text, info);
    return at;
  }

  Worksheet sheet_ = excel_.Workbooks().Add().Sheets().Item(1);
  ProjectionStyle style_;
};

TEST(AngleMarks, ComeOutOnceEach) {
  EXPECT_EQ(WithoutAngleMarks("117°03′15″"), "1170315");
  EXPECT_EQ(WithoutAngleMarks("1°2°"), "12°");
}

TEST_F(RowProjectionTest, BreakRowsSplitLinesThePastEndRowClosesAndIntervalsPickLabels) {
  FillCells(sheet_, 1, 1,
            {{"X", "Y", "名称"},
             {"3500", "500", "A"},
             {"3600", "600", "B"},
             {"3700", "700", "C"},
             {"", "", ""},
             {"100", "200", "D"},
             {"300", "400", "E"}});
  ProjectionOptions options;
  options.interval = 3;
  options.giveAttributes = false;
  const ProjectionOutcome out = Project(options, {1, 2, 3, 0, 0, {}});
  EXPECT_FALSE(out.projectionFailed);
  ASSERT_EQ(out.lines.size(), 2u);
  const std::vector<D_DOT> first = Line(out.lines[0]);
  ASSERT_EQ(first.size(), 4u);  // closed
  EXPECT_EQ(first[0].x, 500);
  EXPECT_EQ(first[0].y, 3500);
  EXPECT_EQ(first[3].x, 500);
  EXPECT_EQ(Line(out.lines[1]).size(), 3u);
  // Offsets 1, 3 and 6 from the header row carry labels: A, C, E.
  std::vector<std::string> labels;
  for (int32_t id : out.points) {
    std::string text;
    const D_DOT at = PointAt(id, &text);
    if (!text.empty()) {
      labels.push_back(text);
      if (text == "A") {
        EXPECT_EQ(at.x, 505);
      }
    }
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"A", "C", "E"}));
}

TEST_F(RowProjectionTest, TheScaleDividesAndALoneRowMakesNoLine) {
  FillCells(sheet_, 1, 1, {{"X", "Y"}, {"3500", "500"}});
  ProjectionOptions options;
  options.scale = 500;
  const ProjectionOutcome out = Project(options, {1, 2, 0, 0, 0, {}});
  EXPECT_TRUE(out.lines.empty());
  ASSERT_EQ(out.points.size(), 1u);
  const D_DOT at = PointAt(out.points[0]);
  EXPECT_EQ(at.x, 1000);
  EXPECT_EQ(at.y, 7000);
}

TEST_F(RowProjectionTest, AttitudeLabelsStandOffAlongTheDipDirectionCentred) {
  FillCells(sheet_, 1, 1, {{"X", "Y", "名称", "倾向", "倾角"}, {"1000", "2000", "A", "90", "30"}});
  ProjectionOptions options;
  options.attitude = true;
  options.drawLine = false;
  const ProjectionOutcome out = Project(options, {1, 2, 3, 4, 5, {}});
  ASSERT_EQ(out.points.size(), 2u);
  std::string text;
  const D_DOT label = PointAt(out.points[0], &text);
  EXPECT_EQ(text, "30");
  // "30" is one character cell wide: 4 wide, 6 high.
  EXPECT_NEAR(label.x, 2000 + 3 - 4 / 2.0, 1e-9);
  EXPECT_NEAR(label.y, 1000 - 6 / 2.0, 1e-9);
  PNT_INFO info;
  PointAt(out.points[1], nullptr, &info);
  EXPECT_FLOAT_EQ(info.angle(), -90);
}

TEST_F(RowProjectionTest, ExcelMakesIntegerFieldsEtDoublesAndAttributesFollowTheirColumns) {
  FillCells(sheet_, 1, 1,
            {{"X", "Y", "编号", "深度", "岩性", "日期"},
             {"1", "1", "1", "2.5", "砂岩", "'2024-01-05"},
             {"2", "2", "2", "3", "0", "'2024-01-06"},
             {"3", "3", "3", "", "泥岩", ""}});
  const ProjectionColumns columns{1, 2, 0, 0, 0, {{"编号", 3}, {"深度", 4}, {"岩性", 5}, {"日期", 6}}};
  struct Case {
    FieldTyping typing;
    uint8_t numberType;
  } cases[] = {{FieldTyping::kExcel, kFieldLong}, {FieldTyping::kEt, kFieldDouble}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typing == FieldTyping::kExcel ? "Excel" : "ET");
    BasClearWorkArea(points_);
    BasSetAttributeStructure(points_, kPointEntity, CustomaryStructure(kPointEntity));
    ProjectionOptions options;
    options.noteLabels = false;
    const ProjectionOutcome out = Project(options, columns, c.typing);
    CATT_STRU s;
    BasReadAttributeStructure(points_, kPointEntity, &s);
    ASSERT_EQ(s.fieldCount(), 5);
    EXPECT_EQ(s.fields[1].type, c.numberType);
    EXPECT_EQ(s.fields[2].type, kFieldDouble);
    EXPECT_EQ(s.fields[3].type, kFieldString);
    EXPECT_EQ(s.fields[4].type, kFieldString);
    ASSERT_EQ(out.points.size(), 3u);
    EXPECT_EQ(FieldText(points_, kPointEntity, out.points[1], "岩性"), "0");
    EXPECT_EQ(FieldText(points_, kPointEntity, out.points[0], "日期"), "2024-01-05");
    EXPECT_EQ(FieldText(points_, kPointEntity, out.points[0], "深度"), "2.500");
  }
}

TEST_F(RowProjectionTest, AFailingProjectionStopsTheWalkKeepingWhatWasMade) {
  FillCells(sheet_, 1, 1, {{"经度", "纬度"}, {"117", "30"}, {"118", "31"}, {"119", "32"}});
  int calls = 0;
  const PlaneProjector projector = [&](double& x, double& y) {
    if (++calls == 2) return false;
    x *= 1000;
    y *= 1000;
    return true;
  };
  ProjectionOptions options;
  options.noProjection = false;
  const ProjectionOutcome out = Project(options, {1, 2, 0, 0, 0, {}}, FieldTyping::kExcel, projector);
  EXPECT_TRUE(out.projectionFailed);
  EXPECT_TRUE(out.lines.empty());
  ASSERT_EQ(out.points.size(), 1u);
  const D_DOT at = PointAt(out.points[0]);
  EXPECT_EQ(at.x, 117000);
  EXPECT_EQ(at.y, 30000);
}

}  // namespace
}  // namespace zv::sheets::test
