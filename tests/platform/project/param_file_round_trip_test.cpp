// Every parameter field the program addresses by offset survives a trip
// through the platform's files.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/data/work_area.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

// Fills each field of one point kind (or of every kind for -1) with a value
// made from its offset, so that a shifted or cut field shows.
template <class Record>
void FillFields(Record& record, ParamRecordKind kind, int pointKind) {
  for (const ParamField& f : ParamFieldTable()) {
    if (f.record != kind || (f.pointKind != -1 && f.pointKind != pointKind)) continue;
    const int v = 3 + f.offset;
    switch (f.type) {
      case ParamValueType::U8: record.Set(f.offset, static_cast<uint8_t>(v)); break;
      case ParamValueType::I16: record.Set(f.offset, static_cast<int16_t>(-v)); break;
      case ParamValueType::I32: record.Set(f.offset, static_cast<int32_t>(v * 100003)); break;
      case ParamValueType::F32: record.Set(f.offset, v + 0.25f); break;
      case ParamValueType::F64: record.Set(f.offset, v + 0.125); break;
    }
  }
  if (kind == ParamRecordKind::Point) record.Set(pnt::kKind, static_cast<uint8_t>(pointKind));
}

template <class Record>
void ExpectFileBytesEqual(const Record& a, const Record& b, std::size_t fileBytes, const char* what) {
  EXPECT_EQ(std::memcmp(a.bytes, b.bytes, fileBytes), 0) << what;
}

TEST(ParamFileRoundTrip, EveryTableFieldSurvivesSaveAndLoad) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle points = BasCreatePointWorkArea(set);
  const WorkAreaHandle regions = BasCreateRegionWorkArea(set);
  std::vector<PNT_INFO> pointInfos;
  for (int kind = 0; kind <= 5; ++kind) {
    PNT_INFO info;
    FillFields(info, ParamRecordKind::Point, kind);
    pointInfos.push_back(info);
    ASSERT_GT(BasAppendPoint(points, {double(kind), 0}, kind == 0 || kind == 5 ? "注记" : "", info), 0);
  }
  LIN_INFO line;
  FillFields(line, ParamRecordKind::Line, -1);
  const int32_t arc = BasAppendLine(regions, std::vector<D_DOT>{{0, 0}, {1, 0}, {1, 1}, {0, 0}}, line);
  REG_INFO region;
  FillFields(region, ParamRecordKind::Region, -1);
  ASSERT_GT(BasAppendRegion(regions, {0, arc}, region), 0);

  const std::string folder = zv::test::TempRoot();
  ASSERT_EQ(BasSaveWorkArea(points, folder + "/params", 0), 1) << BasLastSaveError();
  ASSERT_EQ(BasSaveWorkArea(regions, folder + "/params", 0), 1) << BasLastSaveError();
  const WorkAreaHandle pointsBack = BasLoadWorkArea(set, folder + "/params.wt");
  const WorkAreaHandle regionsBack = BasLoadWorkArea(set, folder + "/params.wp");
  ASSERT_NE(pointsBack, 0);
  ASSERT_NE(regionsBack, 0);
  for (int kind = 0; kind <= 5; ++kind) {
    PNT_INFO read;
    ASSERT_EQ(BasReadPointParam(pointsBack, kind + 1, &read), 1);
    ExpectFileBytesEqual(read, pointInfos[static_cast<std::size_t>(kind)], kPointParamFileBytes, "point kind");
  }
  LIN_INFO lineBack;
  ASSERT_EQ(BasReadLineParam(regionsBack, arc, &lineBack), 1);
  ExpectFileBytesEqual(lineBack, line, kLineParamFileBytes, "arc");
  REG_INFO regionBack;
  ASSERT_EQ(BasReadRegionParam(regionsBack, 1, &regionBack), 1);
  ExpectFileBytesEqual(regionBack, region, kRegionParamFileBytes, "region");
  BasFreeWorkAreaSet(set);
}

}  // namespace
}  // namespace zv
