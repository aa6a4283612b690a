// Every construction mode by mouse on a view: the vertices each worked
// example appends, and one undo step per figure that removes exactly it.
#include <QDialog>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "common/snapped_point.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/tool_factory.h"
#include "tests/tools/edit_aid/edit_aid_fixture.h"

namespace zv::tools::test {
namespace {

constexpr double kPi = 3.141592653589793;

// The sampled circle of the construction modes: 64 points from `start` by
// 0.1 rad, the last at start + 2π, then that point again.
std::vector<D_DOT> Circle(D_DOT c, double r, double start = 0) {
  std::vector<D_DOT> v;
  for (int i = 0; i < 64; ++i) {
    const double a = i == 63 ? start + 2 * kPi : start + i * 0.1;
    v.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
  }
  v.push_back(v.back());
  return v;
}

std::vector<D_DOT> Ellipse(double a, double b) {
  std::vector<D_DOT> v;
  for (int i = 0; i < 64; ++i) {
    const double t = i == 63 ? 2 * kPi : i * 0.1;
    v.push_back({a * std::cos(t), b * std::sin(t)});
  }
  v.push_back(v.front());
  return v;
}

// The upper half of the circle of radius 10 about the origin, sampled from
// angle 0; run from the left end when `fromLeft`, the end point repeated.
std::vector<D_DOT> UpperHalf(bool fromLeft) {
  std::vector<D_DOT> v;
  for (int i = 0; i < 33; ++i) {
    const double a = i == 32 ? kPi : i * 0.1;
    v.push_back({10 * std::cos(a), 10 * std::sin(a)});
  }
  if (fromLeft) std::reverse(v.begin(), v.end());
  v.push_back(v.back());
  return v;
}

struct Step {
  enum Kind { kClick, kRight, kType } kind;
  D_DOT at{};
  unsigned flags = 0;
  const char* text = "";
};
Step ClickAt(D_DOT p, unsigned flags = 0) { return {Step::kClick, p, flags}; }
Step RightAt(D_DOT p = {0, 0}, unsigned flags = 0) { return {Step::kRight, p, flags}; }

struct Case {
  const char* name;
  int16_t mode;
  std::vector<Step> steps;
  std::vector<D_DOT> expected;
};

TEST_F(EditAidTest, WorkedExamplesAppendTheirVerticesAsOneUndoStep) {
  const Case cases[] = {
      {"rectangle", 103, {ClickAt({0, 0}), ClickAt({10, 5})}, {{0, 0}, {10, 0}, {10, 5}, {0, 5}, {0, 0}}},
      {"parallelogram", 105, {ClickAt({0, 0}), ClickAt({4, 0}), ClickAt({5, 3})}, {{0, 0}, {4, 0}, {5, 3}, {1, 3}, {0, 0}}},
      {"perpendicular polyline", 102, {ClickAt({0, 0}), ClickAt({10, 0}), ClickAt({13, 7}), RightAt()},
       {{0, 0}, {10, 0}, {10, 7}}},
      {"open arrow line", 116, {ClickAt({0, 0}), ClickAt({10, 0}), ClickAt({8, 2})},
       {{0, 0}, {10, 0}, {8, 2}, {10, 0}, {8, -2}}},
      {"closed arrow line", 116, {ClickAt({0, 0}), ClickAt({10, 0}), ClickAt({8, 2}, MK_CONTROL)},
       {{0, 0}, {10, 0}, {8, 2}, {8, -2}, {10, 0}}},
      {"circle from centre and radius", 107, {ClickAt({0, 0}), ClickAt({0, 10})}, Circle({0, 0}, 10)},
      {"circumscribed circle", 109, {ClickAt({0, 0}), ClickAt({4, 0}), ClickAt({0, 3})}, Circle({2, 1.5}, 2.5)},
      {"inscribed circle", 108, {ClickAt({0, 0}), ClickAt({4, 0}), ClickAt({0, 3})}, Circle({1, 1}, 1)},
      {"ellipse", 106, {ClickAt({-3, 0}), ClickAt({3, 0}), ClickAt({0, 4})}, Ellipse(5, 4)},
      {"three-point arc counter-clockwise", 112, {ClickAt({10, 0}), ClickAt({0, 10}), ClickAt({-10, 0})},
       UpperHalf(false)},
      {"three-point arc clockwise keeps its middle point", 112, {ClickAt({-10, 0}), ClickAt({0, 10}), ClickAt({10, 0})},
       UpperHalf(true)},
      {"polyline closed with Ctrl", 100, {ClickAt({0, 0}), ClickAt({10, 0}), ClickAt({10, 10}), RightAt({0, 0}, MK_CONTROL)},
       {{0, 0}, {10, 0}, {10, 10}, {0, 0}}},
      {"stream line clicks", 101, {ClickAt({0, 0}), ClickAt({5, 5}), RightAt()}, {{0, 0}, {5, 5}}},
      {"brace", 114, {ClickAt({0, 0}), ClickAt({20, 0})}, {{0, 0}, {1, -1}, {9, -1}, {10, -2}, {11, -1}, {19, -1}, {20, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.mode);
    // A figure drawn before, which the undo must keep.
    AddLine({{100, 100}, {150, 150}});
    const int32_t before = LineCount();
    for (const Step& s : c.steps) {
      if (s.kind == Step::kClick) Click(s.at, s.flags);
      if (s.kind == Step::kRight) RightUp(s.at, s.flags);
    }
    ASSERT_EQ(LineCount(), before + 1);
    ExpectVertices(Lines(lin).back(), c.expected, 1e-6);  // arrow heads are single precision
    EXPECT_EQ(Tool()->Running(), 0) << "the tool waits for the next figure";
    EXPECT_EQ(view->GetExtTool(), Tool());
    view->Undo();
    EXPECT_EQ(LineCount(), before);
    ExpectVertices(Lines(lin).back(), {{100, 100}, {150, 150}});
    view->ClearLine();
  }
}

TEST_F(EditAidTest, QuarterArcFromItsCentre) {
  Start(110);
  Click({0, 0});
  Click({10, 0});
  Click({0, 5});
  ASSERT_EQ(LineCount(), 1);
  const std::vector<D_DOT> arc = Lines(lin).back();
  ASSERT_EQ(arc.size(), 18u);
  for (int i = 0; i < 16; ++i) {
    EXPECT_NEAR(arc[i].x, 10 * std::cos(i * 0.1), 1e-9);
    EXPECT_NEAR(arc[i].y, 10 * std::sin(i * 0.1), 1e-9);
  }
  ExpectVertices({arc[16], arc[17]}, {{0, 10}, {0, 10}});
}

TEST_F(EditAidTest, ArrowHeadOnAPickedLine) {
  struct HeadCase {
    const char* name;
    D_DOT pick, head;
    unsigned flags;
    std::vector<D_DOT> expected;
  };
  const HeadCase cases[] = {
      {"open head", {14, 3}, {12, 2}, 0, {{12, 2}, {14, 0}, {12, -2}}},
      {"closed head", {14, 3}, {12, 2}, MK_CONTROL, {{12, 2}, {14, 0}, {12, -2}, {12, 2}}},
      {"foot before the first vertex takes the first segment", {-2, 1}, {-4, 2}, 0, {{-4, 2}, {-2, 0}, {-4, -2}}},
      {"last vertex takes the segment before it", {33, 2}, {28, 3}, 0, {{28, 3}, {33, 0}, {28, -3}}},
  };
  for (const HeadCase& c : cases) {
    SCOPED_TRACE(c.name);
    view->ClearLine();
    AddLine({{0, 0}, {10, 0}, {30, 0}});
    Start(115);
    Click(c.pick);
    ASSERT_EQ(Tool()->vertices().size(), 2u) << "the pick found the line";
    Click(c.head, c.flags);
    ASSERT_EQ(LineCount(), 2);
    ExpectVertices(Lines(lin).back(), c.expected, 1e-6);
    EXPECT_EQ(view->PoolCount(), 0);
    EXPECT_EQ(Tool()->Running(), 0);
  }
  // A click on nothing picks nothing and the next click picks again.
  Click({200, 200});
  EXPECT_EQ(Tool()->Running(), 0);
  EXPECT_EQ(LineCount(), 2);
}

TEST_F(EditAidTest, DirectRegionAppendsArcAndRegionAsOneStep) {
  Start(-10);
  Click({0, 0});
  Click({10, 0});
  RightUp({0, 0});
  EXPECT_EQ(Lines(reg).size(), 0u) << "two vertices make no region";
  EXPECT_EQ(Tool()->vertices().size(), 2u);
  Click({10, 10});
  RightUp({0, 0});
  ASSERT_EQ(Lines(reg).size(), 1u);
  ExpectVertices(Lines(reg)[0], {{0, 0}, {10, 0}, {10, 10}, {0, 0}});
  EXPECT_EQ(LiveCount(reg, BasGetRegionCount), 1);
  std::vector<int32_t> arcs;
  ASSERT_TRUE(BasReadRegion(reg, 1, &arcs, nullptr));
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[1], 1);
  view->Undo();
  EXPECT_EQ(Lines(reg).size(), 0u);
  EXPECT_EQ(LiveCount(reg, BasGetRegionCount), 0);
}

TEST_F(EditAidTest, StampingEndsTheToolFromItsOwnRightButton) {
  PNT_INFO stamp;
  stamp.setKind(1);
  stamp.setSymbolNumber(7);
  stamp.setSymbolHeight(3);
  ASSERT_TRUE(BasSetDefaultPointParam(stamp));
  Start(117);
  Click({5, 5});
  Click({7, 9});
  ASSERT_EQ(LiveCount(pnt, BasGetPointCount), 2);
  D_DOT at;
  PNT_INFO info;
  ASSERT_TRUE(BasReadPoint(pnt, 2, &at, nullptr, &info));
  EXPECT_EQ(at.x, 7);
  EXPECT_EQ(at.y, 9);
  EXPECT_EQ(info.symbolNumber(), 7);
  view->Undo();
  EXPECT_EQ(LiveCount(pnt, BasGetPointCount), 1) << "each stamp is one step";
  RightUp({0, 0});
  EXPECT_EQ(view->GetExtTool(), nullptr);
  EXPECT_EQ(view->IsInOperate(), -1);
}

TEST_F(EditAidTest, LongLinesGrowWithoutBound) {
  Start(101);
  Click({0, 0});
  for (int i = 1; i <= 6000; ++i) Move({std::fmod(i * 0.05, 300.0), 100 + std::sin(i * 0.01) * 50});
  RightUp({0, 0});
  ASSERT_EQ(LineCount(), 1);
  EXPECT_EQ(Lines(lin)[0].size(), 6001u);

  Start(100);
  for (int i = 0; i < 1200; ++i) Click({static_cast<double>(i % 300), static_cast<double>(i / 300 * 20)});
  RightUp({0, 0});
  ASSERT_EQ(LineCount(), 2);
  EXPECT_EQ(Lines(lin)[1].size(), 1200u);
}

TEST_F(EditAidTest, PolylineDropsItsLastVertexAndSnaps) {
  AddLine({{50, 50}, {60.25, 70.5}, {80, 50}});
  Start(100);
  Click({0, 0});
  Click({20, 0});
  Click({20, 20});
  Key(120);  // F9
  EXPECT_EQ(Tool()->vertices().size(), 2u);
  Key(120);
  Key(120);
  EXPECT_EQ(Tool()->vertices().size(), 1u) << "the first vertex stays";
  Click({61, 69}, MK_SHIFT);
  ExpectVertices(Tool()->vertices(), {{0, 0}, {60.25, 70.5}}, 0);
  Click({61, 69});
  EXPECT_NE(Tool()->vertices().back().x, 60.25) << "without Shift the click stays";

  // A waiting snapped point is taken once.
  SnappedPoint = {33.125, 44.5};
  SnapState = kSnapWaiting;
  Click({90, 90});
  Click({95, 95});
  EXPECT_EQ(SnapState, kSnapTaken);
  const std::vector<D_DOT>& v = Tool()->vertices();
  ASSERT_EQ(v.size(), 5u);
  ExpectVertices({v[3], v[4]}, {{33.125, 44.5}, {95, 95}}, 0);
  RightUp({0, 0});
  EXPECT_EQ(LineCount(), 2);
}

TEST_F(EditAidTest, SingleVertexLinesWaitForMoreClicks) {
  for (int16_t mode : {100, 101}) {
    SCOPED_TRACE(mode);
    Start(mode);
    Click({5, 5});
    RightUp({0, 0});
    EXPECT_EQ(LineCount(), 0);
    EXPECT_EQ(Tool()->Running(), 1);
    Click({9, 5});
    RightUp({0, 0});
    EXPECT_EQ(LineCount(), 1);
    view->ClearLine();
  }
}

TEST_F(EditAidTest, DegenerateFinalClicksAreRefusedAndTheFigureStaysOpen) {
  struct Degenerate {
    const char* name;
    int16_t mode;
    std::vector<D_DOT> clicks;  // the last one is refused
    D_DOT good;
  };
  const Degenerate cases[] = {
      {"collinear circumscribed", 109, {{0, 0}, {4, 0}, {8, 0}}, {0, 3}},
      {"collinear inscribed", 108, {{0, 0}, {4, 0}, {4, 0}}, {0, 3}},
      {"collinear arc", 112, {{0, 0}, {4, 0}, {-4, 0}}, {0, 3}},
      {"point on the focal segment", 106, {{-3, 0}, {3, 0}, {1, 0}}, {0, 4}},
      {"circle of radius 0", 107, {{5, 5}, {5, 5}}, {5, 9}},
      {"arc of radius 0", 110, {{5, 5}, {5, 5}, {9, 9}}, {}},
  };
  for (const Degenerate& c : cases) {
    SCOPED_TRACE(c.name);
    view->ClearLine();
    Start(c.mode);
    for (const D_DOT& p : c.clicks) Click(p);
    EXPECT_EQ(LineCount(), 0);
    EXPECT_EQ(Tool()->vertices().size(), c.clicks.size() - 1);
    if (c.mode == 110) continue;  // its radius was fixed by the second click
    Click(c.good);
    ASSERT_EQ(LineCount(), 1);
    for (const D_DOT& p : LastLine()) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
}

TEST_F(EditAidTest, IdleModesDoNothing) {
  AddLine({{10, 10}, {50, 10}});
  for (int16_t mode : {104, 113, 111, 3}) {
    SCOPED_TRACE(mode);
    Start(mode);
    const ENTITY_MSG picked{lin, 0, 1};
    view->AddToPool(&picked, 1);
    Click({10, 10});
    Move({30, 30});
    Type("1,2");
    EXPECT_EQ(Tool()->Running(), 0);
    EXPECT_EQ(Tool()->typedText(), "");
    EXPECT_EQ(view->PoolCount(), 1);
    RightUp({30, 30});
    EXPECT_EQ(view->PoolCount(), 0);
    EXPECT_EQ(LineCount(), 1);
    EXPECT_EQ(view->GetExtTool(), Tool()) << "the tool stays installed";
  }
}

TEST_F(EditAidTest, StateLineAndRunning) {
  Start(100);
  EXPECT_EQ(view->GetOperationName(), QString::fromUtf8("当前状态: 造折线"));
  EXPECT_EQ(view->IsInOperate(), 0);
  Click({1, 1});
  EXPECT_EQ(view->IsInOperate(), 1);
  Start(101);
  EXPECT_EQ(view->GetOperationName(), QString::fromUtf8("当前状态: 造流线"));
  EXPECT_EQ(Tool()->flag(), 1);
}

}  // namespace
}  // namespace zv::tools::test

namespace zv::tools::test {
namespace {

TEST_F(EditAidTest, TheFactoryMakesTheCommandsModesAndBothMenusListThem) {
  RegisterEditAidCommands();
  for (const EditAidCommand& command : ConstructionCommands()) {
    SCOPED_TRACE(command.path);
    EXPECT_TRUE(CSecEditAidTool::IsBuilt(command.mode));
    ASSERT_TRUE(LaunchTool(*view, "CSecEditAidTool", command.mode, true, 1));
    auto* tool = dynamic_cast<CSecEditAidTool*>(view->GetExtTool());
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->mode(), command.mode);
    EXPECT_EQ(tool->flag(), 1);
    for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
      int items = 0;
      for (const cmd::MenuRow& row : cmd::Menus().RowsOf(menu)) items += row.id == command.id;
      EXPECT_EQ(items, 1) << menu;
    }
  }
  // Idle by design, so offered; modes without handlers are not.
  EXPECT_TRUE(Tools().Knows("CSecEditAidTool", 104));
  EXPECT_TRUE(Tools().Knows("CSecEditAidTool", 113));
  EXPECT_FALSE(Tools().Knows("CSecEditAidTool", 9));
  EXPECT_FALSE(CSecEditAidTool::IsBuilt(104));
  EXPECT_FALSE(CSecEditAidTool::IsBuilt(113));
}

}  // namespace
}  // namespace zv::tools::test

namespace zv::tools::test {
namespace {

TEST_F(EditAidTest, RegularPolygonAsksForItsSideCount) {
  prompt::ScopedScriptedPrompts script;
  auto answer = [&](const char* sides) {
    script->AnswerDialog([sides](QDialog& d) {
      d.findChild<QLineEdit*>("control202")->setText(sides);
      d.accept();
      return -1;
    });
  };
  Start(118);
  answer("4");
  Click({0, 0});
  Click({1, 0});
  ASSERT_EQ(LineCount(), 1);
  ExpectVertices(LastLine(), {{1, 0}, {0, -1}, {-1, 0}, {0, 1}, {1, 0}});
  view->Undo();
  EXPECT_EQ(LineCount(), 0);

  // A cancelled dialog or fewer than three sides: the next click starts again.
  Click({50, 50});
  EXPECT_EQ(Tool()->Running(), 0);
  answer("2");
  Click({50, 50});
  EXPECT_EQ(Tool()->Running(), 0);

  // The circumradius typed towards the cursor.
  answer("6");
  Click({100, 100});
  Move({100, 150});
  Type("10");
  Click({0, 0});
  ASSERT_EQ(LineCount(), 1);
  const std::vector<D_DOT> hexagon = LastLine();
  ASSERT_EQ(hexagon.size(), 7u);
  ExpectVertices({hexagon[0]}, {{100, 110}});
  for (const D_DOT& p : hexagon) EXPECT_NEAR(std::hypot(p.x - 100, p.y - 100), 10, 1e-9);
  EXPECT_EQ(script->PendingAnswers(), 0);
}

}  // namespace
}  // namespace zv::tools::test
