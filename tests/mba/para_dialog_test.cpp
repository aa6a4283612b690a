// The parameter dialog, driven through its test seam.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "mba/bspline_para_dlg.h"
#include "mba/zembrol.h"
#include "tests/mba/para_choice.h"

namespace {

using zembrol::test::ParaChoice;

// Runs SetMultiBSplinePara with the dialog handed to driver instead of a user.
ParaChoice RunDialog(CBSplineParaDlg::Driver driver) {
  CBSplineParaDlg::SetTestDriver(std::move(driver));
  const ParaChoice chosen = zembrol::test::CallSetMultiBSplinePara();
  CBSplineParaDlg::SetTestDriver({});
  return chosen;
}

TEST(MbaParaDialog, ShowsTheDefaultsAndCancelWritesNothing) {
  bool shown = false;
  const ParaChoice chosen = RunDialog([&](CBSplineParaDlg& dialog) {
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
  EXPECT_EQ(chosen, (ParaChoice{.result = 0}));
}

TEST(MbaParaDialog, OkWritesTheEditedValuesAndEveryCallStartsFromTheDefaults) {
  const ParaChoice edited = RunDialog([](CBSplineParaDlg& dialog) {
    dialog.LevelsEdit()->setText("6");
    dialog.MEdit()->setText("12");
    dialog.NEdit()->setText(" 5 ");
    dialog.CalcInvalidCheck()->setChecked(true);
    dialog.InitMEdit()->setText("20");
    dialog.InitNEdit()->setText("10");
    dialog.OkButton()->click();
  });
  EXPECT_EQ(edited,
            (ParaChoice{.levels = 6, .m = 12, .n = 5, .calcInvalid = 1, .initM = 20, .initN = 10, .result = 1}));

  const ParaChoice untouched = RunDialog([](CBSplineParaDlg& dialog) { dialog.OnOK(); });
  EXPECT_EQ(untouched,
            (ParaChoice{.levels = 4, .m = 8, .n = 8, .calcInvalid = 0, .initM = 0, .initN = 0, .result = 1}));
}

TEST(MbaParaDialog, BadValuesKeepTheDialogOpenWithAMessage) {
  const ParaChoice chosen = RunDialog([](CBSplineParaDlg& dialog) {
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
  EXPECT_EQ(chosen, (ParaChoice{.levels = 100, .m = 8, .n = 8, .calcInvalid = 0, .initM = 2, .initN = 0, .result = 1}));
}

TEST(MbaParaDialog, DialogLeftOpenByTheDriverIsCancelled) {
  const ParaChoice chosen = RunDialog([](CBSplineParaDlg& dialog) { dialog.LevelsEdit()->setText("0"); });
  EXPECT_EQ(chosen.result, 0);
  EXPECT_EQ(chosen.levels, -1);
}

}  // namespace
