#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/snapped_point.h"
#include "tests/platform/data/area_probes.h"
#include "tests/platform/view/view_fixture.h"
#include "views/snap/snap_search.h"
#include "views/tool_input/pick_digitiser.h"
#include "views/tool_input/selection_keys.h"

namespace zv::toolview {
namespace {

using ToolInputTest = test::ViewTest;
using test::Live;
using test::Vertices;

TEST_F(ToolInputTest, ArrowsMoveFivePixelsExactlyAtTwoZoomsAndUndoInOneStep) {
  const int32_t line = AddLine({{10.3, 20.7}, {40.1, 60.9}});
  const int32_t point = AddPoint({100.25, 50.5});
  const ENTITY_MSG pool[] = {{lin, kLineEntity, line}, {pnt, kPointEntity, point}};
  for (double scale : {1.0, 4.0}) {
    SCOPED_TRACE(scale);
    WIN_ORG org = view->_GetWinDispParam();
    org.scale = scale;
    ASSERT_TRUE(view->_SetWinDispParam(org));
    view->ClearPool();
    view->AddToPool(pool, 2);
    const int steps = view->GetUndo().StepCount();
    ASSERT_TRUE(SelectionKey(*view, kKeyRight));
    ASSERT_TRUE(SelectionKey(*view, kKeyUp));
    EXPECT_EQ(view->GetUndo().StepCount(), steps + 2);
    const double d = 5.0 / scale;
    const std::vector<D_DOT> v = Vertices(lin, line);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_NEAR(v[0].x, 10.3 + d, 1e-9);
    EXPECT_NEAR(v[0].y, 20.7 + d, 1e-9) << "up on the screen is up on the map";
    EXPECT_NEAR(v[1].x, 40.1 + d, 1e-9);
    D_DOT at;
    BasReadPointPos(pnt, point, &at);
    EXPECT_NEAR(at.x, 100.25 + d, 1e-9);
    view->Undo();
    view->Undo();
    EXPECT_EQ(Vertices(lin, line)[0].x, 10.3);
    BasReadPointPos(pnt, point, &at);
    EXPECT_EQ(at.y, 50.5);
  }
  view->ClearPool();
  EXPECT_FALSE(SelectionKey(*view, kKeyLeft)) << "nothing picked";
}

TEST_F(ToolInputTest, DeleteRemovesEveryPickedEntityAndUndoBringsThemBack) {
  const int32_t line = AddLine({{0, 0}, {10, 10}});
  const int32_t point = AddPoint({5, 5});
  const int32_t region = AddSquareRegion(50, 50, 20);
  const ENTITY_MSG pool[] = {{lin, kLineEntity, line}, {pnt, kPointEntity, point}, {reg, kRegionEntity, region}};
  view->AddToPool(pool, 3);
  ASSERT_TRUE(SelectionKey(*view, kKeyDelete));
  EXPECT_EQ(view->PoolCount(), 0);
  EXPECT_EQ(Live(lin, kLineEntity) + Live(pnt, kPointEntity) + Live(reg, kRegionEntity), 0);
  view->Undo();
  EXPECT_EQ(Live(lin, kLineEntity) + Live(pnt, kPointEntity) + Live(reg, kRegionEntity), 3);
}

TEST_F(ToolInputTest, DigitisedVerticesAreEachPressOwnSnapTargetAndCtrlRightCloses) {
  AddLine({{100.5, 100.25}, {200, 100.25}});
  snap::SnapEngine engine;
  const WorkAreaHandle areas[] = {lin, pnt};
  PickDigitiser digitiser;
  // Press near the first vertex: the search marks it, the press takes it.
  auto press = [&](D_DOT at) {
    engine.Move(at, snap::SnapTolerance(1.0), areas);
    const auto snapped = engine.Press(at, snap::SnapTolerance(1.0));
    digitiser.Press(*view, MK_LBUTTON, At(at), snapped);
  };
  press({102, 102});
  press({150, 160});  // nothing to snap to: the press itself
  press({198, 99});
  EXPECT_EQ(SnapState, kSnapTaken);
  ASSERT_EQ(digitiser.vertices().size(), 3u);
  EXPECT_EQ(digitiser.vertices()[0].x, 100.5);
  EXPECT_EQ(digitiser.vertices()[0].y, 100.25);
  EXPECT_EQ(digitiser.vertices()[2].x, 200);
  EXPECT_EQ(digitiser.vertices()[2].y, 100.25);
  EXPECT_EQ(digitiser.vertices()[1].x, 150);
  ASSERT_TRUE(digitiser.Finish(*view, 2, MK_RBUTTON | MK_CONTROL));
  const std::vector<D_DOT> v = Vertices(lin, 2);
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v.back().x, v.front().x);
  EXPECT_EQ(v.back().y, v.front().y);
  view->Undo();
  EXPECT_EQ(Live(lin, kLineEntity), 1) << "undo takes the digitised line away";
}

TEST_F(ToolInputTest, ARegionIsClosedAppendedWithItsArcAndUndoneWholeAndOneVertexIsDropped) {
  PickDigitiser digitiser;
  for (D_DOT p : {D_DOT{10, 10}, D_DOT{60, 10}, D_DOT{60, 60}}) digitiser.Press(*view, MK_LBUTTON, At(p), std::nullopt);
  ASSERT_TRUE(digitiser.Finish(*view, 3, MK_RBUTTON));
  EXPECT_EQ(Live(reg, kRegionEntity), 1);
  EXPECT_EQ(Vertices(reg, 1).size(), 4u);
  view->Undo();
  EXPECT_EQ(Live(reg, kRegionEntity), 0);
  EXPECT_EQ(Live(reg, kLineEntity), 0);
  digitiser.Press(*view, MK_LBUTTON, At({5, 5}), std::nullopt);
  EXPECT_FALSE(digitiser.Finish(*view, 2, MK_RBUTTON)) << "one vertex makes no line";
  EXPECT_FALSE(digitiser.active());
}

TEST_F(ToolInputTest, ShiftTakesTheNearestVertexOfTheNearestLine) {
  AddLine({{10, 10}, {90, 10}, {90, 90}});
  PickDigitiser digitiser;
  digitiser.Press(*view, MK_LBUTTON | MK_SHIFT, At({80, 15}), std::nullopt);
  ASSERT_EQ(digitiser.vertices().size(), 1u);
  EXPECT_EQ(digitiser.vertices()[0].x, 90);
  EXPECT_EQ(digitiser.vertices()[0].y, 10);
}

}  // namespace
}  // namespace zv::toolview
