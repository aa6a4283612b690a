#pragma once
// Scripts for the dialogs of a chart run: the save-path dialog and the hole
// chooser.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>

#include "framework/prompts/scripted_prompts.h"

namespace zv::chart {

// The save-path dialog: OK with the folder, or cancel for an empty one.
inline prompt::ScriptedPrompts::DialogScript SaveFolder(QString folder) {
  return [=](QDialog& d) {
    if (folder.isEmpty()) return int(QDialog::Rejected);
    EXPECT_EQ(d.findChild<QLineEdit*>("control1200")->text(), "本处不需要设置文件名称");
    EXPECT_FALSE(d.findChild<QLineEdit*>("control1200")->isEnabled());
    d.findChild<QLineEdit*>("control1117")->setText(folder);
    d.accept();
    return -1;
  };
}

// Chooses the mine area, the holes and the scale, then OK.
inline prompt::ScriptedPrompts::DialogScript Choose(QString area, QStringList holes, QString scale = "500") {
  return [=](QDialog& d) {
    auto* combo = d.findChild<QComboBox*>("mineArea");
    combo->setEditText(area);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(combo->lineEdit(), &out);
    auto* list = d.findChild<QListWidget*>("holes");
    for (const QString& hole : holes) list->findItems(hole, Qt::MatchExactly).value(0)->setSelected(true);
    d.findChild<QLineEdit*>("scale")->setText(scale);
    d.accept();
    return -1;
  };
}

}  // namespace zv::chart
