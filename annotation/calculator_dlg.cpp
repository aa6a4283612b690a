#include "annotation/calculator_dlg.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "annotation/calculator_keypad.h"
#include "annotation/core/expr_calculator.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::annot {
namespace {

constexpr int kDialogWidthUnits = 157;
constexpr int kDialogHeightUnits = 167;
const QColor kEditBackground(143, 0, 255);
const QColor kEditText(255, 255, 255);

// Dialog units: a quarter of the font's average character width across, an
// eighth of its height down.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (metrics.horizontalAdvance(alphabet) / 26.0 + 1) / 2;
    baseY_ = metrics.height();
  }
  int X(int units) const { return qRound(units * baseX_ / 4); }
  int Y(int units) const { return qRound(units * baseY_ / 8); }
  QRect Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y));
  }

 private:
  double baseX_;
  double baseY_;
};

QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

void PaintWhiteOnViolet(QWidget* edit) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, kEditBackground);
  palette.setColor(QPalette::Text, kEditText);
  edit->setPalette(palette);
}

}  // namespace

CCalculatorDlg::CCalculatorDlg(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("数学表达式计算器"));
  QFont font(QStringLiteral("宋体"), 10);
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun")});
  setFont(font);
  BuildControls();
}

void CCalculatorDlg::BuildControls() {
  const DialogUnits units(font());
  setFixedSize(units.X(kDialogWidthUnits), units.Y(kDialogHeightUnits));

  expression_ = new QPlainTextEdit(this);
  expression_->setObjectName(ControlName(1160));
  expression_->setGeometry(units.Rect(1, 1, 155, 41));
  expression_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  expression_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  expression_->installEventFilter(this);
  PaintWhiteOnViolet(expression_);

  auto* evaluate = new QPushButton(QStringLiteral("计算结果:"), this);
  evaluate->setObjectName(ControlName(1181));
  evaluate->setGeometry(units.Rect(1, 44, 43, 14));
  evaluate->setAutoDefault(false);
  connect(evaluate, &QPushButton::clicked, this, &CCalculatorDlg::Evaluate);

  result_ = new QLineEdit(QStringLiteral("0"), this);
  result_->setObjectName(ControlName(1118));
  result_->setGeometry(units.Rect(45, 44, 111, 15));
  result_->setReadOnly(true);
  PaintWhiteOnViolet(result_);

  for (const CalculatorKey& key : CalculatorKeys()) {
    auto* button = new QPushButton(QString::fromUtf8(key.label), this);
    button->setObjectName(ControlName(key.id));
    button->setGeometry(units.Rect(key.x, key.y, key.width, kCalculatorKeyHeight));
    button->setAutoDefault(false);
    const QString text = QString::fromUtf8(key.text);
    switch (key.action) {
      case KeyAction::kInsert:
        connect(button, &QPushButton::clicked, this, [this, text] { InsertText(text, 0); });
        break;
      case KeyAction::kInsertFunction:
        connect(button, &QPushButton::clicked, this, [this, text] { InsertText(text + QStringLiteral("()"), -1); });
        break;
      case KeyAction::kClearAll:
        connect(button, &QPushButton::clicked, this, &CCalculatorDlg::ClearAll);
        break;
      case KeyAction::kDeleteBeforeCaret:
        connect(button, &QPushButton::clicked, this, &CCalculatorDlg::DeleteBeforeCaret);
        break;
      case KeyAction::kEvaluate:
        button->setDefault(true);
        connect(button, &QPushButton::clicked, this, &CCalculatorDlg::accept);
        break;
    }
  }
}

CCalculatorDlg* CCalculatorDlg::OpenBeside(QWidget* view) {
  auto* calculator = new CCalculatorDlg();
  calculator->show();
  if (view != nullptr) calculator->move(view->mapToGlobal(QPoint(0, 0)));
  return calculator;
}

QString CCalculatorDlg::Expression() const { return expression_->toPlainText(); }

QString CCalculatorDlg::Result() const { return result_->text(); }

void CCalculatorDlg::InsertText(const QString& text, int caretMove) {
  QTextCursor cursor = expression_->textCursor();
  cursor.insertText(text);
  expression_->setTextCursor(cursor);
  expression_->setFocus();
  if (!cursor.hasSelection()) {
    cursor.setPosition(cursor.position() + caretMove);
    expression_->setTextCursor(cursor);
  }
  expression_->ensureCursorVisible();
}

void CCalculatorDlg::DeleteBeforeCaret() {
  QTextCursor cursor = expression_->textCursor();
  cursor.setPosition(cursor.selectionStart());
  cursor.deletePreviousChar();  // nothing at the very start; a surrogate pair as one
  expression_->setTextCursor(cursor);
  expression_->setFocus();
  expression_->ensureCursorVisible();
}

void CCalculatorDlg::ClearAll() {
  expression_->clear();
  result_->setText(QStringLiteral("0"));
}

void CCalculatorDlg::Evaluate() {
  const QByteArray text = expression_->toPlainText().toUtf8();
  CExprCalculator calculator;
  result_->setText(QString::fromStdString(calculator.Calculate(std::string_view(text.constData(), text.size()))));
  expression_->setFocus();
  expression_->selectAll();
  expression_->ensureCursorVisible();
}

void CCalculatorDlg::accept() { Evaluate(); }

void CCalculatorDlg::reject() {
  msg::PaneWindows().Post(msg::PaneEntry::kSectionToolView, msg::kSectionToolRequest, 1, msg::kToolForgetCalculator);
  msg::PaneWindows().Post(msg::PaneEntry::kProjectToolView, msg::kProjectToolRequest, 1, msg::kToolForgetCalculator);
  QDialog::reject();
  deleteLater();
}

bool CCalculatorDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == expression_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Evaluate();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zv::annot
