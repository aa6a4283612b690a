#include "common/entity_buffer/entity_buffer_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv {
namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int32_t CountAt(const std::string& bytes, std::size_t offset) {
  return bytes::ReadLe<int32_t>(reinterpret_cast<const uint8_t*>(bytes.data() + offset));
}

class EntityBufferFiles : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    path_ = zv::test::TempRoot() + "/BufferPnt.sec";
  }

  std::string path_;
};

TEST_F(EntityBufferFiles, CountIsPatchedToTheRecordsWritten) {
  for (int i = 0; i < 4; ++i) BasAppendPoint(points_, {double(i), 1}, "点" + std::to_string(i), PNT_INFO{});
  BasDeletePoint(points_, 2);
  // The selection names four points, one of them deleted and one unknown.
  std::string error;
  EXPECT_EQ(WriteEntityBufferFile(path_, {100, 200}, EntityBufferKind::Points, points_, {1, 2, 3, 99}, &error), 2);
  const std::string bytes = ReadBytes(path_);
  EXPECT_EQ(CountAt(bytes, 16), 2);

  EntityBuffer buffer;
  std::string warning;
  ASSERT_TRUE(ReadEntityBufferFile(path_, EntityBufferKind::Points, &buffer, &error, &warning));
  EXPECT_TRUE(warning.empty()) << warning;
  EXPECT_EQ(buffer.base.x, 100);
  ASSERT_EQ(buffer.points.size(), 2u);
  EXPECT_EQ(buffer.points[0].text, "点0");
  EXPECT_EQ(buffer.points[1].text, "点2");
  EXPECT_FALSE(std::filesystem::exists(path_ + ".tmp"));
}

TEST_F(EntityBufferFiles, OldFilesWithALargerCountReadTheRecordsPresent) {
  BasAppendPoint(points_, {1, 1}, "a", PNT_INFO{});
  BasAppendPoint(points_, {2, 2}, "b", PNT_INFO{});
  ASSERT_EQ(WriteEntityBufferFile(path_, {0, 0}, EntityBufferKind::Points, points_, {1, 2}), 2);
  std::string bytes = ReadBytes(path_);
  bytes::WriteLe(reinterpret_cast<uint8_t*>(bytes.data() + 16), int32_t{5});  // as the old writer left it
  bytes += "\x01\x02";                                                       // and a torn tail
  WriteBytes(path_, bytes);
  EntityBuffer buffer;
  std::string warning;
  ASSERT_TRUE(ReadEntityBufferFile(path_, EntityBufferKind::Points, &buffer, nullptr, &warning));
  EXPECT_EQ(buffer.points.size(), 2u);
  EXPECT_FALSE(warning.empty());
}

TEST_F(EntityBufferFiles, ShortHeadsAndMissingFilesAreErrors) {
  std::string error;
  EntityBuffer buffer;
  EXPECT_FALSE(ReadEntityBufferFile(path_ + ".none", EntityBufferKind::Lines, &buffer, &error));
  EXPECT_FALSE(error.empty());
  WriteBytes(path_, std::string(19, '\0'));
  error.clear();
  EXPECT_FALSE(ReadEntityBufferFile(path_, EntityBufferKind::Lines, &buffer, &error));
  EXPECT_FALSE(error.empty());
  // A head with a negative count reads as empty.
  std::string head(20, '\0');
  bytes::WriteLe(reinterpret_cast<uint8_t*>(head.data() + 16), int32_t{-3});
  WriteBytes(path_, head);
  ASSERT_TRUE(ReadEntityBufferFile(path_, EntityBufferKind::Lines, &buffer, &error));
  EXPECT_TRUE(buffer.lines.empty());
}

TEST_F(EntityBufferFiles, AFailedWriteKeepsTheOldFile) {
  BasAppendPoint(points_, {1, 1}, "a", PNT_INFO{});
  ASSERT_EQ(WriteEntityBufferFile(path_, {0, 0}, EntityBufferKind::Points, points_, {1}), 1);
  const std::string before = ReadBytes(path_);
  std::string error;
  EXPECT_EQ(WriteEntityBufferFile(zv::test::TempRoot() + "/no/such/dir/x.sec", {0, 0}, EntityBufferKind::Points,
                                  points_, {1}, &error),
            -1);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(path_), before);
}

TEST_F(EntityBufferFiles, RegionsRoundTripAndPasteAtATarget) {
  const int32_t outer = BasAppendLine(regions_, std::vector<D_DOT>{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}}, LIN_INFO{});
  const int32_t hole = BasAppendLine(regions_, std::vector<D_DOT>{{1, 1}, {2, 1}, {2, 2}, {1, 1}}, LIN_INFO{});
  REG_INFO info;
  info.setFillColour(12);
  BasAppendRegion(regions_, {0, outer, 0, -hole}, info);
  const std::string path = zv::test::TempRoot() + "/BufferReg.sec";
  ASSERT_EQ(WriteEntityBufferFile(path, {1, 1}, EntityBufferKind::Regions, regions_, {1, 2}), 1);
  EntityBuffer buffer;
  ASSERT_TRUE(ReadEntityBufferFile(path, EntityBufferKind::Regions, &buffer));
  ASSERT_EQ(buffer.regions.size(), 1u);
  EXPECT_EQ(buffer.regions[0].info.fillColour(), 12);

  const WorkAreaHandle target = BasCreateRegionWorkArea(set_);
  const std::vector<int32_t> ids = PasteEntityBuffer(buffer, target, {11, 21});
  ASSERT_EQ(ids.size(), 1u);
  EXPECT_DOUBLE_EQ(BasRegionArea(target, ids[0]), 16 - 0.5);
  D_RECT rect{};
  ASSERT_EQ(BasGetRegionRect(target, ids[0], &rect), 1);
  EXPECT_EQ(rect.xmin, 10);
  EXPECT_EQ(rect.ymin, 20);
}

TEST_F(EntityBufferFiles, ChartHeaderHoldsPointsThenLinesWithPatchedCounts) {
  BasAppendPoint(points_, {1, 2}, "孔号", PNT_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {10, 0}}, LIN_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 1}, {10, 1}}, LIN_INFO{});
  const std::string path = zv::test::TempRoot() + "/ZKTablerHead.sec";
  ASSERT_EQ(WriteChartHeaderFile(path, 47.76, points_, {1, 7}, lines_, {2, 1, 3}), 3);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(CountAt(bytes, 8), 1);
  const std::size_t pointBytes = 4 + 2 + 16 + 4 + 94;
  EXPECT_EQ(CountAt(bytes, 12 + pointBytes), 2);
  ChartHeaderBuffer header;
  std::string warning;
  ASSERT_TRUE(ReadChartHeaderFile(path, &header, nullptr, &warning));
  EXPECT_TRUE(warning.empty());
  EXPECT_EQ(header.header, 47.76);
  ASSERT_EQ(header.points.size(), 1u);
  EXPECT_EQ(header.points[0].text, "孔号");
  ASSERT_EQ(header.lines.size(), 2u);
  EXPECT_EQ(header.lines[0].id, 2);
}

}  // namespace
}  // namespace zv
