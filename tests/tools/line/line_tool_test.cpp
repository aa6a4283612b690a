#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <cmath>

#include "common/measure/line_dist_angle_dlg.h"
#include "framework/commands/command_table.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/data/geometry.h"
#include "platform/view/tool_factory.h"
#include "tests/platform/view/view_fixture.h"
#include "tests/views/view_test_support.h"
#include "tools/line/contour_param_dlg.h"
#include "tools/line/line_commands.h"
#include "tools/line/sec_line_tool.h"

namespace zv::tools {
namespace {

class LineToolTest : public zv::test::ViewTest {
 public:
  void SetUp() override {
    ViewTest::SetUp();
    BasResetDefaultParams();
    CurrentContourSettings() = ContourSettings{};
    RegisterLineCommands();
  }
  bool Launch(int16_t mode) { return LaunchTool(*view, "CSecLineTool", mode, false, 0); }
  int32_t Live(WorkAreaHandle area, int type) const {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
  void Select(int32_t id, int type = kLineEntity, WorkAreaHandle area = 0) {
    const ENTITY_MSG entry{area ? area : lin, static_cast<int16_t>(type), id};
    view->AddToPool(&entry, 1);
  }
  std::vector<D_DOT> Read(int32_t id) {
    std::vector<D_DOT> v;
    BasReadLine(lin, id, &v, nullptr);
    return v;
  }
  static std::vector<D_DOT> Row(double y, int n, double x0, double dx) {
    std::vector<D_DOT> v;
    for (int i = 0; i < n; ++i) v.push_back({x0 + i * dx, y});
    return v;
  }
  // Fills the contour dialog's fields by name and presses OK.
  static prompt::ScriptedPrompts::DialogScript Typed(std::vector<std::pair<const char*, const char*>> fields) {
    return [fields](QDialog& dialog) {
      for (const auto& [name, text] : fields) dialog.findChild<QLineEdit*>(name)->setText(text);
      dialog.accept();
      return -1;
    };
  }

  prompt::ScopedScriptedPrompts script;
};

TEST_F(LineToolTest, ContoursBetweenTwoLinesReverseTheSecondInTheSameUndoStep) {
  const int32_t a = AddLine(Row(50, 10, 20, 20));
  const int32_t b = AddLine(Row(150, 10, 200, -20));  // drawn the other way
  Select(a);
  Select(b);
  script->AnswerDialog(Typed({}));
  ASSERT_TRUE(Launch(0));
  EXPECT_EQ(Live(lin, kLineEntity), 6);
  EXPECT_DOUBLE_EQ(Read(b).front().x, 20);  // rewritten to run with line 1
  LIN_INFO info;
  ASSERT_TRUE(BasReadLineParam(lin, 3, &info));
  EXPECT_EQ(info.colour(), 7);
  EXPECT_EQ(info.layer(), 9);
  const std::vector<D_DOT> first = Read(3);
  ASSERT_EQ(first.size(), 10u);
  EXPECT_DOUBLE_EQ(first[0].y, 70);
  EXPECT_DOUBLE_EQ(first[0].x, 20);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
  view->GetUndo().Undo();
  EXPECT_EQ(Live(lin, kLineEntity), 2);
  EXPECT_DOUBLE_EQ(Read(b).front().x, 200);
}

TEST_F(LineToolTest, CancelDrawsNothingAndTheSettingsAreAskedOnceUntilTheRightButton) {
  const int32_t a = AddLine(Row(50, 2, 20, 100));
  const int32_t b = AddLine(Row(150, 2, 20, 100));
  Select(a);
  Select(b);
  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  ASSERT_TRUE(Launch(0));
  EXPECT_EQ(Live(lin, kLineEntity), 2);
  // OK once: a contour count of 1 and a bad vertex count first refused.
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>("vertexCount")->setText("1");
    dialog.accept();
    dialog.findChild<QLineEdit*>("vertexCount")->setText("0");
    dialog.findChild<QLineEdit*>("contours")->setText("1");
    dialog.accept();
    return -1;
  });
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(0));
  EXPECT_EQ(script->Messages(), std::vector<QString>{"线拐点数应为0或大于1！"});
  EXPECT_EQ(Live(lin, kLineEntity), 3);
  // Selected again by clicks: no dialog this time.
  view->ClearPool();
  Click({70, 50});
  Click({70, 150}, MK_SHIFT);
  EXPECT_EQ(Live(lin, kLineEntity), 4);
  EXPECT_EQ(script->PendingAnswers(), 0);
}

TEST_F(LineToolTest, FourFreeClicksGiveContoursEvenAfterCancelAndOneLineIsRefused) {
  ASSERT_TRUE(Launch(-1));
  script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
  for (D_DOT p : {D_DOT{50, 50}, D_DOT{250, 50}, D_DOT{250, 250}, D_DOT{50, 250}}) Click(p);
  // P1–P3 crosses P2–P4: the second pair is swapped, so the lines run across.
  ASSERT_EQ(Live(lin, kLineEntity), 4);
  const std::vector<D_DOT> first = Read(1);
  EXPECT_DOUBLE_EQ(first[0].y, 90);
  EXPECT_DOUBLE_EQ(first[1].y, 90);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
  auto* tool = dynamic_cast<CSecLineTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tool->clickCount(), 0);
  // One selected line: the user is asked for two.
  script->AnswerMessage(QMessageBox::Ok);
  Click({150, 90});
  EXPECT_EQ(script->Messages(), std::vector<QString>{"请先选择两条线。"});
  RightClick({10, 10});
  EXPECT_EQ(view->GetExtTool(), nullptr);
}

TEST_F(LineToolTest, RegionsAreFilledByAllTheirRingsAsOneStep) {
  const int32_t outer = AddLine({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, reg);
  const int32_t hole = AddLine({{40, 40}, {40, 60}, {60, 60}, {60, 40}, {40, 40}}, reg);
  const int32_t region = BasAppendRegion(reg, std::vector<int32_t>{0, outer, 0, hole}, REG_INFO{});
  ASSERT_GT(region, 0);
  Select(region, kRegionEntity, reg);
  script->AnswerDialog([](QDialog& dialog) {
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("contours")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("fillSpacing")->isEnabled());
    dialog.findChild<QLineEdit*>("fillAngle")->setText("0");
    dialog.findChild<QLineEdit*>("fillSpacing")->setText("25");
    dialog.accept();
    return -1;
  });
  ASSERT_TRUE(Launch(-2));
  // y = 25 and 75 whole, y = 50 in two pieces round the hole.
  EXPECT_EQ(Live(lin, kLineEntity), 4);
  double length = 0;
  for (int32_t id = 1; id <= 4; ++id) length += BasPolylineLength(Read(id));
  EXPECT_DOUBLE_EQ(length, 100 + 100 + 80);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
}

TEST_F(LineToolTest, AFillSpacingOfBillionsOfRowsIsRefusedAndChangesNothing) {
  const int32_t outer = AddLine({{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, reg);
  const int32_t region = BasAppendRegion(reg, std::vector<int32_t>{0, outer}, REG_INFO{});
  Select(region, kRegionEntity, reg);
  script->AnswerDialog(Typed({{"fillSpacing", "1e-9"}}));
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(-2));
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].startsWith("填充线距离太小")) << script->Messages()[0].toStdString();
  EXPECT_EQ(Live(lin, kLineEntity), 0);
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

TEST_F(LineToolTest, TheSettingsRefuseCountsThatOnlyExhaustMemoryAnAngleThatIsNoNumberAndALayerOutOfRange) {
  const struct {
    const char* field;
    const char* typed;
  } rows[] = {{"contours", "2147483647"}, {"contours", "10001"}, {"vertexCount", "2000000000"},
              {"fillAngle", "nan"},        {"fillAngle", "inf"},   {"contours", "4294967300"},
              {"layer", "40000"}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.typed);
    CContourParamDlg dialog;
    dialog.findChild<QLineEdit*>(r.field)->setText(r.typed);
    script->AnswerMessage(QMessageBox::Ok);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(CurrentContourSettings().contours, 4);
    EXPECT_EQ(CurrentContourSettings().vertexCount, 0);
    EXPECT_EQ(CurrentContourSettings().fillAngle, 20.0);
    EXPECT_EQ(CurrentContourSettings().layer, 9);
  }
  EXPECT_EQ(script->Messages().size(), 7u);
  CContourParamDlg dialog;
  dialog.findChild<QLineEdit*>("contours")->setText("10000");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LineToolTest, TheTypedDirectionAndLengthTurnTheLineAndNoLengthIsRefused) {
  const int32_t line = AddLine({{100, 100}, {110, 110}, {120, 100}});
  Select(line);
  script->AnswerDialog([](QDialog& dialog) {
    auto* measure = dynamic_cast<CLineDistAngleDlg*>(&dialog);
    EXPECT_TRUE(measure && measure->toolFlag());
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("control1118")->isEnabled());
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("正北方向：") && labels.contains("正东方向：")) << labels.join(",").toStdString();
    // The map distance is the line's length; twice it stretches by 2.
    EXPECT_EQ(dialog.findChild<QLineEdit*>("control1029")->text(), "28.2843");
    dialog.findChild<QLineEdit*>("control1029")->setText(QString::number(4 * std::sqrt(200.0), 'g', 17));
    dialog.findChild<QLineEdit*>("control1120")->setText("90");
    dialog.accept();
    return -1;
  });
  ASSERT_TRUE(Launch(2));
  const std::vector<D_DOT> v = Read(line);
  EXPECT_NEAR(v[2].x, 100, 1e-9);
  EXPECT_NEAR(v[2].y, 140, 1e-9);
  EXPECT_NEAR(v[1].x, 80, 1e-9);
  view->GetUndo().Undo();
  EXPECT_DOUBLE_EQ(Read(line)[2].x, 120);

  const int32_t dot = AddLine({{50, 50}, {50, 50}});
  view->ClearPool();
  Select(dot);
  script->AnswerDialog([](QDialog& dialog) {
    dialog.accept();
    return -1;
  });
  script->AnswerMessage(QMessageBox::Ok);
  ASSERT_TRUE(Launch(2));
  EXPECT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

TEST_F(LineToolTest, TheSettingsCommandEnablesEveryField) {
  script->AnswerDialog([](QDialog& dialog) {
    for (const char* name : {"vertexCount", "contours", "fillAngle", "fillSpacing"})
      EXPECT_TRUE(dialog.findChild<QLineEdit*>(name)->isEnabled()) << name;
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("algorithm2")->isChecked());
    dialog.findChild<QRadioButton*>("algorithm3")->setChecked(true);
    dialog.accept();
    return -1;
  });
  CContourParamDlg dialog;
  prompt::Current().Exec(dialog);
  EXPECT_EQ(CurrentContourSettings().algorithm, 3);
  CContourParamDlg contours(-1);
  EXPECT_FALSE(contours.findChild<QLineEdit*>("fillAngle")->isEnabled());
  EXPECT_TRUE(contours.findChild<QLineEdit*>("vertexCount")->isEnabled());
  for (const int mode : {0, -1, 1, -2, 2}) EXPECT_TRUE(Tools().Knows("CSecLineTool", mode)) << mode;
}

}  // namespace
}  // namespace zv::tools
