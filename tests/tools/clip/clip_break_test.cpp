#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/data/geometry.h"
#include "platform/view/tool_factory.h"
#include "tests/platform/data/area_probes.h"
#include "tests/tools/clip/clip_fixture.h"
#include "tests/views/view_test_support.h"
#include "tools/clip/clip_commands.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

class ClipBreakTest : public ClipToolTest {
 public:
  void Select(int32_t id, int type = kLineEntity, WorkAreaHandle area = 0) {
    const ENTITY_MSG entry{area ? area : lin, static_cast<int16_t>(type), id};
    view->AddToPool(&entry, 1);
  }
  std::vector<std::vector<D_DOT>> AllLines() const { return test::LiveLines(lin); }
  double TotalLength() const {
    double sum = 0;
    for (const auto& line : AllLines()) sum += BasPolylineLength(line);
    return sum;
  }
  void UndoAndExpect(int lines, double length) {
    EXPECT_EQ(view->GetUndo().StepCount(), 1);
    view->GetUndo().Undo();
    EXPECT_EQ(Live(lin, kLineEntity), lines);
    EXPECT_DOUBLE_EQ(TotalLength(), length);
  }
};

TEST_F(ClipBreakTest, TheSelectedLineBreaksTheLinesItCrossesButNotItself) {
  const int32_t target = AddLine({{10, 50}, {200, 50}});
  AddLine({{10, 150}, {200, 150}});  // not crossed
  const int32_t cutter = AddLine({{40, 20}, {40, 80}, {120, 80}, {120, 20}});
  Select(cutter);
  ASSERT_TRUE(Launch(1));
  EXPECT_FALSE(BasIsEntityLive(lin, kLineEntity, target));
  EXPECT_EQ(Live(lin, kLineEntity), 5);  // three pieces, the other line, the cutter
  EXPECT_TRUE(BasIsEntityLive(lin, kLineEntity, cutter));
  EXPECT_EQ(view->PoolCount(), 3);  // the cutter and every piece but the last
  UndoAndExpect(3, 190 + 190 + 60 + 80 + 60);
  // The tool stays: clicking another cutter breaks again.
  view->ClearPool();
  Click({40, 30});
  EXPECT_EQ(Live(lin, kLineEntity), 5);
}

TEST_F(ClipBreakTest, TheDragLineBreaksEveryLineItCrossesOnTheRightButton) {
  for (double y : {40.0, 60.0, 80.0}) AddLine({{10, y}, {200, y}});
  ASSERT_TRUE(Launch(2));
  Click({100, 20});
  view->MouseMove(0, At({100, 70}));
  Click({100, 70});
  EXPECT_EQ(Live(lin, kLineEntity), 3);  // nothing until the right button
  RightClick({100, 70});
  EXPECT_EQ(Live(lin, kLineEntity), 5);  // two lines crossed, each in two
  auto* tool = dynamic_cast<CSecClipTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  EXPECT_TRUE(tool->vertices().empty());
  UndoAndExpect(3, 3 * 190);
}

TEST_F(ClipBreakTest, AWindowCutsTheLinesInItAtVerticesAndSelfCrossings) {
  // A loop near the end crosses the first segment at (80, 50).
  AddLine({{20, 50}, {100, 50}, {100, 70}, {80, 70}, {80, 30}});
  ASSERT_TRUE(Launch(3));
  Drag({10, 10}, {150, 100});
  EXPECT_EQ(Live(lin, kLineEntity), 6);
  EXPECT_EQ(view->PoolCount(), 1);
  EXPECT_DOUBLE_EQ(TotalLength(), 80 + 20 + 20 + 40);
  UndoAndExpect(1, 160);
}

TEST_F(ClipBreakTest, DividingAddsPointsAndVerticesAsOneStepAndRefusesBadValues) {
  const int32_t line = AddLine({{10, 10}, {40, 10}});
  Select(line);
  // By distance 10 on a line of 30: a point at the start, 10, 20 and two on the end.
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QCheckBox*>("addVertices")->setChecked(true);
    dialog.accept();
    return -1;
  });
  script->AnswerDialog([](QDialog&) { return QDialog::Accepted; });  // the point parameters
  ASSERT_TRUE(Launch(-2));
  EXPECT_EQ(Live(pnt, kPointEntity), 5);
  std::vector<D_DOT> v;
  ASSERT_TRUE(BasReadLine(lin, line, &v, nullptr));
  ASSERT_EQ(v.size(), 4u);
  EXPECT_DOUBLE_EQ(v[1].x, 20);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
  view->GetUndo().Undo();
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  ASSERT_TRUE(BasReadLine(lin, line, &v, nullptr));
  EXPECT_EQ(v.size(), 2u);

  // A distance of 0 is refused with the dialog left open; Cancel then changes nothing.
  view->ClearPool();
  Select(line);
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("distance")->setText("0");
    dialog.accept();
    EXPECT_FALSE(dialog.isHidden() && dialog.result() == QDialog::Accepted);
    return static_cast<int>(QDialog::Rejected);
  });
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(-2));
  EXPECT_EQ(script->Messages(), std::vector<QString>{"距离必须大于0！"});
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

TEST_F(ClipBreakTest, ADistanceGivingMoreThanAMillionPartsIsRefusedBeforeAnythingChanges) {
  const int32_t shortLine = AddLine({{10, 20}, {11, 20}});
  const int32_t line = AddLine({{10, 10}, {40, 10}});
  Select(shortLine);
  Select(line);
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("distance")->setText("1e-9");
    dialog.findChild<QCheckBox*>("addVertices")->setChecked(true);
    dialog.accept();
    return -1;
  });
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(-2));
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].startsWith("等分点过多")) << script->Messages()[0].toStdString();
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  std::vector<D_DOT> v;
  ASSERT_TRUE(BasReadLine(lin, shortLine, &v, nullptr));
  EXPECT_EQ(v.size(), 2u);
  EXPECT_TRUE(view->GetUndo().IsEmpty());

  // By number, a count past the int32 range is refused rather than wrapped to 4.
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QRadioButton*>("byParts")->click();
    dialog.findChild<QLineEdit*>("parts")->setText("4294967300");
    dialog.accept();
    return -1;
  });
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(-2));
  EXPECT_EQ(script->Messages().back(), "段数不能超过1000000！");
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
}

TEST_F(ClipBreakTest, ALineOfNoLengthIsNotDividedIntoPointsOnOneSpot) {
  const int32_t dot = AddLine({{20, 20}, {20, 20}});
  Select(dot);
  auto byParts = [](QDialog& dialog) {
    dialog.findChild<QRadioButton*>("byParts")->click();
    dialog.findChild<QLineEdit*>("parts")->setText("1000");
    dialog.accept();
    return -1;
  };
  script->AnswerDialog(byParts);
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(-2));
  EXPECT_EQ(script->Messages(), std::vector<QString>{"所选线长度为0，无法等分。"});
  EXPECT_EQ(Live(pnt, kPointEntity), 0);
  EXPECT_TRUE(view->GetUndo().IsEmpty());

  // Beside a line with length, only that one is divided.
  view->ClearPool();
  const int32_t line = AddLine({{10, 10}, {40, 10}});
  Select(dot);
  Select(line);
  script->AnswerDialog(byParts);
  script->AnswerDialog([](QDialog&) { return QDialog::Accepted; });
  ASSERT_TRUE(Launch(-2));
  EXPECT_EQ(Live(pnt, kPointEntity), 1001);
}

TEST_F(ClipBreakTest, TheBuiltModesAreInTheMenusWithTheSlashKeptInOneItem) {
  for (const int mode : {1, 2, 3, -2}) EXPECT_TRUE(Tools().Knows("CSecClipTool", mode)) << mode;
  const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(cmd::kMenuPlan);
  const bool placed = std::any_of(rows.begin(), rows.end(), [](const cmd::MenuRow& r) {
    return r.id == 33099 && cmd::SplitMenuPath(r.path).back() == "定距/定数等分线";
  });
  EXPECT_TRUE(placed);
}

TEST_F(ClipBreakTest, ABlockDragDeletesWhatItHoldsAsOneUndoStep) {
  const int32_t inside = AddSquareRegion(20, 20, 40);
  const int32_t outside = AddSquareRegion(200, 200, 40);
  const int32_t point = AddPoint({30, 30});
  ASSERT_TRUE(Launch(-3));
  Drag({10, 10}, {70, 70});
  EXPECT_FALSE(BasIsEntityLive(reg, kRegionEntity, inside));
  EXPECT_FALSE(BasIsEntityLive(pnt, kPointEntity, point));
  EXPECT_EQ(Live(reg, kLineEntity), 1);
  EXPECT_TRUE(BasIsEntityLive(reg, kRegionEntity, outside));
  EXPECT_EQ(view->PoolCount(), 0);
  ASSERT_EQ(view->GetUndo().StepCount(), 1);
  view->GetUndo().Undo();
  EXPECT_TRUE(BasIsEntityLive(reg, kRegionEntity, inside));
  EXPECT_TRUE(BasIsEntityLive(pnt, kPointEntity, point));
  EXPECT_EQ(Live(reg, kLineEntity), 2);
  EXPECT_DOUBLE_EQ(BasRegionArea(reg, inside), 1600);
}

}  // namespace
}  // namespace zv::tools
