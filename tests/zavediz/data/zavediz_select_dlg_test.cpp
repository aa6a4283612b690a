#include "zavediz/data/zavediz_select_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "framework/prompts/scripted_prompts.h"
#include "tests/framework/odbc/borehole_db_fixture.h"

namespace zv::zavediz {
namespace {

class SectionChooserTest : public testing::Test {
 protected:
  void SetUp() override { test::RegisterFixtureDb(); }

  static QComboBox* Combo(QDialog& d) { return d.findChild<QComboBox*>("mineArea"); }
  static QListWidget* List(QDialog& d) { return d.findChild<QListWidget*>("sections"); }
  static QLineEdit* Section(QDialog& d) { return d.findChild<QLineEdit*>("section"); }
  // Types (or picks) a mine-area text and leaves the combo.
  static void LeaveCombo(QDialog& d, const QString& text) {
    Combo(d)->setEditText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Combo(d)->lineEdit(), &out);
  }
  static QStringList Items(QDialog& d) {
    QStringList items;
    for (int i = 0; i < List(d)->count(); ++i) items << List(d)->item(i)->text();
    return items;
  }
  prompt::ScopedScriptedPrompts script;
};

TEST_F(SectionChooserTest, ListsTheMineAreasAndTheSortedSectionsOfTheAreaLeft) {
  CZavedizSelectDlg d(nullptr, "kof");
  d.show();
  QStringList areas;
  for (int i = 0; i < Combo(d)->count(); ++i) areas << Combo(d)->itemText(i);
  EXPECT_EQ(areas, (QStringList{"1001  金山矿区", "20  小矿区", "3001  重复矿区"})) << "in row order";
  EXPECT_EQ(Combo(d)->currentText(), "");
  EXPECT_EQ(List(d)->count(), 0);

  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(Items(d), (QStringList{"12", "3", "4'1", "5"})) << "sorted as texts";
  QListWidgetItem* three = List(d)->findItems("3", Qt::MatchExactly).value(0);
  ASSERT_NE(three, nullptr);
  QTest::mouseClick(List(d)->viewport(), Qt::LeftButton, {}, List(d)->visualItemRect(three).center());
  EXPECT_EQ(Section(d)->text(), "3");
  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(Items(d).size(), 4) << "the same area twice lists its sections once";
  EXPECT_EQ(Section(d)->text(), "") << "the section box is emptied with its list";
  LeaveCombo(d, "1001");
  EXPECT_EQ(Items(d).size(), 4) << "a typed code works without a minefile row";
  LeaveCombo(d, "20  小矿区");
  EXPECT_EQ(Items(d), QStringList{"1"}) << "a two-character code keeps its two blanks";
  LeaveCombo(d, "9999");
  EXPECT_EQ(List(d)->count(), 0);
  EXPECT_TRUE(script->Messages().empty());
}

TEST_F(SectionChooserTest, OkHandsBackTheTextsAndCancelNothing) {
  CZavedizSelectDlg d(nullptr, "kof");
  d.show();
  LeaveCombo(d, "1001  金山矿区");
  Section(d)->setText("4'1");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.mineArea(), "1001  金山矿区");
  EXPECT_EQ(d.section(), "4'1");

  CZavedizSelectDlg none(nullptr, "kof");
  none.show();
  LeaveCombo(none, "20  小矿区");
  none.accept();
  EXPECT_EQ(none.section(), "") << "OK does not insist on a section";

  CZavedizSelectDlg cancelled(nullptr, "kof");
  cancelled.show();
  LeaveCombo(cancelled, "1001  金山矿区");
  cancelled.reject();
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_EQ(cancelled.section(), "");
}

TEST_F(SectionChooserTest, DataSourceErrorsAreToldAndTheDialogGoesOn) {
  test::RegisterFixtureDb("DROP TABLE pmddcoor;");
  CZavedizSelectDlg d(nullptr, "kof");
  d.show();
  EXPECT_EQ(Combo(d)->count(), 3);
  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(List(d)->count(), 0);
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].contains("pmddcoor")) << script->Messages()[0].toStdString();

  CZavedizSelectDlg absent(nullptr, "nothere");
  EXPECT_EQ(Combo(absent)->count(), 0);
  LeaveCombo(absent, "1001");
  EXPECT_EQ(List(absent)->count(), 0);
  EXPECT_EQ(script->Messages().size(), 2u) << "a failed connect is told once";
}

}  // namespace
}  // namespace zv::zavediz
