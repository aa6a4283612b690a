// The parameter dialog, driven through its test seam.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "mba/bspline_para_dlg.h"
#include "mba/zembrol.h"

namespace {

struct Chosen {
  int levels = -1;
  int32_t m = -1;
  int32_t n = -1;
  int calcInvalid = -1;
  int32_t initM = -1;
  int32_t initN = -1;
  int32_t result = -1;
};

// Runs SetMultiBSplinePara with the dialog handed to driver instead of a user.
Chosen RunDialog(CBSplineParaDlg::Driver driver) {
  CBSplineParaDlg::SetTestDriver(std::move(driver));
  Chosen chosen;
  chosen.result = CMutilBSplineObj::SetMultiBSplinePara(chosen.levels, chosen.m, chosen.n, chosen.calcInvalid,
                                                        chosen.initM, chosen.initN);
  CBSplineParaDlg::SetTestDriver({});
  return chosen;
}

TEST(MbaParaDialog, ShowsTheDefaultsAndCancelWritesNothing) {
  bool shown = false;
  const Chosen chosen = RunDialog([&](CBSplineParaDlg& dialog) {
    shown = true;
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("多层B-Spline参数设置"));
    EXPECT_EQ(dialog.LevelsEdit()->text(), "4");
    EXPECT_EQ(dialog.MEdit()->text(), "8");
    EXPECT_EQ(dialog.NEdit()->text(), "8");
    EXPECT_FALSE(dialog.CalcInvalidCheck()->isChecked());
    EXPECT_EQ(dialog.CalcInvalidCheck()->text(), QString::fromUtf8("是否计算无效值"));
    EXPECT_EQ(dialog.InitMEdit()->text(), "0");
    EXPECT_EQ(dialog.InitNEdit()->text(), "0");
    EXPECT_EQ(dialog.OkButton()->text(), QString::fromUtf8("确定"));
    EXPECT_EQ(dialog.CancelButton()->text(), QString::fromUtf8("取消"));
    dialog.LevelsEdit()->setText("9");
    dialog.CancelButton()->click();
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(chosen.result, 0);
  EXPECT_EQ(chosen.levels, -1);
  EXPECT_EQ(chosen.m, -1);
  EXPECT_EQ(chosen.initN, -1);
}

TEST(MbaParaDialog, OkWritesTheEditedValuesAndEveryCallStartsFromTheDefaults) {
  const Chosen edited = RunDialog([](CBSplineParaDlg& dialog) {
    dialog.LevelsEdit()->setText("6");
    dialog.MEdit()->setText("12");
    dialog.NEdit()->setText(" 5 ");
    dialog.CalcInvalidCheck()->setChecked(true);
    dialog.InitMEdit()->setText("20");
    dialog.InitNEdit()->setText("10");
    dialog.OkButton()->click();
  });
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.levels, 6);
  EXPECT_EQ(edited.m, 12);
  EXPECT_EQ(edited.n, 5);
  EXPECT_EQ(edited.calcInvalid, 1);
  EXPECT_EQ(edited.initM, 20);
  EXPECT_EQ(edited.initN, 10);

  const Chosen untouched = RunDialog([](CBSplineParaDlg& dialog) { dialog.OnOK(); });
  EXPECT_EQ(untouched.result, 1);
  EXPECT_EQ(untouched.levels, 4);
  EXPECT_EQ(untouched.m, 8);
  EXPECT_EQ(untouched.n, 8);
  EXPECT_EQ(untouched.calcInvalid, 0);
  EXPECT_EQ(untouched.initM, 0);
  EXPECT_EQ(untouched.initN, 0);
}

TEST(MbaParaDialog, BadValuesKeepTheDialogOpenWithAMessage) {
  const Chosen chosen = RunDialog([](CBSplineParaDlg& dialog) {
    dialog.LevelsEdit()->setText("101");
    dialog.OkButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(dialog.Messages().size(), 1);
    EXPECT_EQ(dialog.Messages().back(), QString::fromUtf8("请输入一个介于 1 和 100 之间的整数。"));
    EXPECT_EQ(dialog.LevelsEdit()->selectedText(), "101");

    dialog.LevelsEdit()->setText("100");
    dialog.InitMEdit()->setText("two");
    dialog.OnOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Messages().back(), QString::fromUtf8("请输入一个整数。"));
    EXPECT_EQ(dialog.InitMEdit()->selectedText(), "two");

    dialog.InitMEdit()->setText("2");
    dialog.OnOK();
  });
  EXPECT_EQ(chosen.result, 1);
  EXPECT_EQ(chosen.levels, 100);
  EXPECT_EQ(chosen.initM, 2);
}

TEST(MbaParaDialog, DialogLeftOpenByTheDriverIsCancelled) {
  const Chosen chosen = RunDialog([](CBSplineParaDlg& dialog) { dialog.LevelsEdit()->setText("0"); });
  EXPECT_EQ(chosen.result, 0);
  EXPECT_EQ(chosen.levels, -1);
}

}  // namespace
