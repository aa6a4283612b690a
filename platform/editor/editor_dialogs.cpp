#include "platform/editor/editor_dialogs.h"

#include <QInputDialog>

#include "framework/prompts/prompts.h"

namespace zv::editor {

bool AskText(const QString& title, const QString& label, QString* text) {
  QInputDialog dialog(prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setTextValue(*text);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return false;
  *text = dialog.textValue();
  return true;
}

bool AskNumber(const QString& title, const QString& label, double* value, int decimals) {
  QInputDialog dialog(prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setInputMode(QInputDialog::DoubleInput);
  dialog.setDoubleDecimals(decimals);
  dialog.setDoubleRange(-1e12, 1e12);
  dialog.setDoubleValue(*value);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return false;
  *value = dialog.doubleValue();
  return true;
}

bool AskChoice(const QString& title, const QString& label, const QStringList& choices, int* index) {
  QInputDialog dialog(prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  dialog.setLabelText(label);
  dialog.setComboBoxItems(choices);
  dialog.setComboBoxEditable(false);
  if (*index >= 0 && *index < choices.size()) dialog.setTextValue(choices[*index]);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return false;
  const int chosen = static_cast<int>(choices.indexOf(dialog.textValue()));
  if (chosen < 0) return false;
  *index = chosen;
  return true;
}

}  // namespace zv::editor
