#include <gtest/gtest.h>

#include <algorithm>

#include "platform/data/work_area.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

class AreaAttributes : public zv::test::WorkAreasTest {
 protected:
  double Field(WorkAreaHandle area, int type, int32_t id, const char* name) {
    AttributeRecord record;
    double value = -1;
    if (BasReadAttribute(area, type, id, &record) != 1 || !BasGetFieldDouble(record, name, &value)) return -1;
    return value;
  }
};

TEST_F(AreaAttributes, NewAreasCarryTheCustomaryFields) {
  CATT_STRU s;
  ASSERT_EQ(BasReadAttributeStructure(points_, kPointEntity, &s), 1);
  ASSERT_EQ(s.fieldCount(), 1);
  EXPECT_EQ(s.fields[0].name, "ID");
  ASSERT_EQ(BasReadAttributeStructure(lines_, kLineEntity, &s), 1);
  EXPECT_EQ(BasFindField(s, "长度"), 1);
  ASSERT_EQ(BasReadAttributeStructure(regions_, kRegionEntity, &s), 1);
  EXPECT_EQ(BasFindField(s, "面积"), 1);
  EXPECT_EQ(BasFindField(s, "周长"), 2);
  ASSERT_EQ(BasReadAttributeStructure(regions_, kLineEntity, &s), 1);  // the arcs
  EXPECT_EQ(BasFindField(s, "长度"), 1);
  EXPECT_EQ(BasReadAttributeStructure(points_, kLineEntity, &s), 0);
}

TEST_F(AreaAttributes, MeasuresStayCurrentOnAppendAndUpdate) {
  const int32_t line = BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {3, 4}}, LIN_INFO{});
  EXPECT_DOUBLE_EQ(Field(lines_, kLineEntity, line, "长度"), 5);
  BasUpdateLine(lines_, line, std::vector<D_DOT>{{0, 0}, {0, 7}}, LIN_INFO{});
  EXPECT_DOUBLE_EQ(Field(lines_, kLineEntity, line, "长度"), 7);
  // A caller writing a wrong length does not stick.
  AttributeRecord record;
  BasReadAttribute(lines_, kLineEntity, line, &record);
  BasSetFieldByName(record, "长度", 1.0);
  BasWriteAttribute(lines_, kLineEntity, line, record);
  EXPECT_DOUBLE_EQ(Field(lines_, kLineEntity, line, "长度"), 7);

  const int32_t arc = BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 0}}, LIN_INFO{});
  const int32_t region = BasAppendRegion(regions_, {0, arc}, REG_INFO{});
  EXPECT_DOUBLE_EQ(Field(regions_, kRegionEntity, region, "面积"), 12);
  EXPECT_DOUBLE_EQ(Field(regions_, kRegionEntity, region, "周长"), 14);
  // Changing the arc changes the region's measures.
  BasUpdateLine(regions_, arc, std::vector<D_DOT>{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}, LIN_INFO{});
  EXPECT_DOUBLE_EQ(Field(regions_, kRegionEntity, region, "面积"), 4);
  EXPECT_DOUBLE_EQ(Field(regions_, kRegionEntity, region, "周长"), 8);
}

// Inside a batch the regions of changed arcs are measured and told once, at
// its end.
TEST_F(AreaAttributes, ArcsChangedInABatchRefreshTheirRegionsAtItsEnd) {
  const int32_t a = BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {4, 0}, {4, 3}}, LIN_INFO{});
  const int32_t b = BasAppendLine(regions_, std::vector<D_DOT>{{4, 3}, {0, 3}, {0, 0}}, LIN_INFO{});
  const int32_t other = BasAppendLine(regions_, std::vector<D_DOT>{{9, 9}, {10, 9}, {10, 10}, {9, 9}}, LIN_INFO{});
  const int32_t region = BasAppendRegion(regions_, {0, a, b}, REG_INFO{});
  BasAppendRegion(regions_, {0, other}, REG_INFO{});
  std::vector<WorkAreaChange> told;
  BasAddChangeListener(regions_, [&](const WorkAreaChange& c) { told.push_back(c); });
  BasBeginBatch(regions_);
  BasUpdateLine(regions_, a, std::vector<D_DOT>{{0, 0}, {8, 0}, {4, 3}}, LIN_INFO{});
  BasUpdateLine(regions_, b, std::vector<D_DOT>{{4, 3}, {0, 3}, {0, 0}}, LIN_INFO{});
  EXPECT_TRUE(told.empty());
  BasEndBatch(regions_);
  EXPECT_DOUBLE_EQ(Field(regions_, kRegionEntity, region, "面积"), 18);
  const auto regionsTold = std::count_if(told.begin(), told.end(), [&](const WorkAreaChange& c) {
    return c.entityType == kRegionEntity && c.kind == ChangeKind::Updated && c.ids == std::vector<int32_t>{region};
  });
  EXPECT_EQ(regionsTold, 1);
}

TEST_F(AreaAttributes, StructureChangesKeepValuesByName) {
  const int32_t id = BasAppendPoint(points_, {0, 0}, "", PNT_INFO{});
  // A one-field structure gets "ID" in front, so its field is field 1.
  CATT_STRU s;
  CFIELD_HEAD number;
  number.name = "点号";
  number.type = kFieldString;
  number.length = 12;
  s.fields = {number};
  ASSERT_EQ(BasSetAttributeStructure(points_, kPointEntity, s), 1);
  AttributeRecord record;
  ASSERT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 1);
  ASSERT_EQ(record.structure->fieldCount(), 2);
  EXPECT_TRUE(BasSetFieldByIndex(record, 1, "ZK-01 钻孔"));
  EXPECT_TRUE(BasSetFieldByIndex(record, 0, 5.0));
  ASSERT_EQ(BasWriteAttribute(points_, kPointEntity, id, record), 1);

  CFIELD_HEAD height;
  height.name = "高程";
  height.type = kFieldDouble;
  height.length = 15;
  height.decimals = 2;
  height.position = 1;
  EXPECT_EQ(BasInsertField(points_, kPointEntity, height), 1);
  ASSERT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 1);
  std::string text;
  ASSERT_TRUE(BasGetFieldText(record, "点号", &text));
  EXPECT_EQ(text, "ZK-01 钻孔");
  EXPECT_EQ(BasFindField(*record.structure, "高程"), 1);
  EXPECT_TRUE(BasSetFieldByName(record, "高程", "1234.5"));
  ASSERT_EQ(BasWriteAttribute(points_, kPointEntity, id, record), 1);

  EXPECT_EQ(BasDeleteField(points_, kPointEntity, 0), 0);  // "ID" stays
  ASSERT_EQ(BasDeleteField(points_, kPointEntity, 2), 1);  // "点号"
  ASSERT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 1);
  EXPECT_LT(BasFindField(*record.structure, "点号"), 0);
  double value = 0;
  ASSERT_TRUE(BasGetFieldDouble(record, "高程", &value));
  EXPECT_EQ(value, 1234.5);
  ASSERT_TRUE(BasGetFieldDoubleByIndex(record, 0, &value));
  EXPECT_EQ(value, 5);
  EXPECT_EQ(BasInsertField(points_, kPointEntity, CFIELD_HEAD{}), -1);  // no name
}

TEST_F(AreaAttributes, RecordsOfDeletedOrMissingEntitiesFail) {
  const int32_t id = BasAppendPoint(points_, {0, 0}, "", PNT_INFO{});
  AttributeRecord record;
  EXPECT_EQ(BasReadAttribute(points_, kPointEntity, 0, &record), 0);
  EXPECT_EQ(BasReadAttribute(points_, kPointEntity, 2, &record), 0);
  ASSERT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 1);
  BasDeletePoint(points_, id);
  EXPECT_EQ(BasReadAttribute(points_, kPointEntity, id, &record), 0);
  EXPECT_EQ(BasWriteAttribute(points_, kPointEntity, id, record), 0);
}

TEST_F(AreaAttributes, RecordsOfAnotherStructureAreConvertedOnWrite) {
  const int32_t a = BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  CATT_STRU other;
  CFIELD_HEAD code;
  code.name = "CODE";
  code.type = kFieldLong;
  other.fields = {code};
  LayOutStructure(other);
  AttributeRecord foreign = AttributeRecord::Empty(std::make_shared<const CATT_STRU>(other));
  BasSetFieldByName(foreign, "ID", 9.0);
  BasSetFieldByName(foreign, "CODE", 4.0);
  ASSERT_EQ(BasWriteAttribute(lines_, kLineEntity, a, foreign), 1);
  EXPECT_EQ(Field(lines_, kLineEntity, a, "ID"), 9);
  EXPECT_EQ(Field(lines_, kLineEntity, a, "长度"), 1);
  EXPECT_EQ(Field(lines_, kLineEntity, a, "CODE"), -1);
}

TEST_F(AreaAttributes, FileLayoutsAreAdoptedAsTheyAre) {
  CATT_STRU file;
  CFIELD_HEAD name;
  name.name = "NAME";
  name.type = kFieldString;
  name.offset = 1;
  name.storage = 8;
  CFIELD_HEAD id;
  id.name = "ID";
  id.type = kFieldLong;
  id.offset = 9;
  id.storage = 4;
  file.fields = {name, id};
  file.recordLength = 13;
  ASSERT_EQ(BasAdoptAttributeStructure(points_, kPointEntity, file), 1);
  CATT_STRU read;
  BasReadAttributeStructure(points_, kPointEntity, &read);
  EXPECT_EQ(read.recordLength, 13);
  EXPECT_EQ(read.fields[0].name, "ID");
  EXPECT_EQ(read.fields[0].offset, 9);
  EXPECT_EQ(read.fields[1].offset, 1);
  file.fields[0].offset = 10;  // runs past the record
  EXPECT_EQ(BasAdoptAttributeStructure(points_, kPointEntity, file), 0);
}

}  // namespace
}  // namespace zv
