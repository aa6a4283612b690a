#include "platform/data/param_records.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/data/map_params.h"
#include "platform/data/work_area.h"

namespace zv {
namespace {

using enum ParamRecordKind;
using enum ParamValueType;

template <class Record>
void ExpectRoundTrip(Record record, const ParamField& field) {
  // A value whose bytes all differ, so a wrong offset or width shows.
  record.Clear();
  const std::size_t size = ParamValueSize(field.type);
  switch (field.type) {
    case U8: record.Set(field.offset, uint8_t{0xA5}); break;
    case I16: record.Set(field.offset, int16_t{-12345}); break;
    case I32: record.Set(field.offset, int32_t{-123456789}); break;
    case F32: record.Set(field.offset, 1234.5f); break;
    case F64: record.Set(field.offset, -9876.25); break;
  }
  const uint8_t* at = record.bytes + field.offset;
  switch (field.type) {
    case U8: { EXPECT_EQ(at[0], 0xA5) << field.name; break; }
    case I16: { EXPECT_EQ(bytes::ReadLe<int16_t>(at), -12345) << field.name; break; }
    case I32: { EXPECT_EQ(bytes::ReadLe<int32_t>(at), -123456789) << field.name; break; }
    case F32: { EXPECT_EQ(bytes::ReadLe<float>(at), 1234.5f) << field.name; break; }
    case F64: { EXPECT_EQ(bytes::ReadLe<double>(at), -9876.25) << field.name; break; }
  }
  // Nothing outside the field was touched.
  for (std::size_t i = 0; i < Record::kSize; ++i) {
    const bool inField = i >= field.offset && i < field.offset + size;
    if (!inField) {
      EXPECT_EQ(record.bytes[i], 0) << field.name << " byte " << i;
    }
  }
}

TEST(ParamRecords, EveryTableFieldIsWrittenAndReadAtItsOffset) {
  for (const ParamField& field : ParamFieldTable()) {
    switch (field.record) {
      case Point: ExpectRoundTrip(PNT_INFO{}, field); break;
      case Line: ExpectRoundTrip(LIN_INFO{}, field); break;
      case Region: ExpectRoundTrip(REG_INFO{}, field); break;
    }
  }
}

// Fields the program reads and writes by byte offset, as the tools name
// them: (record, offset, width, point kind).
TEST(ParamRecords, TableHoldsEveryOffsetTheProgramUses) {
  const std::tuple<ParamRecordKind, int, ParamValueType, int> kUsed[] = {
      {Point, 0, U8, -1},   {Point, 2, F32, 0},   {Point, 6, F32, 0},   {Point, 10, F32, 0},  {Point, 14, F32, 0},
      {Point, 18, I16, 0},  {Point, 20, I16, 0},  {Point, 22, U8, 0},   {Point, 23, U8, 0},   {Point, 23, F32, 5},
      {Point, 27, F32, 5},  {Point, 31, F32, 5},  {Point, 35, U8, 5},   {Point, 18, I16, 5},  {Point, 22, U8, 5},
      {Point, 2, I32, 1},   {Point, 6, F32, 1},   {Point, 10, F32, 1},  {Point, 14, F32, 1},  {Point, 2, F64, 2},
      {Point, 10, I32, 2},  {Point, 14, F32, 2},  {Point, 18, U8, 2},   {Point, 2, F64, 3},   {Point, 10, F32, 3},
      {Point, 14, F32, 3},  {Point, 18, F32, 3},  {Point, 2, F64, 4},   {Point, 10, F64, 4},  {Point, 18, F32, 4},
      {Point, 44, I32, -1}, {Point, 52, I16, -1}, {Line, 0, I16, -1},   {Line, 2, U8, -1},    {Line, 3, U8, -1},
      {Line, 4, I32, -1},   {Line, 8, F32, -1},   {Line, 12, U8, -1},   {Line, 13, F32, -1},  {Line, 17, F32, -1},
      {Line, 21, I32, -1},  {Line, 25, I16, -1},  {Region, 0, I32, -1}, {Region, 4, I16, -1}, {Region, 6, F32, -1},
      {Region, 10, F32, -1}, {Region, 14, I32, -1}, {Region, 18, I16, -1}, {Region, 20, U8, -1}, {Region, 21, I16, -1},
  };
  for (const auto& [record, offset, type, kind] : kUsed) {
    bool found = false;
    for (const ParamField& f : ParamFieldTable()) {
      found = found || (f.record == record && f.offset == offset && f.type == type && (kind == -1 || f.pointKind == kind));
    }
    EXPECT_TRUE(found) << "record " << int(record) << " offset " << offset << " kind " << kind;
  }
}

TEST(ParamRecords, FieldsOfOneKindDoNotOverlapAndLieInTheFileBytes) {
  const std::size_t kFileBytes[] = {kPointParamFileBytes, kLineParamFileBytes, kRegionParamFileBytes};
  for (const ParamField& a : ParamFieldTable()) {
    EXPECT_LE(a.offset + ParamValueSize(a.type), kFileBytes[int(a.record)]) << a.name;
    for (const ParamField& b : ParamFieldTable()) {
      if (&a == &b || a.record != b.record) continue;
      if (a.pointKind != -1 && b.pointKind != -1 && a.pointKind != b.pointKind) continue;
      const bool overlap = a.offset < b.offset + ParamValueSize(b.type) && b.offset < a.offset + ParamValueSize(a.type);
      EXPECT_FALSE(overlap) << a.name << " overlaps " << b.name;
    }
  }
}

TEST(ParamRecords, OffsetsMapToTheFileRecords) {
  EXPECT_EQ(ParamFileOffset(Point, pnt::kKind), 31u);
  EXPECT_EQ(ParamFileOffset(Point, pnt::kColour), 75u);
  EXPECT_EQ(ParamFileOffset(Point, pnt::kLayer), 83u);
  EXPECT_EQ(ParamFileOffset(Point, pnt::kBoxHeight), 62u);
  EXPECT_EQ(ParamFileOffset(Line, lin::kColour), 26u);
  EXPECT_EQ(ParamFileOffset(Line, lin::kWidth), 30u);
  EXPECT_EQ(ParamFileOffset(Line, lin::kLayer), 47u);
  EXPECT_EQ(ParamFileOffset(Region, reg::kPattern), 13u);
  EXPECT_EQ(ParamFileOffset(Region, reg::kPatternColour), 23u);
  EXPECT_EQ(ParamFileOffset(Region, reg::kLayer), 30u);
}

TEST(ParamRecords, NamedAccessorsUseTheTableOffsets) {
  PNT_INFO p;
  p.setColour(7);
  p.setLayer(-3);
  p.setSymbolNumber(21);
  EXPECT_EQ(p.Get<int32_t>(44), 7);
  EXPECT_EQ(p.Get<int16_t>(52), -3);
  EXPECT_EQ(p.Get<int32_t>(2), 21);
  LIN_INFO l;
  l.setXScale(2.5f);
  l.setLayer(9);
  EXPECT_EQ(l.Get<float>(13), 2.5f);
  EXPECT_EQ(l.Get<int16_t>(25), 9);
  REG_INFO r;
  r.setPatternColour(12);
  EXPECT_EQ(r.Get<int32_t>(14), 12);
  // Writes past the end are dropped rather than overrunning.
  r.Set(62, int32_t{-1});
  EXPECT_EQ(r.bytes[62], 0);
}

TEST(MapParams, OffsetsFollowTheFileHeader) {
  MapParams params;
  params.setScale(10000);
  params.setProjection(5);
  params.setFalseEasting(500000);
  EXPECT_EQ(bytes::ReadLe<double>(params.bytes + 143 - kMapParamsFileOffset), 10000);
  EXPECT_EQ(params.bytes[109 - kMapParamsFileOffset], 5);
  EXPECT_EQ(bytes::ReadLe<double>(params.bytes + 199 - kMapParamsFileOffset), 500000);
  EXPECT_EQ(mapp::kParamYFactor + 8, MapParams::kSize);
  const MapParams fresh = DefaultMapParams();
  EXPECT_EQ(fresh.scale(), 1.0);
  EXPECT_EQ(fresh.Get<double>(mapp::kParamXFactor), 1.0);
}

TEST(DefaultParams, EveryKindCanBeReadChangedInPlaceAndSet) {
  BasResetDefaultParams();
  for (int kind = 0; kind <= 5; ++kind) {
    PNT_INFO* in = BasGetDefaultPointParam(kind);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->kind(), kind);
    in->setColour(40 + kind);  // in place
    PNT_INFO copy;
    BasGetDefaultPointParam(&copy, kind);
    EXPECT_EQ(copy.colour(), 40 + kind);
    copy.setLayer(static_cast<int16_t>(kind + 1));
    EXPECT_TRUE(BasSetDefaultPointParam(copy));
    EXPECT_EQ(BasGetDefaultPointParam(kind)->layer(), kind + 1);
  }
  // The kinds keep separate records.
  EXPECT_EQ(BasGetDefaultPointParam(0)->colour(), 40);
  EXPECT_EQ(BasGetDefaultPointParam(1)->colour(), 41);
  PNT_INFO bad;
  bad.setKind(9);
  EXPECT_FALSE(BasSetDefaultPointParam(bad));

  BasGetDefaultLineParam(0)->setWidth(0.02f);
  EXPECT_EQ(BasGetDefaultLineParam()->width(), 0.02f);
  LIN_INFO line = *BasGetDefaultLineParam();
  line.setStyle(4);
  BasSetDefaultLineParam(line);
  EXPECT_EQ(BasGetDefaultLineParam()->style(), 4);

  BasGetDefaultRegionParam(0)->setFillColour(9);
  REG_INFO region = *BasGetDefaultRegionParam();
  EXPECT_EQ(region.fillColour(), 9);
  region.setPattern(3);
  BasSetDefaultRegionParam(region);
  EXPECT_EQ(BasGetDefaultRegionParam()->pattern(), 3);

  BasResetDefaultParams();
  EXPECT_EQ(BasGetDefaultRegionParam()->fillColour(), 5);
  EXPECT_EQ(BasGetDefaultLineParam()->style(), 1);
}

}  // namespace
}  // namespace zv
