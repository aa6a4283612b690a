#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "framework/prompts/scripted_prompts.h"
#include "geodesy/sheet/sheet_number_dlg.h"
#include "tests/geodesy/find_child.h"

namespace zv::sheet {
namespace {

template <class W = QLineEdit>
W* Find(QDialog& d, const char* name) { return test::Find<W>(d, name); }
QString Text(QDialog& d, const char* name) { return Find(d, name)->text(); }

TEST(SheetNumberDialog, ComputeFillsTheFormsAndStaysOpen) {
  CSheetNumberDlg d;
  EXPECT_EQ(Text(d, "lon"), "114.5625");
  EXPECT_FALSE(Find(d, "lon")->isReadOnly());
  EXPECT_TRUE(Find(d, "newNumber")->isReadOnly());
  Find<QPushButton>(d, "compute")->click();
  EXPECT_EQ(Text(d, "newNumber"), "J50G015010");
  EXPECT_EQ(Text(d, "oldNumber"), "J-50-14-(50)");
  EXPECT_EQ(Text(d, "lonRange"), "114°33′45.00″--114°37′30.00″");
  EXPECT_EQ(Text(d, "latDifference"), "0°2′30.00″");
  EXPECT_EQ(Text(d, "name"), "");
  EXPECT_EQ(d.result(), 0);

  Find<QRadioButton>(d, "mode3")->click();
  EXPECT_FALSE(Find(d, "newNumber")->isReadOnly());
  EXPECT_TRUE(Find(d, "lon")->isReadOnly());
  Find(d, "newNumber")->setText("j50");
  Find<QPushButton>(d, "compute")->click();
  EXPECT_EQ(Find<QComboBox>(d, "scale")->currentText(), "1000000");
  EXPECT_EQ(Text(d, "latRange"), "36°0′0.00″--40°0′0.00″");
}

TEST(SheetNumberDialog, LeavingAnEditConvertsBetweenDegreesAndPackedAndRefusalsAreTold) {
  prompt::ScopedScriptedPrompts script;
  CSheetNumberDlg d;
  Find(d, "lon")->setText("117.5");
  emit Find(d, "lon")->editingFinished();
  EXPECT_EQ(Text(d, "lonPacked"), "1173000.000000");
  Find(d, "latPacked")->setText("392230");
  emit Find(d, "latPacked")->editingFinished();
  EXPECT_EQ(Text(d, "lat"), "39.375");
  Find(d, "latPacked")->setText("396000");  // 60 minutes: left alone
  emit Find(d, "latPacked")->editingFinished();
  EXPECT_EQ(Text(d, "lat"), "39.375");

  Find<QRadioButton>(d, "mode2")->click();
  Find<QPushButton>(d, "compute")->click();
  EXPECT_EQ(script->Messages(), std::vector<QString>{"经纬度格式不正确！"});
  EXPECT_EQ(Text(d, "newNumber"), "");
  Find<QRadioButton>(d, "mode4")->click();
  Find(d, "oldNumber")->setText("J-50-144");
  Find<QPushButton>(d, "compute")->click();
  EXPECT_EQ(Text(d, "newNumber"), "J50D012012");
  Find<QPushButton>(d, "quit")->click();
  EXPECT_EQ(d.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace zv::sheet
