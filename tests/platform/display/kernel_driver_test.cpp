#include <gtest/gtest.h>

#include "platform/display/kernel_driver.h"
#include "tests/platform/display/golden.h"

namespace zv::display {
namespace {

TEST(KernelDriver, WindowMapsMapUnitsToPixelsWithYUp) {
  QImage image = zv::test::BlankImage(200, 100);
  KernelDriver driver(image);
  driver.SetWindow(10.0, 20.0, 4.0);
  EXPECT_EQ(driver.ToDevice(10.0, 20.0), QPointF(0, 100));
  EXPECT_EQ(driver.ToDevice(20.0, 30.0), QPointF(40, 60));
  const QPointF back = driver.ToMap(QPointF(40, 60));
  EXPECT_DOUBLE_EQ(back.x(), 20.0);
  EXPECT_DOUBLE_EQ(back.y(), 30.0);
  EXPECT_EQ(driver.VisibleMapRect(), QRectF(10, 20, 50, 25));
  EXPECT_EQ(driver.MapToDevice().map(QPointF(20, 30)), QPointF(40, 60));
}

TEST(KernelDriver, ToggleModesRemoveWhatTheyDrewTwice) {
  for (int mode : {kDrawNotXor, kDrawXor, kDrawInvert}) {
    QImage image = zv::test::BlankImage(60, 40);
    image.setPixel(20, 10, qRgb(10, 200, 30));  // something under the highlight
    const QImage before = image.copy();
    {
      KernelDriver driver(image);
      driver.SetColor(255);
      driver.SetDrawMode(mode);
      ASSERT_TRUE(driver.Toggles());
      driver._Rect(5, 5, 40, 30, 1);
      driver._Line(0, 0, 59, 39, 7);
      driver.Polyline({{1, 1}, {20, 30}, {50, 2}});
    }
    EXPECT_NE(image, before) << mode;
    {
      KernelDriver driver(image);
      driver.SetColor(255);
      driver.SetDrawMode(mode);
      driver._Rect(5, 5, 40, 30, 1);
      driver._Line(0, 0, 59, 39, 7);
      driver.Polyline({{1, 1}, {20, 30}, {50, 2}});
    }
    EXPECT_EQ(image, before) << mode;
  }
}

TEST(KernelDriver, PlainModeDrawsTheColourNumbersColour) {
  QImage image = zv::test::BlankImage(20, 20);
  {
    KernelDriver driver(image);
    driver.SetColor(6);
    driver.SetDrawMode(kDrawCopy);
    EXPECT_FALSE(driver.Toggles());
    driver._Line(0, 10, 19, 10, 3);
  }
  EXPECT_EQ(image.pixel(10, 10), zv::test::LibraryRgb(6));
}

// Many squares drawn at once give the same pixels as the painter's outline,
// whether they go straight into the image or through the painter: plain,
// clipped, and on an image shared with a copy.
TEST(KernelDriver, ManySquaresMatchThePaintersOutlines) {
  std::vector<QRect> rects;
  for (int i = 0; i < 40; ++i) rects.emplace_back(i * 5 + 2, (i * 13) % 60 + 2, 6, 6);
  rects.emplace_back(10, 10, 0, 0);  // empty: nothing drawn
  rects.emplace_back(30, 40, 20, 1);
  for (const bool clipped : {false, true}) {
    SCOPED_TRACE(clipped);
    const auto draw = [&](QImage& image) {
      KernelDriver driver(image);
      if (clipped) driver.ClipToDevice(QRect(15, 12, 100, 30), 0);
      driver.SetColor(6);
      driver._Rects(rects);
    };
    QImage painted = zv::test::BlankImage(240, 70).convertToFormat(QImage::Format_RGB888);
    draw(painted);
    QImage direct = zv::test::BlankImage(240, 70);
    draw(direct);
    EXPECT_EQ(direct, painted.convertToFormat(direct.format()));
    QImage shared = zv::test::BlankImage(240, 70);
    const QImage copy = shared;
    {
      KernelDriver driver(shared);
      const QImage another = shared;  // shared while the painter is active
      if (clipped) driver.ClipToDevice(QRect(15, 12, 100, 30), 0);
      driver.SetColor(6);
      driver._Rects(rects);
    }
    EXPECT_EQ(shared, direct);
    EXPECT_EQ(copy, zv::test::BlankImage(240, 70)) << "the copy is left as it was";
  }
}

// A square across the image's edges shows the sides that fall inside, whole;
// one far outside draws nothing.
TEST(KernelDriver, SquaresAcrossTheEdgesKeepTheirVisibleSides) {
  QImage image = zv::test::BlankImage(20, 20);
  {
    KernelDriver driver(image);
    driver.SetColor(6);
    const std::vector<QRect> rects{{-3, -5, 6, 6}, {16, 16, 6, 6}, {100000, 5, 6, 6}, {5, -100000, 6, 6}};
    driver._Rects(rects);
  }
  const QRgb ink = zv::test::LibraryRgb(6);
  for (const QPoint p : {QPoint(3, 0), QPoint(0, 1), QPoint(3, 1), QPoint(16, 19), QPoint(19, 16)})
    EXPECT_EQ(image.pixel(p), ink) << p.x() << "," << p.y();
  EXPECT_NE(image.pixel(2, 0), ink) << "inside the square stays as it was";
}

}  // namespace
}  // namespace zv::display

#include <QFontInfo>

#include "platform/display/fonts.h"

namespace zv::display {
namespace {

TEST(Fonts, EveryFontNumberHasAnInstalledFamily) {
  for (int number : {1, 2, 3, 4}) {
    const QString family = FontFamily(number);
    EXPECT_EQ(QFontInfo(QFont(family)).family(), family) << number << " is not installed";
  }
  EXPECT_EQ(FontFamily(9), FontFamily(1));
  EXPECT_EQ(WesternFontOf(0x00000003), 3);  // no western font: the Chinese one
  EXPECT_EQ(WesternFontOf(0x00020003), 2);
  EXPECT_EQ(ChineseFontOf(0x00020003), 3);
}

}  // namespace
}  // namespace zv::display
