#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/view/view_tools.h"
#include "view_fixture.h"

namespace zv::test {
namespace {

std::vector<std::string> gLog;

// A tool that records its slots and runs a scripted action inside them.
class ScriptTool : public BaseGisTool {
 public:
  ScriptTool(CGisEditView* view, int16_t mode, std::string name) : BaseGisTool(view, mode), name_(std::move(name)) {}
  ~ScriptTool() override { gLog.push_back("~" + name_); }
  int OnLButtonDown(unsigned, CPoint) override {
    gLog.push_back(name_ + ".down");
    if (onDown) onDown(this);
    gLog.push_back(name_ + ".down.end");  // still alive here
    return 1;
  }
  void OnRButtonUp(unsigned, CPoint) override {
    gLog.push_back(name_ + ".rup");
    if (onRightUp) onRightUp(this);
    gLog.push_back(name_ + ".rup.end");
  }
  std::function<void(ScriptTool*)> onDown, onRightUp;

 private:
  std::string name_;
};

bool Logged(const std::string& entry) { return std::find(gLog.begin(), gLog.end(), entry) != gLog.end(); }

TEST_F(ViewTest, TheViewOwnsItsToolUntilReplacedCancelledOrClosed) {
  gLog.clear();
  view->SetExtTool(new ScriptTool(view.get(), 1, "a"));
  view->SetExtTool(new ScriptTool(view.get(), 2, "b"));
  EXPECT_EQ(gLog, std::vector<std::string>{"~a"});
  view->CancelInterActive();
  EXPECT_TRUE(Logged("~b"));
  EXPECT_EQ(view->GetExtTool(), nullptr);
  view->SetExtTool(new ScriptTool(view.get(), 3, "c"));
  view.reset();  // the view closes
  EXPECT_TRUE(Logged("~c"));
}

TEST_F(ViewTest, AToolReplacedOrCancelledFromItsOwnHandlerIsDeletedAfterItReturns) {
  gLog.clear();
  auto* first = new ScriptTool(view.get(), 1, "first");
  first->onDown = [](ScriptTool* self) { self->view()->SetExtTool(new ScriptTool(self->view(), 2, "second")); };
  view->SetExtTool(first);
  Click({10, 10});
  EXPECT_EQ((std::vector<std::string>{"first.down", "first.down.end", "~first"}), gLog);
  auto* second = static_cast<ScriptTool*>(view->GetExtTool());
  ASSERT_NE(second, nullptr);
  // A construction mode ends on the right button: it stops and cancels itself.
  second->onRightUp = [](ScriptTool* self) {
    self->Stop();
    self->view()->CancelInterActive();
  };
  RightClick({10, 10});
  EXPECT_EQ(gLog.back(), "~second");
  EXPECT_TRUE(Logged("second.rup.end"));
  EXPECT_EQ(view->GetExtTool(), nullptr);
}

TEST_F(ViewTest, AOneShotToolStaysInstalledAndStopClearsThePoolAndFlashing) {
  AddPoint({50, 50});
  view->SelectGraphics();
  Click({50, 50});
  ASSERT_EQ(view->PoolCount(), 1);
  EXPECT_TRUE(view->IsFlashing());
  // A one-shot mode works in its constructor and then sits idle.
  struct OneShot : BaseGisTool {
    OneShot(CGisEditView* v) : BaseGisTool(v, 7) { done = v->PoolCount(); }
    int done = 0;
  };
  auto* tool = new OneShot(view.get());
  view->SetExtTool(tool);
  EXPECT_EQ(tool->done, 1);
  Click({200, 200});
  EXPECT_EQ(view->GetExtTool(), tool);
  EXPECT_EQ(view->IsInOperate(), 1);  // a click was taken: a figure runs until the right button
  tool->Stop();
  EXPECT_EQ(view->PoolCount(), 0);
  EXPECT_FALSE(view->IsFlashing());
}

TEST_F(ViewTest, QtMouseAndKeyEventsReachTheToolSlots) {
  struct Recorder : BaseGisTool {
    using BaseGisTool::BaseGisTool;
    int OnLButtonDown(unsigned f, CPoint p) override { return log.push_back({"down", f, p.x, p.y}), 1; }
    void OnMouseMove(unsigned f, CPoint p) override { log.push_back({"move", f, p.x, p.y}); }
    int OnLButtonUp(unsigned f, CPoint p) override { return log.push_back({"up", f, p.x, p.y}), 1; }
    void OnRButtonUp(unsigned f, CPoint p) override { log.push_back({"rup", f, p.x, p.y}); }
    int OnKeyDown(unsigned key, unsigned, unsigned) override { return log.push_back({"key", key, 0, 0}), 1; }
    struct Entry {
      std::string what;
      unsigned value;
      int x, y;
      bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> log;
  };
  auto* tool = new Recorder(view.get(), 5);
  view->SetExtTool(tool);
  auto mouse = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, at, view->mapToGlobal(at), button, held, mods);
    QApplication::sendEvent(view.get(), &e);
  };
  mouse(QEvent::MouseButtonPress, {10.4, 20.6}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  mouse(QEvent::MouseMove, {30, 40}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
  mouse(QEvent::MouseButtonRelease, {31, 41}, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  mouse(QEvent::MouseButtonPress, {32, 42}, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  mouse(QEvent::MouseButtonRelease, {33, 43}, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
  for (int key : {int(Qt::Key_Delete), int(Qt::Key_Left), int(Qt::Key_Z), int(Qt::Key_F2), int(Qt::Key_BracketLeft)}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &e);
  }
  using E = Recorder::Entry;
  EXPECT_EQ(tool->log, (std::vector<E>{{"down", MK_LBUTTON | MK_SHIFT, 10, 20},
                                        {"move", MK_LBUTTON | MK_CONTROL, 30, 40},
                                        {"up", 0, 31, 41},
                                        {"rup", 0, 33, 43},
                                        {"key", 0x2E, 0, 0},
                                        {"key", 0x25, 0, 0},
                                        {"key", 'Z', 0, 0},
                                        {"key", 0x71, 0, 0},
                                        {"key", 0xDB, 0, 0}}));
}

TEST_F(ViewTest, IsInOperateFollowsSelectModesWaitingToolsAndFigures) {
  EXPECT_EQ(view->IsInOperate(), -1);
  EXPECT_EQ(view->GetOperationName(1), QString::fromUtf8("当前状态: 无操作"));
  view->SelectGraphics();
  EXPECT_EQ(view->IsInOperate(), -1);
  Click({5, 5});
  EXPECT_EQ(view->IsInOperate(), -1);
  EXPECT_EQ(view->GetOperationName(1), QString::fromUtf8("当前状态: 选择图元"));
  view->SetExtTool(new ScriptTool(view.get(), 100, "figure"));
  EXPECT_EQ(view->IsInOperate(), 0);
  view->LButtonDown(MK_LBUTTON, At({5, 5}));
  EXPECT_EQ(view->IsInOperate(), 1);
  RightClick({5, 5});
  EXPECT_EQ(view->IsInOperate(), 0);
  view->CancelInterActive();
  EXPECT_EQ(view->IsInOperate(), -1);
}

TEST_F(ViewTest, ClickAndBoxSelectionOfEachKind) {
  const int32_t p1 = AddPoint({50, 50});
  const int32_t p2 = AddPoint({60, 52});
  const int32_t l1 = AddLine({{100, 100}, {200, 100}});
  const int32_t l2 = AddLine({{100, 150}, {150, 200}});
  const int32_t r1 = AddSquareRegion(250, 50, 100);
  view->_UpdateWindow();
  struct Case {
    const char* name;
    std::function<void()> select;
    std::vector<ENTITY_MSG> pool;
  };
  const Case cases[] = {
      {"point click", [&] { view->SelectPoint(); Click({51, 51}); }, {{pnt, kPointEntity, p1}}},
      {"point click beyond tolerance", [&] { view->SelectPoint(); Click({80, 80}); }, {}},
      {"line click", [&] { view->SelectLine(); Click({150, 103}); }, {{lin, kLineEntity, l1}}},
      {"region click", [&] { view->SelectRegion(); Click({300, 100}); }, {{reg, kRegionEntity, r1}}},
      {"point box", [&] { view->SelectPoint(); Drag({40, 40}, {70, 60}); }, {{pnt, kPointEntity, p1}, {pnt, kPointEntity, p2}}},
      {"line box takes only whole lines", [&] { view->SelectLine(); Drag({90, 90}, {210, 160}); }, {{lin, kLineEntity, l1}}},
      {"all by box", [&] { view->SelectGraphics(); Drag({0, 0}, {399, 299}); },
       {{reg, kRegionEntity, r1}, {lin, kLineEntity, l1}, {lin, kLineEntity, l2}, {pnt, kPointEntity, p1}, {pnt, kPointEntity, p2}}},
      {"all by click inside the region", [&] {
         view->SelectGraphics();
         Click({300, 100});
       }, {{reg, kRegionEntity, r1}}},
      {"shift adds and removes", [&] {
         view->SelectGraphics();
         Click({50, 50});
         Click({150, 100}, MK_SHIFT);
         Click({50, 50}, MK_SHIFT);
       }, {{lin, kLineEntity, l1}}},
  };
  for (const Case& c : cases) {
    view->ClearPool();
    c.select();
    EXPECT_EQ(PoolEntries(), c.pool) << c.name;
  }
}

TEST_F(ViewTest, SelectCallsReportWhetherTheReleaseTookSomething) {
  AddLine({{100, 100}, {200, 100}});
  EXPECT_EQ(view->SelectLin(WM_LBUTTONDOWN, MK_LBUTTON, At({150, 101}), 0), 0);
  EXPECT_EQ(view->SelectLin(WM_LBUTTONUP, 0, At({150, 101}), 0), 1);
  EXPECT_EQ(view->SelectLin(WM_LBUTTONDOWN, MK_LBUTTON, At({150, 150}), 0), 0);
  EXPECT_EQ(view->SelectLin(WM_LBUTTONUP, 0, At({150, 150}), 0), 0);
  EXPECT_EQ(view->PoolCount(), 0);
  // A right button ends a drag without picking.
  view->SelectAll(WM_LBUTTONDOWN, MK_LBUTTON, At({0, 0}));
  view->SelectAll(WM_MOUSEMOVE, MK_LBUTTON, At({300, 300}));
  EXPECT_EQ(view->SelectAll(WM_RBUTTONUP, 0, At({300, 300})), 0);
  EXPECT_EQ(view->PoolCount(), 0);
}

TEST_F(ViewTest, ToggleDrawingTwiceRemovesItselfAndPlainDrawingLastsUntilTheNextRedraw) {
  AddSquareRegion(100, 100, 50);
  view->_UpdateWindow();
  const QImage before = view->Picture();
  view->_DrawXORLine(10, 10, 300, 200);
  EXPECT_NE(view->Picture(), before);
  view->_DrawXORLine(10, 10, 300, 200);
  EXPECT_EQ(view->Picture(), before);
  view->_DrawXORRect(120, 120, 10, 280);
  view->_DrawXORRect(10, 280, 120, 120);  // the same box from the other corners
  EXPECT_EQ(view->Picture(), before);

  KernelDriver* dc = view->_GetMyDC();
  dc->SetColor(2);
  dc->_Line(0, 0, 399, 299);
  view->_DeleteMyDC(dc);
  const QImage marked = view->Picture();
  EXPECT_NE(marked, before);
  view->_DrawXORLine(0, 299, 399, 0);
  view->_DrawXORLine(0, 299, 399, 0);
  EXPECT_EQ(view->Picture(), marked);  // plain drawing stays
  view->_UpdateWindow();
  EXPECT_EQ(view->Picture(), before);  // until the next full redraw

  view->Draw_Cross(CPoint{200, 150}, display::kDrawXor);
  EXPECT_NE(view->Picture().pixel(200, 150), before.pixel(200, 150));
  EXPECT_NE(view->Picture().pixel(205, 150), before.pixel(205, 150));
  EXPECT_EQ(view->Picture().pixel(206, 150), before.pixel(206, 150));
  view->Draw_Cross(CPoint{200, 150}, display::kDrawXor);
  EXPECT_EQ(view->Picture(), before);
  view->Draw_Cross(CPoint{200, 150}, display::kDrawXor);
  view->OnCleanWindow();
  EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewTest, FlashingBlinksAndStopsClean) {
  const int32_t id = AddLine({{20, 20}, {380, 280}});
  view->_UpdateWindow();
  const QImage clean = view->Picture();
  const ENTITY_MSG e{lin, kLineEntity, id};
  view->_StartFlash(&e, 1);
  EXPECT_NE(view->Picture(), clean);
  view->FlashStep();
  EXPECT_EQ(view->Picture(), clean);
  view->FlashStep();
  view->_StopFlash(-1);
  EXPECT_EQ(view->Picture(), clean);
  EXPECT_FALSE(view->IsFlashing());
}

TEST_F(ViewTest, ZoomAboutTheCursorKeepsTheMapPointUnderItAndRestoreShowsAll) {
  AddLine({{1000, 1000}, {5000, 3000}});
  const CPoint cursor{123, 77};
  const D_DOT before = view->_WpToLp(cursor);
  view->_EnlargeWindowLxy(cursor, 2.0);
  view->_ReduceWindowLxy(cursor, 8.0);
  const D_DOT after = view->_WpToLp(cursor);
  EXPECT_NEAR(after.x, before.x, 1e-9);
  EXPECT_NEAR(after.y, before.y, 1e-9);
  EXPECT_DOUBLE_EQ(view->_GetWinDispRate(), 0.25);
  view->OnRestoreWindow();
  const D_RECT shown = view->_GetWinDispRect();
  EXPECT_LE(shown.xmin, 1000);
  EXPECT_GE(shown.xmax, 5000);
  EXPECT_LE(shown.ymin, 1000);
  EXPECT_GE(shown.ymax, 3000);
  const D_RECT range = view->_GetWinMapRange();
  EXPECT_DOUBLE_EQ(range.xmin, 1000);
  EXPECT_DOUBLE_EQ(range.ymax, 3000);
  // Panning: the window moves by the offset, the map the other way.
  const CPoint mid = At({3000, 2000});
  view->_MoveWindowLxy(10, -5);
  const CPoint moved = At({3000, 2000});
  EXPECT_NEAR(moved.x, mid.x - 10, 1);
  EXPECT_NEAR(moved.y, mid.y + 5, 1);
}

TEST_F(ViewTest, DraggingThePoolMovesItAsOneUndoStepAndResumesSelecting) {
  const int32_t p = AddPoint({50, 50});
  const int32_t l = AddLine({{100, 100}, {200, 100}});
  const int32_t r = AddSquareRegion(250, 50, 50);
  view->SelectGraphics();
  Drag({0, 0}, {399, 299});
  ASSERT_EQ(view->PoolCount(), 3);
  view->MoveGraph();
  Drag({300, 200}, {310, 180});
  EXPECT_NE(dynamic_cast<SelectModeTool*>(view->GetExtTool()), nullptr);
  D_DOT at;
  BasReadPointPos(pnt, p, &at);
  EXPECT_DOUBLE_EQ(at.x, 60);
  EXPECT_DOUBLE_EQ(at.y, 30);
  std::vector<D_DOT> v;
  BasReadLine(lin, l, &v, nullptr);
  EXPECT_DOUBLE_EQ(v[1].x, 210);
  std::vector<std::vector<D_DOT>> rings;
  BasGetRegionRings(reg, r, &rings);
  EXPECT_DOUBLE_EQ(rings[0][0].x, 260);
  EXPECT_DOUBLE_EQ(rings[0][0].y, 30);
  view->Undo();
  BasReadPointPos(pnt, p, &at);
  EXPECT_DOUBLE_EQ(at.x, 50);
  BasGetRegionRings(reg, r, &rings);
  EXPECT_DOUBLE_EQ(rings[0][0].x, 250);
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

TEST_F(ViewTest, DraggingAVertexOfAPickedLine) {
  using Dots = std::vector<std::pair<double, double>>;
  struct Case {
    const char* what;
    std::vector<D_DOT> line;
    D_DOT pick, from, to;
    Dots expected;
  };
  const Case cases[] = {
      {"inner vertex", {{100, 100}, {200, 100}, {300, 150}}, {150, 100}, {201, 101}, {220, 130},
       {{100, 100}, {220, 130}, {300, 150}}},
      {"end of a closed line: both ends move", {{100, 200}, {200, 200}, {200, 280}, {100, 200}}, {150, 200},
       {101, 201}, {90, 180}, {{90, 180}, {200, 200}, {200, 280}, {90, 180}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int32_t l = AddLine(c.line);
    view->SelectLine();
    Click(c.pick);
    ASSERT_EQ(view->PoolCount(), 1);
    view->MoveLineDot();
    Drag(c.from, c.to);
    std::vector<D_DOT> v;
    BasReadLine(lin, l, &v, nullptr);
    Dots moved;
    for (const D_DOT& d : v) moved.emplace_back(d.x, d.y);
    EXPECT_EQ(moved, c.expected);
  }
}

TEST_F(ViewTest, DisplayOrderOfThePickedEntities) {
  AddPoint({10, 10});
  AddPoint({20, 20});
  AddPoint({30, 30});
  const ENTITY_MSG first{pnt, kPointEntity, 1};
  view->AddToPool(&first, 1);
  view->MoveIdxElement(1);
  EXPECT_EQ(BasGetDisplayOrder(pnt, kPointEntity), (std::vector<int32_t>{2, 1, 3}));
  view->MoveIdxElement(2);
  EXPECT_EQ(BasGetDisplayOrder(pnt, kPointEntity), (std::vector<int32_t>{2, 3, 1}));
  view->MoveIdxElement(-1);
  EXPECT_EQ(BasGetDisplayOrder(pnt, kPointEntity), (std::vector<int32_t>{2, 1, 3}));
  view->MoveIdxElement(-2);
  EXPECT_EQ(BasGetDisplayOrder(pnt, kPointEntity), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(ViewTest, CommandFlagsSwitchesAndCurrentAreas) {
  EXPECT_EQ(view->_SetCommandFlag(1235), 0);
  EXPECT_EQ(view->_SetCommandFlag(1227), 1235);
  EXPECT_EQ(view->_GetCommandFlag(), 1227);
  int16_t values[13] = {};
  EXPECT_EQ(view->GetSysSelectParm(values, 13), 13);
  values[8] = 1;
  view->SetSysSelectParm(values, 13);
  EXPECT_EQ(view->selectParms()[kShowLineDirection], 1);
  EXPECT_EQ(view->GetEditArea(kPointArea), pnt);
  EXPECT_EQ(view->GetEditArea(kLineArea), lin);
  const WorkAreaSetHandle other = BasCreateWorkAreaSet(0);
  const WorkAreaHandle second = BasCreateLineWorkArea(other);
  EXPECT_TRUE(view->ChangeCurAi(second, 1));
  EXPECT_EQ(view->GetCurrentLinArea(), second);
  EXPECT_FALSE(view->ChangeCurAi(0, 1));
  view.reset();
  BasFreeWorkAreaSet(other);
}

}  // namespace
}  // namespace zv::test
