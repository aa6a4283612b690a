#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/messages/private_message.h"
#include "tests/support/work_areas_fixture.h"
#include "views/tool_core/pick_apply.h"
#include "views/tool_core/pick_geometry.h"
#include "views/tool_core/text_search.h"
#include "views/tool_core/tool_requests.h"

namespace zv::toolview {
namespace {

using A = RequestAction;

TEST(ToolRequests, CodeTablesOfBothViewsWithWParamZeroAndCodesBeyond) {
  const struct {
    std::intptr_t wParam, code;
    A section, plan;
  } cases[] = {
      {1, 0, A::kDeleteObject, A::kDeleteObject},     {1, 1, A::kForgetCalculator, A::kForgetCalculator},
      {1, 3, A::kTextSearch, A::kTextSearch},         {1, 4, A::kNothing, A::kNothing},
      {1, 5, A::kChangeLayer, A::kChangeLayer},       {1, 6, A::kTakeOrtho, A::kTakeOrtho},
      {5, 7, A::kSetCurrentArea, A::kNothing},        {1, 8, A::kNothing, A::kStartEditAid},
      {1, 14, A::kNothing, A::kStartEditAid},         {2, 15, A::kChangeKindLayer, A::kIgnore},
      {1, 16, A::kIgnore, A::kIgnore},                {1, -1, A::kIgnore, A::kIgnore},
      {0, 1, A::kIgnore, A::kIgnore},                 {0, 3, A::kIgnore, A::kIgnore},
      {0, 2, A::kIgnore, A::kIgnore},                 {0, 9, A::kIgnore, A::kIgnore},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.wParam) + "/" + std::to_string(c.code));
    EXPECT_EQ(SectionToolRequest(c.wParam, c.code).action, c.section);
    EXPECT_EQ(PlanToolRequest(c.wParam, c.code).action, c.plan);
  }
  const RequestStep placeCode = SectionToolRequest(1, 2);
  EXPECT_EQ(placeCode.action, A::kStartEditAid);
  EXPECT_EQ(placeCode.mode, 9);
  EXPECT_TRUE(placeCode.cancelFirst);
  EXPECT_EQ(placeCode.flag, 1);

  const struct {
    std::intptr_t code;
    int mode;
    bool cancel;
  } plan[] = {{8, 18, true}, {9, 19, false}, {10, 100, true}, {11, 20, false}, {12, -10, true}, {13, 21, false}, {14, 22, false}};
  for (const auto& p : plan) {
    SCOPED_TRACE(p.code);
    const RequestStep s = PlanToolRequest(7, p.code);
    EXPECT_EQ(s.mode, p.mode);
    EXPECT_EQ(s.cancelFirst, p.cancel);
    EXPECT_EQ(s.flag, p.code == 14 ? 7 : 1) << "code 14 passes wParam as the flag";
  }
}

TEST(PickGeometry, BearingsRunClockwiseFromNorth) {
  const struct {
    D_DOT to;
    double bearing;
  } cases[] = {{{1, 0}, 90}, {{0, 1}, 0}, {{-1, 0}, 270}, {{0, -1}, 180}, {{1, 1}, 45}, {{-1, -1}, 225}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.to.x) + "," + std::to_string(c.to.y));
    EXPECT_NEAR(PickBearing({0, 0}, c.to), c.bearing, 1e-9);
  }
  EXPECT_EQ(PickReadout(5, 90), "线长：5.000000  ,角度：90.000000");
}

TEST(PickGeometry, OrthoCountersFreeTheFirstPressAndReplaceLaterOnes) {
  OrthoState o;
  EXPECT_FALSE(o.TakePress(true)) << "first press after a reset, and no reference yet";
  o.AfterPress();
  o.SetReference({3, 4});
  EXPECT_TRUE(o.TakePress(true));
  o.Reset();
  EXPECT_FALSE(o.TakePress(true)) << "the right button resets both counters";
  o.Reset();
  // A press without ortho marks the counter, so the next ortho press follows.
  EXPECT_FALSE(o.TakePress(false));
  o.AfterPress();
  EXPECT_TRUE(o.TakePress(true));

  EXPECT_EQ(OrthoState::Constrain({10, 3}, {0, 0}).y, 0) << "|dx| ≥ |dy| keeps the press's y";
  EXPECT_EQ(OrthoState::Constrain({10, 3}, {0, 0}).x, 10);
  EXPECT_EQ(OrthoState::Constrain({3, 3}, {0, 0}).y, 0) << "a tie keeps the press's y";
  EXPECT_EQ(OrthoState::Constrain({2, -9}, {1, 1}).x, 1);
  EXPECT_EQ(OrthoState::Constrain({2, -9}, {1, 1}).y, -9);
}

class ToolCoreAreas : public test::WorkAreasTest {
 protected:
  int32_t Text(D_DOT at, const char* text, int kind = 0) {
    PNT_INFO info;
    info.setKind(static_cast<uint8_t>(kind));
    return BasAppendPoint(points_, at, text, info);
  }
};

TEST_F(ToolCoreAreas, TextSearchFindsTextsOnlyBySubstringInTheAreasGiven) {
  const int32_t a = Text({0, 0}, "钻孔ZK01");
  Text({1, 0}, "zk01");
  Text({2, 0}, "ZK01", 1);  // a sub-graph with a text
  const int32_t b = Text({3, 0}, "ZK012");
  const int32_t gone = Text({4, 0}, "ZK01");
  BasDeletePoint(points_, gone);
  const WorkAreaSetHandle other = BasCreateWorkAreaSet(0);
  const WorkAreaHandle second = BasCreatePointWorkArea(other);
  const int32_t c = BasAppendPoint(second, {0, 0}, "老ZK01", PNT_INFO{});
  const WorkAreaHandle areas[] = {points_, lines_, second};
  EXPECT_EQ(FindTexts(areas, "ZK01"),
            (std::vector<ENTITY_MSG>{{points_, kPointEntity, a}, {points_, kPointEntity, b}, {second, kPointEntity, c}}));
  EXPECT_EQ(FindTexts(std::span(areas, 1), "孔Z").size(), 1u) << "a substring across a character boundary";
  EXPECT_TRUE(FindTexts(std::span(areas, 1), "ZK03").empty());
  BasFreeWorkAreaSet(other);
}

TEST_F(ToolCoreAreas, ApplyWritesTheDefaultsAndRecordsAStepOnlyWhenSomethingChanges) {
  BasResetDefaultParams();
  LIN_INFO red;
  red.setColour(3);
  const int32_t line = BasAppendLine(lines_, {{0, 0}, {1, 1}}, red);
  const int32_t text = Text({0, 0}, "x");
  const std::vector<ENTITY_MSG> pool = {{lines_, kLineEntity, line}, {points_, kPointEntity, text}};
  BasGetDefaultRegionParam()->setFillColour(9);
  GisUndo undo;
  EXPECT_TRUE(ApplyPickMode(-4, pool, undo));
  LIN_INFO now;
  BasReadLineParam(lines_, line, &now);
  EXPECT_EQ(now.colour(), 9);
  PNT_INFO pnow;
  BasReadPointParam(points_, text, &pnow);
  EXPECT_EQ(pnow.colour(), 9);
  EXPECT_EQ(undo.StepCount(), 1);
  EXPECT_FALSE(ApplyPickMode(-4, pool, undo)) << "the same apply again changes nothing";
  EXPECT_EQ(undo.StepCount(), 1);

  EXPECT_TRUE(ApplyPickMode(-2, pool, undo));
  BasReadLineParam(lines_, line, &now);
  EXPECT_EQ(now, *BasGetDefaultLineParam());
  BasReadPointParam(points_, text, &pnow);
  EXPECT_EQ(pnow.colour(), 9) << "a point does not take the line record";
  EXPECT_EQ(undo.StepCount(), 2);
  undo.Undo();
  BasReadLineParam(lines_, line, &now);
  EXPECT_EQ(now.colour(), 9);
  EXPECT_FALSE(ApplyPickMode(-2, {}, undo));
  EXPECT_FALSE(ApplyPickMode(1, pool, undo));
}

}  // namespace
}  // namespace zv::toolview
