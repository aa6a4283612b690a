#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/scripted_prompts.h"
#include "geodesy/commands/geodesy_commands.h"
#include "tests/support/test_env.h"

namespace zv::geodesy {
namespace {

struct ToolView : cmd::CommandTarget {
  std::string_view CommandClass() const override { return "CSecPrjToolView"; }
};

TEST(GeodesyCommands, BothToolViewsRunTheDialogsAndTheMenusListThem) {
  RegisterGeodesyCommands();
  prompt::ScopedScriptedPrompts script;
  ToolView view;
  script->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  EXPECT_EQ(cmd::Execute({&view}, 33384), cmd::RunResult::kRan);
  script->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("folder")->setText(QString::fromStdString(test::TempRoot()));
    d.accept();
    return -1;
  });
  EXPECT_EQ(cmd::Execute({&view}, 33442), cmd::RunResult::kRan);
  script->AnswerDialog([](QDialog& d) {
    d.reject();
    return -1;
  });
  EXPECT_EQ(cmd::Execute({&view}, 33511), cmd::RunResult::kRan);
  ASSERT_EQ(script->asked().size(), 3u);
  EXPECT_EQ(script->asked()[2].text, "矿区坐标点");
  EXPECT_EQ(script->asked()[0].text, "新旧图幅号转换");
  EXPECT_EQ(script->asked()[1].text, "储量核查目录文件生成");
  // No application runs here, so the project is written and not opened.
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(test::TempRoot()) / "A000000000" / "H1110000J001.mpj"));

  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    const auto rows = cmd::Menus().RowsOf(menu);
    for (int id : {33384, 33442, 33511, 33571})
      EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [id](const cmd::MenuRow& r) { return r.id == id; })) << id;
  }
}

}  // namespace
}  // namespace zv::geodesy
