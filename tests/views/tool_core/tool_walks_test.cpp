// The tool views' own commands without a view: the read-out texts, the ID
// numbering, the inverted selection and the attribute-structure copy
// between files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"
#include "views/tool_core/area_walks.h"
#include "views/tool_core/measure_readout.h"
#include "views/tool_core/structure_copy.h"

namespace zv::toolview {
namespace {

std::string Dump(const std::vector<ReadoutLine>& lines) {
  std::string out;
  for (const ReadoutLine& l : lines) out += std::to_string(l.y) + " " + l.text + "\n";
  return out;
}

TEST(MeasureReadout, TextsFollowTheAreaThresholdsAndTheScale) {
  struct Case {
    double area;
    long scale;
    std::string expected;
  };
  const Case cases[] = {
      {0.00001, 2000, ""},
      {99999.0, 2000,
       "20 比例分母数：2000\n35 选择区面积：99999.000000平方米\n50 实际总面积：399996.000000平方米\n"},
      {100000.0, 2000,
       "20 比例分母数：2000\n35 选择区面积：0.100000平方公里\n50 实际总面积：0.400000平方公里\n"},
      {0.00001, 0, ""},
      {99999.0, 0, "20 比例分母数：1000\n35 选择区面积：99999.000000平方米\n50 实际总面积：99999.000000平方米\n"},
      {100000.0, 0, "20 比例分母数：1000\n35 选择区面积：0.100000平方公里\n50 实际总面积：0.100000平方公里\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.area) + " at " + std::to_string(c.scale));
    EXPECT_EQ(Dump(ReadoutLines({c.area, 0, 0.0}, c.scale)), c.expected);
  }
  EXPECT_EQ(Dump(ReadoutLines({0.0, 5, 12.5}, 2000)),
            "20 比例分母数：2000\n35 线节点总数：5\n50 选线总长度：12.500000\n65 线实际长度：25.000000\n")
      << "without the area lines the scale line comes first";
  EXPECT_EQ(Dump(ReadoutLines({10.0, 2, 1.0}, 1000)).substr(0, 3), "20 ");
  EXPECT_EQ(ReadoutLines({10.0, 2, 1.0}, 1000).at(3).y, 65) << "the line figures follow the area lines";
}

class ToolWalksTest : public test::WorkAreasTest {};

TEST_F(ToolWalksTest, PoolSumsTakeRegionAreasAndLineVerticesAndLengths) {
  const int32_t arc = BasAppendLine(regions_, {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, LIN_INFO{});
  const int32_t region = BasAppendRegion(regions_, {0, arc}, REG_INFO{});
  const int32_t line = BasAppendLine(lines_, {{0, 0}, {3, 4}, {3, 10}}, LIN_INFO{});
  const int32_t gone = BasAppendLine(lines_, {{0, 0}, {1, 0}}, LIN_INFO{});
  BasDeleteLine(lines_, gone);
  const ENTITY_MSG pool[] = {{regions_, kRegionEntity, region}, {lines_, kLineEntity, line}, {lines_, kLineEntity, gone}};
  const MeasureSums sums = SumPool(pool);
  EXPECT_DOUBLE_EQ(sums.area, 100.0);
  EXPECT_EQ(sums.vertices, 3);
  EXPECT_DOUBLE_EQ(sums.length, 11.0);
}

double IdOf(WorkAreaHandle area, int type, int32_t id) {
  AttributeRecord record;
  double value = -1;
  if (BasReadAttribute(area, type, id, &record) == 1) BasGetFieldDoubleByIndex(record, 0, &value);
  return value;
}

TEST_F(ToolWalksTest, NumberingSetsEachIdAndSkipsDeletedOnes) {
  for (int i = 0; i < 3; ++i) BasAppendPoint(points_, {double(i), 0}, "", PNT_INFO{});
  BasDeletePoint(points_, 2);
  EXPECT_EQ(NumberEntityIds(points_, kPointEntity), 2);
  EXPECT_EQ(IdOf(points_, kPointEntity, 1), 1);
  EXPECT_EQ(IdOf(points_, kPointEntity, 3), 3) << "the last id is numbered too";
  EXPECT_EQ(NumberEntityIds(lines_, kLineEntity), 0) << "an empty area numbers nothing";
}

TEST_F(ToolWalksTest, InversionTakesTheOtherLiveEntitiesOfTheKindsHeld) {
  for (int i = 0; i < 4; ++i) BasAppendPoint(points_, {double(i), 0}, "", PNT_INFO{});
  for (int i = 0; i < 3; ++i) BasAppendLine(lines_, {{0, double(i)}, {1, double(i)}}, LIN_INFO{});
  const int32_t arc = BasAppendLine(regions_, {{0, 0}, {1, 0}, {1, 1}, {0, 0}}, LIN_INFO{});
  BasAppendRegion(regions_, {0, arc}, REG_INFO{});
  BasDeletePoint(points_, 3);
  const CurrentAreas areas{lines_, points_, regions_};
  const ENTITY_MSG pool[] = {{points_, kPointEntity, 1}, {lines_, kLineEntity, 2}};
  const std::vector<ENTITY_MSG> expected = {
      {points_, kPointEntity, 2}, {points_, kPointEntity, 4}, {lines_, kLineEntity, 1}, {lines_, kLineEntity, 3}};
  EXPECT_EQ(InvertedPool(pool, areas), expected) << "deleted point 3 and the unheld regions stay out";
  EXPECT_TRUE(InvertedPool({}, areas).empty());
}

CFIELD_HEAD Field(const char* name, uint8_t type) {
  CFIELD_HEAD f;
  f.name = name;
  f.type = type;
  return f;
}

// A point file with the fields given and one point whose fields are set by name.
std::string WritePointFile(const std::string& name, const std::vector<CFIELD_HEAD>& fields,
                           const std::vector<std::pair<const char*, const char*>>& values, int areaType = kPointArea) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle area = BasCreateWorkArea(set, areaType);
  const int type = areaType;
  CATT_STRU structure;
  structure.fields = fields;
  EXPECT_EQ(BasSetAttributeStructure(area, type, structure), 1);
  const int32_t id = type == kPointEntity ? BasAppendPoint(area, {1, 1}, "p", PNT_INFO{})
                                          : BasAppendLine(area, {{0, 0}, {1, 1}}, LIN_INFO{});
  AttributeRecord record;
  BasReadAttribute(area, type, id, &record);
  for (const auto& [field, value] : values) BasSetFieldByName(record, field, value);
  BasWriteAttribute(area, type, id, record);
  const std::string path = test::TempRoot() + "/" + name;
  EXPECT_EQ(BasSaveWorkArea(area, path, kSavePathComplete), 1);
  BasFreeWorkAreaSet(set);
  return path;
}

struct Loaded {
  std::vector<std::string> fields;
  std::string value;
};
Loaded Load(const std::string& path, const char* field) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle area = BasLoadWorkArea(set, path);
  const int type = BasGetWorkAreaType(area);
  CATT_STRU structure;
  BasReadAttributeStructure(area, type, &structure);
  Loaded out;
  for (const CFIELD_HEAD& f : structure.fields) out.fields.push_back(f.name);
  AttributeRecord record;
  if (BasReadAttribute(area, type, 1, &record) == 1) BasGetFieldText(record, field, &out.value);
  BasFreeWorkAreaSet(set);
  return out;
}

TEST(StructureCopy, TargetsTakeTheirOwnFieldsThenTheCopiedOnesAndKeepSameNamedValues) {
  const std::string source = WritePointFile(
      "source.wt", {Field("名称", kFieldString), Field("深度", kFieldDouble)}, {{"名称", "甲"}});
  const std::string point = WritePointFile(
      "target.wt", {Field("旧字段", kFieldString), Field("深度", kFieldDouble)}, {{"深度", "7.5"}, {"旧字段", "x"}});
  const std::string line = WritePointFile("target.wl", {Field("深度", kFieldDouble)}, {{"深度", "2"}}, kLineArea);

  std::string error;
  const auto copied = ReadCopiedFields(source, &error);
  ASSERT_TRUE(copied) << error;
  ASSERT_EQ(copied->size(), 2u) << "ID is not copied";

  EXPECT_EQ(PasteStructureIntoFile(point, *copied), "");
  const Loaded p = Load(point, "深度");
  EXPECT_EQ(p.fields, (std::vector<std::string>{"ID", "名称", "深度"}));
  EXPECT_EQ(p.value, "7.5");

  EXPECT_EQ(PasteStructureIntoFile(line, *copied), "");
  const Loaded l = Load(line, "深度");
  EXPECT_EQ(l.fields, (std::vector<std::string>{"ID", "长度", "名称", "深度"}));
  EXPECT_EQ(l.value, "2");
}

TEST(StructureCopy, UnreadableFilesAreNamedAndLeftAsTheyWere) {
  const std::string bad = test::TempRoot() + "/bad.wt";
  std::ofstream(bad) << "not a platform file";
  std::string error;
  EXPECT_FALSE(ReadCopiedFields(bad, &error));
  EXPECT_NE(error.find("bad.wt"), std::string::npos);
  const std::string problem = PasteStructureIntoFile(bad, {Field("名称", kFieldString)});
  EXPECT_NE(problem.find("bad.wt"), std::string::npos);
  EXPECT_EQ(std::filesystem::file_size(bad), std::string("not a platform file").size());
}

}  // namespace
}  // namespace zv::toolview
