// Modes 5 and −6 in a view: the spacing dialog, the alignment of the
// selected boxes, its one undo step, and the menu items of the legend modes.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_legend_modes.h"
#include "annotation/tool/sec_annot_tool.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"

namespace zv::annot {
namespace {

class AnnotLegendAlignTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    RegisterLegendModes();
    RegisterAnnotCommands();
    // Boxes centred at x 150, 50 and 100 in pool order.
    for (double x : {150.0, 50.0, 100.0}) {
      boxes.push_back(AddLine({{x - 6, y + 4}, {x + 6, y + 4}, {x + 6, y - 4}, {x - 6, y - 4}, {x - 6, y + 4}}));
      y += 20;
    }
  }
  void Select() {
    for (int32_t id : boxes) {
      const ENTITY_MSG e{lin, kLineEntity, id};
      view->AddToPool(&e, 1);
    }
  }
  D_DOT Centre(int32_t id) const {
    D_RECT r{};
    BasGetLineRect(lin, id, &r);
    return {(r.xmin + r.xmax) / 2, (r.ymin + r.ymax) / 2};
  }
  // Answers the spacing dialog with a typed value, or cancels it (null).
  void Spacing(const char* typed) {
    script->AnswerDialog([this, typed](QDialog& d) {
      prompt = d.findChild<QLabel*>("control1275")->text();
      offered = d.findChild<QLineEdit*>("control202")->text();
      if (!typed) return static_cast<int>(QDialog::Rejected);
      d.findChild<QLineEdit*>("control202")->setText(QString::fromUtf8(typed));
      d.accept();
      return -1;
    });
  }

  std::vector<int32_t> boxes;
  double y = 100;
  QString prompt, offered;
  prompt::ScopedScriptedPrompts script;
};

TEST_F(AnnotLegendAlignTest, TheSelectedBoxesLineUpAtTheTypedSpacingInOneUndoStep) {
  Select();
  Spacing("25");
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", 5, false, 0));
  EXPECT_EQ(prompt, "图例间隔：");
  EXPECT_EQ(offered, "15");
  // Along the row from x 50, at the centre y of the last in pool order.
  EXPECT_DOUBLE_EQ(Centre(boxes[1]).x, 50);
  EXPECT_DOUBLE_EQ(Centre(boxes[2]).x, 75);
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).x, 100);
  for (int32_t id : boxes) EXPECT_DOUBLE_EQ(Centre(id).y, 140);
  view->Undo();
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).x, 150);
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).y, 100);
}

TEST_F(AnnotLegendAlignTest, ACancelledDialogAlignsVerticallyAtFiveAndHorizontallyNotAtAll) {
  Select();
  Spacing(nullptr);
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", 5, false, 0));
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).x, 150);
  EXPECT_TRUE(view->GetUndo().IsEmpty());

  Spacing(nullptr);
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -6, false, 0));
  // Down the column from y 140, at the centre x of the last in pool order.
  EXPECT_DOUBLE_EQ(Centre(boxes[2]).y, 140);
  EXPECT_DOUBLE_EQ(Centre(boxes[1]).y, 135);
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).y, 130);
  for (int32_t id : boxes) EXPECT_DOUBLE_EQ(Centre(id).x, 100);
}

TEST_F(AnnotLegendAlignTest, ASpacingThatIsNoNumberIsToldAndNothingMoves) {
  Select();
  Spacing("1,5");
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", -6, false, 0));
  EXPECT_EQ(script->Messages(), std::vector<QString>{QString::fromUtf8("图例间隔必须是数值。")});
  EXPECT_DOUBLE_EQ(Centre(boxes[0]).y, 100);
  // Nothing selected: not even the dialog.
  view->ClearPool();
  ASSERT_TRUE(LaunchTool(*view, "CSecAnnotTool", 5, false, 0));
  EXPECT_EQ(script->PendingAnswers(), 0);
  EXPECT_EQ(script->asked().size(), 2u);
}

TEST_F(AnnotLegendAlignTest, TheLegendCommandsHaveTheirItemsInBothToolViews) {
  const auto placed = [](int menu, int id) {
    const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(menu);
    return std::any_of(rows.begin(), rows.end(), [&](const cmd::MenuRow& r) { return r.id == id; });
  };
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection})
    for (int id : {33398, 33399}) EXPECT_TRUE(placed(menu, id)) << menu << " " << id;
  for (int16_t mode : {5, -6}) EXPECT_TRUE(Tools().Knows("CSecAnnotTool", mode)) << mode;
}

}  // namespace
}  // namespace zv::annot
