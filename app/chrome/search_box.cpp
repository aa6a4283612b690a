#include "app/chrome/search_box.h"

#include <QKeyEvent>

namespace zv::chrome {

SearchBox::SearchBox(EnterFn onEnter, QWidget* parent) : QLineEdit(Prompt(), parent), onEnter_(std::move(onEnter)) {
  setObjectName(QStringLiteral("searchBox"));
  setFixedWidth(kSearchBoxWidth);
}

QString SearchBox::Prompt() { return QStringLiteral("输入搜索内容......"); }

void SearchBox::mousePressEvent(QMouseEvent* event) {
  if (!promptCleared_) {
    clear();
    promptCleared_ = true;
  }
  QLineEdit::mousePressEvent(event);
}

void SearchBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (onEnter_ && onEnter_(text())) {
    setText(Prompt());
    promptCleared_ = false;
  }
}

}  // namespace zv::chrome
