#pragma once
// The search box of the window toolbar: it shows the prompt "输入搜索内容......"
// until the first click, or the first text typed, pasted or composed into it,
// empties it; Enter hands the text to `onEnter`, which answers whether the
// search went out (then the prompt comes back).

#include <QLineEdit>
#include <functional>

namespace zv::chrome {

inline constexpr int kSearchBoxWidth = 200;

class SearchBox : public QLineEdit {
 public:
  using EnterFn = std::function<bool(const QString& text)>;
  explicit SearchBox(EnterFn onEnter, QWidget* parent = nullptr);

  static QString Prompt();
  bool promptCleared() const { return promptCleared_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ClearPrompt();

  EnterFn onEnter_;
  bool promptCleared_ = false;
};

}  // namespace zv::chrome
