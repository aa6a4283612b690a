// Colour 0 is no colour, yet many records carry it: it draws as colour 1,
// except a region fill, which it leaves empty.

#include <gtest/gtest.h>

#include "platform/display/colour_table.h"
#include "platform/display/display_calls.h"
#include "platform/display/work_area_renderer.h"
#include "tests/platform/display/golden.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::display {
namespace {

class ColourZero : public zv::test::WorkAreasTest {
 protected:
  // Pixels darker than light grey of one area drawn alone into a 100 x 100 image, 2 pixels per
  // map unit.
  int DarkPixels(WorkAreaHandle area) {
    QImage image = zv::test::BlankImage(100, 100);
    {
      KernelDriver driver(image);
      driver.SetWindow(0, 0, 2.0);
      WorkAreaRenderer renderer(area);
      renderer.Draw(driver);
    }
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) dark += image.pixelColor(x, y).lightness() < 200;
    return dark;
  }
};

TEST_F(ColourZero, TextsLinesAndSubgraphsShowAndARegionIsNotFilled) {
  LIN_INFO line;
  line.setStyle(1);
  line.setColour(0);
  BasAppendLine(lines_, std::vector<D_DOT>{{5, 25}, {45, 25}}, line);
  EXPECT_GT(DarkPixels(lines_), 60);

  PNT_INFO text;
  text.setKind(0);
  text.setColour(0);
  text.setCharHeight(8);
  text.setCharWidth(8);
  BasAppendPoint(points_, {5, 10}, "地层", text);
  EXPECT_GT(DarkPixels(points_), 20);
  BasClearWorkArea(points_);

  PNT_INFO symbol;
  symbol.setKind(1);
  symbol.setColour(0);
  symbol.setSymbolNumber(1);
  symbol.setSymbolHeight(20);
  symbol.setSymbolWidth(20);
  BasAppendPoint(points_, {25, 25}, "", symbol);
  EXPECT_GT(DarkPixels(points_), 20);

  LIN_INFO hidden;
  hidden.setStyle(0);
  const int32_t arc =
      BasAppendLine(regions_, std::vector<D_DOT>{{5, 5}, {45, 5}, {45, 45}, {5, 45}, {5, 5}}, hidden);
  REG_INFO region;
  region.setFillColour(0);
  BasAppendRegion(regions_, std::vector<int32_t>{0, arc}, region);
  EXPECT_EQ(DarkPixels(regions_), 0);
  region.setFillColour(1);
  BasUpdateRegion(regions_, 1, std::vector<int32_t>{0, arc}, region);
  EXPECT_GT(DarkPixels(regions_), 5000);
}

TEST(ColourZeroCall, TheColourCallGivesColourOnesRgb) {
  int r0 = -1, g0 = -1, b0 = -1, r1 = -2, g1 = -2, b1 = -2;
  DspColorToRgb(0, &r0, &g0, &b0);
  DspColorToRgb(1, &r1, &g1, &b1);
  EXPECT_EQ(std::tie(r0, g0, b0), std::tie(r1, g1, b1));
  EXPECT_EQ(DrawnColour(0), 1);
  EXPECT_EQ(DrawnColour(6), 6);
}

}  // namespace
}  // namespace zv::display
