#include "zavediz/chart_tool/borehole_select_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "framework/prompts/scripted_prompts.h"
#include "tests/framework/odbc/borehole_db_fixture.h"

namespace zv::chart {
namespace {

class ChooserTest : public testing::Test {
 protected:
  void SetUp() override { test::RegisterFixtureDb(); }

  static QComboBox* Combo(QDialog& d) { return d.findChild<QComboBox*>("mineArea"); }
  static QListWidget* List(QDialog& d) { return d.findChild<QListWidget*>("holes"); }
  static QLineEdit* Edit(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name); }
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
  static void ClickHole(QDialog& d, const QString& hole) {
    QListWidget* list = List(d);
    QListWidgetItem* item = list->findItems(hole, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << hole.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  prompt::ScopedScriptedPrompts script;
};

TEST_F(ChooserTest, OpensWithTheMineAreasAndListsHolesWhenTheComboIsLeft) {
  CBoreholeSelectDlg d(nullptr, "kof");
  d.show();
  QStringList areas;
  for (int i = 0; i < Combo(d)->count(); ++i) areas << Combo(d)->itemText(i);
  EXPECT_EQ(areas, (QStringList{"1001  金山矿区", "20  小矿区", "3001  重复矿区"}));
  EXPECT_EQ(List(d)->count(), 0);

  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(Items(d), (QStringList{"ZK'02", "ZK01", "ZK03"})) << "sorted";
  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(Items(d).size(), 3) << "the same area twice lists its holes once";
  LeaveCombo(d, "1001");
  EXPECT_EQ(Items(d).size(), 3) << "a typed code works without a minefile row";
  LeaveCombo(d, "20  小矿区");
  EXPECT_EQ(Items(d), QStringList{"ZK21"}) << "a two-character code keeps its two blanks";
  LeaveCombo(d, "3001  重复矿区");
  EXPECT_EQ(Items(d), (QStringList{"ZK31", "ZK31"}));
  ClickHole(d, "ZK31");
  EXPECT_EQ(Edit(d, "detail1")->text(), "second") << "of duplicate rows the last read wins";
  EXPECT_TRUE(script->Messages().empty());
}

// A database filled on Chinese Windows keeps the mine code 金山 as GBK bytes:
// the code picked from the list still lists its holes and their details.
TEST_F(ChooserTest, AMineCodeStoredAsGbkBytesListsItsHoles) {
  test::RegisterFixtureDb(
      "UPDATE minefile SET 矿区代码 = CAST(X'BDF0C9BD' AS TEXT) WHERE 矿区代码 = '1001';"
      "UPDATE zkinfok SET 矿区代码 = CAST(X'BDF0C9BD' AS TEXT) WHERE 矿区代码 = '1001';");
  CBoreholeSelectDlg d(nullptr, "kof");
  d.show();
  EXPECT_EQ(Combo(d)->itemText(0), "金山  金山矿区");
  LeaveCombo(d, Combo(d)->itemText(0));
  EXPECT_EQ(Items(d), (QStringList{"ZK'02", "ZK01", "ZK03"}));
  ClickHole(d, "ZK01");
  EXPECT_FALSE(Edit(d, "detail1")->text().isEmpty());
  EXPECT_TRUE(script->Messages().empty());
}

TEST_F(ChooserTest, OkReturnsTheHolesInListOrderAndDeselectingStillShowsDetails) {
  CBoreholeSelectDlg d(nullptr, "kof");
  d.show();
  LeaveCombo(d, "1001  金山矿区");
  ClickHole(d, "ZK'02");
  ClickHole(d, "ZK03");
  ClickHole(d, "ZK01");
  EXPECT_EQ(Edit(d, "detail0")->text(), "ZK01");
  EXPECT_EQ(Edit(d, "detail8")->text(), "60°20′");
  EXPECT_EQ(Edit(d, "detail13")->text(), "A-1");
  ClickHole(d, "ZK03");  // deselects
  EXPECT_EQ(Edit(d, "detail0")->text(), "ZK03");
  ClickHole(d, "ZK03");
  Edit(d, "scale")->setText("500");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.selectedHoles(), (QStringList{"ZK'02", "ZK01", "ZK03"}));
  EXPECT_EQ(d.scale(), 500);
  EXPECT_EQ(d.mineArea(), "1001  金山矿区");
}

TEST_F(ChooserTest, OkStaysOpenForABadScaleOrNoHole) {
  CBoreholeSelectDlg d(nullptr, "kof");
  d.show();
  LeaveCombo(d, "1001  金山矿区");
  for (const char* scale : {"99", "1001", "abc", ""}) {
    Edit(d, "scale")->setText(scale);
    d.accept();
    EXPECT_NE(d.result(), QDialog::Accepted) << scale;
  }
  Edit(d, "scale")->setText("1000");
  d.accept();
  EXPECT_NE(d.result(), QDialog::Accepted);
  const std::vector<QString> expected = {
      "请输入一个介于 100 和 1000 之间的整数。", "请输入一个介于 100 和 1000 之间的整数。",
      "请输入一个介于 100 和 1000 之间的整数。", "请输入一个介于 100 和 1000 之间的整数。", "请选择你的钻孔！！！"};
  EXPECT_EQ(script->Messages(), expected);
  ClickHole(d, "ZK01");
  d.reject();
  EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(ChooserTest, DataSourceErrorsAreToldAndTheDialogGoesOn) {
  test::RegisterFixtureDb("DROP TABLE zkinfok;");
  CBoreholeSelectDlg d(nullptr, "kof");
  d.show();
  EXPECT_EQ(Combo(d)->count(), 3);
  LeaveCombo(d, "1001  金山矿区");
  EXPECT_EQ(List(d)->count(), 0);
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_TRUE(script->Messages()[0].contains("zkinfok")) << script->Messages()[0].toStdString();

  CBoreholeSelectDlg absent(nullptr, "nothere");
  EXPECT_EQ(Combo(absent)->count(), 0);
  EXPECT_EQ(script->Messages().size(), 2u);
}

}  // namespace
}  // namespace zv::chart
