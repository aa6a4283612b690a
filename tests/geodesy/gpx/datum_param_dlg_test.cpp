#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "framework/prompts/scripted_prompts.h"
#include "geodesy/gpx/datum_param_dlg.h"

namespace zv::gpx {
namespace {

TEST(DatumParamDialog, DefaultsComboAndRefusals) {
  prompt::ScopedScriptedPrompts script;
  CDatumParamDlg d;
  EXPECT_EQ(d.findChild<QLineEdit*>("dx")->text(), "-104.3");
  EXPECT_EQ(d.findChild<QLineEdit*>("scale")->text(), "10000");
  EXPECT_EQ(d.findChild<QComboBox*>("datum")->currentText(), "西安80");
  d.accept();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.values().datum, 80);
  EXPECT_DOUBLE_EQ(d.values().shift.dz, 5.8);

  CDatumParamDlg other;
  other.findChild<QComboBox*>("datum")->setCurrentIndex(0);
  other.findChild<QLineEdit*>("dy")->setText("1,5");
  other.accept();
  EXPECT_EQ(other.result(), QDialog::Rejected);
  EXPECT_EQ(script->Messages(), std::vector<QString>{"请输入数字。"});
  other.findChild<QLineEdit*>("dy")->setText("-60.25");
  other.accept();
  EXPECT_EQ(other.values().datum, 54);
  EXPECT_DOUBLE_EQ(other.values().shift.dy, -60.25);
}

}  // namespace
}  // namespace zv::gpx
