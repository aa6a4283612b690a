#include "tools/frame/standard_frame.h"

#include <gtest/gtest.h>

#include "tests/tools/frame/frame_dump.h"
#include "tools/frame/grid_walk.h"

namespace zv::test {
namespace {

using frame::DrawStandardFrame;
using frame::FrameResult;
using frame::StandardFrame;

StandardFrame Defaults() { return {"621.387", "623.414", "2863.651", "2866.000", 5000, 39}; }

using StandardFrameTest = FrameTest;

TEST_F(StandardFrameTest, TheDefaultsDrawTheWholeFrameInOrder) {
  const FrameResult result = DrawStandardFrame(Target(), Defaults());
  ASSERT_EQ(result.error, "");
  const std::vector<std::string> lines = {
      "w0.1 124277.4000,572730.2000 124682.8000,572730.2000 124682.8000,573200.0000 124277.4000,573200.0000 "
      "124277.4000,572730.2000",
      "w0.1 124277.4000,572730.2000 124267.4000,572730.2000",
      "w0.1 124277.4000,572730.2000 124277.4000,572720.2000",
      "w0.1 124682.8000,572730.2000 124692.8000,572730.2000",
      "w0.1 124682.8000,572730.2000 124682.8000,572720.2000",
      "w0.1 124682.8000,573200.0000 124692.8000,573200.0000",
      "w0.1 124682.8000,573200.0000 124682.8000,573210.0000",
      "w0.1 124277.4000,573200.0000 124267.4000,573200.0000",
      "w0.1 124277.4000,573200.0000 124277.4000,573210.0000",
      "w0.1 124267.4000,572720.2000 124692.8000,572720.2000 124692.8000,573210.0000 124267.4000,573210.0000 "
      "124267.4000,572720.2000",
      "w0.5 124266.4000,572719.2000 124693.8000,572719.2000 124693.8000,573211.0000 124266.4000,573211.0000 "
      "124266.4000,572719.2000",
      "w0.1 124267.4000,572800.0000 124692.8000,572800.0000",
      "w0.1 124267.4000,572900.0000 124692.8000,572900.0000",
      "w0.1 124267.4000,573000.0000 124692.8000,573000.0000",
      "w0.1 124267.4000,573100.0000 124692.8000,573100.0000",
      "w0.1 124300.0000,572720.2000 124300.0000,573210.0000",
      "w0.1 124400.0000,572720.2000 124400.0000,573210.0000",
      "w0.1 124500.0000,572720.2000 124500.0000,573210.0000",
      "w0.1 124600.0000,572720.2000 124600.0000,573210.0000",
  };
  const std::vector<std::string> texts = {
      "28 @124267.9000,572731.2000 2.10/1.65",     "63.651 @124269.9000,572730.2000 3.50/2.75",
      "396 @124274.2000,572721.2000 2.10/1.65",    "21.387 @124277.9000,572720.2000 3.50/2.75",
      "28 @124693.3000,572731.2000 2.10/1.65",     "63.651 @124695.3000,572730.2000 3.50/2.75",
      "396 @124679.6000,572721.2000 2.10/1.65",    "23.414 @124683.3000,572720.2000 3.50/2.75",
      "28 @124693.3000,573201.0000 2.10/1.65",     "66.000 @124695.3000,573200.0000 3.50/2.75",
      "396 @124679.6000,573207.5000 2.10/1.65",    "23.414 @124683.3000,573206.5000 3.50/2.75",
      "28 @124267.9000,573201.0000 2.10/1.65",     "66.000 @124269.9000,573200.0000 3.50/2.75",
      "396 @124274.2000,573207.5000 2.10/1.65",    "21.387 @124277.9000,573206.5000 3.50/2.75",
      "64.0 @124272.1000,572800.0000 3.50/2.75",   "64.0 @124683.3000,572800.0000 3.50/2.75",
      "64.5 @124272.1000,572900.0000 3.50/2.75",   "64.5 @124683.3000,572900.0000 3.50/2.75",
      "65.0 @124272.1000,573000.0000 3.50/2.75",   "65.0 @124683.3000,573000.0000 3.50/2.75",
      "65.5 @124272.1000,573100.0000 3.50/2.75",   "65.5 @124683.3000,573100.0000 3.50/2.75",
      "21.5 @124297.0000,572726.7000 3.50/2.75",   "21.5 @124297.0000,573200.0000 3.50/2.75",
      "22.0 @124397.0000,572726.7000 3.50/2.75",   "22.0 @124397.0000,573200.0000 3.50/2.75",
      "22.5 @124497.0000,572726.7000 3.50/2.75",   "22.5 @124497.0000,573200.0000 3.50/2.75",
      "23.0 @124597.0000,572726.7000 3.50/2.75",   "23.0 @124597.0000,573200.0000 3.50/2.75",
  };
  EXPECT_EQ(Lines(result.drawn), lines);
  EXPECT_EQ(Texts(result.drawn), texts);
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 19);
  BasGetPointCount(points_, &live, &bound);
  EXPECT_EQ(live, 32);
}

TEST_F(StandardFrameTest, LabelsAndRecordsFollowTheBaseRecords) {
  frame::FrameTarget target = Target();
  target.line.setStyle(7);
  target.line.setColour(5);
  target.line.setLayer(3);
  target.text.setCharSpacing(0.25f);
  target.text.setLayer(4);
  StandardFrame noZone = Defaults();
  noZone.zone.reset();
  const FrameResult result = DrawStandardFrame(target, noZone);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(Texts(result.drawn)[2], "6 @124274.2000,572721.2000 2.10/1.65");
  LIN_INFO line;
  BasReadLineParam(lines_, result.drawn.lines[0], &line);
  EXPECT_EQ(line.style(), 1);
  EXPECT_EQ(line.colour(), 1);
  EXPECT_EQ(line.layer(), 3);
  PNT_INFO text;
  BasReadPointParam(points_, result.drawn.points[0], &text);
  EXPECT_EQ(text.layer(), 4);
  EXPECT_FLOAT_EQ(text.charSpacing(), 0.25f);
}

TEST_F(StandardFrameTest, GridValuesAreMultiplesOfTheirStep) {
  const struct {
    long scale;
    std::vector<std::string> northingLabels;  // left labels only
  } cases[] = {
      {3000, {"63.8", "64.1", "64.4", "64.7", "65.0", "65.3", "65.6", "65.9"}},
      {2500, {"63.75", "64.00", "64.25", "64.50", "64.75", "65.00", "65.25", "65.50", "65.75"}},
      {20000, {"64.0"}},  // step 2 km: even kilometres only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    StandardFrame frame = Defaults();
    frame.scale = c.scale;
    const FrameResult result = DrawStandardFrame(Target(), frame);
    ASSERT_EQ(result.error, "");
    const std::vector<std::string> texts = Texts(result.drawn);
    std::vector<std::string> left;
    for (std::size_t i = 16; i < texts.size(); i += 2) {
      const std::string label = texts[i].substr(0, texts[i].find(' '));
      if (texts[i].find(num::Format("@%.4f,", 621.387 * 1e6 / c.scale - 10 + 4.7)) != std::string::npos)
        left.push_back(label);
    }
    EXPECT_EQ(left, c.northingLabels);
  }
}

TEST_F(StandardFrameTest, UnusableValuesAreRefusedWithNothingDrawn) {
  const struct {
    StandardFrame frame;
    const char* error;
  } cases[] = {
      {{"621.387", "abc", "2863.651", "2866.000", 5000, 39}, "图框坐标必须是数字！"},
      {{"621.387", "623.414", "2863.651", "2866.000", 0, 39}, "比例尺必须大于0！"},
      {{"0", "623.414", "0", "1e9", 1000, 39}, "公里网线太多，请检查图框坐标和比例尺！"},
      // Corners that are no finite number, or whose millimetres overflow to
      // infinite vertices.
      {{"nan", "623.414", "2863.651", "2866.000", 5000, 39}, "图框坐标必须是数字！"},
      {{"621.387", "inf", "2863.651", "2866.000", 5000, 39}, "图框坐标必须是数字！"},
      {{"1e308", "1e308", "2863.651", "2866.000", 500, 39}, "图框坐标超出范围！"},
      {{"621.387", "623.414", "-1e308", "2866.000", 500, 39}, "图框坐标超出范围！"},
      // Kilometres so far out that grid indices no longer count by one:
      // once an endless walk.
      {{"1e15", "1e15", "1e15", "1000000000000000.25", 500, 39}, "公里网线太多，请检查图框坐标和比例尺！"},
  };
  for (const auto& c : cases) {
    const FrameResult result = DrawStandardFrame(Target(), c.frame);
    EXPECT_EQ(result.error, c.error);
    EXPECT_TRUE(result.drawn.lines.empty() && result.drawn.points.empty());
    EXPECT_TRUE(BasIsWorkAreaEmpty(lines_) && BasIsWorkAreaEmpty(points_));
  }
}

TEST(GridValues, TheWalkSkipsTheEdgesAndStopsAtTheEnd) {
  EXPECT_EQ(frame::GridValues(2863.651, 2866.0, 0.5, 1e-5), (std::vector<double>{2864.0, 2864.5, 2865.0, 2865.5}));
  EXPECT_EQ(frame::GridValues(2864.0, 2865.000001, 0.5, 1e-5), (std::vector<double>{2864.5}));
  EXPECT_EQ(frame::GridValues(5.0, 3.0, 0.5, 1e-5), std::vector<double>{});
  EXPECT_EQ(frame::GridValues(-1.2, 0.7, 0.5, 1e-5), (std::vector<double>{-1.0, -0.5, 0.0, 0.5}));
  EXPECT_FALSE(frame::GridValues(0.0, 1.0, 0.0, 1e-5));
  EXPECT_FALSE(frame::GridValues(0.0, 1e9, 0.1, 1e-5));
  EXPECT_FALSE(frame::GridValues(1e15, 1e15 + 0.25, 0.05, 1e-5));  // indices beyond 2^53
}

}  // namespace
}  // namespace zv::test
