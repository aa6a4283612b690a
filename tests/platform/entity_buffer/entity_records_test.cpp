#include "common/entity_buffer/entity_records.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

class EntityRecords : public zv::test::WorkAreasTest {
 protected:
  int32_t Arc(double x) {
    return BasAppendLine(regions_, std::vector<D_DOT>{{x, 0}, {x + 1, 0}, {x + 1, 1}, {x, 0}}, LIN_INFO{});
  }

  std::ostringstream out_;
};

TEST_F(EntityRecords, PointRecordSizesAndLayout) {
  PNT_INFO symbol;
  symbol.setKind(1);
  symbol.setColour(3);
  const int32_t sub = BasAppendPoint(points_, {1.5, -2}, "", symbol);
  ASSERT_TRUE(WritePointRecord(points_, sub, out_));
  EXPECT_EQ(out_.str().size(), 4u + 2 + 16 + 0 + 94);  // 116

  PNT_INFO text;
  const int32_t note = BasAppendPoint(points_, {0, 0}, "高程a", text);
  std::ostringstream second;
  ASSERT_TRUE(WritePointRecord(points_, note, second));
  const std::string bytes = second.str();
  ASSERT_EQ(bytes.size(), 4u + 2 + 16 + 5 + 94);  // the text counts its GBK bytes
  const auto* u = reinterpret_cast<const uint8_t*>(bytes.data());
  EXPECT_EQ(bytes::ReadLe<int32_t>(u), note);
  EXPECT_EQ(bytes::ReadLe<int16_t>(u + 4), 5);
  EXPECT_EQ(bytes.substr(22, 5), "\xB8\xDF\xB3\xCC" "a");

  const std::string written = out_.str();
  RecordReader reader(written);
  PointRecord read;
  ASSERT_TRUE(reader.ReadPoint(&read));
  EXPECT_EQ(read.id, sub);
  EXPECT_EQ(read.position.x, 1.5);
  EXPECT_EQ(read.position.y, -2);
  EXPECT_EQ(read.info, symbol);
  EXPECT_EQ(reader.remaining(), 0u);
  RecordReader noteReader(bytes);
  ASSERT_TRUE(noteReader.ReadPoint(&read));
  EXPECT_EQ(read.text, "高程a");
}

TEST_F(EntityRecords, LineRecordOfTwoVerticesIs107Bytes) {
  LIN_INFO info;
  info.setWidth(0.3f);
  const int32_t id = BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {5, 6}}, info);
  ASSERT_TRUE(WriteLineRecord(lines_, id, out_));
  EXPECT_EQ(out_.str().size(), 107u);
  const std::string written = out_.str();
  RecordReader reader(written);
  LineRecord read;
  ASSERT_TRUE(reader.ReadLine(&read));
  ASSERT_EQ(read.vertices.size(), 2u);
  EXPECT_EQ(read.vertices[1].y, 6);
  EXPECT_EQ(read.info, info);
}

TEST_F(EntityRecords, RegionRecordCarriesLinesForArcEntriesOnly) {
  const int32_t b = Arc(0);
  const int32_t c = Arc(5);
  const int32_t id = BasAppendRegion(regions_, {2, b, 0, -c}, REG_INFO{});
  ASSERT_TRUE(WriteRegionRecord(regions_, id, out_));
  const std::size_t line = 4 + 4 + 4 * 16 + 67;
  EXPECT_EQ(out_.str().size(), 4u + 4 + 4 * 4 + 2 * line + 63);
  const std::string written = out_.str();
  RecordReader reader(written);
  RegionRecord read;
  ASSERT_TRUE(reader.ReadRegion(&read));
  EXPECT_EQ(read.arcs, (std::vector<int32_t>{10, b, 0, -c}));  // entry 0 as the library gives it
  ASSERT_EQ(read.arcLines.size(), 2u);
  EXPECT_EQ(read.arcLines[0].id, b);
  EXPECT_EQ(read.arcLines[1].id, c);
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST_F(EntityRecords, UnreadableEntitiesLeaveNoBytes) {
  const int32_t p = BasAppendPoint(points_, {0, 0}, "x", PNT_INFO{});
  BasDeletePoint(points_, p);
  EXPECT_FALSE(WritePointRecord(points_, p, out_));
  EXPECT_FALSE(WritePointRecord(points_, 0, out_));
  EXPECT_FALSE(WritePointRecord(0, 1, out_));
  EXPECT_FALSE(WriteLineRecord(lines_, 1, out_));
  EXPECT_FALSE(WriteRegionRecord(regions_, 1, out_));
  EXPECT_FALSE(WriteRegionRecord(points_, 1, out_));
  EXPECT_TRUE(out_.str().empty());
}

TEST_F(EntityRecords, RegionWithADeletedArcStaysReadable) {
  const int32_t b = Arc(0);
  const int32_t c = Arc(5);
  const int32_t id = BasAppendRegion(regions_, {0, b, 0, c}, REG_INFO{});
  BasDeleteLine(regions_, c);
  ASSERT_TRUE(WriteRegionRecord(regions_, id, out_));
  const std::string written = out_.str();
  RecordReader reader(written);
  RegionRecord read;
  ASSERT_TRUE(reader.ReadRegion(&read));
  EXPECT_EQ(read.arcs, (std::vector<int32_t>{5, b, 0}));
  EXPECT_EQ(read.arcLines.size(), 1u);
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST_F(EntityRecords, ShortOrMalformedRecordsFailWithoutMoving) {
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 1}, {2, 2}}, LIN_INFO{});
  ASSERT_TRUE(WriteLineRecord(lines_, 1, out_));
  const std::string whole = out_.str();
  for (std::size_t cut : {std::size_t{0}, std::size_t{3}, std::size_t{8}, std::size_t{40}, whole.size() - 1}) {
    RecordReader reader(std::string_view(whole).substr(0, cut));
    LineRecord read;
    EXPECT_FALSE(reader.ReadLine(&read)) << cut;
    EXPECT_EQ(reader.offset(), 0u) << cut;
  }
  std::string huge = whole;
  bytes::WriteLe(reinterpret_cast<uint8_t*>(huge.data() + 4), int32_t{0x7FFFFFFF});
  LineRecord read;
  EXPECT_FALSE(RecordReader(huge).ReadLine(&read));
  std::string negative = whole;
  bytes::WriteLe(reinterpret_cast<uint8_t*>(negative.data() + 4), int32_t{-1});
  EXPECT_FALSE(RecordReader(negative).ReadLine(&read));
  PointRecord point;
  std::string badText(4 + 2 + 16 + 94, '\0');
  bytes::WriteLe(reinterpret_cast<uint8_t*>(badText.data() + 4), int16_t{-5});
  EXPECT_FALSE(RecordReader(badText).ReadPoint(&point));
}

TEST_F(EntityRecords, TextsAsLongAsTheLengthFieldHoldsAreWrittenWhole) {
  // A work area never holds a longer text, so none is ever cut here.
  EXPECT_EQ(BasAppendPoint(points_, {0, 0}, std::string(40000, 'a') + "岩", PNT_INFO{}), 0);
  const std::string text = std::string(32765, 'a') + "岩";
  const int32_t id = BasAppendPoint(points_, {0, 0}, text, PNT_INFO{});
  ASSERT_TRUE(WritePointRecord(points_, id, out_));
  const std::string written = out_.str();
  EXPECT_EQ(bytes::ReadLe<int16_t>(reinterpret_cast<const uint8_t*>(written.data() + 4)), 32767);
  RecordReader reader(written);
  PointRecord read;
  ASSERT_TRUE(reader.ReadPoint(&read));
  EXPECT_EQ(read.text, text);
}

TEST_F(EntityRecords, DamagedRegionBytesNeverReadPastTheBuffer) {
  const int32_t b = Arc(0);
  const int32_t c = Arc(5);
  BasAppendRegion(regions_, {0, b, 0, c}, REG_INFO{});
  ASSERT_TRUE(WriteRegionRecord(regions_, 1, out_));
  const std::string whole = out_.str();
  // Every cut, and every byte of the head set to extremes: each read either
  // takes a whole record or nothing.
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    RecordReader reader(std::string_view(whole).substr(0, cut));
    RegionRecord read;
    EXPECT_FALSE(reader.ReadRegion(&read)) << cut;
    EXPECT_EQ(reader.offset(), 0u);
  }
  for (std::size_t at = 0; at < 40; ++at) {
    for (char value : {'\x00', '\x7F', '\x80', '\xFF'}) {
      std::string damaged = whole;
      damaged[at] = value;
      RecordReader reader(damaged);
      RegionRecord read;
      if (reader.ReadRegion(&read)) {
        EXPECT_LE(reader.offset(), damaged.size());
      } else {
        EXPECT_EQ(reader.offset(), 0u);
      }
    }
  }
}

TEST_F(EntityRecords, AppendingRecordsMovesThemAndRelinksArcs) {
  const int32_t b = Arc(0);
  BasAppendRegion(regions_, {0, -b}, REG_INFO{});
  ASSERT_TRUE(WriteRegionRecord(regions_, 1, out_));
  RegionRecord record;
  const std::string written = out_.str();
  ASSERT_TRUE(RecordReader(written).ReadRegion(&record));
  const WorkAreaHandle target = BasCreateRegionWorkArea(set_);
  BasAppendLine(target, std::vector<D_DOT>{{9, 9}, {8, 8}}, LIN_INFO{});  // takes id 1
  const int32_t id = AppendRegionRecord(target, record, 10, 20);
  ASSERT_EQ(id, 1);
  std::vector<int32_t> arcs;
  ASSERT_EQ(BasReadRegion(target, id, &arcs, nullptr), 1);
  EXPECT_EQ(arcs, (std::vector<int32_t>{5, -2}));
  std::vector<D_DOT> vertices;
  ASSERT_EQ(BasReadLine(target, 2, &vertices, nullptr), 1);
  EXPECT_EQ(vertices[0].x, 10);
  EXPECT_EQ(vertices[0].y, 20);
  // A region record for a point area appends nothing.
  EXPECT_EQ(AppendRegionRecord(points_, record), 0);
}

}  // namespace
}  // namespace zv
