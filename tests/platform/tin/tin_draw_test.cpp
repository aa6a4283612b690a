#include <gtest/gtest.h>

#include <QImage>

#include "platform/tin/tin_draw.h"
#include "tests/platform/tin/tin_test_support.h"

namespace zv::tin {
namespace {

int GreyPixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(150, 150, 150);
  return n;
}

TEST(TinDraw, ViewDrawsItsTinOnceSetAndOnlyEdgesInTheWindow) {
  const TinBuild build = BuildTin(test::Grid(0, 0, 10, 3, [](double x, double y) { return x + y; }));
  ASSERT_TRUE(build.tin);
  const int view = 0;  // any address names a view
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    display::KernelDriver dc(image);
    dc.SetWindow(-5, -5, 4);  // the 20 × 20 grid fills most of the picture
    EXPECT_EQ(DrawViewTin(&view, dc), 0);
    SetViewTin(&view, build.tin);
    // 2 × 2 squares of two triangles: 12 sides and 4 diagonals.
    EXPECT_EQ(DrawViewTin(&view, dc), 16);
  }
  EXPECT_GT(GreyPixels(image), 300);

  display::KernelDriver far(image);
  far.SetWindow(1000, 1000, 1);
  EXPECT_EQ(DrawViewTin(&view, far), 0);

  SetViewTin(&view, nullptr);
  EXPECT_FALSE(ViewTin(&view));
  EXPECT_EQ(DrawTinEdges(*build.tin, far), 0);
}

}  // namespace
}  // namespace zv::tin
