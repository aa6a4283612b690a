#include "zavediz/data/mine_area_combo.h"

#include <QEvent>
#include <QLineEdit>

#include "framework/prompts/prompts.h"

namespace zv::zavediz {

MineAreaCombo::MineAreaCombo(QWidget* parent, std::function<void()> onLeave)
    : QComboBox(parent), onLeave_(std::move(onLeave)) {
  setObjectName("mineArea");
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  lineEdit()->installEventFilter(this);
}

void MineAreaCombo::Fill(chart::BoreholeCatalog& catalog, const std::string& dataSource) {
  std::string error;
  if (!catalog.Open(dataSource, &error)) {
    TellDatabaseError(error);
    return;
  }
  for (const std::string& entry : catalog.MineAreas(&error)) addItem(QString::fromStdString(entry));
  if (!error.empty()) TellDatabaseError(error);
  setCurrentIndex(-1);
  setEditText(QString());
}

bool MineAreaCombo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::FocusOut && onLeave_) onLeave_();
  return QComboBox::eventFilter(watched, event);
}

void TellDatabaseError(const std::string& error) {
  prompt::Message(QString::fromStdString(error), prompt::kIconStop);
}

}  // namespace zv::zavediz
