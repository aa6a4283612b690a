#pragma once
// The push buttons of the panels' dialogs as rows of data: each is named
// "control<id>" by its dialog id, placed where its row says, and never the
// dialog's automatic default (a dialog names its default itself).

#include <QDialog>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>

namespace zv::panels {

inline QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

struct ButtonRow {
  int id;
  const char* text;
  QRect at;
  std::function<void()> run;
};

inline void AddButtons(QDialog& dialog, std::initializer_list<ButtonRow> rows) {
  for (const ButtonRow& row : rows) {
    auto* button = new QPushButton(QString::fromUtf8(row.text), &dialog);
    button->setObjectName(ControlName(row.id));
    button->setGeometry(row.at);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog, row.run);
  }
}

}  // namespace zv::panels
