#pragma once
// The modeless calculator window "数学表达式计算器": the user types or clicks
// together an expression and "=" (or the return key, or "计算结果:") shows its
// value without closing the window. Closing tells both tool views, through the
// pane window table, that the calculator is gone, and the window deletes
// itself (so it is always made with new, as OpenBeside does). Controls carry the object name "control<id>" with the dialog's ids
// (1160 expression, 1118 result, 1181 "计算结果:", 1 "=", the keypad's own).

#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zv::annot {

class CCalculatorDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCalculatorDlg(QWidget* parent = nullptr);

  // Creates and shows a calculator at the top-left corner of `view`.
  static CCalculatorDlg* OpenBeside(QWidget* view);

  QString Expression() const;
  QString Result() const;

  // Replaces the selection with `text`; when nothing stays selected the caret
  // then moves by `caretMove` characters.
  void InsertText(const QString& text, int caretMove);
  // "DEL": removes the one character before the start of the selection.
  void DeleteBeforeCaret();
  // "AC": empties the expression and shows "0" as the result.
  void ClearAll();
  // "=": shows the value or the error text, then selects the whole expression.
  void Evaluate();

  // "=" and the return key evaluate; the window stays open.
  void accept() override;
  // Escape and the close box: tell the tool views, then go.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();

  QPlainTextEdit* expression_ = nullptr;
  QLineEdit* result_ = nullptr;
};

}  // namespace zv::annot
