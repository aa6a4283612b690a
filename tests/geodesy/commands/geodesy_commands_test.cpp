#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <algorithm>
#include <filesystem>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/prompts/scripted_prompts.h"
#include "geodesy/commands/geodesy_commands.h"
#include "platform/view/gis_edit_view.h"
#include "tests/support/test_env.h"
#include "tools/edit_aid/edit_aid_commands.h"
#include "views/launch/launch_commands.h"

namespace zv::geodesy {
namespace {

// A view the commands find as they find the tool views.
struct ToolView : CGisEditView, docview::CView {
  std::string_view CommandClass() const override { return "CSecPrjToolView"; }
  QWidget* Widget() override { return this; }
};

TEST(GeodesyCommands, BothToolViewsRunTheDialogsAndTheMenusListThem) {
  RegisterGeodesyCommands();
  tools::RegisterEditAidCommands();
  launch::RegisterToolLaunches();
  prompt::ScopedScriptedPrompts script;
  ToolView view;
  auto cancel = [](QDialog& d) {
    d.reject();
    return -1;
  };
  script->AnswerDialog(cancel);
  EXPECT_EQ(cmd::Execute({&view}, 33384), cmd::RunResult::kRan);
  script->AnswerDialog(cancel);
  EXPECT_EQ(cmd::Execute({&view}, 33567), cmd::RunResult::kRan);
  script->AnswerDialog(cancel);
  EXPECT_EQ(cmd::Execute({&view}, 33571), cmd::RunResult::kRan);
  // Modes 16 and -12 of the edit-aid tool run their dialogs at once.
  script->AnswerDialog(cancel);
  EXPECT_EQ(cmd::Execute({&view}, 33511), cmd::RunResult::kRan);
  script->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>("folder")->setText(QString::fromStdString(test::TempRoot()));
    d.accept();
    return -1;
  });
  EXPECT_EQ(cmd::Execute({&view}, 33442), cmd::RunResult::kRan);
  std::vector<QString> titles;
  for (const auto& asked : script->asked()) titles.push_back(asked.text);
  EXPECT_EQ(titles, (std::vector<QString>{"新旧图幅号转换", "7参数转换", "高斯投影正反算", "矿区坐标点", "储量核查目录文件生成"}));
  // No application runs here, so the project is written and not opened.
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(test::TempRoot()) / "A000000000" / "H1110000J001.mpj"));

  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection}) {
    const auto rows = cmd::Menus().RowsOf(menu);
    for (int id : {33384, 33442, 33511, 33567, 33571})
      EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [id](const cmd::MenuRow& r) { return r.id == id; })) << id;
  }
}

}  // namespace
}  // namespace zv::geodesy
