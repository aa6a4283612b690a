#include <gtest/gtest.h>

#include "geodesy/gauss/gauss_handover.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::gauss {
namespace {

class GaussHandOver : public test::WorkAreasTest {
 protected:
  std::string Field(int32_t id, const char* name) {
    AttributeRecord record;
    std::string text;
    if (!BasReadAttribute(points_, kPointEntity, id, &record) || !BasGetFieldText(record, name, &text)) return "?";
    return text;
  }
};

TEST_F(GaussHandOver, PointsWithTheirNamesTextsAndAClosedLineAsOneUndoStep) {
  // The area already has an attribute of its own and a point.
  CFIELD_HEAD kept;
  kept.name = "备注";
  ASSERT_GE(BasInsertField(points_, kPointEntity, kept), 0);
  const int32_t old = BasAppendPoint(points_, {1, 1}, "", PNT_INFO{});
  AttributeRecord record;
  BasReadAttribute(points_, kPointEntity, old, &record);
  BasSetFieldByName(record, "备注", "旧点");
  BasWriteAttribute(points_, kPointEntity, old, record);

  HandOver h;
  h.points = HandedOverPoints({{"拐1", "3000000", "500000"}, {"拐2", "3000100", "500200"}, {"拐3", "3000000", "500200"}});
  h.scale = 2000;
  h.subgraph = 7;
  h.drawLine = true;
  h.closeLine = true;
  GisUndo undo;
  ASSERT_TRUE(PlaceHandedOverPoints(h, points_, lines_, undo));

  D_DOT at;
  std::string text;
  PNT_INFO info;
  ASSERT_EQ(BasReadPoint(points_, 2, &at, &text, &info), 1);
  EXPECT_DOUBLE_EQ(at.x, 250000);  // Y × 1000 / S
  EXPECT_DOUBLE_EQ(at.y, 1500000);
  EXPECT_EQ(info.kind(), 1);
  EXPECT_EQ(info.symbolNumber(), 7);
  EXPECT_EQ(Field(2, "点号"), "拐1");
  ASSERT_EQ(BasReadPoint(points_, 3, &at, &text, &info), 1);
  EXPECT_EQ(info.kind(), 0);
  EXPECT_EQ(text, "拐1");
  EXPECT_EQ(Field(old, "备注"), "旧点") << "the area's own attributes stay";

  std::vector<D_DOT> line;
  ASSERT_EQ(BasReadLine(lines_, 1, &line, nullptr), 1);
  ASSERT_EQ(line.size(), 4u);
  EXPECT_DOUBLE_EQ(line[3].x, line[0].x);
  EXPECT_DOUBLE_EQ(line[1].x, 250100);

  EXPECT_EQ(undo.StepCount(), 1);
  undo.Undo();
  int32_t live = 0, bound = 0;
  BasGetPointCount(points_, &live, &bound);
  EXPECT_EQ(live, 1);
  EXPECT_NE(BasIsWorkAreaEmpty(lines_), 0);
  CATT_STRU structure;
  ASSERT_EQ(BasReadAttributeStructure(points_, kPointEntity, &structure), 1);
  EXPECT_LT(BasFindField(structure, "点号"), 0) << "undo takes the added name field back";
  EXPECT_EQ(Field(old, "备注"), "旧点");
}

TEST_F(GaussHandOver, AnOpenLineOnlyWhenAskedAndABadScaleIsRefused) {
  HandOver h;
  h.points = HandedOverPoints({{"1", "0", "0"}, {"2", "1000", "1000"}});
  h.drawLine = true;
  GisUndo undo;
  ASSERT_TRUE(PlaceHandedOverPoints(h, points_, lines_, undo));
  std::vector<D_DOT> line;
  ASSERT_EQ(BasReadLine(lines_, 1, &line, nullptr), 1);
  EXPECT_EQ(line.size(), 2u);

  for (int32_t scale : {0, -500}) {
    h.scale = scale;
    EXPECT_FALSE(PlaceHandedOverPoints(h, points_, lines_, undo));
  }
  EXPECT_EQ(undo.StepCount(), 1);
  h.scale = 1000;
  h.drawLine = false;
  ASSERT_TRUE(PlaceHandedOverPoints(h, points_, lines_, undo));
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 1);
}

}  // namespace
}  // namespace zv::gauss
