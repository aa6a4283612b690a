#include "platform/data/attributes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zv {
namespace {

CFIELD_HEAD Field(const char* name, uint8_t type, int16_t length = 10, int8_t decimals = 0) {
  CFIELD_HEAD f;
  f.name = name;
  f.type = type;
  f.length = length;
  f.decimals = decimals;
  return f;
}

std::shared_ptr<const CATT_STRU> Structure(std::vector<CFIELD_HEAD> fields) {
  CATT_STRU s;
  s.fields = std::move(fields);
  LayOutStructure(s);
  return std::make_shared<const CATT_STRU>(s);
}

TEST(AttributeStructure, IdIsAlwaysFieldZero) {
  // A one-field structure gets "ID" in front of it.
  auto s = Structure({Field("点号", kFieldString, 12)});
  ASSERT_EQ(s->fieldCount(), 2);
  EXPECT_EQ(s->fields[0].name, "ID");
  EXPECT_EQ(s->fields[0].type, kFieldLong);
  EXPECT_EQ(BasFindField(*s, "点号"), 1);
  EXPECT_LT(BasFindField(*s, "高程"), 0);
  // An "ID" further down moves to the front.
  auto moved = Structure({Field("A", kFieldShort), Field("ID", kFieldLong)});
  EXPECT_EQ(moved->fields[0].name, "ID");
  EXPECT_EQ(moved->fields[1].name, "A");
  EXPECT_EQ(moved->fieldCount(), 2);
}

TEST(AttributeStructure, LayoutFollowsStorageSizes) {
  auto s = Structure({Field("名称", kFieldString, 10), Field("B", kFieldByte), Field("S", kFieldShort),
                      Field("L", kFieldLong), Field("F", kFieldFloat), Field("D", kFieldDouble), Field("日", kFieldDate),
                      Field("时", kFieldTime), Field("X", 15, 6)});
  const int16_t storage[] = {4, 11, 1, 2, 4, 4, 8, 4, 10, 6};
  int32_t offset = 1;
  for (int i = 0; i < s->fieldCount(); ++i) {
    EXPECT_EQ(s->fields[i].storage, storage[i]) << i;
    EXPECT_EQ(s->fields[i].offset, offset) << i;
    offset += storage[i];
  }
  EXPECT_EQ(s->recordLength, offset);
}

TEST(AttributeStructure, FileLayoutIsKeptAndIdAddedAtTheEnd) {
  CATT_STRU s;
  CFIELD_HEAD a = Field("A", kFieldLong);
  a.offset = 5;
  a.storage = 4;
  CFIELD_HEAD b = Field("B", kFieldShort);
  b.offset = 1;
  b.storage = 2;
  s.fields = {a, b};
  s.recordLength = 9;
  ASSERT_TRUE(AdoptStructureLayout(s));
  EXPECT_EQ(s.fields[0].name, "ID");
  EXPECT_EQ(s.fields[0].offset, 9);
  EXPECT_EQ(s.recordLength, 13);
  EXPECT_EQ(s.fields[1].offset, 5);
  EXPECT_EQ(s.fields[2].offset, 1);
  CATT_STRU past = s;
  past.fields[1].offset = 12;
  EXPECT_FALSE(AdoptStructureLayout(past));
  CATT_STRU huge = s;
  huge.recordLength = 0x7FFFFFFF;
  EXPECT_FALSE(AdoptStructureLayout(huge));
}

TEST(AttributeStructure, StorageSizesStayWithinSixteenBits) {
  EXPECT_EQ(FieldStorageSize(kFieldString, 32767), 32767);
  EXPECT_EQ(FieldStorageSize(kFieldString, -4), 1);
  EXPECT_EQ(FieldStorageSize(kFieldDouble, 3), 8);
  EXPECT_EQ(FieldStorageSize(40, 0), 1);
}

TEST(AttributeStructure, CustomaryFields) {
  EXPECT_EQ(CustomaryStructure(1).fieldCount(), 1);
  const CATT_STRU line = CustomaryStructure(0);
  ASSERT_EQ(line.fieldCount(), 2);
  EXPECT_EQ(line.fields[1].name, "长度");
  EXPECT_EQ(line.fields[1].type, kFieldDouble);
  const CATT_STRU region = CustomaryStructure(2);
  ASSERT_EQ(region.fieldCount(), 3);
  EXPECT_EQ(region.fields[1].name, "面积");
  EXPECT_EQ(region.fields[2].name, "周长");
}

TEST(AttributeRecordValues, SetAndGetByNameAndIndex) {
  auto s = Structure({Field("名称", kFieldString, 10), Field("S", kFieldShort), Field("L", kFieldLong),
                      Field("F", kFieldFloat, 10, 2), Field("高程", kFieldDouble, 15, 3), Field("B", kFieldByte)});
  AttributeRecord r = AttributeRecord::Empty(s);
  EXPECT_EQ(r.bytes[0], 1);
  EXPECT_TRUE(BasSetFieldByName(r, "名称", "石英岩"));
  EXPECT_TRUE(BasSetFieldByIndex(r, 2, "-123"));
  EXPECT_TRUE(BasSetFieldByName(r, "L", 70000.9));
  EXPECT_TRUE(BasSetFieldByName(r, "F", "1.25"));
  EXPECT_TRUE(BasSetFieldByName(r, "高程", 1234.5678));
  EXPECT_TRUE(BasSetFieldByIndex(r, 0, 42.0));
  EXPECT_TRUE(BasSetFieldByName(r, "B", 300.0));  // clamped to a byte

  struct Case { const char* name; const char* text; double number; };
  const Case cases[] = {{"名称", "石英岩", 0}, {"S", "-123", -123}, {"L", "70000", 70000},
                        {"F", "1.25", 1.25},   {"高程", "1234.568", 1234.5678}, {"ID", "42", 42}, {"B", "255", 255}};
  for (const Case& c : cases) {
    std::string text;
    EXPECT_TRUE(BasGetFieldText(r, c.name, &text)) << c.name;
    EXPECT_EQ(text, c.text) << c.name;
    double number = -1;
    EXPECT_TRUE(BasGetFieldDouble(r, c.name, &number)) << c.name;
    EXPECT_DOUBLE_EQ(number, c.number) << c.name;
  }
  // Strings are stored as GBK: three Chinese characters take six bytes.
  const CFIELD_HEAD& name = s->fields[1];
  EXPECT_EQ(strnlen(reinterpret_cast<const char*>(r.bytes.data() + name.offset), name.storage), 6u);

  std::string missing;
  EXPECT_FALSE(BasGetFieldText(r, "无此字段", &missing));
  EXPECT_FALSE(BasGetFieldText(r, 99, &missing));
  EXPECT_FALSE(BasSetFieldByIndex(r, -1, "x"));
  double d = 0;
  EXPECT_FALSE(BasGetFieldDouble(r, "无此字段", &d));
}

TEST(AttributeRecordValues, LongTextIsCutAtACharacterBoundary) {
  auto s = Structure({Field("名称", kFieldString, 5)});  // 5 GBK bytes
  AttributeRecord r = AttributeRecord::Empty(s);
  ASSERT_TRUE(BasSetFieldByName(r, "名称", "花岗闪长岩"));
  std::string text;
  ASSERT_TRUE(BasGetFieldText(r, "名称", &text));
  EXPECT_EQ(text, "花岗");
}

TEST(AttributeRecordValues, ReadFieldValueHandsOverRawNumbersAndTerminatedText) {
  auto s = Structure({Field("花纹", kFieldLong, 8), Field("名称", kFieldString, 20)});
  AttributeRecord r = AttributeRecord::Empty(s);
  BasSetFieldByName(r, "花纹", 17.0);
  BasSetFieldByName(r, "名称", "砂岩abc");
  int32_t value = 0;
  EXPECT_EQ(BasReadFieldValue(r, "花纹", &value, 4), 4u);
  EXPECT_EQ(value, 17);
  char text[8];
  EXPECT_GT(BasReadFieldValue(r, "名称", text, sizeof text), 0u);
  EXPECT_STREQ(text, "砂岩a");  // 7 bytes of UTF-8, cut between characters
  char small[4];
  BasReadFieldValue(r, "名称", small, sizeof small);
  EXPECT_STREQ(small, "砂");
  EXPECT_EQ(BasReadFieldValue(r, "无", &value, 4), 0u);
}

TEST(AttributeRecordValues, DatesAndTimes) {
  auto s = Structure({Field("日期", kFieldDate), Field("时间", kFieldTime)});
  AttributeRecord r = AttributeRecord::Empty(s);
  std::string text;
  ASSERT_TRUE(BasGetFieldText(r, "日期", &text));
  EXPECT_EQ(text, "");
  ASSERT_TRUE(BasSetFieldByName(r, "日期", "2017-12-07"));
  ASSERT_TRUE(BasGetFieldText(r, "日期", &text));
  EXPECT_EQ(text, "2017-12-07");
  ASSERT_TRUE(BasSetFieldByName(r, "时间", "08:30:15.5"));
  ASSERT_TRUE(BasGetFieldText(r, "时间", &text));
  EXPECT_EQ(text, "08:30:15.500");
  EXPECT_FALSE(BasSetFieldByName(r, "日期", "not a date"));
}

TEST(AttributeRecordValues, ConvertKeepsValuesByName) {
  auto from = Structure({Field("A", kFieldString, 10), Field("B", kFieldLong)});
  auto to = Structure({Field("B", kFieldDouble, 15, 2), Field("C", kFieldShort), Field("A", kFieldString, 3)});
  AttributeRecord r = AttributeRecord::Empty(from);
  BasSetFieldByName(r, "A", "abcdef");
  BasSetFieldByName(r, "B", 12.0);
  BasSetFieldByName(r, "ID", 5.0);
  const AttributeRecord c = ConvertRecord(r, to);
  std::string text;
  BasGetFieldText(c, "A", &text);
  EXPECT_EQ(text, "abc");
  double v = 0;
  BasGetFieldDouble(c, "B", &v);
  EXPECT_EQ(v, 12.0);
  BasGetFieldDouble(c, "C", &v);
  EXPECT_EQ(v, 0.0);
  BasGetFieldDouble(c, "ID", &v);
  EXPECT_EQ(v, 5.0);
}

TEST(FieldTypes, NamesByCode) {
  EXPECT_EQ(FieldTypeName(0), "字符型");
  EXPECT_EQ(FieldTypeName(5), "双精度型");
  EXPECT_EQ(FieldTypeName(15), "二进制数据");
  EXPECT_EQ(FieldTypeName(17), "数字");
  EXPECT_EQ(FieldTypeName(18), "表格");
  EXPECT_EQ(FieldTypeName(14), "");
  EXPECT_EQ(FieldTypeName(19), "");
  EXPECT_EQ(FieldTypeName(-1), "");
}

}  // namespace
}  // namespace zv
