// The plain-text exchange files: each kind written and read back whole,
// hand-written files of the described layout, the refusals of malformed
// files (nothing kept, the line named), and the kind a name's last letter
// gives.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/fileio/file_io.h"
#include "platform/convert/plain_text_format.h"
#include "platform/convert/plain_text_reader.h"
#include "platform/convert/plain_text_writer.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::convert {
namespace {

// The bytes of the listed fields of a record.
template <typename Record>
std::string Listed(const Record& record, std::span<const ListedField> fields) {
  std::string out;
  for (const ListedField& f : fields)
    for (std::size_t k = 0; k < ParamValueSize(f.type); ++k) out += std::to_string(record.bytes[f.offset + k]) + ",";
  return out;
}

// Everything a file carries of an area, as text.
std::string Dump(WorkAreaHandle area) {
  const int type = BasGetWorkAreaType(area);
  std::string out;
  const auto attributes = [&](int entityType, int32_t id) {
    AttributeRecord record;
    std::string text, values;
    if (BasReadAttribute(area, entityType, id, &record) != 1) return values;
    for (int i = 0; i < BasGetFieldCount(*record.structure); ++i) {
      BasGetFieldText(record, i, &text);
      values += record.structure->fields[static_cast<std::size_t>(i)].name + "=" + text + ";";
    }
    return values;
  };
  int32_t live = 0, bound = 0;
  const int entityType = type;
  BasGetEntityCount(area, entityType, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasIsEntityLive(area, entityType, id)) continue;
    if (type == kPointArea) {
      D_DOT at{};
      std::string text;
      PNT_INFO info;
      BasReadPoint(area, id, &at, &text, &info);
      out += std::to_string(at.x) + " " + std::to_string(at.y) + " [" + text + "] ";
      // Only the listed bytes travel; compare those.
      out += Listed(info, PointFields(info.kind()));
    } else if (type == kLineArea) {
      std::vector<D_DOT> v;
      LIN_INFO info;
      BasReadLine(area, id, &v, &info);
      for (const D_DOT& p : v) out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
      out += Listed(info, LineFields());
    } else {
      std::vector<std::vector<D_DOT>> rings;
      REG_INFO info;
      BasReadRegion(area, id, nullptr, &info);
      BasGetRegionRings(area, id, &rings);
      for (const auto& ring : rings) {
        for (const D_DOT& p : ring) out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
        out += "| ";
      }
      out += Listed(info, RegionFields());
    }
    out += " {" + attributes(entityType, id) + "}\n";
  }
  return out;
}

class PlainTextTest : public test::WorkAreasTest {
 protected:
  WorkAreaHandle Fresh(int type) { return BasCreateWorkArea(set_, type); }
  PlainTextRead RoundTrip(WorkAreaHandle from, WorkAreaHandle* to) {
    *to = Fresh(BasGetWorkAreaType(from));
    return ReadPlainText(PlainTextBytes(from), *to);
  }
};

TEST_F(PlainTextTest, EachKindReadsBackWhatWasWritten) {
  CFIELD_HEAD name;
  name.name = "名称";
  name.length = 20;
  CFIELD_HEAD depth;
  depth.name = "深度";
  depth.type = kFieldDouble;
  depth.decimals = 3;
  CATT_STRU structure;
  structure.fields = {name, depth};
  BasSetAttributeStructure(points_, kPointEntity, structure);

  PNT_INFO text;
  text.setCharHeight(5.5f);
  text.setColour(3);
  text.setLayer(2);
  PNT_INFO symbol;
  symbol.setKind(1);
  symbol.setSymbolNumber(21);
  symbol.setSymbolWidth(3.25f);
  PNT_INFO block;
  block.setKind(5);
  block.Set<float>(pnt::kBoxWidth, 40.0f);
  const int32_t first = BasAppendPoint(points_, {0.1, 1e7 + 0.3}, "钻孔\"ZK1\"", text);
  BasAppendPoint(points_, {-12.125, 3}, "", symbol);
  BasAppendPoint(points_, {5, 5}, "两行\n文本", block);
  BasDeletePoint(points_, 2);
  AttributeRecord record;
  BasReadAttribute(points_, kPointEntity, first, &record);
  BasSetFieldByName(record, "名称", "测站\"一\"");
  BasSetFieldByName(record, "深度", 12.345);
  BasSetFieldByIndex(record, 0, 9.0);
  BasWriteAttribute(points_, kPointEntity, first, record);

  LIN_INFO line;
  line.setStyle(3);
  line.setWidth(0.15f);
  line.setXScale(10.0f);
  BasAppendLine(lines_, {{0, 0}, {1.0 / 3.0, 2}, {5, 5}}, line);
  BasAppendLine(lines_, {{7, 7}}, LIN_INFO{});

  const int32_t outer = BasAppendLine(regions_, {{0, 0}, {10, 0}, {10, 10}, {0, 0}}, LIN_INFO{});
  const int32_t hole = BasAppendLine(regions_, {{2, 2}, {2, 4}, {4, 4}, {2, 2}}, LIN_INFO{});
  REG_INFO fill;
  fill.setFillColour(5);
  fill.setPatternHeight(5.0f);
  BasAppendRegion(regions_, {0, outer, 0, -hole}, fill);

  for (const WorkAreaHandle area : {points_, lines_, regions_}) {
    SCOPED_TRACE(BasGetWorkAreaType(area));
    WorkAreaHandle back = 0;
    const PlainTextRead read = RoundTrip(area, &back);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(Dump(back), Dump(area));
  }
}

std::string Fixture(const char* name) {
  std::string bytes;
  EXPECT_TRUE(fileio::ReadWholeFile(test::DataPath(std::string("plaintext/") + name), bytes));
  return bytes;
}

TEST_F(PlainTextTest, HandWrittenFilesOfEveryHeaderAndLineEndRead) {
  for (const char* name : {"points_utf8.wat", "points_gbk.wat"}) {
    SCOPED_TRACE(name);
    const WorkAreaHandle area = Fresh(kPointArea);
    const PlainTextRead read = ReadPlainText(Fixture(name), area);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.entities, 3);
    std::string text;
    PNT_INFO info;
    BasReadPoint(area, 1, nullptr, &text, &info);
    EXPECT_EQ(text, "钻孔\"ZK1\"");
    EXPECT_EQ(info.charHeight(), 5.0f);
    EXPECT_EQ(info.angle(), 30.0f);
    BasReadPoint(area, 2, nullptr, nullptr, &info);
    EXPECT_EQ(info.symbolNumber(), 21);
    BasReadPoint(area, 3, nullptr, nullptr, &info);
    EXPECT_EQ(info.radius(), 2.5);
  }
  const WorkAreaHandle lines = Fresh(kLineArea);
  ASSERT_TRUE(ReadPlainText(Fixture("lines_crlf.wal"), lines).ok);
  std::vector<D_DOT> v;
  LIN_INFO info;
  BasReadLine(lines, 1, &v, &info);
  EXPECT_EQ(v.size(), 3u);
  EXPECT_EQ(info.colour(), 3);
  EXPECT_EQ(info.xScale(), 10.0f);

  const WorkAreaHandle regions = Fresh(kRegionArea);
  const PlainTextRead read = ReadPlainText(Fixture("regions.wap"), regions);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_NEAR(BasRegionArea(regions, 1), 48.0, 1e-9) << "a triangle of 50 less a triangle of 2";
  AttributeRecord record;
  std::string name;
  BasReadAttribute(regions, kRegionEntity, 1, &record);
  BasGetFieldText(record, "名称", &name);
  EXPECT_EQ(name, "测区");
}

TEST_F(PlainTextTest, MalformedFilesAreRefusedWholeNamingTheLine) {
  struct Case {
    const char* name;
    int type;
    std::string bytes;
    std::string message;
  };
  const std::string point = "0 0 1\n1\n21 3 3 0 0 1 0.1 0 0\n";
  const Case cases[] = {
      {"bad header", kPointArea, "WMAP9999\n1\n" + point, "第1行"},
      {"another kind", kLineArea, "WMAP9022\n1\n" + point, "文件类型"},
      {"count beyond the data", kPointArea, "WMAP9022\n2\n" + point, "数据不完整"},
      {"short record", kPointArea, "WMAP9022\n1\n0 0 1\n1\n21 3 3\n", "数据不完整"},
      {"no number", kPointArea, "WMAP9022\n1\n0 x 1\n", "第3行：坐标不是数字"},
      {"negative count", kLineArea, "WMAP9021\n-1\n", "线数为负数"},
      {"unknown point kind", kPointArea, "WMAP9022\n1\n0 0 1\n9\n", "点类型9"},
      {"unclosed quote", kPointArea, "WMAP9022\n1\n0 0 1\n0\n\"abc 1 1\n", "引号不成对"},
      {"arc beyond the arcs", kRegionArea, "WMAP9023\n0\n1\n0 0 0 0 0 0 0\n1\n3\n0 0\n", "超出弧段数"},
      {"empty", kPointArea, "", "缺少文件头"},
      // Not-a-number and infinite coordinates would put vertices nowhere.
      {"infinite point", kPointArea, "WMAP9022\n1\n0 inf 1\n1\n21 3 3 0 0 1 0.1 0 0\n", "第3行：坐标不是有限数值"},
      {"nan vertex", kLineArea, "WMAP9021\n1\n1 0 1 0.1 1 1 0 0 0\n2\n0 0\nnan 1\n1 1.4\n", "第6行：坐标不是有限数值"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WorkAreaHandle area = Fresh(c.type);
    const PlainTextRead read = ReadPlainText(c.bytes, area);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(read.error.find(c.message), std::string::npos) << read.error;
    EXPECT_NE(BasIsWorkAreaEmpty(area), 0) << "nothing of the file is kept";
  }
}

TEST_F(PlainTextTest, FileErrorsNameTheFileAndSavesAreWhole) {
  const WorkAreaHandle area = Fresh(kPointArea);
  const std::string missing = test::TempRoot() + "/none.wat";
  EXPECT_NE(ReadPlainTextFile(missing, area).error.find("none.wat"), std::string::npos);
  BasAppendPoint(points_, {1, 2}, "a", PNT_INFO{});
  const std::string path = test::TempRoot() + "/p.wat";
  std::string error;
  ASSERT_TRUE(SavePlainTextFile(path, points_, &error)) << error;
  const PlainTextRead read = ReadPlainTextFile(path, area);
  EXPECT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.entities, 1);
}

TEST(PlainTextKinds, TheLastLetterOfTheNameGivesTheKind) {
  const std::pair<const char*, int> cases[] = {{"a.wat", kPointArea}, {"a.WAT", kPointArea}, {"a.wal", kLineArea},
                                               {"b.WAL", kLineArea},  {"c.wap", kRegionArea}, {"c.waP", kRegionArea},
                                               {"d.wan", -1},         {"e.txt", kPointArea}, {"f.dxf", -1},
                                               {"", -1}};
  for (const auto& [name, kind] : cases) EXPECT_EQ(PlainTextKindOfName(name), kind) << name;
}

}  // namespace
}  // namespace zv::convert
