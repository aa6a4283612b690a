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
