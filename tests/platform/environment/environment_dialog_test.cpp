#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPushButton>

#include "framework/prompts/scripted_prompts.h"
#include "platform/data/environment.h"
#include "platform/environment/environment_dialog.h"

using namespace zv;

namespace {

// The dialog's folder fields in their order: fonts, working, libraries.
QList<QLineEdit*> Fields(QDialog& dialog) { return dialog.findChildren<QLineEdit*>(); }

}  // namespace

TEST(EnvironmentDialog, OkStoresTheFoldersAndCancelKeepsThem) {
  prompt::ScopedScriptedPrompts script;
  const std::string libraries = BasGetEnvironment()->path(env::kSystemLibraryFolder);
  ASSERT_FALSE(libraries.empty());

  script->AnswerDialog([](QDialog& d) {
    Fields(d)[1]->setText("/data/工作");
    Fields(d)[2]->setText("/data/slib");
    d.accept();
    return -1;
  });
  EXPECT_EQ(BasEnvironmentDialog(nullptr), 1);
  BasReloadEnvironment();  // what was stored is in the settings file
  EXPECT_EQ(BasGetEnvironment()->path(env::kWorkingFolder), "/data/工作");
  EXPECT_EQ(BasGetEnvironment()->path(env::kSystemLibraryFolder), "/data/slib");

  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(Fields(d)[2]->text(), "/data/slib");  // shows the current folders
    Fields(d)[2]->setText("/elsewhere");
    d.reject();
    return -1;
  });
  EXPECT_EQ(BasEnvironmentDialog(nullptr), 0);
  EXPECT_EQ(BasGetEnvironment()->path(env::kSystemLibraryFolder), "/data/slib");
}

TEST(EnvironmentDialog, BrowseTakesTheChosenFolderAndATooLongPathKeepsItOpen) {
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([&](QDialog& d) {
    script->AnswerFolder("/picked/fonts");
    d.findChildren<QPushButton*>()[0]->click();
    EXPECT_EQ(Fields(d)[0]->text(), "/picked/fonts");
    Fields(d)[1]->setText(QString(200, QLatin1Char('a')));
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);  // still open
    return -1;
  });
  EXPECT_EQ(BasEnvironmentDialog(nullptr), 0);
  EXPECT_EQ(script->Messages(), std::vector<QString>{"目录路径太长，请选择较短的路径。"});
  EXPECT_NE(BasGetEnvironment()->path(env::kChineseFontFolder), "/picked/fonts");
}
