#include "zavediz/chart_tool/custom_chart_tool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "common/globals/program_globals.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/tool_factory.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "tests/zavediz/chart_tool/chart_tool_scripts.h"
#include "views/launch/launch_table.h"
#include "zavediz/chart/chart_header_file.h"

namespace fs = std::filesystem;

namespace zv::chart {
namespace {

// Confirms the title-block dialog as it comes.
int ConfirmTitleBlock(QDialog& d) {
  d.accept();
  return -1;
}
int Cancel(QDialog&) { return QDialog::Rejected; }

class CustomChartToolTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterCustomChartCommands();
    CurrentFilePath().clear();
    view.resize(400, 300);
    folder = test::TempRoot() + "/out";
    fs::create_directories(folder);
  }
  ChartAreas Areas() { return {view.GetCurrentLinArea(), view.GetCurrentPntArea(), view.GetCurrentRegArea()}; }

  // Starts the tool as the section tool view's launch row `id` does.
  void Launch(int id) {
    for (const launch::LaunchRow& row : launch::LaunchRows()) {
      if (row.id != id) continue;
      ASSERT_STREQ(row.toolClass, kCustomChartTool);
      ASSERT_TRUE(LaunchTool(view, row.toolClass, row.mode, row.cancelsInSection, 0)) << id;
      return;
    }
    FAIL() << "no launch row " << id;
  }

  prompt::ScopedScriptedPrompts script;
  CGisEditView view;
  std::string folder;
};

TEST_F(CustomChartToolTest, ThreeHolesMakeThreeProjectsAndTheViewKeepsTheThird) {
  test::RegisterFixtureDb();
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"ZK01", "ZK'02", "ZK03"}));
  for (int i = 0; i < 3; ++i) {
    script->AnswerMessage(prompt::kAnswerOk);
    script->AnswerDialog(ConfirmTitleBlock);
  }
  Launch(33210);
  EXPECT_EQ(script->Messages(), std::vector<QString>(3, "请先设计柱状图表头文件.")) << "no header file yet";
  for (const char* hole : {"ZK01", "ZK'02", "ZK03"}) test::ExpectChartProject(folder, hole, {".wp", ".wt", ".wl"});
  EXPECT_TRUE(test::FindText(view.GetCurrentPntArea(), "孔    号:ZK03").found);
  EXPECT_FALSE(test::FindText(view.GetCurrentPntArea(), "孔    号:ZK01").found);
  ASSERT_NE(view.GetExtTool(), nullptr);
  view.RButtonUp(0, {10, 10});
  EXPECT_EQ(view.GetExtTool(), nullptr) << "the right button ends the tool";
}

TEST_F(CustomChartToolTest, HeaderModesDrawSaveAndReadTheHeader) {
  test::RegisterFixtureDb();
  // 初始化表头 with the chooser cancelled: the layout of no mine, H = 30.
  script->AnswerDialog(Cancel);
  Launch(33207);
  const std::string header = test::DumpChart(Areas());
  const std::string all = "\n" + header;
  for (const char* entity : {
           "L style=1 colour=1 width=0.10 layer=2 0.00,0.00 200.00,0.00",
           "L style=1 colour=1 width=0.50 layer=2 0.00,30.00 200.00,30.00",
           "L style=1 colour=1 width=0.50 layer=2 0.00,0.00 0.00,30.00",
           // the rightmost column's edge is outer wide, the others inner
           "L style=1 colour=1 width=0.50 layer=2 200.00,0.00 200.00,30.00",
           "L style=1 colour=1 width=0.10 layer=2 110.00,0.00 110.00,30.00",
           // a group's band and its inner and last edges
           "L style=1 colour=1 width=0.10 layer=2 20.00,20.00 32.00,20.00",
           "L style=1 colour=1 width=0.10 layer=2 32.00,0.00 32.00,20.00",
           "L style=1 colour=1 width=0.10 layer=2 80.00,0.00 80.00,30.00",
           "P kind=0 at 92.00,20.00 |柱状图| h=4.00 w=4.00 g=1.00 font=1 style=1 colour=1 layer=0",
           "P kind=0 at 147.00,20.00 |地质描述| h=4.00 w=4.00 g=1.00 font=1 style=1 colour=1 layer=0",
           "P kind=0 at 192.00,20.00 |F1| h=4.00 w=4.00 g=1.00 font=1 style=0 colour=1 layer=0",
       })
    EXPECT_NE(all.find(std::string("\n") + entity + "\n"), std::string::npos) << entity << "\nin:\n" << header;

  // 保存表头 then 读取表头 into an emptied view: the same header again.
  Launch(33205);
  EXPECT_TRUE(fs::exists(ChartHeaderPath()));
  view.ClearPoint();
  view.ClearLine();
  Launch(33206);
  EXPECT_EQ(test::DumpChart(Areas()), header);
  EXPECT_TRUE(script->Messages().empty());
}

TEST_F(CustomChartToolTest, TheTitleBlockDialogShowsTheHolesTextsAndACancelKeepsTheRowsBefore) {
  test::RegisterFixtureDb();
  PNT_INFO defaults;
  BasGetDefaultPointParam(&defaults, 0);
  std::map<std::string, QString> shown;
  const auto box = [](QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name); };
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"ZK01", "ZK03"}));
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerDialog([&](QDialog& d) {
    for (const char* name : {"unit", "title", "c1r1Content", "c1r6Content", "c2r1Content", "c2r2Content",
                             "c2r3Content", "c2r4Content", "c2r5Content"})
      shown[name] = box(d, name)->text();
    box(d, "c1r1Content")->setText("周九");
    d.accept();
    return -1;
  });
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerDialog([&](QDialog& d) {
    shown["second title"] = box(d, "title")->text();
    return int(QDialog::Rejected);
  });
  Launch(33210);

  const std::map<std::string, QString> expected = {
      {"unit", "某某地质勘查院"},    {"title", "金山矿区ZK01钻孔柱状图"}, {"c1r1Content", "张三"},
      {"c1r6Content", "孙八"},        {"c2r1Content", "金山矿区详"},       {"c2r2Content", "1∶ 500"},
      {"c2r3Content", "2020-04-01"}, {"c2r4Content", "1"},                 {"c2r5Content", "A-"},
      {"second title", "ZK03"}};  // 资料来源 cut to its 11 bytes
  EXPECT_EQ(shown, expected);
  // ZK03 was drawn with the rows confirmed for ZK01.
  EXPECT_TRUE(test::FindText(view.GetCurrentPntArea(), "孔    号:ZK03").found);
  EXPECT_TRUE(test::FindText(view.GetCurrentPntArea(), "周九").found);
  PNT_INFO after;
  BasGetDefaultPointParam(&after, 0);
  EXPECT_EQ(std::memcmp(after.bytes, defaults.bytes, sizeof defaults.bytes), 0) << "the defaults stay the user's";
}

TEST_F(CustomChartToolTest, UnreadableTablesAndUnusableNamesWriteNoFiles) {
  test::RegisterFixtureDb(
      "INSERT INTO zkinfok (工程编号, 终孔深度, 矿区代码) VALUES ('../x', '10', '1001');"
      "DELETE FROM 栏目选择1 WHERE 代码 = '0';");
  BasAppendPoint(view.GetCurrentPntArea(), {1, 1}, "表头", PNT_INFO{});
  BasAppendLine(view.GetCurrentLinArea(), std::vector<D_DOT>{{0, 0}, {1, 0}}, LIN_INFO{});
  Launch(33205);
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"../x"}));
  script->AnswerDialog(Cancel);
  script->AnswerMessage(prompt::kAnswerOk);
  Launch(33211);
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].contains("../x")) << script->Messages()[0].toStdString();
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_FALSE(fs::exists(test::TempRoot() + "/x.mpj"));

  // A table gone: each hole is told and skipped.
  test::RegisterFixtureDb("DROP TABLE drilgeo2;");
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"ZK01", "ZK03"}));
  script->AnswerMessage(prompt::kAnswerOk);
  script->AnswerMessage(prompt::kAnswerOk);
  Launch(33212);
  ASSERT_EQ(script->Messages().size(), 3u);
  EXPECT_TRUE(script->Messages()[1].contains("drilgeo2"));
  EXPECT_TRUE(script->Messages()[2].contains("drilgeo2"));
  EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace zv::chart
