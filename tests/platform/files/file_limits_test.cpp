// What the platform's files can hold: attribute records of at most 65535
// bytes and point texts of at most 32767 GBK bytes. A work area refuses more,
// so whatever it holds saves and reads back whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/fileio/file_io.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

using ::testing::HasSubstr;

std::string Path(const std::string& name) { return zv::test::TempRoot() + "/" + name; }

CFIELD_HEAD Field(const char* name, uint8_t type, int16_t length) {
  CFIELD_HEAD field;
  field.name = name;
  field.type = type;
  field.length = length;
  if (type == kFieldDouble) field.decimals = 4;
  return field;
}

// A text of exactly `bytes` GBK bytes, Chinese and ASCII mixed.
std::string TextOfGbkBytes(std::size_t bytes, const char* seed) {
  std::string text;
  std::size_t used = 0;
  for (std::size_t i = 0; used + 2 <= bytes; ++i, used += 2) text += (i % 3 == 0) ? "剖" : (i % 3 == 1) ? "面" : "图";
  if (used < bytes) text += seed;
  return text;
}

struct Saved {
  WorkAreaHandle area = 0;
  std::vector<std::string> warnings;
};

class FileLimitsTest : public ::testing::Test {
 protected:
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  // Saves the area, loads the file into a new area and saves that again: the
  // two files must be the same bytes.
  Saved SaveAndReload(WorkAreaHandle area, const std::string& name) {
    EXPECT_EQ(BasSaveWorkArea(area, Path(name), kSavePathComplete), 1) << BasLastSaveError();
    files::FileReport report;
    Saved saved;
    saved.area = BasLoadWorkArea(set_, Path(name), &report);
    EXPECT_NE(saved.area, 0) << report.error;
    saved.warnings = report.warnings;
    EXPECT_EQ(BasSaveWorkArea(saved.area, Path(name + ".again"), kSavePathComplete), 1) << BasLastSaveError();
    std::vector<std::uint8_t> once, twice;
    EXPECT_TRUE(fileio::ReadWholeFile(Path(name), once));
    EXPECT_TRUE(fileio::ReadWholeFile(Path(name + ".again"), twice));
    EXPECT_EQ(once, twice);
    return saved;
  }

  WorkAreaSetHandle set_ = BasCreateWorkAreaSet(0);
};

TEST_F(FileLimitsTest, RecordsAsLongAsTheFileHoldsSaveAndReadBackWhole) {
  const WorkAreaHandle area = BasCreatePointWorkArea(set_);
  // 1 (live flag) + 4 (ID) + 2 × 30001 + 8 + 5520 = 65535 bytes.
  CATT_STRU structure;
  structure.fields = {Field("岩性描述", kFieldString, 30000), Field("备注", kFieldString, 30000),
                      Field("深度", kFieldDouble, 15), Field("NAME", kFieldString, 5519)};
  ASSERT_EQ(BasSetAttributeStructure(area, kPointEntity, structure), 1) << BasLastRefusal();
  ASSERT_EQ(BasReadAttributeStructure(area, kPointEntity, &structure), 1);
  ASSERT_EQ(structure.recordLength, kMaxAttributeRecordLength);

  for (int i = 1; i <= 2; ++i) {
    ASSERT_EQ(BasAppendPoint(area, {1.0 * i, 2.0 * i}, "点", PNT_INFO{}), i);
    AttributeRecord record;
    ASSERT_EQ(BasReadAttribute(area, kPointEntity, i, &record), 1);
    BasSetFieldByName(record, "ID", static_cast<double>(i));
    BasSetFieldByName(record, "岩性描述", TextOfGbkBytes(30000, "a"));
    BasSetFieldByName(record, "备注", TextOfGbkBytes(29999 - i, "b"));
    BasSetFieldByName(record, "深度", 1234.5678 * i);
    BasSetFieldByName(record, "NAME", TextOfGbkBytes(5519, "c"));
    ASSERT_EQ(BasWriteAttribute(area, kPointEntity, i, record), 1);
  }

  const Saved saved = SaveAndReload(area, "WIDE.WT");
  EXPECT_THAT(saved.warnings, ::testing::IsEmpty());
  CATT_STRU read;
  ASSERT_EQ(BasReadAttributeStructure(saved.area, kPointEntity, &read), 1);
  ASSERT_EQ(read.fieldCount(), structure.fieldCount());
  EXPECT_EQ(read.recordLength, structure.recordLength);
  for (int32_t id = 1; id <= 2; ++id) {
    AttributeRecord before, after;
    ASSERT_EQ(BasReadAttribute(area, kPointEntity, id, &before), 1);
    ASSERT_EQ(BasReadAttribute(saved.area, kPointEntity, id, &after), 1);
    EXPECT_EQ(after.bytes, before.bytes);
    for (int f = 0; f < structure.fieldCount(); ++f) {
      SCOPED_TRACE(structure.fields[static_cast<std::size_t>(f)].name);
      std::string a, b;
      ASSERT_TRUE(BasGetFieldText(before, f, &a));
      ASSERT_TRUE(BasGetFieldText(after, BasFindField(read, structure.fields[static_cast<std::size_t>(f)].name), &b));
      EXPECT_EQ(b, a);
    }
  }
}

TEST_F(FileLimitsTest, LongerRecordsAreRefusedWithAMessageAndNothingChanges) {
  const WorkAreaHandle area = BasCreatePointWorkArea(set_);
  ASSERT_EQ(BasAppendPoint(area, {0, 0}, "", PNT_INFO{}), 1);
  CATT_STRU before;
  ASSERT_EQ(BasReadAttributeStructure(area, kPointEntity, &before), 1);

  CATT_STRU tooLong;
  tooLong.fields = {Field("A", kFieldString, 30000), Field("B", kFieldString, 30000), Field("C", kFieldString, 30000),
                    Field("D", kFieldDouble, 15)};
  EXPECT_EQ(BasSetAttributeStructure(area, kPointEntity, tooLong), 0);
  EXPECT_THAT(BasLastRefusal(), HasSubstr("65535"));
  CATT_STRU after;
  ASSERT_EQ(BasReadAttributeStructure(area, kPointEntity, &after), 1);
  EXPECT_EQ(after.fieldCount(), before.fieldCount());
  EXPECT_EQ(after.recordLength, before.recordLength);

  // A field that would carry a full record past the limit.
  CATT_STRU full;
  full.fields = {Field("A", kFieldString, 30000), Field("B", kFieldString, 30000), Field("C", kFieldString, 5527)};
  ASSERT_EQ(BasSetAttributeStructure(area, kPointEntity, full), 1) << BasLastRefusal();
  EXPECT_EQ(BasLastRefusal(), "");
  EXPECT_EQ(BasInsertField(area, kPointEntity, Field("E", kFieldByte, 1)), -1);
  EXPECT_THAT(BasLastRefusal(), HasSubstr("65535"));
  ASSERT_EQ(BasReadAttributeStructure(area, kPointEntity, &after), 1);
  EXPECT_EQ(after.recordLength, kMaxAttributeRecordLength);
  EXPECT_EQ(BasFindField(after, "E"), -1);
}

TEST_F(FileLimitsTest, PointTextsTheFileCannotHoldAreRefused) {
  const WorkAreaHandle area = BasCreatePointWorkArea(set_);
  const std::string longest = TextOfGbkBytes(kMaxPointTextBytes, "z");
  const std::string tooLong = TextOfGbkBytes(kMaxPointTextBytes + 1, "z");  // 16384 Chinese characters
  ASSERT_EQ(BasAppendPoint(area, {1, 1}, longest, PNT_INFO{}), 1) << BasLastRefusal();
  EXPECT_EQ(BasAppendPoint(area, {2, 2}, tooLong, PNT_INFO{}), 0);
  EXPECT_THAT(BasLastRefusal(), HasSubstr("32767"));
  EXPECT_EQ(BasUpdatePoint(area, 1, {3, 3}, tooLong + "x", PNT_INFO{}), 0);
  EXPECT_THAT(BasLastRefusal(), HasSubstr("32767"));
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  EXPECT_EQ(live, 1);

  const Saved saved = SaveAndReload(area, "TEXTS.WT");
  D_DOT position;
  std::string text;
  ASSERT_EQ(BasReadPoint(saved.area, 1, &position, &text, nullptr), 1);
  EXPECT_EQ(text, longest);
  EXPECT_EQ(position.x, 1);  // the refused update moved nothing

  // The file writer itself never cuts a text.
  files::VectorFile file = files::NewVectorFile(files::FileKind::Point);
  file.points.resize(2);
  file.points[1].SetLive(true);
  file.points[1].SetText(tooLong);
  std::string error;
  EXPECT_FALSE(files::SaveVectorFile(Path("CUT.WT"), file, &error));
  EXPECT_THAT(error, HasSubstr("point 1: text of 32768 bytes"));
  EXPECT_FALSE(std::filesystem::exists(Path("CUT.WT")));
}

}  // namespace
}  // namespace zv
