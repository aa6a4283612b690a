#include <gtest/gtest.h>

#include <QDialog>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <algorithm>

#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/tool_factory.h"
#include "tests/tools/clip/clip_fixture.h"
#include "tests/views/view_test_support.h"
#include "tools/clip/clip_commands.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {
namespace {

class ClipFrameTest : public ClipToolTest {
 public:
  zv::test::RecordingChrome chrome;
};

TEST_F(ClipFrameTest, TheStandardFrameIsOneUndoStepAndSetsTheScale) {
  PNT_INFO text;
  BasGetDefaultPointParam(&text, 0);
  const LIN_INFO line = *BasGetDefaultLineParam(0);
  script->AnswerDialog(AcceptAsTyped);
  ASSERT_TRUE(Launch(502));
  EXPECT_EQ(Live(lin, kLineEntity), 19);
  EXPECT_EQ(Live(pnt, kPointEntity), 32);
  EXPECT_EQ(chrome.scales, std::vector<long>{5000});
  // Every label and line came from a copy: the defaults are as before.
  PNT_INFO after;
  BasGetDefaultPointParam(&after, 0);
  EXPECT_EQ(after, text);
  EXPECT_EQ(*BasGetDefaultLineParam(0), line);
  // The tool stays installed and idle.
  auto* tool = dynamic_cast<CSecClipTool*>(view->GetExtTool());
  ASSERT_NE(tool, nullptr);
  Click({50, 50});
  EXPECT_EQ(Live(lin, kLineEntity), 19);
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
  view->GetUndo().Undo();
  EXPECT_TRUE(BasIsWorkAreaEmpty(lin) && BasIsWorkAreaEmpty(pnt));
}

TEST_F(ClipFrameTest, CancelDrawsNothingAndKeepsTheScale) {
  for (const int16_t mode : {502, 503}) {
    script->AnswerDialog([](QDialog&) { return QDialog::Rejected; });
    ASSERT_TRUE(Launch(mode));
  }
  EXPECT_TRUE(BasIsWorkAreaEmpty(lin) && BasIsWorkAreaEmpty(pnt));
  EXPECT_TRUE(chrome.scales.empty());
  EXPECT_TRUE(view->GetUndo().IsEmpty());
}

TEST_F(ClipFrameTest, TheGraticuleGivesTheAreasItsRecordAndScale) {
  script->AnswerDialog(AcceptAsTyped);
  ASSERT_TRUE(Launch(503));
  EXPECT_EQ(Live(lin, kLineEntity), 3 + 9 + 9 + 8 + 2 * 22 + 2 * 20);
  EXPECT_EQ(Live(pnt, kPointEntity), 22 + 22 + 12);
  EXPECT_EQ(chrome.scales, std::vector<long>{10000});
  for (const WorkAreaHandle area : {pnt, lin}) {
    MapParams record;
    BasGetMapParams(area, &record);
    EXPECT_EQ(record.projection(), 5);
    EXPECT_EQ(record.centralMeridian(), 1170000.0);
  }
  EXPECT_EQ(view->GetUndo().StepCount(), 1);
}

TEST_F(ClipFrameTest, AnEllipsoidTheProjectorRefusesDrawsNothing) {
  script->AnswerDialog([](QDialog& dialog) {
    dialog.findChild<QPushButton*>("projection")->click();
    return AcceptAsTyped(dialog);
  });
  script->AnswerDialog([](QDialog& editor) {
    editor.findChild<QDoubleSpinBox*>("ellipsoid")->setValue(3);
    return QDialog::Accepted;
  });
  ASSERT_TRUE(Launch(503));
  EXPECT_EQ(script->Messages(), std::vector<QString>{"不支持该椭球参数，无法换算经纬度！"});
  EXPECT_TRUE(BasIsWorkAreaEmpty(lin) && BasIsWorkAreaEmpty(pnt));
  EXPECT_TRUE(chrome.scales.empty());
}

TEST_F(ClipFrameTest, OnlyTheBuiltModesAreOfferedAndPlacedInTheMenus) {
  EXPECT_TRUE(Tools().Knows("CSecClipTool", 502));
  EXPECT_TRUE(Tools().Knows("CSecClipTool", 503));
  for (const int mode : {-6, -1, 6, 3, -3, -4, 4, 5}) EXPECT_TRUE(Tools().Knows("CSecClipTool", mode)) << mode;
  for (const int mode : {-5, 77}) EXPECT_FALSE(Tools().Knows("CSecClipTool", mode)) << mode;
  EXPECT_EQ(CSecClipTool::Modes().size(), 14u);
  auto placed = [](int menu, const std::string& path, int id) {
    const std::vector<cmd::MenuRow> rows = cmd::Menus().RowsOf(menu);
    return std::any_of(rows.begin(), rows.end(), [&](const cmd::MenuRow& r) { return r.path == path && r.id == id; });
  };
  EXPECT_TRUE(placed(cmd::kMenuPlan, "&1辅助工具/图框补充/标准矩形图框", 33638));
  EXPECT_TRUE(placed(cmd::kMenuPlan, "&1辅助工具/图框补充/绘制经纬网图框", 33639));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&1辅助工具/系列标准图框/图框补充/标准矩形图框", 33638));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&1辅助工具/系列标准图框/图框补充/绘制经纬网图框", 33639));
  EXPECT_TRUE(placed(cmd::kMenuPlan, "&1辅助工具/裁剪工具/选线裁剪", 33038));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&1辅助工具/裁剪工具/画线裁剪", 33441));
  EXPECT_TRUE(placed(cmd::kMenuPlan, "&1辅助工具/断线功能/自相交及节点断线", 33282));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&T其它/整块删除", 33248));
  EXPECT_TRUE(placed(cmd::kMenuPlan, "&R区编辑/区编辑...&R/分割区/划线分割区", 33365));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&R区编辑/区编辑...&R/分割区/选线分割区", 33366));
  EXPECT_TRUE(placed(cmd::kMenuSection, "&R区编辑/剪断自相交弧段", 33370));
  // A mode without work is a tool that does nothing.
  view->SetExtTool(new CSecClipTool(view.get(), 77));
  Click({50, 50});
  EXPECT_TRUE(BasIsWorkAreaEmpty(lin) && BasIsWorkAreaEmpty(pnt));
}

}  // namespace
}  // namespace zv::tools
