#include "app/chrome/search_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace zv::chrome {

SearchBox::SearchBox(EnterFn onEnter, QWidget* parent) : QLineEdit(Prompt(), parent), onEnter_(std::move(onEnter)) {
  setObjectName(QStringLiteral("searchBox"));
  setFixedWidth(kSearchBoxWidth);
}

QString SearchBox::Prompt() { return QStringLiteral("输入搜索内容......"); }

void SearchBox::ClearPrompt() {
  if (promptCleared_) return;
  clear();
  promptCleared_ = true;
}

void SearchBox::mousePressEvent(QMouseEvent* event) {
  ClearPrompt();
  QLineEdit::mousePressEvent(event);
}

// Text typed, pasted or composed while the prompt shows replaces it: the box
// is also reached by the keyboard, and keeps the focus after a search.
void SearchBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty() || !event->preeditString().isEmpty()) ClearPrompt();
  QLineEdit::inputMethodEvent(event);
}

void SearchBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typed || event->matches(QKeySequence::Paste)) ClearPrompt();
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (onEnter_ && onEnter_(text())) {
    setText(Prompt());
    promptCleared_ = false;
  }
}

}  // namespace zv::chrome
