#include "platform/progress/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>

#include "platform/progress/progress.h"

namespace zv {
namespace {

QProgressDialog* OpenDialog() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) return d;
  return nullptr;
}

TEST(ProgressWindow, ShowsNameSubNameAndPositionAndGoesAwayAtTheEnd) {
  InstallProgressWindow();
  StartProgress("读入文件", true);
  SetSubProgressName("线文件");
  SetRange(0, 200);
  SetPos(100);
  QProgressDialog* dialog = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QProgressDialog*>(w)) dialog = d;
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("读入文件"));
  EXPECT_EQ(dialog->labelText(), QString::fromUtf8("线文件"));
  EXPECT_EQ(dialog->value(), dialog->maximum() / 2);
  dialog->cancel();
  EXPECT_FALSE(SetPos(150));
  EndProgress();
  EXPECT_EQ(OpenDialog(), nullptr);
  InstallProgressSink(nullptr);
}

}  // namespace
}  // namespace zv
