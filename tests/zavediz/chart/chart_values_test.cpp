#include <gtest/gtest.h>

#include "tests/support/work_areas_fixture.h"
#include "zavediz/chart/borehole_chart.h"
#include "zavediz/chart/chart_header.h"
#include "zavediz/chart/description_column.h"

namespace zv::chart {
namespace {

TEST(ChartValuesTest, NumbersReadAsCDoesAndPrintInTheCLocale) {
  setlocale(LC_ALL, "de_DE.UTF-8");
  const struct {
    const char* text;
    const char* fixed;
    int integer;
  } cases[] = {{"123.456", "123.46", 123}, {"5.5", " 5.50", 5}, {" 1", " 1.00", 1}, {"01", " 1.00", 1},
               {"x", " 0.00", 0},         {"", " 0.00", 0},    {"12m", "12.00", 12},
               {"nan", " 0.00", 0},       {"-INF", " 0.00", 0}, {"infinity", " 0.00", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Fixed52(std::string(c.text)), c.fixed);
    EXPECT_EQ(IntOf(c.text), c.integer);
  }
  setlocale(LC_ALL, "C");
  EXPECT_EQ(CutBytes("花岗岩", 5), "花岗") << "cut at a character boundary of the GBK form";
  EXPECT_EQ(CutBytes("ZK01", 9), "ZK01");
}

TEST(ChartValuesTest, InclinationIsNinetyLessTheStoredAngleToTheSecond) {
  const struct {
    const char* stored;
    const char* shown;
  } cases[] = {
      {"75", "15°"},          {"75.5", "14°30′"},  {"60°30′", "29°30′"}, {"60°20′", "29°40′"},
      {"60°20′30″", "29°39′30″"}, {"90", ""},     {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(InclinationText(c.stored), std::string("终 孔 倾 角: ") + c.shown);
  }
}

TEST(ChartValuesTest, AzimuthGetsItsDegreeSignOnce) {
  EXPECT_EQ(AzimuthText("123"), "终 孔 方 位: 123°");
  EXPECT_EQ(AzimuthText("123°"), "终 孔 方 位: 123°");
  EXPECT_EQ(AzimuthText(""), "终 孔 方 位: ");
}

TEST(ChartValuesTest, TitleShrinksItsSpacingThenItsSizeAndStops) {
  TitleFit fit = FitTitle(30, 400);
  EXPECT_DOUBLE_EQ(fit.height, 15.0);
  EXPECT_DOUBLE_EQ(fit.spacing, 2.0);
  fit = FitTitle(40, 400);
  EXPECT_DOUBLE_EQ(fit.height, 15.0);
  EXPECT_NEAR(fit.spacing, 0.1, 0.11);
  EXPECT_LE((fit.height + fit.spacing) * 20 - 2, 300 + 1e-9);
  fit = FitTitle(200, 300);
  EXPECT_GE(fit.height, 2.0);
  EXPECT_LT(fit.spacing, 0);
  fit = FitTitle(0, 50);  // an empty title in a chart narrower than 98 mm
  EXPECT_DOUBLE_EQ(fit.height, 2.0);
}

TEST(ChartValuesTest, CharacterGapSpreadsOrShrinks) {
  float size = 8.0f;
  EXPECT_NEAR(FitCharacterGap(4, &size, 0, 40), 8.0 / 3, 1e-9);
  EXPECT_EQ(size, 8.0f);
  EXPECT_NEAR(FitCharacterGap(4, &size, 0, 28), 0, 0.01);
  EXPECT_NEAR(size, 7.0f, 1e-4);
  size = 8.0f;
  EXPECT_EQ(FitCharacterGap(1, &size, 0, 1), 0);
  // Cells for widths, characters for gaps: 11 cells, 13 characters.
  size = 4.0f;
  EXPECT_NEAR(FitTextGap(11, 13, &size, 0, 84), 40.0 / 12, 1e-9);
  // 4 less twenty steps of 0.05 is 3.0000005 as a float, still too wide.
  EXPECT_NEAR(FitTextGap(10, 12, &size, 0, 30), 0.5 / 12, 1e-4);
  EXPECT_NEAR(size, 2.95f, 1e-4);
  // No room at all: a description column narrower than its 40 mm of margins,
  // and one whose ends are swapped by millions of millimetres (the float size
  // would stop changing there). The size stays positive and the fit ends.
  for (double to : {-10.0, -1e8}) {
    size = 8.0f;
    FitCharacterGap(4, &size, 0, to);
    EXPECT_GT(size, 0.0f) << to;
    EXPECT_LE(size, 0.05f + 1e-6) << to;
  }
}

TEST(ChartValuesTest, OnlyPlainNamesNameFiles) {
  for (const char* bad : {"", ".", "..", "a/b", "a\tb", "a\nb"}) EXPECT_FALSE(IsPlainFileName(bad)) << bad;
  for (const char* good : {"ZK01", "ZK'02", "钻孔 1", "..a"}) EXPECT_TRUE(IsPlainFileName(good)) << good;
}

class ChartPrimitivesTest : public test::WorkAreasTest {};

TEST_F(ChartPrimitivesTest, WidthsMapAndCurveChainsKeepOnlyTheNewestThick) {
  ChartWriter w({lines_, points_, regions_});
  const struct {
    double asked;
    float stored;
  } widths[] = {{0.3, 0.3f}, {1.0, 0.5f}, {0.5, 0.1f}, {0.2, 0.1f}, {0.25, 0.1f}};
  for (const auto& c : widths) {
    const int32_t id = w.WriteChartLine(0, 0, 1, 1, 1, 1, c.asked, 2);
    LIN_INFO info;
    ASSERT_TRUE(BasReadLineParam(lines_, id, &info));
    EXPECT_EQ(info.width(), c.stored) << c.asked;
  }
  const int32_t ids[3] = {w.WriteChartCurveSegment(0, 0, 1, 0, 1, 1, 2), w.WriteChartCurveSegment(0, 1, 1, 1, 1, 1, 2),
                          w.WriteChartCurveSegment(0, 2, 1, 2, 1, 1, 2)};
  const float expected[3] = {0.1f, 0.1f, 0.5f};
  for (int i = 0; i < 3; ++i) {
    LIN_INFO info;
    ASSERT_TRUE(BasReadLineParam(lines_, ids[i], &info));
    EXPECT_EQ(info.width(), expected[i]);
  }
}

TEST_F(ChartPrimitivesTest, TextsCarryOnlyTheirFieldsAndRegionsTheirOutline) {
  ChartWriter w({lines_, points_, regions_});
  const int32_t id = w.WriteChartNote(1, 2, std::string(70, '9'), 4.0, 3.0, 1, 2, 0.5f, 1, 3);
  D_DOT p;
  std::string text;
  PNT_INFO info;
  ASSERT_TRUE(BasReadPoint(points_, id, &p, &text, &info));
  EXPECT_EQ(text.size(), 63u);
  EXPECT_EQ(info.Get<uint8_t>(pnt::kArrangement), 1) << "the style byte is the arrangement";
  EXPECT_EQ(info.chineseFont(), 3);
  EXPECT_EQ(info.westernFont(), 0);
  EXPECT_EQ(info.angle(), 0.0f);

  // Signature texts keep 259 GBK bytes (a Chinese character is 2), in
  // colour 1 on layer 0.
  std::string longText = "A";
  for (int i = 0; i < 130; ++i) longText += "图";
  const int32_t signature = w.WriteSignatureText(5, 6, longText, 3.5f, 3.2f, 0.5f, 0, 1);
  ASSERT_TRUE(BasReadPoint(points_, signature, &p, &text, &info));
  EXPECT_EQ(text, longText.substr(0, 1 + 129 * 3)) << "1 + 129·2 = 259 GBK bytes";
  EXPECT_EQ(info.colour(), 1);
  EXPECT_EQ(info.layer(), 0);
  EXPECT_EQ(info.charWidth(), 3.2f);

  const int32_t para = w.WriteChartParagraph(72, 0, 0, std::string(300, 'x'), 3, 0.5, 1, 2, 1);
  ASSERT_TRUE(BasReadPointParam(points_, para, &info));
  EXPECT_EQ(info.Get<float>(pnt::kBoxWidth), 72.0f);
  EXPECT_EQ(info.Get<float>(pnt::kLineSpacing), 1.0f);
  D_RECT box;
  ASSERT_TRUE(BasGetPointRect(points_, para, &box));
  EXPECT_LT(box.ymin, -10) << "the paragraph's extent covers its lines";

  ASSERT_TRUE(w.WriteChartRegion(0, 0, 10, -5, 101, 9, 2, 6));
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines_, &live, &bound);
  EXPECT_EQ(live, 1) << "the outline goes to the line area too";
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_TRUE(BasGetRegionRings(regions_, 1, &rings));
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0].size(), 5u);
  REG_INFO reg;
  ASSERT_TRUE(BasReadRegionParam(regions_, 1, &reg));
  EXPECT_EQ(reg.Get<int16_t>(reg::kPattern), 101);
  EXPECT_EQ(reg.Get<float>(reg::kPatternHeight), 6.0f);
  EXPECT_EQ(reg.Get<float>(reg::kPatternWidth), 5.0f);
}

}  // namespace
}  // namespace zv::chart
