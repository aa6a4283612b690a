#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/bytes/little_endian.h"
#include "platform/files/attribute_table.h"

namespace zv::files {
namespace {

using ::testing::HasSubstr;

AttributeTable SurveyTable() {
  AttributeTable table = NewAttributeTable({MakeField("ID", FieldType::Long, 10, 0),
                                            MakeField("高程", FieldType::Double, 15, 2),
                                            MakeField("岩性名称", FieldType::String, 9, 0),
                                            MakeField("CODE", FieldType::Short, 5, 0),
                                            MakeField("DATE", FieldType::Date, 10, 0),
                                            MakeField("TIME", FieldType::Time, 8, 0),
                                            MakeField("F", FieldType::Float, 8, 1),
                                            MakeField("B", FieldType::Byte, 3, 0)},
                                           2026, 12, 10);
  table.ResizeRecords(3);
  return table;
}

TEST(AttributeTable, LaysOutFieldsFromOffsetOne) {
  const AttributeTable table = SurveyTable();
  const int offsets[] = {1, 5, 13, 23, 25, 29, 39, 43};
  const int sizes[] = {4, 8, 10, 2, 4, 10, 4, 1};
  for (std::size_t i = 0; i < table.fields.size(); ++i) {
    EXPECT_EQ(table.fields[i].Offset(), offsets[i]) << i;
    EXPECT_EQ(table.fields[i].StorageSize(), sizes[i]) << i;
    EXPECT_EQ(table.fields[i].Number(), static_cast<int>(i));
  }
  EXPECT_EQ(table.recordLength, 44u);
  EXPECT_EQ(table.fields[1].Name(), "高程");
  EXPECT_EQ(table.fields[1].EditFlag(), 2);
  EXPECT_EQ(table.FindField("code"), 3);
  EXPECT_EQ(table.FindField("岩性名称"), 2);
  EXPECT_LT(table.FindField("深度"), 0);
}

TEST(AttributeTable, ReadsAndWritesValuesOfEveryType) {
  AttributeTable table = SurveyTable();
  struct Case {
    std::size_t field;
    const char* written;
    const char* text;
    double number;
  } cases[] = {
      {0, "42", "42", 42},
      {1, "1234.567", "1234.57", 1234.567},
      {2, "花岗闪长岩体", "花岗闪长", 0},  // cut to 9 GBK bytes at a character boundary
      {3, "-7", "-7", -7},
      {4, "2024-03-05", "2024-03-05", 20240305},
      {5, "13:45:10", "13:45:10", 13 * 3600 + 45 * 60 + 10},
      {6, "2.5", "2.5", 2.5},
      {7, "200", "200", 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    ASSERT_TRUE(SetFieldText(table, 2, c.field, c.written));
    EXPECT_EQ(FieldText(table, 2, c.field).value_or("?"), c.text);
    if (c.field != 2) {
      EXPECT_DOUBLE_EQ(FieldNumber(table, 2, c.field).value_or(-1), c.number);
    }
  }
  ASSERT_TRUE(SetFieldNumber(table, 1, 2, 3.25));
  EXPECT_EQ(FieldText(table, 1, 2), "3.25");
  EXPECT_EQ(FieldText(table, 1, 4), "");  // an empty date
  EXPECT_FALSE(FieldText(table, 3, 0).has_value());
  EXPECT_FALSE(FieldText(table, 1, 8).has_value());
  EXPECT_FALSE(SetFieldNumber(table, 3, 0, 1));
}

TEST(AttributeTable, AddsAndRemovesFieldsKeepingValues) {
  AttributeTable table = SurveyTable();
  SetFieldNumber(table, 1, 1, 850.5);
  SetFieldText(table, 1, 2, "砂岩");
  AddField(table, MakeField("备注", FieldType::String, 30, 0));
  EXPECT_EQ(table.recordLength, 75u);
  EXPECT_TRUE(SetFieldText(table, 1, 8, "见矿"));
  RemoveField(table, 1);
  EXPECT_EQ(table.recordLength, 67u);
  EXPECT_EQ(table.fields[1].Name(), "岩性名称");
  EXPECT_EQ(table.fields[1].Offset(), 5);
  EXPECT_EQ(table.fields[7].Number(), 7);
  EXPECT_EQ(FieldText(table, 1, 1), "砂岩");
  EXPECT_EQ(FieldText(table, 1, 7), "见矿");
}

TEST(AttributeTable, EncodesAndDecodesTheSameBytes) {
  AttributeTable table = SurveyTable();
  SetFieldText(table, 1, 2, "石灰岩");
  table.SetRecordLive(1, true);
  std::vector<std::uint8_t> bytes;
  EncodeAttributeTable(table, bytes);
  EXPECT_EQ(bytes.size(), 348u + 8 * 39 + 3 * 44);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[12]), 348 + 8 * 39);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&bytes[322]), 8);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[324]), 3);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&bytes[328]), 44);
  EXPECT_EQ(bytes[320], 0x60);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&bytes[2]), 2026);

  std::vector<std::string> warnings;
  const AttributeTable read = DecodeAttributeTable(bytes, "T", warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(FieldText(read, 1, 2), "石灰岩");
  std::vector<std::uint8_t> again;
  EncodeAttributeTable(read, again);
  EXPECT_EQ(again, bytes);
}

TEST(AttributeTable, RecordLengthIsSixteenBits) {
  std::vector<std::uint8_t> bytes;
  EncodeAttributeTable(SurveyTable(), bytes);
  bytes[330] = bytes[331] = 0xFF;  // an i32 read would ask for 4 GB records
  std::vector<std::string> warnings;
  const AttributeTable read = DecodeAttributeTable(bytes, "T", warnings);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(read.recordLength, 44u);
  EXPECT_EQ(read.RecordCount(), 3u);
}

TEST(AttributeTable, MendsDamagedTables) {
  AttributeTable table = SurveyTable();
  std::vector<std::uint8_t> good;
  EncodeAttributeTable(table, good);
  struct Case {
    const char* name;
    std::size_t at;
    std::int32_t value;
    int width;
    const char* warning;
  } cases[] = {
      {"field count past the section", 322, 3000, 2, "3000 field descriptors announced, 11 present"},
      {"negative field count", 322, -2, 2, "-2 field descriptors announced"},
      {"zero record length", 328, 0, 4, "attribute records of length 0; records dropped"},
      {"field past the record", 348 + 39 * 7 + 21, 60, 4, "field \"B\" lies outside the record"},
      {"negative record count", 324, -9, 4, "-9 attribute records announced, 3 present"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> bytes = good;
    if (c.width == 2)
      bytes::WriteLe(&bytes[c.at], static_cast<std::int16_t>(c.value));
    else
      bytes::WriteLe(&bytes[c.at], c.value);
    std::vector<std::string> warnings;
    const AttributeTable read = DecodeAttributeTable(bytes, "LINES.WL: line attributes", warnings);
    EXPECT_TRUE(read.present);
    EXPECT_THAT(warnings, ::testing::Contains(HasSubstr(std::string("LINES.WL: line attributes: ") + c.warning)));
    std::vector<std::uint8_t> again;
    EncodeAttributeTable(read, again);
  }
  std::vector<std::string> warnings;
  EXPECT_FALSE(DecodeAttributeTable(std::span(good).first(100), "T", warnings).present);
  EXPECT_THAT(warnings, ::testing::ElementsAre(HasSubstr("shorter than its header")));
}

}  // namespace
}  // namespace zv::files
