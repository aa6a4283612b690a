#include "views/tool_overlay/tool_overlay.h"

#include <gtest/gtest.h>

#include <QImage>

#include "tests/platform/view/view_fixture.h"

namespace zv::toolview {
namespace {

using ToolOverlayTest = test::ViewTest;

TEST_F(ToolOverlayTest, VertexSquaresMarkSelectedLinesAndPointsInsideTheWindowOnly) {
  const int32_t line = AddLine({{10, 10}, {50, 10}, {2000, 10}});
  const int32_t point = AddPoint({100, 100});
  const int32_t unselected = AddLine({{20, 20}, {30, 30}});
  (void)unselected;
  const ENTITY_MSG pool[] = {{lin, kLineEntity, line}, {pnt, kPointEntity, point}, {9999, kLineEntity, 1}};
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  display::KernelDriver dc(image);
  EXPECT_EQ(DrawSelectedVertexMarks(*view, dc, pool), 3) << "the vertex far outside the window is skipped";
  const QColor six = dc.ColorOf(6);
  double x = 0, y = 0;
  view->_LpToWp({50, 10}, &x, &y);
  EXPECT_EQ(image.pixelColor(static_cast<int>(x) + 3, static_cast<int>(y)), six);
  EXPECT_EQ(image.pixelColor(static_cast<int>(x), static_cast<int>(y)), QColor(Qt::white)) << "an outline";
}

TEST_F(ToolOverlayTest, TheSnapMarkerIsRemovedByDrawingItAgain) {
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(QColor(30, 60, 90));
  const QImage before = image.copy();
  display::KernelDriver dc(image);
  const snap::SnapMarker marker{{100, 100}, snap::kSnapCrossing};
  DrawSnapMarker(*view, dc, marker);
  EXPECT_NE(image, before);
  DrawSnapMarker(*view, dc, marker);
  EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace zv::toolview
