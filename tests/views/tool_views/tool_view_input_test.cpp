// The tool views' mouse and keys: digitising with snapping, the snap
// thresholds, the drag start rules, the key table, the middle-button pan
// and the pick modes' apply.
#include "platform/view/view_tools.h"
#include "tests/views/tool_views/tool_view_fixture.h"

namespace zv {
namespace {

using test::Live;
using test::Vertices;

using SectionToolTest = test::ToolViewTest<CSecToolView>;
using PlanToolTest = test::ToolViewTest<CSecPrjToolView>;

class SnapDigitiseTest : public SectionToolTest {
 protected:
  void SetUp() override {
    SectionToolTest::SetUp();
    lines_ = view_.GetCurrentLinArea();
    BasAppendLine(lines_, {{100, 50}, {100, 250}}, LIN_INFO{});
    BasAppendLine(lines_, {{50, 150}, {300, 150}}, LIN_INFO{});
    SnapEnabled() = 1;
  }
  // Moves near a target until its marker shows (a marker shown before goes
  // on the first move), then presses and releases there.
  void ClickNear(const D_DOT& target) {
    MoveTo(At(target, {3, -2}));
    MoveTo(At(target, {2, -1}));
    Press(At(target, {2, -1}));
    Release(At(target, {2, -1}));
  }
  WorkAreaHandle lines_ = 0;
};

TEST_F(SnapDigitiseTest, EachVertexIsItsOwnPressesTargetAndCtrlRightCloses) {
  CurrentPickMode() = 2;
  const D_DOT targets[] = {{100, 50}, {300, 150}, {100, 250}};
  for (const D_DOT& t : targets) {
    ClickNear(t);
    EXPECT_EQ(SnapState, kSnapTaken) << "the vertex took the snap";
    EXPECT_EQ(cursorMoves_.back(), view_.mapToGlobal(At(t))) << "the cursor goes onto the target";
  }
  const int steps = view_.GetUndo().StepCount();
  Press(At({10, 10}), Qt::RightButton, Qt::ControlModifier);
  Release(At({10, 10}), Qt::RightButton);
  ASSERT_EQ(Live(lines_, kLineEntity), 3);
  const std::vector<D_DOT> v = Vertices(lines_, 3);
  ASSERT_EQ(v.size(), 4u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(v[i].x, targets[i].x) << i;  // exact, not the pixel under the press
    EXPECT_EQ(v[i].y, targets[i].y) << i;
  }
  EXPECT_EQ(v[3].x, v[0].x);
  EXPECT_EQ(v[3].y, v[0].y);
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 1);
  view_.Undo();
  EXPECT_EQ(Live(lines_, kLineEntity), 2) << "undo takes the drawn line away";
}

TEST_F(SnapDigitiseTest, ARegionIsOneUndoStepAndAStaleSnapIsNotTaken) {
  const WorkAreaHandle regions = view_.GetCurrentRegArea();
  CurrentPickMode() = 3;
  SnappedPoint = {1, 1};
  SnapState = kSnapWaiting;  // left by an earlier press
  Press(At({20, 20}));
  Release(At({20, 20}));
  ClickNear({300, 150});
  ClickNear({100, 250});
  Press(At({10, 10}), Qt::RightButton);
  Release(At({10, 10}), Qt::RightButton);
  ASSERT_EQ(Live(regions, kRegionEntity), 1);
  const std::vector<D_DOT> ring = Vertices(regions, 1);
  ASSERT_EQ(ring.size(), 4u);
  EXPECT_NEAR(ring[0].x, 20, 1.0) << "the plain press, not the stale snapped point";
  EXPECT_EQ(ring[1].x, 300);
  EXPECT_EQ(ring[2].y, 250);
  view_.Undo();
  EXPECT_EQ(Live(regions, kRegionEntity), 0);
  EXPECT_EQ(Live(regions, kLineEntity), 0) << "the region's arc goes with it";
}

TEST_F(SnapDigitiseTest, MarkerAndPressFollowEightPixelsAtTwoZooms) {
  for (double rate : {1.0, 4.0}) {
    SCOPED_TRACE(rate);
    ShowAt(rate);
    view_.snap.DropMarker();
    const D_DOT target{100, 50};
    MoveTo(At(target, {30, 30}));
    MoveTo(At(target, {5, 5}));
    ASSERT_TRUE(view_.snap.marker()) << "within 8 pixels";
    EXPECT_EQ(view_.snap.marker()->at.x, 100);
    SnapState = kSnapTaken;
    Press(At(target, {8, 0}));
    Release(At(target, {8, 0}));
    EXPECT_EQ(SnapState, kSnapTaken) << "a press 8 pixels away does not snap";
    MoveTo(At(target, {5, 5}));
    Press(At(target, {5, 5}));
    Release(At(target, {5, 5}));
    EXPECT_EQ(SnapState, kSnapWaiting);
    EXPECT_EQ(SnappedPoint.x, 100);
    EXPECT_EQ(SnappedPoint.y, 50);
    MoveTo(At(target, {9, 0}));
    EXPECT_FALSE(view_.snap.marker()) << "8 pixels away the marker goes";
  }
}

TEST_F(SnapDigitiseTest, NothingSnapsWithEverySwitchOffOrSnappingOff) {
  for (bool switchesOff : {true, false}) {
    SCOPED_TRACE(switchesOff);
    view_.snap.switches().on = {1, 0, 1, 0, 0, 0};
    if (switchesOff) view_.snap.switches().on = {};
    SnapEnabled() = switchesOff ? 1 : 0;
    MoveTo(At({100, 50}, {2, 2}));
    MoveTo(At({100, 50}, {1, 1}));
    EXPECT_FALSE(view_.snap.marker());
  }
}

TEST_F(PlanToolTest, WithoutAProjectNothingSnaps) {
  SnapEnabled() = 1;
  BasAppendLine(view_.GetCurrentLinArea(), {{100, 50}, {100, 250}}, LIN_INFO{});
  MoveTo(At({100, 50}, {1, 1}));
  MoveTo(At({100, 50}, {1, 1}));
  EXPECT_FALSE(view_.snap.marker());
}

TEST_F(SectionToolTest, DragStartsOnlyByTheStandardChartRuleAndOnAPickedEntity) {
  const WorkAreaHandle points = view_.GetCurrentPntArea();
  PNT_INFO info;
  BasGetDefaultPointParam(&info, 0);
  const int32_t id = BasAppendPoint(points, {200, 150}, "P", info);
  struct Case {
    const char* name;
    int standardChart;
    Qt::KeyboardModifiers modifiers;
    D_DOT at;
    bool drags;
  };
  const Case cases[] = {
      {"standard 1, plain press on the point", 1, Qt::NoModifier, {200, 150}, true},
      {"standard 1, Ctrl", 1, Qt::ControlModifier, {200, 150}, false},
      {"standard 1, away from the point", 1, Qt::NoModifier, {50, 50}, false},
      {"standard 0, plain press", 0, Qt::NoModifier, {200, 150}, false},
      {"standard 0, Shift", 0, Qt::ShiftModifier, {200, 150}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings().standardChart = c.standardChart;
    view_.CancelInterActive();
    view_.ClearPool();
    const ENTITY_MSG entry{points, kPointEntity, id};
    view_.AddToPool(&entry, 1);
    Press(At(c.at), Qt::LeftButton, c.modifiers);
    EXPECT_EQ(dynamic_cast<DragTool*>(view_.GetExtTool()) != nullptr, c.drags);
    Release(At(c.at));
  }
}

TEST_F(SectionToolTest, KeysSelectFlipSnapSwitchesAndNudgeTheSelection) {
  Key(Qt::Key_B);
  auto* select = dynamic_cast<SelectModeTool*>(view_.GetExtTool());
  ASSERT_NE(select, nullptr);
  EXPECT_EQ(select->kind(), SelectModeTool::kRegions);
  Key(Qt::Key_V);
  EXPECT_EQ(dynamic_cast<SelectModeTool*>(view_.GetExtTool())->kind(), SelectModeTool::kLines);
  const std::pair<Qt::Key, int> switches[] = {{Qt::Key_U, 0}, {Qt::Key_I, 1}, {Qt::Key_Y, 2},
                                              {Qt::Key_O, 3}, {Qt::Key_P, 4}, {Qt::Key_BracketLeft, 5}};
  for (const auto& [key, which] : switches) {
    const uint8_t before = view_.snap.switches().on[which];
    Key(key);
    EXPECT_NE(view_.snap.switches().on[which], before) << which;
  }
  const WorkAreaHandle points = view_.GetCurrentPntArea();
  PNT_INFO info;
  BasGetDefaultPointParam(&info, 0);
  const int32_t id = BasAppendPoint(points, {200, 150}, "P", info);
  const ENTITY_MSG entry{points, kPointEntity, id};
  view_.AddToPool(&entry, 1);
  const int steps = view_.GetUndo().StepCount();
  Key(Qt::Key_Right);
  D_DOT at;
  BasReadPointPos(points, id, &at);
  EXPECT_DOUBLE_EQ(at.x, 205.0);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Live(points, kPointEntity), 0);
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 2);
}

std::pair<double, double> Xy(const D_DOT& p) { return {p.x, p.y}; }

TEST_F(SectionToolTest, OrthoConstrainsMovesFromTheLastPressOnlyAfterAPress) {
  OrthoEnabled() = 1;
  MoveTo(At({150, 110}));
  EXPECT_FALSE(view_.ortho.reference().has_value()) << "no press yet: nothing is constrained";
  Press(At({100, 100}));
  Release(At({100, 100}));
  struct Case {
    const char* name;
    D_DOT cursor, reference;
  };
  const Case cases[] = {
      {"mostly across keeps the press's y", {150, 110}, {150, 100}},
      {"mostly along keeps the press's x", {105, 160}, {100, 160}},
      {"a tie keeps the press's y", {130, 130}, {130, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveTo(At(c.cursor));
    ASSERT_TRUE(view_.ortho.reference().has_value());
    EXPECT_EQ(Xy(*view_.ortho.reference()), Xy(c.reference));
  }
  // The next press is replaced by that reference, and the one after it too.
  MoveTo(At({150, 110}));
  Press(At({150, 110}));
  Release(At({150, 110}));
  EXPECT_EQ(Xy(*view_.lastPressed), Xy({150, 100}));
  // The right button resets the counters but keeps the pressed point: the
  // first press after it is free again.
  Press(At({150, 110}), Qt::RightButton);
  Release(At({150, 110}), Qt::RightButton);
  EXPECT_EQ(Xy(*view_.lastPressed), Xy({150, 100}));
  MoveTo(At({170, 130}));
  Press(At({170, 130}));
  Release(At({170, 130}));
  EXPECT_EQ(Xy(*view_.lastPressed), Xy({170, 130}));
}

TEST_F(SectionToolTest, TheRubberBandFollowsTheCursorWithItsReadoutUntilTheRightButton) {
  CurrentPickMode() = 2;
  Press(At({100, 100}));
  Release(At({100, 100}));
  auto redPixels = [this] {
    const QImage shot = view_.grab().toImage();
    int red = 0;
    for (int y = 20; y < 40; ++y)
      for (int x = 20; x < 300; ++x) red += shot.pixelColor(x, y) == QColor(Qt::red);
    return red;
  };
  EXPECT_EQ(redPixels(), 0) << "no read-out before a move";
  for (const D_DOT& to : {D_DOT{130, 140}, D_DOT{160, 100}}) {
    MoveTo(At(to));
    ASSERT_TRUE(view_.rubber.has_value());
    EXPECT_EQ(QPoint(view_.rubber->first.x, view_.rubber->first.y), At({100, 100}));
    EXPECT_EQ(QPoint(view_.rubber->second.x, view_.rubber->second.y), At(to));
    EXPECT_GT(redPixels(), 0) << "the length and bearing in red at (20, 20)";
  }
  Press(At({160, 100}), Qt::RightButton);
  Release(At({160, 100}), Qt::RightButton);
  EXPECT_FALSE(view_.rubber.has_value());
}

TEST_F(SectionToolTest, TheMiddleButtonPansWithTheHandAndItsDoubleClickShowsAll) {
  BasAppendLine(view_.GetCurrentLinArea(), {{0, 0}, {400, 300}}, LIN_INFO{});
  const D_DOT grabbed = view_._WpToLp(CPoint{100, 100});
  Press({100, 100}, Qt::MiddleButton);
  EXPECT_EQ(view_.cursor().shape(), Qt::ClosedHandCursor);
  Release({150, 120}, Qt::MiddleButton);
  EXPECT_NE(view_.cursor().shape(), Qt::ClosedHandCursor);
  const D_DOT now = view_._WpToLp(CPoint{150, 120});
  EXPECT_NEAR(now.x, grabbed.x, 1e-9) << "the map follows the hand";
  EXPECT_NEAR(now.y, grabbed.y, 1e-9);
  test::SendMouse(view_, QEvent::MouseButtonDblClick, {10, 10}, Qt::MiddleButton);
  const D_RECT shown = view_._GetWinDispRect();
  EXPECT_LE(shown.xmin, 0.0);
  EXPECT_GE(shown.xmax, 400.0);
}

TEST_F(SectionToolTest, PickModeApplyRecordsAStepOnlyWhenAParameterChanges) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const int32_t id = BasAppendLine(lines, {{50, 150}, {300, 150}}, LIN_INFO{});
  LIN_INFO wanted = *BasGetDefaultLineParam();
  wanted.setColour(9);
  BasSetDefaultLineParam(wanted);
  CurrentPickMode() = -2;
  const int steps = view_.GetUndo().StepCount();
  Press(At({150, 150}));
  Release(At({150, 150}));
  ASSERT_EQ(view_.PoolCount(), 1);
  LIN_INFO now;
  BasReadLineParam(lines, id, &now);
  EXPECT_EQ(now.colour(), 9);
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 1);
  for (int x = 0; x < 5; ++x) MoveTo(At({160.0 + x, 100}));
  EXPECT_EQ(view_.GetUndo().StepCount(), steps + 1) << "moves change nothing more";
  EXPECT_EQ(CurrentPickMode(), -2) << "the pick mode stays while nothing waits for a click";
  test::SendMouse(view_, QEvent::MouseButtonDblClick, At({10, 10}), Qt::RightButton);
  EXPECT_EQ(CurrentPickMode(), 0);
  EXPECT_EQ(view_.PoolCount(), 0);
}

template <class View>
using HoverBoxTest = test::ToolViewTest<View>;
using BothToolViews = ::testing::Types<CSecToolView, CSecPrjToolView>;
TYPED_TEST_SUITE(HoverBoxTest, BothToolViews);

// While no operation runs and "seclect" is on, a small box follows the
// cursor; a redraw shows it again where it was, so the next move erases it
// instead of leaving a second box behind.
TYPED_TEST(HoverBoxTest, FollowsTheCursorAndOutlivesARedraw) {
  CGisEditView& view = this->view_;
  view._UpdateWindow();
  const QImage blank = view.Picture();
  const auto boxShownAt = [&](QPoint centre) {
    const QPoint edge(centre.x() - 4, centre.y());
    return view.Picture().pixel(edge) != blank.pixel(edge);
  };
  this->MoveTo({100, 100});
  EXPECT_FALSE(boxShownAt({100, 100})) << "no box while seclect is off";

  Settings().seclect = 1;
  this->MoveTo({100, 100});
  EXPECT_TRUE(boxShownAt({100, 100}));
  this->MoveTo({200, 150});
  EXPECT_FALSE(boxShownAt({100, 100}));
  EXPECT_TRUE(boxShownAt({200, 150}));
  view._UpdateWindow();
  EXPECT_TRUE(boxShownAt({200, 150}));
  this->MoveTo({50, 60});
  EXPECT_FALSE(boxShownAt({200, 150}));
  EXPECT_TRUE(boxShownAt({50, 60}));
}

}  // namespace
}  // namespace zv
