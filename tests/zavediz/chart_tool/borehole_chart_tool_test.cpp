#include "zavediz/chart_tool/borehole_chart_tool.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/gis_edit_view.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "tests/zavediz/chart_tool/chart_tool_scripts.h"
#include "zavediz/chart_tool/borehole_chart_commands.h"

namespace fs = std::filesystem;

namespace zv::chart {
namespace {

class ChartToolTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterBoreholeChartCommands();  // puts the tool class in the factory
    CurrentFilePath().clear();
    view.resize(400, 300);
    folder = test::TempRoot() + "/out";
    fs::create_directories(folder);
  }
  ChartAreas Areas() { return {view.GetCurrentLinArea(), view.GetCurrentPntArea(), view.GetCurrentRegArea()}; }

  prompt::ScopedScriptedPrompts script;
  CGisEditView view;
  std::string folder;
};

TEST_F(ChartToolTest, CommandDrawsTheChosenHolesAndWritesTheirProjects) {
  const std::string db = test::RegisterFixtureDb();
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"ZK01", "ZK03"}));
  Settings().outerWidth = 0.8f;
  ASSERT_TRUE(LaunchBoreholeChart(view, 33156));
  Settings().outerWidth = 0.5f;
  EXPECT_TRUE(script->Messages().empty()) << script->Messages()[0].toStdString();
  for (const char* hole : {"ZK01", "ZK03"})
    for (const char* ext : {".mpj", ".wt", ".wl", ".wp"})
      EXPECT_TRUE(fs::exists(folder + "/" + hole + ext)) << hole << ext;
  EXPECT_TRUE(test::FindText(view.GetCurrentPntArea(), "孔    号:ZK03").found);
  EXPECT_EQ(CurrentFilePath().toStdString(), db);
  // The outer lines take the [ZK] "outw" width of the settings.
  int32_t live = 0, bound = 0, outer = 0;
  BasGetLineCount(view.GetCurrentLinArea(), &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    LIN_INFO info;
    if (BasReadLineParam(view.GetCurrentLinArea(), id, &info) && info.width() == 0.8f) ++outer;
  }
  EXPECT_GT(outer, 0);
  ASSERT_NE(view.GetExtTool(), nullptr);
  EXPECT_STREQ(view.GetExtTool()->OperationName(), "画柱状图胡子往下拉");
  view.RButtonUp(0, {10, 10});
  EXPECT_EQ(view.GetExtTool(), nullptr) << "the right button ends the tool";
}

TEST_F(ChartToolTest, EachLaunchRowDrawsItsModeAndOtherIdsAreNotLaunched) {
  test::RegisterFixtureDb();
  const struct {
    int id;
    const char* golden;
  } rows[] = {{33156, "borehole/zk01_downward.txt"}, {32913, "borehole/zk01_even.txt"}, {33158, "borehole/zk01_upward.txt"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.id);
    script->AnswerDialog(SaveFolder(""));
    script->AnswerMessage(prompt::kAnswerOk);
    script->AnswerDialog(Choose("1001  金山矿区", {"ZK01"}));
    ASSERT_TRUE(LaunchBoreholeChart(view, row.id));
    test::ExpectMatchesGolden(test::DumpChart(Areas()), row.golden);
  }
  EXPECT_FALSE(LaunchBoreholeChart(view, 32989));
  EXPECT_EQ(script->Messages(), std::vector<QString>(3, "没有设置保存路径，请手工保存文件！！！"))
      << "cancelled folders draw without files";
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ChartToolTest, DataSourceProblemsEndTheRunBeforeAnyQuestion) {
  const struct {
    const char* name;
    std::map<std::string, std::string> keys;
    const char* message;
  } cases[] = {{"absent", {}, "请先注册数据源！！！"},
               {"neither key", {{"Description", "x"}}, "读取数据源错误！"},
               {"file missing", {{"Database", test::TempRoot() + "/none.sqlite"}}, "打开数据源失败"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    prompt::ScopedScriptedPrompts local;
    test::WriteDataSource(c.keys.empty() ? "other" : "kof", c.keys);
    LaunchBoreholeChart(view, 33156);
    ASSERT_EQ(local->asked().size(), 1u) << "no folder or chooser asked";
    ASSERT_EQ(local->Messages().size(), 1u);
    EXPECT_TRUE(local->Messages()[0].startsWith(c.message)) << local->Messages()[0].toStdString();
  }
}

TEST_F(ChartToolTest, CancelledChooserDrawsNothingAndAFailedHoleWritesNothing) {
  test::RegisterFixtureDb();
  BasAppendPoint(view.GetCurrentPntArea(), {1, 1}, "keep", PNT_INFO{});
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog([](QDialog&) { return int(QDialog::Rejected); });
  LaunchBoreholeChart(view, 33158);
  EXPECT_TRUE(test::FindText(view.GetCurrentPntArea(), "keep").found);

  EXPECT_EQ(script->asked().size(), 2u) << "folder and chooser, no message";

  // A read failure is told per hole, and nothing is written for that hole.
  test::RegisterFixtureDb("DROP TABLE geolayercolor;");
  script->AnswerDialog(SaveFolder(QString::fromStdString(folder)));
  script->AnswerDialog(Choose("1001  金山矿区", {"ZK01", "ZK03"}));
  LaunchBoreholeChart(view, 33156);
  ASSERT_EQ(script->Messages().size(), 2u);
  EXPECT_TRUE(script->Messages()[1].contains("geolayercolor"));
  EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace zv::chart
