// Chart texts name only their Chinese font: their digits and Latin letters
// must still draw.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/display/kernel_driver.h"
#include "platform/display/work_area_renderer.h"
#include "tests/support/work_areas_fixture.h"
#include "zavediz/chart/chart_primitives.h"

namespace zv::chart {
namespace {

class ChartTextTest : public test::WorkAreasTest {};

TEST_F(ChartTextTest, DigitsAndLettersOfTextsWithOnlyAChineseFontDraw) {
  ChartWriter w({lines_, points_, regions_});
  w.WriteChartNote(2, 2, "ZK2024", 6.0, 6.0, 1, 0, 0.0f, 0, 1);
  QImage image(200, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    display::KernelDriver driver(image);
    driver.SetWindow(0, 0, 5.0);
    display::WorkAreaRenderer(points_).Draw(driver);
  }
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(inked, 200);
}

}  // namespace
}  // namespace zv::chart
