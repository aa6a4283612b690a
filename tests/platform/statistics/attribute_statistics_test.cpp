#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/statistics/attribute_statistics.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::stats {
namespace {

using StatisticsTest = test::WorkAreasTest;

// Points with a double "深度" and a text "岩性"; a deleted point and depths
// that are no number (as a binary file may hold them) count in no figure.
TEST_F(StatisticsTest, FiguresTakeLiveEntitiesAndOnlyFiniteNumbers) {
  CATT_STRU structure;
  for (const auto& [name, type] : {std::pair{"深度", kFieldDouble}, std::pair{"岩性", kFieldString}}) {
    CFIELD_HEAD field;
    field.name = name;
    field.type = type;
    field.length = 8;
    structure.fields.push_back(field);
  }
  LayOutStructure(structure);
  ASSERT_EQ(BasSetAttributeStructure(points_, kPointEntity, structure), 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double depth;
    const char* rock;
  } rows[] = {{nan, "砂岩"}, {2.0, "页岩"}, {100.0, "砂岩"}, {4.0, "砂岩"}, {INFINITY, "页岩"}};
  for (const auto& row : rows) {
    const int32_t id = BasAppendPoint(points_, {0, 0}, "", PNT_INFO{});
    AttributeRecord record;
    ASSERT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 1);
    BasSetFieldByName(record, "深度", row.depth);
    BasSetFieldByName(record, "岩性", row.rock);
    BasWriteAttribute(points_, kPointEntity, id, record);
  }
  BasDeletePoint(points_, 3);

  const AttributeStatistics figures = ComputeStatistics(points_, kPointEntity);
  EXPECT_EQ(figures.liveEntities, 4);
  const auto depth = std::find_if(figures.numeric.begin(), figures.numeric.end(),
                                  [](const NumericField& f) { return f.name == "深度"; });
  ASSERT_NE(depth, figures.numeric.end());
  EXPECT_EQ(depth->count, 2);
  EXPECT_EQ(depth->sum, 6.0);
  EXPECT_EQ(depth->minimum, 2.0);
  EXPECT_EQ(depth->maximum, 4.0);
  EXPECT_EQ(depth->mean(), 3.0);
  ASSERT_EQ(figures.texts.size(), 1u);
  EXPECT_EQ(figures.texts[0].values,
            (std::vector<std::pair<std::string, int64_t>>{{"砂岩", 2}, {"页岩", 2}}));
}

}  // namespace
}  // namespace zv::stats
