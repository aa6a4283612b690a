#include <gtest/gtest.h>

#include "platform/data/work_area.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

using RestoreEntity = zv::test::WorkAreasTest;

TEST_F(RestoreEntity, DeletedPointComesBackWholeAtItsIdAndPlace) {
  PNT_INFO info;
  info.setColour(9);
  for (double x : {1.0, 2.0, 3.0}) ASSERT_NE(BasAppendPoint(points_, {x, x}, "名", info), 0);
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(points_, kPointEntity, 2, &record));
  ASSERT_TRUE(BasSetFieldByIndex(record, 0, 77.0));
  ASSERT_TRUE(BasWriteAttribute(points_, kPointEntity, 2, record));

  EntityContent content;
  ASSERT_TRUE(BasReadPoint(points_, 2, &content.position, &content.text, &content.pointInfo));
  ASSERT_TRUE(BasReadAttribute(points_, kPointEntity, 2, &record));
  content.attribute = record;
  content.orderIndex = 0;
  ASSERT_TRUE(BasDeletePoint(points_, 2));

  std::vector<WorkAreaChange> told;
  BasAddChangeListener(points_, [&](const WorkAreaChange& c) { told.push_back(c); });
  ASSERT_EQ(BasRestoreEntity(points_, kPointEntity, 2, content), 1);

  D_DOT position{};
  std::string text;
  PNT_INFO back;
  ASSERT_TRUE(BasReadPoint(points_, 2, &position, &text, &back));
  EXPECT_EQ(position.x, 2.0);
  EXPECT_EQ(text, "名");
  EXPECT_EQ(back.colour(), 9);
  AttributeRecord restored;
  double id = 0;
  ASSERT_TRUE(BasReadAttribute(points_, kPointEntity, 2, &restored));
  ASSERT_TRUE(BasGetFieldDoubleByIndex(restored, 0, &id));
  EXPECT_EQ(id, 77.0);
  EXPECT_EQ(BasGetDisplayOrder(points_, kPointEntity), (std::vector<int32_t>{2, 1, 3}));
  int32_t live = 0, bound = 0;
  BasGetPointCount(points_, &live, &bound);
  EXPECT_EQ(live, 3);
  EXPECT_EQ(bound, 4);
  ASSERT_FALSE(told.empty());
  EXPECT_EQ(told.front().kind, ChangeKind::Appended);
  EXPECT_EQ(told.front().ids, std::vector<int32_t>{2});
}

TEST_F(RestoreEntity, RefusedWhereNoDeletedIdOrNoValidContent) {
  ASSERT_NE(BasAppendPoint(points_, {0, 0}, "a", PNT_INFO{}), 0);
  const std::vector<D_DOT> ring{{0, 0}, {1, 0}, {1, 1}, {0, 0}};
  const int32_t arc = BasAppendLine(regions_, ring, LIN_INFO{});
  const int32_t region = BasAppendRegion(regions_, {0, arc}, REG_INFO{});
  ASSERT_TRUE(BasDeleteRegion(regions_, region));
  ASSERT_TRUE(BasDeleteLine(regions_, arc));

  EntityContent point;
  EntityContent missingArc;
  missingArc.arcs = {0, arc};
  EntityContent noVertices;
  struct Case {
    const char* what;
    WorkAreaHandle area;
    int type;
    int32_t id;
    const EntityContent* content;
  } cases[] = {
      {"live id", points_, kPointEntity, 1, &point},
      {"id never given", points_, kPointEntity, 2, &point},
      {"id 0", points_, kPointEntity, 0, &point},
      {"type the area does not hold", points_, kLineEntity, 1, &noVertices},
      {"region whose arc is gone", regions_, kRegionEntity, region, &missingArc},
      {"line without vertices", regions_, kLineEntity, arc, &noVertices},
      {"invalid handle", 0, kPointEntity, 1, &point},
  };
  for (const Case& c : cases) EXPECT_EQ(BasRestoreEntity(c.area, c.type, c.id, *c.content), 0) << c.what;

  EntityContent line;
  line.vertices = ring;
  ASSERT_EQ(BasRestoreEntity(regions_, kLineEntity, arc, line), 1);
  ASSERT_EQ(BasRestoreEntity(regions_, kRegionEntity, region, missingArc), 1);
  EXPECT_EQ(BasCountRegionRings(regions_, region), 1);
}

}  // namespace
}  // namespace zv
