#pragma once
// The OK / Cancel row at the foot of the program's modal dialogs.

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>

namespace zv {

// Adds an OK / Cancel row to `layout` that accepts or rejects `dialog`.
inline QDialogButtonBox* AddOkCancelButtons(QDialog& dialog, QBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return buttons;
}

}  // namespace zv
