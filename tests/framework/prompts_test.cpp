#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "framework/prompts/file_filter.h"
#include "framework/prompts/prompts.h"
#include "framework/prompts/scripted_prompts.h"

using namespace zv::prompt;

TEST(Prompts, ScriptedAnswersAreTakenInOrderAndRecorded) {
  ScopedScriptedPrompts script;
  script->AnswerMessage(kAnswerNo);
  script->AnswerFiles({"/data/a.wl", "/data/b.wp"});
  script->AnswerFolder("/data/out");

  EXPECT_EQ(Message("保存修改吗？", kYesNoCancel | kIconQuestion), kAnswerNo);
  FileRequest request;
  request.title = "打开MapGis文件";
  request.multiple = true;
  EXPECT_EQ(Current().ChooseFiles(request), QStringList({"/data/a.wl", "/data/b.wp"}));
  EXPECT_EQ(Current().ChooseFolder("选择文件夹", "/data"), "/data/out");
  // Nothing queued: the first button of a box, cancel for a picker.
  EXPECT_EQ(Message("数据错误", kOk), kAnswerOk);
  EXPECT_EQ(Message("继续吗？", kYesNo), kAnswerYes);
  EXPECT_TRUE(ChooseFile(request).isEmpty());

  ASSERT_EQ(script->asked().size(), 6u);
  EXPECT_EQ(script->asked()[0].text, "保存修改吗？");
  EXPECT_EQ(script->asked()[0].caption, "zavediz");
  EXPECT_EQ(script->asked()[0].style, unsigned(kYesNoCancel | kIconQuestion));
  EXPECT_EQ(script->asked()[1].kind, ScriptedPrompts::Kind::Files);
  EXPECT_EQ(script->asked()[1].files.title, "打开MapGis文件");
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"保存修改吗？", "数据错误", "继续吗？"}));
}

TEST(Prompts, AnswerOfTheWrongKindIsAScriptError) {
  ScopedScriptedPrompts script;
  script->AnswerFolder("/x");
  EXPECT_THROW(Message("?"), std::logic_error);
}

TEST(Prompts, DialogScriptFillsAndPressesTheDialogsOwnButtons) {
  ScopedScriptedPrompts script;
  QDialog dialog;
  dialog.setWindowTitle("输入数值");
  auto* edit = new QLineEdit(&dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(edit);
  layout->addWidget(buttons);

  script->AnswerDialog([](QDialog& d) {
    d.findChild<QLineEdit*>()->setText("12.5");
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    return -1;
  });
  EXPECT_EQ(Current().Exec(dialog), QDialog::Accepted);
  EXPECT_EQ(edit->text(), "12.5");
  EXPECT_EQ(Current().Exec(dialog), QDialog::Rejected);  // nothing queued: cancelled
  ASSERT_EQ(script->asked().size(), 2u);
  EXPECT_EQ(script->asked()[0].text, "输入数值");
}

TEST(Prompts, ScopedScriptPutsThePreviousSeamBack) {
  ScopedScriptedPrompts outer;
  {
    ScopedScriptedPrompts inner;
    Message("inner");
    EXPECT_EQ(inner->asked().size(), 1u);
  }
  Message("outer");
  EXPECT_EQ(outer->Messages(), std::vector<QString>{"outer"});
}

TEST(Prompts, FiltersBecomeQtFiltersMatchingEitherCase) {
  EXPECT_EQ(ToQtFilter("Data Files(*.MDB)|*.MDB|All Files(*.*)|*.*||"),
            "Data Files(*.MDB) (*.MDB *.mdb);;All Files(*.*) (*)");
  EXPECT_EQ(ToQtFilter("All MapGis Files (*.wt,*.wl,*.wp,*.mpj)|*.wt;*.wl;*.wp;*.MPJ||"),
            "All MapGis Files (*.wt,*.wl,*.wp,*.mpj) (*.wt *.WT *.wl *.WL *.wp *.WP *.MPJ *.mpj)");
  EXPECT_EQ(ToQtFilter(""), "");
}

TEST(Prompts, MainWindowIsForgottenWhenItCloses) {
  EXPECT_EQ(GetMainWnd(), nullptr);
  {
    QWidget window;
    SetMainWindow(&window);
    EXPECT_EQ(GetMainWnd(), &window);
  }
  EXPECT_EQ(GetMainWnd(), nullptr);
}
