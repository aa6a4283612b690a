// Table work areas and the ".wb" table file: records numbered by id, a
// write → read → write that gives the same bytes, and damaged files refused
// with a message naming them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "platform/data/table_area.h"
#include "platform/files/table_file.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

using ::testing::HasSubstr;

std::string Path(const std::string& name) { return zv::test::TempRoot() + "/" + name; }

std::vector<std::uint8_t> Bytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(fileio::ReadWholeFile(path, bytes));
  return bytes;
}

CFIELD_HEAD Field(const char* name, uint8_t type, int16_t length, int8_t decimals = 0) {
  CFIELD_HEAD f;
  f.name = name;
  f.type = type;
  f.length = length;
  f.decimals = decimals;
  return f;
}

class TableFileTest : public ::testing::Test {
 protected:
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  // "ID", "名称" (text 8), "品位" (double): rows (1, "ZK1", 1.5), (2, "钻孔二", −3).
  WorkAreaHandle SampleTable() {
    const WorkAreaHandle table = BasCreateWorkArea(set_, kTableArea);
    CATT_STRU structure;
    structure.fields = {Field("名称", kFieldString, 8), Field("品位", kFieldDouble, 15, 6)};
    EXPECT_EQ(BasSetAttributeStructure(table, kTableEntity, structure), 1);
    auto laidOut = std::make_shared<CATT_STRU>();
    BasGetTableStructure(table, laidOut.get());
    const std::pair<const char*, double> rows[] = {{"ZK1", 1.5}, {"钻孔二", -3}};
    for (int i = 0; i < 2; ++i) {
      AttributeRecord record = AttributeRecord::Empty(laidOut);
      BasPutFieldNumber(record, 0, i + 1);
      BasPutFieldText(record, 1, rows[i].first);
      BasPutFieldNumber(record, 2, rows[i].second);
      EXPECT_EQ(BasAppendTableRecord(table, record), i + 1);
    }
    return table;
  }

  WorkAreaSetHandle set_ = BasCreateWorkAreaSet(0);
};

TEST_F(TableFileTest, ATableHoldsNumberedRecordsWithoutGeometry) {
  const WorkAreaHandle table = SampleTable();
  EXPECT_EQ(BasGetWorkAreaType(table), kTableArea);
  EXPECT_FALSE(BasIsWorkAreaEmpty(table));
  EXPECT_TRUE(BasIsWorkAreaEmpty(BasCreateWorkArea(set_, kTableArea)));
  int32_t bound = 0;
  ASSERT_EQ(BasGetAttributeInfo(table, BasGetWorkAreaType(table), &bound), 1);
  EXPECT_EQ(bound, 3);
  CATT_STRU structure;
  AttributeRecord record;
  ASSERT_EQ(BasReadTableRecord(table, 2, &structure, &record), 1);
  ASSERT_EQ(structure.fieldCount(), 3);
  EXPECT_EQ(structure.fields[0].name, "ID");
  std::string text;
  BasGetFieldText(record, 1, &text);
  EXPECT_EQ(text, "钻孔二");
  EXPECT_EQ(BasReadTableRecord(table, 3, nullptr, nullptr), 0);
  EXPECT_EQ(BasReadTableRecord(table, 0, nullptr, nullptr), 0);
  // A table has no points, lines or regions, and other areas have no records.
  EXPECT_EQ(BasGetPointCount(table, nullptr, nullptr), 0);
  EXPECT_EQ(BasGetTableStructure(BasCreateWorkArea(set_, kPointArea), &structure), 0);
  EXPECT_EQ(BasAppendTableRecord(BasCreateWorkArea(set_, kLineArea), record), 0);
}

TEST_F(TableFileTest, WriteReadWriteGivesTheSameBytesAndKeepsDeletedIds) {
  const WorkAreaHandle table = SampleTable();
  ASSERT_EQ(BasAppendDeletedId(table, kTableEntity), 3);
  AttributeRecord record;
  BasReadAttribute(table, kTableEntity, 1, &record);
  EXPECT_EQ(BasAppendTableRecord(table, record), 4);
  ASSERT_EQ(BasSaveTable(table, Path("first"), 0), 1) << BasLastSaveError();
  EXPECT_EQ(BasGetWorkAreaFileName(table), Path("first.wb"));

  files::FileReport report;
  const WorkAreaHandle loaded = BasLoadWorkArea(set_, Path("first.wb"), &report);
  ASSERT_NE(loaded, 0) << report.error;
  EXPECT_EQ(BasGetWorkAreaType(loaded), kTableArea);
  int32_t live = 0, bound = 0;
  BasGetEntityCount(loaded, kTableEntity, &live, &bound);
  EXPECT_EQ(live, 3);
  EXPECT_EQ(bound, 5);
  EXPECT_EQ(BasReadTableRecord(loaded, 3, nullptr, nullptr), 0);
  ASSERT_EQ(BasReadTableRecord(loaded, 2, nullptr, &record), 1);
  double grade = 0;
  BasGetFieldDouble(record, "品位", &grade);
  EXPECT_EQ(grade, -3);

  ASSERT_EQ(BasSaveTable(loaded, Path("second.wb"), kSavePathComplete), 1) << BasLastSaveError();
  const std::vector<std::uint8_t> first = Bytes(Path("first.wb"));
  EXPECT_EQ(Bytes(Path("second.wb")), first);
  // The layout: header, "ID", "名称", "品位" descriptors, records 0 .. 4.
  const std::size_t length = 1 + 4 + 9 + 8;
  EXPECT_EQ(first.size(), 348 + 3 * 39 + 5 * length);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&first[322]), 3);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&first[324]), 5);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&first[328]), static_cast<std::int16_t>(length));
}

TEST_F(TableFileTest, DamagedFilesAreRefusedNamingThemAndLeaveTheTableAlone) {
  const WorkAreaHandle table = SampleTable();
  ASSERT_EQ(BasSaveTable(table, Path("good.wb"), kSavePathComplete), 1);
  const std::vector<std::uint8_t> good = Bytes(Path("good.wb"));
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"short.wb", {good.begin(), good.begin() + 200}});
  cases.push_back({"cut.wb", {good.begin(), good.end() - 5}});
  auto marker = good;
  marker[320] = 'X';
  cases.push_back({"marker.wb", marker});
  auto extra = good;
  extra.push_back(7);
  cases.push_back({"extra.wb", extra});
  auto fields = good;
  bytes::WriteLe<std::int16_t>(&fields[322], 90);
  cases.push_back({"fields.wb", fields});
  cases.push_back({"vector.wb", std::vector<std::uint8_t>(400, 'W')});

  const WorkAreaHandle target = BasCreateWorkArea(set_, kTableArea);
  ASSERT_EQ(LoadTableFile(target, Path("good.wb")), 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(fileio::WriteFileAtomically(Path(c.name), c.bytes));
    files::FileReport report;
    EXPECT_EQ(BasLoadWorkArea(set_, Path(c.name), &report), 0);
    EXPECT_THAT(report.error, HasSubstr(Path(c.name)));
    EXPECT_EQ(BasLoadFileIntoWorkArea(target, Path(c.name), &report), 0);
    int32_t live = 0, bound = 0;
    BasGetEntityCount(target, kTableEntity, &live, &bound);
    EXPECT_EQ(live, 2);
  }
  files::FileReport report;
  EXPECT_EQ(BasLoadWorkArea(set_, Path("missing.wb"), &report), 0);
  EXPECT_THAT(report.error, HasSubstr("missing.wb"));
}

TEST_F(TableFileTest, AFailedSaveIsToldAndKeepsTheOldFile) {
  const WorkAreaHandle table = SampleTable();
  EXPECT_EQ(BasSaveTable(table, Path("no/such/folder/t.wb"), kSavePathComplete), 0);
  EXPECT_THAT(BasLastSaveError(), HasSubstr("t.wb"));
  EXPECT_EQ(BasSaveTable(BasCreateWorkArea(set_, kPointArea), Path("p.wb"), kSavePathComplete), 0);
}

}  // namespace
}  // namespace zv
