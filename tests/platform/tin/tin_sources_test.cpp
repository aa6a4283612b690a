#include <gtest/gtest.h>

#include "platform/tin/tin_sources.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::tin {
namespace {

class TinSources : public test::WorkAreasTest {
 protected:
  void AddField(WorkAreaHandle area, int entityType, uint8_t type) {
    CFIELD_HEAD field;
    field.name = kElevationField;
    field.type = type;
    field.length = type == kFieldString ? 10 : 8;
    ASSERT_TRUE(EnsureField(area, entityType, field));
  }
  void SetElevation(WorkAreaHandle area, int entityType, int32_t id, const char* value) {
    AttributeRecord record;
    ASSERT_TRUE(BasReadAttribute(area, entityType, id, &record));
    ASSERT_TRUE(BasSetFieldByName(record, kElevationField, value));
    ASSERT_TRUE(BasWriteAttribute(area, entityType, id, record));
  }
  int32_t Point(double x, double y, const char* text) { return BasAppendPoint(points_, {x, y}, text, PNT_INFO{}); }
};

TEST_F(TinSources, PointsGiveTheirNumericFieldElseANumericText) {
  struct Case {
    const char* name;
    int fieldType;  // −1: no field
    std::vector<double> z;
    int64_t skipped;
  };
  // Texts "12.5", " 7 ", "abc", "3m"; field values 1, 2, 3, 4 where the field is numeric.
  const Case cases[] = {
      {"no field", -1, {12.5, 7}, 2},
      {"double field", kFieldDouble, {1, 2, 3, 4}, 0},
      {"long field", kFieldLong, {1, 2, 3, 4}, 0},
      {"text field", kFieldString, {12.5, 7}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    points_ = BasCreatePointWorkArea(set_);
    const char* texts[] = {"12.5", " 7 ", "abc", "3m"};
    if (c.fieldType >= 0) AddField(points_, kPointEntity, static_cast<uint8_t>(c.fieldType));
    for (int i = 0; i < 4; ++i) {
      const int32_t id = Point(i, i * i, texts[i]);
      if (c.fieldType >= 0) SetElevation(points_, kPointEntity, id, std::to_string(i + 1).c_str());
    }
    const int32_t gone = Point(9, 9, "99");
    BasDeletePoint(points_, gone);
    const ElevationTake take = ElevationsOfPoints(points_);
    std::vector<double> z;
    for (const TinPoint& p : take.points) z.push_back(p.z);
    EXPECT_EQ(z, c.z);
    EXPECT_EQ(take.skipped, c.skipped);
    EXPECT_EQ(take.entities, static_cast<int64_t>(c.z.size()));
  }
  EXPECT_EQ(PointTakeReport({{}, 2, 2}), "点高程值2个，跳过2个点（无高程值）");
  EXPECT_EQ(PointTakeReport({{}, 4, 0}), "点高程值4个");
}

TEST_F(TinSources, LinesGiveEveryVertexAtTheirElevation) {
  const int32_t a = BasAppendLine(lines_, {{0, 0}, {10, 0}, {20, 5}}, LIN_INFO{});
  const int32_t b = BasAppendLine(lines_, {{0, 10}, {10, 10}}, LIN_INFO{});
  EXPECT_EQ(ElevationsOfLines(lines_).skipped, 2);  // no field yet

  AddField(lines_, kLineEntity, kFieldFloat);
  SetElevation(lines_, kLineEntity, a, "100");
  SetElevation(lines_, kLineEntity, b, "110.5");
  const ElevationTake take = ElevationsOfLines(lines_);
  ASSERT_EQ(take.points.size(), 5u);
  EXPECT_EQ(take.entities, 2);
  EXPECT_EQ(take.skipped, 0);
  EXPECT_EQ(take.points[2].x, 20);
  EXPECT_EQ(take.points[2].z, 100);
  EXPECT_EQ(take.points[4].z, 110.5);
  EXPECT_EQ(LineTakeReport(take), "线高程值5个（2条线）");
  EXPECT_EQ(LineTakeReport({{}, 0, 2}), "线高程值0个（0条线），跳过2条线（无高程值）");
}

TEST(TinBuildReport, SaysWhatWasDroppedAndWhatWasMade) {
  const TinBuild made = BuildTin({{0, 0, 1}, {1, 0, 1}, {0, 1, 1}, {0, 0, 5}});
  EXPECT_EQ(BuildReport(made), "去掉重复点1个\n构成三角网：3个点，1个三角形");
  const TinBuild refused = BuildTin({{0, 0, 1}, {1, 1, 1}});
  EXPECT_EQ(BuildReport(refused), "不同的高程点少于3个，无法构成三角网");
}

}  // namespace
}  // namespace zv::tin
