// What the tool draws: previews on the overlay that a move replaces without
// redrawing the map, and the figure in progress again after a redraw.
#include "tests/tools/edit_aid/edit_aid_fixture.h"

namespace zv::tools::test {
namespace {

TEST_F(EditAidTest, MovesReplaceThePreviewAndRedrawsShowItAgain) {
  AddLine({{10, 200}, {390, 20}});
  for (int16_t mode : {103, 109, 116, 114}) {
    SCOPED_TRACE(mode);
    Start(mode);
    view->_UpdateWindow();
    const int redraws = view->RedrawCount();
    const QImage map = view->Picture();
    Click({50, 50});
    if (mode == 109) Click({150, 60});
    if (mode == 116) Click({120, 80});
    Move({80, 120});
    const QImage first = view->Picture();
    EXPECT_NE(first, map);
    Move({200, 150});
    EXPECT_NE(view->Picture(), first);
    Move({80, 120});
    EXPECT_EQ(view->Picture(), first) << "the preview is drawn once and erased exactly";
    EXPECT_EQ(view->RedrawCount(), redraws) << "moves never redraw the map";
    view->_UpdateWindow();
    EXPECT_EQ(view->Picture(), first) << "the hook draws the figure in progress again";
    RightUp({80, 120});
    EXPECT_EQ(view->Picture(), map) << "the right button abandons the figure";
    EXPECT_EQ(LineCount(), 1);
  }
}

TEST_F(EditAidTest, CommittedSegmentsStayAndStreamMovesDoNotRedraw) {
  Start(100);
  view->_UpdateWindow();
  const QImage map = view->Picture();
  const int redraws = view->RedrawCount();
  Click({50, 50});
  Click({150, 50});
  Move({150, 150});
  const CPoint mid = At({100, 50});
  EXPECT_NE(view->Picture().pixel(mid.x, mid.y), map.pixel(mid.x, mid.y)) << "the committed segment is drawn";
  EXPECT_EQ(view->RedrawCount(), redraws);
  view->_UpdateWindow();
  EXPECT_NE(view->Picture().pixel(mid.x, mid.y), map.pixel(mid.x, mid.y)) << "and drawn again after a redraw";
  Key(120);
  EXPECT_EQ(view->Picture().pixel(mid.x, mid.y), map.pixel(mid.x, mid.y)) << "F9 takes it off the overlay";

  Start(101);
  const int before = view->RedrawCount();
  Click({10, 10});
  for (int i = 0; i < 200; ++i) Move({10.0 + i, 10.0 + i / 2.0});
  EXPECT_EQ(view->RedrawCount(), before);
  EXPECT_EQ(Tool()->vertices().size(), 201u);
}

}  // namespace
}  // namespace zv::tools::test
