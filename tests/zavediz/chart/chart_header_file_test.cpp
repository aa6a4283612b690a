#include "zavediz/chart/chart_header_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/text/encoding.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"

namespace fs = std::filesystem;

namespace zv::chart {
namespace {

#pragma pack(push, 1)
struct FileHead {
  double height;
  int32_t points;
};
struct PointHead {
  int32_t id;
  int16_t length;
  double x, y;
};
struct LineHead {
  int32_t id;
  int32_t vertices;
  double x0, y0, x1, y1;
};
#pragma pack(pop)

template <typename T>
std::string Bytes(const T& value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class ChartHeaderFileTest : public test::WorkAreasTest {
 protected:
  ChartAreas Areas() const { return {lines_, points_, regions_}; }
  Tell Recorder() {
    return [this](const std::string& message) { messages_.push_back(message); };
  }
  std::vector<std::string> messages_;
};

TEST_F(ChartHeaderFileTest, OneTextAndOneLineMakeTheBytesOfTheContainer) {
  PNT_INFO text;
  text.setCharHeight(4.0f);
  text.setColour(1);
  BasAppendPoint(points_, {12.5, 20.25}, "柱状", text);
  LIN_INFO line;
  line.setWidth(0.5f);
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {200, 0}}, line);
  const std::string path = ChartHeaderPath();
  ASSERT_TRUE(SaveChartHeader(path, 30.0, Areas(), Recorder()));
  EXPECT_TRUE(messages_.empty());

  D_DOT at;
  std::string stored;
  PNT_INFO pointInfo;
  ASSERT_TRUE(BasReadPoint(points_, 1, &at, &stored, &pointInfo));
  std::vector<D_DOT> v;
  LIN_INFO lineInfo;
  ASSERT_TRUE(BasReadLine(lines_, 1, &v, &lineInfo));
  const std::string gbk = text::ToGbk("柱状");
  const std::string expected =
      Bytes(FileHead{30.0, 1}) + Bytes(PointHead{1, static_cast<int16_t>(gbk.size()), 12.5, 20.25}) + gbk +
      std::string(reinterpret_cast<const char*>(pointInfo.bytes), 94) + Bytes(int32_t{1}) +
      Bytes(LineHead{1, 2, 0, 0, 200, 0}) + std::string(reinterpret_cast<const char*>(lineInfo.bytes), 67);
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes.size(), 243u);
  EXPECT_EQ(bytes, expected);

  // Read back into fresh areas: the same entities with new ids, the height.
  const std::string before = test::DumpChart(Areas());
  BasClearWorkArea(points_);
  BasClearWorkArea(lines_);
  BasAppendPoint(points_, {1, 1}, "先有", PNT_INFO{});
  EXPECT_EQ(ReadChartHeader(path, Areas(), Recorder()), 30.0);
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(test::DumpChart(Areas()), "P kind=0 at 1.00,1.00 |先有| h=0.00 w=0.00 g=0.00 font=0 style=0 colour=0 layer=0\n" + before);
}

TEST_F(ChartHeaderFileTest, DeletedEntitiesAreLeftOutAndReadingTwiceDoublesTheHeader) {
  for (const char* t : {"甲", "乙", "丙"}) BasAppendPoint(points_, {1, 2}, t, PNT_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 1}, {1, 1}}, LIN_INFO{});
  BasDeletePoint(points_, 2);
  BasDeleteLine(lines_, 1);
  const std::string path = ChartHeaderPath();
  ASSERT_TRUE(SaveChartHeader(path, 40.0, Areas(), Recorder()));
  BasClearWorkArea(points_);
  BasClearWorkArea(lines_);
  EXPECT_EQ(ReadChartHeader(path, Areas(), Recorder()), 40.0);
  EXPECT_EQ(ReadChartHeader(path, Areas(), Recorder()), 40.0);
  int32_t live = 0, bound = 0;
  BasGetPointCount(points_, &live, &bound);
  EXPECT_EQ(live, 4);
  EXPECT_TRUE(test::FindText(points_, "丙").found);
  EXPECT_FALSE(test::FindText(points_, "乙").found);
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 2);
}

TEST_F(ChartHeaderFileTest, WithoutPointsNothingIsWrittenAndWithoutLinesTheFileHasNone) {
  const std::string path = ChartHeaderPath();
  WriteFile(path, "old header");
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  EXPECT_FALSE(SaveChartHeader(path, 30.0, Areas(), Recorder()));
  EXPECT_EQ(ReadFile(path), "old header");
  EXPECT_EQ(messages_, std::vector<std::string>{"工作区找不到点图元!"});

  messages_.clear();
  BasClearWorkArea(lines_);
  BasAppendPoint(points_, {1, 2}, "柱状", PNT_INFO{});
  EXPECT_TRUE(SaveChartHeader(path, 30.0, Areas(), Recorder()));
  EXPECT_EQ(messages_, std::vector<std::string>{"工作区找不到线图元!"});
  const std::string bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 136u);
  EXPECT_EQ(bytes.substr(132), Bytes(int32_t{0}));
}

TEST_F(ChartHeaderFileTest, MissingAndCutFilesAreToldOnceAndKeepTheRecordsBeforeTheCut) {
  const std::string path = ChartHeaderPath();
  EXPECT_FALSE(ReadChartHeader(path, Areas(), Recorder()));
  EXPECT_EQ(messages_, std::vector<std::string>{"请先设计柱状图表头文件."});

  BasAppendPoint(points_, {1, 2}, "柱状", PNT_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  ASSERT_TRUE(SaveChartHeader(path, 30.0, Areas(), Recorder()));
  const std::string whole = ReadFile(path);
  const std::size_t pointsEnd = 12 + 120;
  struct Cut {
    std::size_t length;
    int points, lines;
    bool error;
  };
  const Cut cuts[] = {
      {0, 0, 0, true},          {5, 0, 0, true},           {10, 0, 0, true},          {12 + 3, 0, 0, true},
      {12 + 5, 0, 0, true},     {12 + 20, 0, 0, true},     {12 + 24, 0, 0, true},     {12 + 100, 0, 0, true},
      {pointsEnd, 1, 0, false}, {pointsEnd + 2, 1, 0, true}, {pointsEnd + 6, 1, 0, true}, {pointsEnd + 30, 1, 0, true},
      {pointsEnd + 4 + 106, 1, 0, true}, {whole.size(), 1, 1, false},
  };
  for (const Cut& cut : cuts) {
    SCOPED_TRACE(cut.length);
    WriteFile(path, whole.substr(0, cut.length));
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    messages_.clear();
    ReadChartHeader(path, Areas(), Recorder());
    int32_t points = 0, lines = 0, bound = 0;
    BasGetPointCount(points_, &points, &bound);
    BasGetLineCount(lines_, &lines, &bound);
    EXPECT_EQ(points, cut.points);
    EXPECT_EQ(lines, cut.lines);
    EXPECT_EQ(messages_, cut.error ? std::vector<std::string>{"读取柱状图表头文件错误!"} : std::vector<std::string>{});
  }
}

TEST_F(ChartHeaderFileTest, HeightsThatAreNoNumbersAndNegativeCountsAreTold) {
  const std::string path = ChartHeaderPath();
  BasAppendPoint(points_, {1, 2}, "柱状", PNT_INFO{});
  BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  ASSERT_TRUE(SaveChartHeader(path, 30.0, Areas(), Recorder()));
  const std::string whole = ReadFile(path);
  const std::size_t pointsEnd = 12 + 120;
  struct Patch {
    const char* name;
    std::size_t at;
    std::string bytes;
    int points, lines;
  };
  const Patch patches[] = {
      {"NaN height", 0, Bytes(std::nan("")), 0, 0},
      {"infinite height", 0, Bytes(HUGE_VAL), 0, 0},
      {"negative point count", 8, Bytes(int32_t{-3}), 0, 0},
      {"negative line count", pointsEnd, Bytes(int32_t{-1}), 1, 0},
  };
  for (const Patch& patch : patches) {
    SCOPED_TRACE(patch.name);
    std::string bytes = whole;
    bytes.replace(patch.at, patch.bytes.size(), patch.bytes);
    WriteFile(path, bytes);
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    messages_.clear();
    const std::optional<double> top = ReadChartHeader(path, Areas(), Recorder());
    int32_t points = 0, lines = 0, bound = 0;
    BasGetPointCount(points_, &points, &bound);
    BasGetLineCount(lines_, &lines, &bound);
    EXPECT_EQ(points, patch.points);
    EXPECT_EQ(lines, patch.lines);
    EXPECT_EQ(messages_, std::vector<std::string>{"读取柱状图表头文件错误!"});
    if (top) EXPECT_EQ(*top, 30.0);
  }
}

}  // namespace
}  // namespace zv::chart
