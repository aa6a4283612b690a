// The annotation tool's dispatch: what each mode hands to the view's
// selection for each mouse slot, the routine after the release, and the
// right-click selection switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "annotation/tool/annot_commands.h"
#include "annotation/tool/sec_annot_tool.h"
#include "app/app_settings.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"

namespace zv::annot {
namespace {

using Calls = std::vector<std::string>;

struct SwitchGuard {
  explicit SwitchGuard(int on) : old(Settings().seclect) { Settings().seclect = on; }
  ~SwitchGuard() { Settings().seclect = old; }
  int old;
};

class AnnotDispatchTest : public test::AnnotViewTest {
 public:
  // Installs a tool of the mode and runs one slot at window point (10, 20);
  // what the view was asked to do.
  Calls Run(int16_t mode, const char* slot) {
    view->SetExtTool(new CSecAnnotTool(view.get(), mode));
    Recorder().Take();
    const CPoint p{10, 20};
    const std::string s = slot;
    if (s == "down") view->LButtonDown(MK_LBUTTON, p);
    if (s == "move") view->MouseMove(0, p);
    if (s == "up") view->LButtonUp(0, p);
    if (s == "right") view->RButtonUp(0, p);
    view->CancelInterActive();
    return Recorder().Take();
  }
};

// Modes of other features keep the frame's selection steps until their
// routines register; the routines of the fill and deletion modes run on an
// empty pool here and so ask nothing of the view. Mode 9 is choosing its
// outline: a release that picked nothing drops the selection.
TEST_F(AnnotDispatchTest, EachModeForwardsEachSlotAsItsRowSays) {
  const std::string down = " 513 @10,20", move = " 512 @10,20", up = " 514 @10,20";
  struct Case {
    int16_t mode;
    Calls down, move, up, right;
  };
  const Calls none;
  const Calls stop = {"ClearPool"};
  const Case cases[] = {
      {-10, {"All" + down}, {"All" + move}, {"All" + up}, stop},
      {-9, none, none, none, none},
      {-8, {"Reg" + down}, {"Reg" + move}, {"Reg" + up}, none},
      {-7, {"Reg" + down}, {"Reg" + move}, {"Reg" + up}, none},
      {-6, {"All" + down}, {"All" + move}, {"All" + up}, stop},
      {-4, {"Lin" + down}, {"Lin" + move}, {"Lin" + up}, none},
      {-3, {"All" + down}, {"All" + move}, {"All" + up}, stop},
      {-2, {"Lin" + down}, {"Lin" + move}, {"Lin" + up}, none},
      {-1, none, {"Lin" + move}, none, none},
      {0, none, none, none, none},
      {1, {"Lin" + down}, {"Lin" + move}, {"Lin" + up}, none},
      {2, none, none, none, none},
      {3, none, none, none, stop},
      {4, {"Reg" + down}, {"Reg" + move}, {"Reg" + up}, stop},
      {5, {"All" + down}, {"All" + move}, {"All" + up}, stop},
      {6, none, none, none, none},
      {7, {"Lin" + down}, {"Lin" + move}, {"Lin" + up}, none},
      {8, {"Lin" + down}, {"Lin" + move}, {"Lin" + up}, none},
      {9, {"All" + down}, {"All" + move}, {"All" + up, "ClearPool"}, stop},
      {-11, none, none, none, none},
      {10, none, none, none, none},
  };
  for (int on : {0, 1}) {
    SwitchGuard guard(on);
    for (const Case& c : cases) {
      SCOPED_TRACE("mode " + std::to_string(c.mode) + " seclect " + std::to_string(on));
      EXPECT_EQ(Run(c.mode, "down"), c.down);
      EXPECT_EQ(Run(c.mode, "move"), c.move);
      EXPECT_EQ(Run(c.mode, "up"), c.up);
      Calls right = c.right;
      if (on) right.push_back("All 517 @10,20");
      EXPECT_EQ(Run(c.mode, "right"), right);
    }
  }
}

void Log(CSecAnnotTool& tool, const char* what) { static_cast<test::RecordingView*>(tool.View())->calls.push_back(what); }
void RecordStart(CSecAnnotTool& tool) { Log(tool, "start"); }
void RecordRoutine(CSecAnnotTool& tool) { Log(tool, "routine"); }
// A right button whose work removes the tool itself.
void CancelSelf(CSecAnnotTool& tool, unsigned, CPoint) { tool.View()->CancelInterActive(); }

TEST_F(AnnotDispatchTest, RegisteredRowsRunTheirRoutineAfterTheSelectionTookTheRelease) {
  const AnnotModeRow saved = *CSecAnnotTool::FindMode(1);
  ASSERT_TRUE(CSecAnnotTool::SetModeRow({1, &RecordStart, nullptr, nullptr,
                                         &SelectThen<AnnotPick::kLin, &RecordRoutine>, &CancelSelf, nullptr, true}));
  EXPECT_FALSE(CSecAnnotTool::SetModeRow({10, &RecordStart}));
  EXPECT_FALSE(CSecAnnotTool::SetModeRow({-11, &RecordStart}));
  EXPECT_TRUE(CSecAnnotTool::IsBuilt(1));

  SwitchGuard guard(1);
  view->SetExtTool(new CSecAnnotTool(view.get(), 1));
  view->LButtonUp(0, {3, 4});
  EXPECT_EQ(Recorder().Take(), (Calls{"start", "Lin 514 @3,4", "routine"}));
  // The right button's work removed the tool; the 517 step still reaches the view.
  view->RButtonUp(0, {5, 6});
  EXPECT_EQ(view->GetExtTool(), nullptr);
  EXPECT_EQ(Recorder().Take(), Calls{"All 517 @5,6"});

  ASSERT_TRUE(CSecAnnotTool::SetModeRow(saved));
}

TEST_F(AnnotDispatchTest, TheFactoryMakesTheBuiltModesAndTheMenusOfferThem) {
  RegisterAnnotCommands();
  EXPECT_TRUE(Tools().Knows("CSecAnnotTool", -10));
  for (int16_t mode : {-10, -9, -8, -7, 7, 8, 9}) EXPECT_TRUE(Tools().Knows("CSecAnnotTool", mode)) << mode;
  for (int16_t mode : {-6, -5, -4, -3, -2, -1, 2, 3, 4, 5, 6})
    EXPECT_FALSE(Tools().Knows("CSecAnnotTool", mode)) << mode;  // bound by their own features
  const auto placed = [](int menu, int id) {
    const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(menu);
    return std::any_of(rows.begin(), rows.end(), [&](const cmd::MenuRow& r) { return r.id == id; });
  };
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    for (int id : {33472, 33479, 33480, 33481, 33534, 33473, 33644}) EXPECT_TRUE(placed(menu, id)) << id;
    EXPECT_FALSE(placed(menu, 33396));  // 制作图例 comes with the legend feature
  }
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -10, false, 0));
  auto* tool = dynamic_cast<CSecAnnotTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->m_nPntArea, pnt);
  EXPECT_EQ(tool->m_nLinArea, lin);
  EXPECT_EQ(tool->m_nRegArea, reg);
  EXPECT_EQ(tool->m_nPatternColor, 1);
  EXPECT_EQ(tool->m_nFillColor, 9);
  EXPECT_EQ(tool->m_dScaleY, 5.0);
  EXPECT_EQ(tool->m_fLineWidth, 0.05f);
  EXPECT_EQ(tool->m_nPatternSource, 1);
  EXPECT_EQ(tool->m_nAngleKind, 1);
  EXPECT_EQ(tool->m_nPatternExtra, 0);
  // A key is taken and changes nothing; left presses and releases are taken
  // in any mode, also one without work.
  EXPECT_EQ(tool->OnKeyDown(65, 1, 0), 1);
  CSecAnnotTool outside(view.get(), 12);
  EXPECT_EQ(outside.OnLButtonDown(0, {1, 1}), 1);
  EXPECT_EQ(outside.OnLButtonUp(0, {1, 1}), 1);
}

}  // namespace
}  // namespace zv::annot
