#include <gtest/gtest.h>

#include <limits>

#include "platform/display/work_area_renderer.h"
#include "tests/platform/display/golden.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::display {
namespace {

class WorkAreaRender : public zv::test::WorkAreasTest {
 protected:
  // A square region [x, x + size] x [y, y + size] filled with a colour.
  int32_t Square(double x, double y, double size, long colour, int16_t layer = 0) {
    LIN_INFO arc;
    arc.setStyle(0);  // outline hidden
    const int32_t arcId = BasAppendLine(regions_, {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}, {x, y}}, arc);
    REG_INFO info;
    info.setFillColour(colour);
    info.setLayer(layer);
    return BasAppendRegion(regions_, std::vector<int32_t>{0, arcId}, info);
  }

  int32_t Line(std::vector<D_DOT> vertices, long colour, int16_t layer = 0) {
    LIN_INFO info;
    info.setStyle(1);
    info.setColour(colour);
    info.setWidth(1.5f);
    info.setXScale(2);
    info.setYScale(2);
    info.setLayer(layer);
    return BasAppendLine(lines_, vertices, info);
  }

  // Renders one area into a 100 x 100 image, 2 pixels per map unit.
  QImage Render(WorkAreaRenderer& renderer, const DisplaySwitches& switches = DefaultSwitches()) {
    QImage image = zv::test::BlankImage(100, 100);
    KernelDriver driver(image);
    driver.SetWindow(0, 0, 2.0);
    renderer.Draw(driver, switches);
    return image;
  }
};

TEST_F(WorkAreaRender, EntitiesDrawInDisplayOrder) {
  const int32_t red = Square(5, 5, 20, 6);
  const int32_t blue = Square(15, 15, 20, 2);
  WorkAreaRenderer renderer(regions_);
  const QPoint overlap(40, 100 - 40);  // map (20, 20)
  EXPECT_EQ(Render(renderer).pixel(overlap), zv::test::LibraryRgb(2));
  ASSERT_TRUE(BasBringToFront(regions_, kRegionEntity, {red}));
  EXPECT_EQ(Render(renderer).pixel(overlap), zv::test::LibraryRgb(6));
  ASSERT_TRUE(BasSendToBack(regions_, kRegionEntity, {red}));
  EXPECT_EQ(Render(renderer).pixel(overlap), zv::test::LibraryRgb(2));
  (void)blue;
}

TEST_F(WorkAreaRender, OnlyVisibleEntitiesOnLayersThatAreOnDraw) {
  Line({{2, 2}, {40, 40}}, 1);
  Line({{500, 500}, {600, 600}}, 1);     // far outside the view
  Line({{2, 40}, {40, 2}}, 6, 3);        // on layer 3
  WorkAreaRenderer renderer(lines_);
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 2);
  BasSetLayerOn(lines_, 3, 0);
  const QImage image = Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 1);
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) ASSERT_NE(image.pixel(x, y), zv::test::LibraryRgb(6));
}

TEST_F(WorkAreaRender, IndexFollowsAppendsUpdatesAndDeletes) {
  WorkAreaRenderer renderer(lines_);
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 0);
  const int32_t id = Line({{2, 2}, {40, 40}}, 1);
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 1);
  LIN_INFO info;
  std::vector<D_DOT> vertices;
  ASSERT_TRUE(BasReadLine(lines_, id, &vertices, &info));
  ASSERT_TRUE(BasUpdateLine(lines_, id, std::vector<D_DOT>{{300, 300}, {310, 310}}, info));
  EXPECT_TRUE(zv::test::InkBounds(Render(renderer)).isNull());
  EXPECT_EQ(renderer.DrawnCount(), 0);
  ASSERT_TRUE(BasUpdateLine(lines_, id, std::vector<D_DOT>{{2, 2}, {30, 2}}, info));
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 1);
  ASSERT_TRUE(BasDeleteLine(lines_, id));
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 0);
  Line({{2, 2}, {40, 40}}, 1);
  BasClearWorkArea(lines_, 0);
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 0);
}

TEST_F(WorkAreaRender, EachDisplaySwitchChangesThePicture) {
  Line({{5, 5}, {25, 30}, {45, 10}}, 1);
  Square(5, 35, 10, 5);
  PNT_INFO symbol;
  symbol.setKind(1);
  symbol.setSymbolNumber(21);
  symbol.setSymbolHeight(4);
  symbol.setSymbolWidth(4);
  symbol.setColour(1);
  BasAppendPoint(points_, {30, 40}, "", symbol);
  PNT_INFO text;
  text.setKind(0);
  text.setCharHeight(4);
  text.setCharWidth(4);
  text.setColour(1);
  text.setChineseFont(1);
  BasAppendPoint(points_, {5, 20}, "砂岩", text);
  WorkAreaRenderer lineRenderer(lines_), regionRenderer(regions_), pointRenderer(points_);
  auto all = [&](const DisplaySwitches& s) {
    QImage image = zv::test::BlankImage(100, 100);
    KernelDriver driver(image);
    driver.SetWindow(0, 0, 2.0);
    regionRenderer.Draw(driver, s);
    lineRenderer.Draw(driver, s);
    pointRenderer.Draw(driver, s);
    return image;
  };
  const QImage plain = all(DefaultSwitches());
  for (DisplaySwitch sw : {kShowVertices, kShowArcs, kCompress, kSymbolAnchors, kTransparent, kLineDirection,
                           kLineEndMarks}) {
    EXPECT_NE(all(DefaultSwitches().Set(sw, true)), plain) << "switch " << sw;
  }
  EXPECT_NE(all(DefaultSwitches().Set(kRestoredDisplay, false)), plain);
}

TEST_F(WorkAreaRender, CursorMarkTogglesAndFollowsTheCrossSwitch) {
  QImage image = zv::test::BlankImage(50, 50);
  const QImage before = image.copy();
  KernelDriver driver(image);
  DrawCursorMark(driver, {20, 20}, DefaultSwitches().Set(kCrossCursor, true));
  EXPECT_NE(image.pixel(1, 20), before.pixel(1, 20));
  DrawCursorMark(driver, {20, 20}, DefaultSwitches().Set(kCrossCursor, true));
  EXPECT_EQ(image, before);
  DrawCursorMark(driver, {20, 20}, DefaultSwitches());
  EXPECT_EQ(image.pixel(1, 20), before.pixel(1, 20));
  EXPECT_NE(image.pixel(16, 20), before.pixel(16, 20));
}

TEST_F(WorkAreaRender, AnEntityWithoutExtentIsStillFound) {
  Line({{10, 10}, {10, 10}}, 1);  // one place twice: a rectangle of no size
  WorkAreaRenderer renderer(lines_);
  Render(renderer);
  EXPECT_EQ(renderer.DrawnCount(), 1);
}

TEST_F(WorkAreaRender, NonFiniteCoordinatesAndParametersDrawWithoutHarm) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  Line({{nan, 1}, {5, inf}, {1e300, -1e300}}, 1);
  Line({{2, 2}, {40, 40}}, 1);
  PNT_INFO arc;
  arc.setKind(3);
  arc.setRadius(nan);
  BasAppendPoint(points_, {5, 5}, "", arc);
  arc.setRadius(3);
  arc.Set<float>(pnt::kArcStartAngle, std::numeric_limits<float>::infinity());
  BasAppendPoint(points_, {5, 5}, "", arc);
  arc.Set<float>(pnt::kArcStartAngle, 1e30f);
  BasAppendPoint(points_, {5, 5}, "", arc);
  WorkAreaRenderer lines(lines_), points(points_);
  Render(lines);
  Render(points);
  EXPECT_GE(lines.DrawnCount(), 1);
}

TEST_F(WorkAreaRender, SimplifyKeepsEndsAndDropsSubPixelVertices) {
  std::vector<D_DOT> dense;
  for (int i = 0; i <= 1000; ++i) dense.push_back({i * 0.01, 0});
  const auto simplified = SimplifyToGrid(dense, 1.0);
  EXPECT_EQ(simplified.size(), 11u);
  EXPECT_DOUBLE_EQ(simplified.front().x(), 0.0);
  EXPECT_DOUBLE_EQ(simplified.back().x(), 10.0);
}

}  // namespace
}  // namespace zv::display

namespace zv::display {
namespace {

TEST_F(WorkAreaRender, ATextJustAboveTheViewBottomEdgeIsDrawn) {
  PNT_INFO text;
  text.setKind(0);
  text.setCharHeight(10);
  text.setCharWidth(10);
  text.setColour(1);
  text.setChineseFont(3);
  BasAppendPoint(points_, {5, -2}, "砂岩", text);  // sits on y = -2, reaches up to y = 8
  WorkAreaRenderer renderer(points_);
  const QImage image = Render(renderer);  // the view starts at y = 0
  EXPECT_EQ(renderer.DrawnCount(), 1);
  EXPECT_FALSE(zv::test::InkBounds(image).isNull());
}

TEST(PointExtent, CoversWhatIsDrawn) {
  PNT_INFO info;
  info.setKind(0);
  info.setCharHeight(4);
  info.setCharWidth(4);
  info.setAngle(90);
  const QRectF turned = PointExtent({10, 10}, "ab", info);  // 4 long, turned upwards
  EXPECT_GE(turned.bottom(), 14.0 - 1e-9);
  EXPECT_LE(turned.bottom(), 15.0 + 1e-9);  // with room for the italic forms
  EXPECT_LE(turned.left(), 6.0 + 1e-9);
  info.setAngle(0);
  info.Set<std::uint8_t>(pnt::kArrangement, 1);
  const QRectF down = PointExtent({10, 10}, "ab", info);  // two cells hanging down
  EXPECT_NEAR(down.top(), 2.0, 1e-9);
  EXPECT_NEAR(down.bottom(), 10.0, 1e-9);
  info.setKind(1);
  info.setSymbolHeight(2);
  info.setSymbolWidth(4);
  EXPECT_EQ(PointExtent({0, 0}, "", info), QRectF(-3, -3, 6, 6));
}

}  // namespace
}  // namespace zv::display
