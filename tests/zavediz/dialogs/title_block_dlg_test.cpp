#include "zavediz/dialogs/title_block_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <filesystem>

#include "framework/prompts/scripted_prompts.h"
#include "zavediz/dialogs/title_block_file.h"

namespace zv::zavediz {
namespace {

QLineEdit* Box(QDialog& d, const char* name) {
  auto* edit = d.findChild<QLineEdit*>(name);
  EXPECT_NE(edit, nullptr) << name;
  return edit;
}

TEST(TitleBlockDialog, OpensOnTheDefaultsAndOkSavesTheFileAndLeavesTheRows) {
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "设置图签内容");
    EXPECT_EQ(Box(d, "c2r1Height")->text(), "14");
    EXPECT_EQ(Box(d, "c2r3Content")->text(), "2008.10.12");
    EXPECT_EQ(Box(d, "lowestElevation")->text(), "-1");
    EXPECT_FALSE(Box(d, "c2r6Content")->isEnabled()) << "the spare row has no order";
    EXPECT_TRUE(Box(d, "c2r6Order")->isEnabled());
    Box(d, "title")->setText("新图名");
    d.accept();
    return -1;
  });
  CTitleBlockDlg dialog;
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(dialog.Values().title, "新图名");
  EXPECT_DOUBLE_EQ(dialog.Size().height, 57.0);
  EXPECT_EQ(dialog.Rows().rows[1].content, "新图名");
  TitleBlockValues saved;
  ASSERT_TRUE(LoadTitleBlockFile(saved));
  EXPECT_EQ(saved, dialog.Values());
}

TEST(TitleBlockDialog, SizesThatDoNotAddUpOrBadNumbersKeepItOpenAndWriteNothing) {
  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    Box(d, "c1r1Height")->setText("7.5");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    Box(d, "c1r1Height")->setText("7");
    Box(d, "sectionScale")->setText("1:2000");
    d.accept();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    d.reject();
    return -1;
  });
  CTitleBlockDlg dialog;
  EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
  EXPECT_EQ(script->Messages(), (std::vector<QString>{"图签总高度或者总宽度设置不合理！", "请输入一个整数。"}));
  EXPECT_FALSE(std::filesystem::exists(TitleBlockFilePath()));
  EXPECT_EQ(dialog.Values(), DefaultTitleBlock());
}

TEST(TitleBlockDialog, TheFileLoadsThenThePresetTextsOverrideItAndOrderErrorsAreTold) {
  TitleBlockValues stored = DefaultTitleBlock();
  stored.unit = "文件单位";
  stored.column1[0].label = "编制";
  stored.column2[5].order = "29";
  stored.column2[5].height = 0.0;  // counted in the second column
  ASSERT_TRUE(SaveTitleBlockFile(stored));
  TitleBlockPreset preset;
  preset.unit = "预设单位";
  preset.column2[1] = "1000";

  prompt::ScopedScriptedPrompts script;
  script->AnswerDialog([](QDialog& d) {
    EXPECT_EQ(Box(d, "unit")->text(), "预设单位");
    EXPECT_EQ(Box(d, "c1r1Label")->text(), "编制");
    EXPECT_EQ(Box(d, "sectionScale")->text(), "1000");
    EXPECT_TRUE(Box(d, "c2r6Content")->isEnabled());
    d.findChild<QCheckBox*>("saveData")->setChecked(false);
    d.accept();
    return -1;
  });
  CTitleBlockDlg dialog;
  dialog.SetPreset(preset);
  ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
  EXPECT_EQ(script->Messages(), std::vector<QString>{"第二列顺序数字有错误"});
  TitleBlockValues onDisk;
  ASSERT_TRUE(LoadTitleBlockFile(onDisk));
  EXPECT_EQ(onDisk.unit, "文件单位") << "not saved when unchecked";
}

}  // namespace
}  // namespace zv::zavediz
