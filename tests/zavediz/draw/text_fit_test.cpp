#include "zavediz/draw/text_fit.h"

#include <gtest/gtest.h>

#include <numbers>

#include "zavediz/draw/zavediz_writer.h"

namespace zv::zavediz {
namespace {

TEST(TextFit, FitTextToWidthSpreadsOrShrinks) {
  struct Case {
    const char* name;
    int16_t n;
    double w, available, size, spacing;
    double expectedSize, expectedSpacing;
  } cases[] = {
      {"fits: spread to fill", 4, 4, 30, 5, 1, 5, 10.0 / 3},
      {"too wide: shrunk, no spacing", 4, 4, 12, 5, 1, 3, 0},
      {"one character that fits", 1, 1, 30, 5, 2, 5, 0},
      {"one character too wide", 1, 1, 3, 5, 2, 3, 0},
      {"empty text", 0, 0, 30, 5, 2, 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool byHeight : {false, true}) {
      PNT_INFO params = NoteParams(static_cast<float>(c.size), static_cast<float>(c.size),
                                   static_cast<float>(c.spacing), 0, 1);
      FitTextToWidth(params, c.n, c.w, c.available, byHeight);
      EXPECT_FLOAT_EQ(byHeight ? params.charHeight() : params.charWidth(), static_cast<float>(c.expectedSize));
      EXPECT_FLOAT_EQ(byHeight ? params.charWidth() : params.charHeight(), static_cast<float>(c.size));
      EXPECT_FLOAT_EQ(params.charSpacing(), static_cast<float>(c.expectedSpacing));
    }
  }
}

TEST(TextFit, MeasuredTextCountsChineseAsOneCellAndAsciiAsHalf) {
  PNT_INFO params = NoteParams(4, 4, 0, 0, 1);
  FitMeasuredText(params, "图A", 10, false);  // 1.5 cells, 2 characters
  EXPECT_FLOAT_EQ(params.charSpacing(), 4.0f);
  params = NoteParams(4, 4, 3, 0, 1);
  FitMeasuredText(params, "图", 10, false);  // one character of two GBK bytes
  EXPECT_FLOAT_EQ(params.charSpacing(), 0.0f);
}

TEST(TextFit, CaptionSpacingShrinksUntilItFits) {
  float size = 5.0f;
  EXPECT_DOUBLE_EQ(FitCaptionSpacing(3, size, -13, 13), 5.5);
  EXPECT_FLOAT_EQ(size, 5.0f);
  size = 10.0f;
  const double spacing = FitCaptionSpacing(3, size, 0, 26);
  EXPECT_GE(spacing, 0.0);
  EXPECT_NEAR(size, 8.65f, 1e-4);
  size = 4.0f;
  EXPECT_EQ(FitCaptionSpacing(1, size, 0, 1), 0.0);
}

TEST(TextFit, AzimuthTexts) {
  struct Case {
    double radians;
    bool rightEnd;
    const char* text;
  } cases[] = {
      {std::numbers::pi / 6, false, "240°0′0″"}, {std::numbers::pi / 6, true, "60°0′0″"},
      {0.0, false, "270°0′0″"},                 {-2.5, false, "53°14′22″"},
      {2.0, true, "335°24′30″"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatAzimuth(c.radians, c.rightEnd), c.text) << c.radians;
}

TEST(TextFit, SlashPairsAndShortenedSegments) {
  double a = -1, b = -1;
  EXPECT_FALSE(ParseSlashPair("120", a, b));
  EXPECT_EQ(a, -1);
  EXPECT_TRUE(ParseSlashPair("120/35", a, b));
  EXPECT_EQ(a, 120);
  EXPECT_EQ(b, 35);
  EXPECT_TRUE(ParseSlashPair("x/2.5m", a, b));
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 2.5);

  D_DOT p{0, 0}, q{3, 4};
  ShortenSegment(p, q);
  EXPECT_DOUBLE_EQ(p.x, 0.6);
  EXPECT_DOUBLE_EQ(p.y, 0.8);
  EXPECT_DOUBLE_EQ(q.x, 2.4);
  EXPECT_DOUBLE_EQ(q.y, 3.2);
}

}  // namespace
}  // namespace zv::zavediz
