// The expression dialog driven through its controls: composing an
// expression, switching files, the replacement form and a bad abnormal
// value.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "annotation/expression_dlg.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

class ExpressionDlgTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    for (const char* name : {"深度", "高度", "宽度"}) {
      CFIELD_HEAD f;
      f.name = name;
      f.type = kFieldDouble;
      ASSERT_GE(BasInsertField(points_, kPointEntity, f), 0);
    }
    BasAppendPoint(points_, {1, 1}, "", *BasGetDefaultPointParam(0));
    BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 1}}, *BasGetDefaultLineParam());
    BasSetWorkAreaFileName(points_, "/data/孔位.wt");
  }
  template <typename T>
  static T* Control(QDialog& d, int id) {
    return d.findChild<T*>(QString("control%1").arg(id));
  }
  static void PickField(QDialog& d, const char* name) {
    QListWidget* list = Control<QListWidget>(d, 1156);
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).front());
  }
  static QString Expression(QDialog& d) { return Control<QLineEdit>(d, 1160)->text(); }

  prompt::ScopedScriptedPrompts script_;
};

TEST_F(ExpressionDlgTest, FieldsAndOperatorsComposeTheExpression) {
  CExpressionDlg dialog({points_, 0, lines_, regions_});
  QComboBox* files = Control<QComboBox>(dialog, 1157);
  ASSERT_EQ(files->count(), 3);
  EXPECT_EQ(files->itemText(0), "孔位.wt");
  EXPECT_EQ(files->itemText(2), QString("区工作区%1").arg(regions_));
  EXPECT_EQ(Expression(dialog), "ID=");
  Control<QComboBox>(dialog, 1158)->setCurrentText("深度");
  EXPECT_EQ(Expression(dialog), "深度=");
  PickField(dialog, "高度");
  Control<QPushButton>(dialog, 1155)->click();
  PickField(dialog, "宽度");
  EXPECT_EQ(Expression(dialog), "深度=高度+宽度");
  for (int id : {1214, 1215, 1212}) Control<QPushButton>(dialog, id)->click();
  EXPECT_EQ(Expression(dialog), "深度=高度+宽度^!&&");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.choice().area, points_);
  EXPECT_FALSE(dialog.choice().replace);
  EXPECT_EQ(dialog.choice().expression, "深度=高度+宽度^!&&");
  EXPECT_EQ(dialog.choice().field, "深度");
}

TEST_F(ExpressionDlgTest, SwitchingFilesResetsTheExpressionAndShowsTheNewFields) {
  CExpressionDlg dialog({points_, lines_, regions_});
  Control<QComboBox>(dialog, 1157)->setCurrentIndex(1);
  EXPECT_EQ(Expression(dialog), "=");
  EXPECT_EQ(Control<QComboBox>(dialog, 1158)->currentText(), "ID");
  EXPECT_EQ(Control<QListWidget>(dialog, 1156)->count(), 2);  // ID, 长度
  Control<QComboBox>(dialog, 1157)->setCurrentIndex(2);        // no region: no fields
  EXPECT_EQ(Control<QListWidget>(dialog, 1156)->count(), 0);
  EXPECT_EQ(Control<QComboBox>(dialog, 1158)->count(), 0);
  dialog.accept();
  EXPECT_EQ(dialog.choice().area, regions_);
  EXPECT_EQ(dialog.choice().field, "");
}

TEST_F(ExpressionDlgTest, ReplacementSwitchesTheControlsAndABadAbnormalValueKeepsTheDialogOpen) {
  CExpressionDlg dialog({points_});
  EXPECT_FALSE(Control<QLineEdit>(dialog, 1219)->isEnabled());
  Control<QCheckBox>(dialog, 1218)->click();
  EXPECT_TRUE(Control<QLineEdit>(dialog, 1219)->isEnabled());
  EXPECT_FALSE(Control<QLineEdit>(dialog, 1160)->isEnabled());
  EXPECT_FALSE(Control<QListWidget>(dialog, 1156)->isEnabled());
  Control<QLineEdit>(dialog, 1219)->setText("a");
  Control<QLineEdit>(dialog, 1220)->setText("aa");
  Control<QLineEdit>(dialog, 1159)->setText("abc");
  dialog.accept();
  EXPECT_EQ(script_->Messages().size(), 1u);
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  Control<QLineEdit>(dialog, 1159)->setText("-99.5");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.choice().replace);
  EXPECT_EQ(dialog.choice().abnormal, -99.5);
  EXPECT_EQ(dialog.choice().find, "a");
  EXPECT_EQ(dialog.choice().replacement, "aa");
}

}  // namespace
}  // namespace zv::annot
