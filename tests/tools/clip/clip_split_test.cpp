#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/app_settings.h"
#include "framework/commands/menu_rows.h"
#include "tests/tools/clip/clip_fixture.h"
#include "tools/line/line_commands.h"

namespace zv::tools {
namespace {

// A view that counts the right-button releases passed on to its selection.
class CountingView : public CGisEditView {
 public:
  int SelectAll(unsigned m, unsigned f, CPoint p) override {
    if (m == WM_RBUTTONUP) ++passedOn;
    return CGisEditView::SelectAll(m, f, p);
  }
  int passedOn = 0;
};

class ClipSplitTest : public ClipToolTest {
 public:
  std::unique_ptr<CGisEditView> MakeView() override { return std::make_unique<CountingView>(); }
  int32_t Regions() const { return Live(reg, kRegionEntity); }
  void UndoAll() {
    EXPECT_EQ(view->GetUndo().StepCount(), 1);
    view->Undo();
    EXPECT_EQ(Regions(), 1);
    EXPECT_NEAR(BasRegionArea(reg, 1), 100 * 100, 1e-6);
  }
};

TEST_F(ClipSplitTest, ADrawnLineSplitsOnTheRightButtonAndAOneVertexLineDoesNothing) {
  AddSquareRegion(50, 50, 100);
  ASSERT_TRUE(Launch(-4));
  Click({40, 90});
  RightClick({40, 90});
  EXPECT_EQ(Regions(), 1);
  EXPECT_TRUE(view->GetUndo().IsEmpty());
  Click({40, 90});
  view->MouseMove(0, At({100, 120}));
  Click({100, 120});
  Click({160, 90});
  EXPECT_EQ(Regions(), 1);  // nothing until the right button
  RightClick({160, 90});
  EXPECT_EQ(Regions(), 2);
  auto* tool = dynamic_cast<CSecClipTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);  // the tool stays for the next line
  EXPECT_TRUE(tool->vertices().empty());
  UndoAll();
}

TEST_F(ClipSplitTest, TheSelectedLineSplitsAtOnceAndAfterEachPick) {
  AddSquareRegion(50, 50, 100);
  const int32_t cutter = AddLine({{40, 100}, {160, 100}});
  const ENTITY_MSG entry{lin, kLineEntity, cutter};
  view->AddToPool(&entry, 1);
  ASSERT_TRUE(Launch(4));
  EXPECT_EQ(Regions(), 2);
  EXPECT_TRUE(BasIsEntityLive(lin, kLineEntity, cutter));  // the selected line stays as it was
  UndoAll();
  view->ClearPool();
  Click({40, 100});
  EXPECT_EQ(Regions(), 2);
}

TEST_F(ClipSplitTest, ArcModePicksRegionArcsByClickAndBoxAndMode5CutsThePickedArc) {
  // A bow tie crossing itself at (100, 100), as a region's one arc.
  const int32_t arc = AddLine({{50, 50}, {150, 150}, {150, 50}, {50, 150}, {50, 50}}, reg);
  REG_INFO info;
  ASSERT_NE(BasAppendRegion(reg, {0, arc}, info), 0);
  // Plain line mode sees no line there; arc mode picks the arc.
  view->SelectLin(WM_LBUTTONDOWN, 0, At({150, 100}));
  EXPECT_EQ(view->SelectLin(WM_LBUTTONUP, 0, At({150, 100})), 0);
  view->SelectLin(WM_LBUTTONDOWN, 0, At({150, 100}), 1);
  EXPECT_EQ(view->SelectLin(WM_LBUTTONUP, 0, At({150, 100}), 1), 1);
  EXPECT_EQ(PoolEntries(), (std::vector<ENTITY_MSG>{{reg, kLineEntity, arc}}));
  view->ClearPool();
  view->SelectLin(WM_LBUTTONDOWN, 0, At({40, 40}), 1);
  view->SelectLin(WM_MOUSEMOVE, 0, At({160, 160}), 1);
  EXPECT_EQ(view->SelectLin(WM_LBUTTONUP, 0, At({160, 160}), 1), 1);
  EXPECT_EQ(PoolEntries(), (std::vector<ENTITY_MSG>{{reg, kLineEntity, arc}}));
  view->ClearPool();

  ASSERT_TRUE(Launch(5));
  EXPECT_EQ(Live(reg, kLineEntity), 1);  // nothing selected yet
  Click({150, 100});
  EXPECT_EQ(Live(reg, kLineEntity), 3);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
  view->Undo();
  EXPECT_EQ(Live(reg, kLineEntity), 1);
}

TEST_F(ClipSplitTest, ARightButtonReleaseGoesOnToTheSelectionWhileTheSwitchIsOn) {
  RegisterLineCommands();
  const int old = Settings().seclect;
  struct Case {
    const char* tool;
    int16_t mode;
  };
  const Case cases[] = {{"CSecClipTool", 4}, {"CSecClipTool", -4}, {"CSecClipTool", 1}, {"CSecLineTool", 1},
                        {"CSecLineTool", 2}};
  auto& counting = static_cast<CountingView&>(*view);
  for (const Case& c : cases) {
    for (const int on : {0, 1}) {
      SCOPED_TRACE(std::string(c.tool) + " " + std::to_string(c.mode) + " seclect " + std::to_string(on));
      Settings().seclect = on;
      ASSERT_TRUE(LaunchTool(*view, c.tool, c.mode, true, 0));
      counting.passedOn = 0;
      RightClick({100, 100});
      EXPECT_EQ(counting.passedOn, on);
    }
  }
  Settings().seclect = old;
}

TEST_F(ClipSplitTest, TheContextMenuRepeatsTheEditingModesAndTheLineToolsItems) {
  RegisterLineCommands();
  std::vector<std::pair<std::string, int>> context;
  for (const cmd::MenuRow& row : cmd::Menus().RowsOf(cmd::kMenuContext)) context.emplace_back(row.path, row.id);
  const std::pair<std::string, int> expected[] = {
      {"7/选线剪断相交线", 33056}, {"7/拉线剪断相交线", 33127},     {"7/定距\\/定数等分线", 33099},
      {"7/自相交及节点断线", 33282}, {"7/划线分割区", 33365},      {"7/选线分割区", 33366},
      {"7/修饰剖面/选线充填线", 33036}, {"7/修饰剖面/选区充填线", 33111}, {"7/距离角度修改", 32995}};
  for (const auto& item : expected)
    EXPECT_NE(std::find(context.begin(), context.end(), item), context.end()) << item.first;
}

}  // namespace
}  // namespace zv::tools
