// The histogram's drawing, caption and files.
#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/sheets/histogram.h"
#include "framework/text/numbers.h"
#include "platform/project/map_project.h"
#include "tests/exchange/sheets/sheet_test_support.h"
#include "tests/support/test_env.h"

namespace zv::sheets::test {
namespace {

std::string Dot(const D_DOT& d) { return num::Format("(%g,%g)", d.x, d.y); }

// Each text as "text@(x,y)" and each line as its vertices, in drawing order.
std::vector<std::string> Texts(WorkAreaHandle points) {
  std::vector<std::string> out;
  int32_t live = 0, bound = 0;
  BasGetPointCount(points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT at;
    std::string text;
    PNT_INFO info;
    if (BasReadPoint(points, id, &at, &text, &info)) out.push_back(text + "@" + Dot(at));
  }
  return out;
}

std::vector<std::string> Lines(WorkAreaHandle lines, float* firstWidth = nullptr, float* lastWidth = nullptr) {
  std::vector<std::string> out;
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> dots;
    LIN_INFO info;
    if (!BasReadLine(lines, id, &dots, &info)) continue;
    std::string s;
    for (const D_DOT& d : dots) s += Dot(d);
    out.push_back(s);
    if (firstWidth && id == 1) *firstWidth = info.width();
    if (lastWidth) *lastWidth = info.width();
  }
  return out;
}

bool Has(const std::vector<std::string>& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
}

std::vector<HistogramClass> Classes(std::vector<long> frequencies) {
  std::vector<HistogramClass> classes;
  for (std::size_t i = 0; i < frequencies.size(); ++i)
    classes.push_back({double(i), double(i + 1) + 0.5, frequencies[i]});
  return classes;
}

class HistogramTest : public SheetTest {};

TEST_F(HistogramTest, TheLargestFrequencyChoosesTheTicks) {
  struct Case {
    long largest;
    int step;
    const char* top;  // the label of the last tick, k·t
  };
  const Case cases[] = {{0, 20, "20"}, {100, 20, "120"}, {101, 50, "150"}, {499, 50, "500"}, {500, 100, "600"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.largest);
    EXPECT_EQ(HistogramTickStep(c.largest), c.step);
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    DrawHistogram(Classes({c.largest, 1, 2, 3, 4}), 3, "Cu直方图", points_, lines_);
    const long k = c.largest / c.step + 1;
    EXPECT_TRUE(Has(Texts(points_), std::string(c.top) + "@" + Dot({-6, 20 - 1.5})));
    EXPECT_TRUE(Has(Lines(lines_), Dot({0, 20.0 / double(k)}) + Dot({-2, 20.0 / double(k)})));
  }
}

TEST_F(HistogramTest, FiveClassesOfWidthThreeDrawTheirAxesTicksLabelsAndBars) {
  float axisWidth = 0, lastWidth = 0;
  DrawHistogram(Classes({10, 20, 30, 40, 50}), 3, "Cu直方图", points_, lines_);
  const std::vector<std::string> lines = Lines(lines_, &axisWidth, &lastWidth);
  const std::vector<std::string> texts = Texts(points_);
  EXPECT_FLOAT_EQ(axisWidth, 0.2f);
  EXPECT_FLOAT_EQ(lastWidth, 0.1f);
  EXPECT_EQ(lines[0], "(0,0)(25,0)");                       // X = 15
  EXPECT_EQ(lines[1], "(23,0.5)(25,0)(23,-0.5)");
  EXPECT_EQ(lines[2], "(0,0)(0,30)");                       // Y = 20
  EXPECT_TRUE(Has(texts, "Cu(×10#+-6#=)@(26,-1.5)"));
  EXPECT_TRUE(Has(texts, "频数@(-2,31)"));
  // Labels under x = 0 (the first lower bound) and x = 15 (the last upper bound).
  EXPECT_TRUE(Has(texts, "0.00@(-2.5,-4)"));
  EXPECT_TRUE(Has(texts, "5.50@(12.5,-4)"));
  EXPECT_TRUE(Has(lines, "(0,0)(0,-2)"));
  EXPECT_TRUE(Has(lines, "(15,0)(15,-2)"));
  for (int x : {3, 6, 9, 12}) EXPECT_TRUE(Has(lines, Dot({double(x), 0}) + Dot({double(x), -1}))) << x;
  // F = 50: t = 20, k = 3; a bar is freq · 20 / 60 high.
  EXPECT_TRUE(Has(lines, "(0,0)(0,3.33333)(3,3.33333)(3,0)"));
  EXPECT_TRUE(Has(lines, "(12,0)(12,16.6667)(15,16.6667)(15,0)"));
  EXPECT_EQ(texts.size(), 2u + 4u + 2u);  // caption, 频数, ticks 0..60, two labels
}

TEST_F(HistogramTest, TheCaptionTakesTwoBytesCutBackToAWholeCharacter) {
  EXPECT_EQ(HistogramCaption("Au直方图"), "Au(×10#+-9#=)");
  EXPECT_EQ(HistogramCaption("Ag直方图"), "Ag(×10#+-6#=)");
  EXPECT_EQ(HistogramCaption("K直方图"), "K(×10#+-6#=)");
  EXPECT_EQ(HistogramCaption("金直方图"), "金(×10#+-6#=)");
  EXPECT_EQ(HistogramCaption("Aurum直方图"), "Au(×10#+-9#=)");
}

TEST_F(HistogramTest, TheFilesAndTheProjectGoIntoTheFolderWithOrWithoutItsSeparator) {
  EXPECT_EQ(HistogramFilePath("/a/b", "Cu直方图", ".wt"), "/a/b/Cu直方图.wt");
  EXPECT_EQ(HistogramFilePath("/a/b/", "Cu直方图", ".wt"), "/a/b/Cu直方图.wt");
  const std::string folder = zv::test::TempRoot() + "/new/histogram";
  std::string error;
  const std::string project = SaveHistogram(Classes({1, 2, 3}), 3, folder, "Cu直方图", &error);
  ASSERT_EQ(project, folder + "/Cu直方图.mpj") << error;
  files::FileReport report;
  MapProject* opened = PrjOpen(project, 0, 0, &report);
  ASSERT_NE(opened, nullptr) << report.error;
  ASSERT_EQ(PrjGetItemCount(opened), 3);
  EXPECT_EQ(PrjGetItemPath(opened, 0), folder + "/Cu直方图.wt");
  EXPECT_EQ(PrjGetItemPath(opened, 2), folder + "/Cu直方图.wp");
  int32_t live = 0, bound = 0;
  BasGetLineCount(PrjGetItemArea(opened, 1), &live, &bound);
  EXPECT_GT(live, 6);
  PrjClose(opened);

  std::filesystem::create_directories(folder + "/blocked/Cu直方图.wl");  // a folder where the file should go
  EXPECT_EQ(SaveHistogram(Classes({1}), 3, folder + "/blocked", "Cu直方图", &error), "");
  EXPECT_NE(error.find("Cu直方图.wl"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(folder + "/blocked/Cu直方图.mpj"));
}

}  // namespace
}  // namespace zv::sheets::test
