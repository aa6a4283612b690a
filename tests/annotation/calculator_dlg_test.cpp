#include "annotation/calculator_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include "annotation/calculator_keypad.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::annot {
namespace {

class CalculatorWindow : public testing::Test {
 protected:
  QPlainTextEdit* Edit() { return dialog_.findChild<QPlainTextEdit*>("control1160"); }
  void Click(int id) {
    QPushButton* button = dialog_.findChild<QPushButton*>(QStringLiteral("control%1").arg(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }
  void SetText(const QString& text, int anchor, int position) {
    Edit()->setPlainText(text);
    QTextCursor cursor = Edit()->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    Edit()->setTextCursor(cursor);
  }
  int Caret() { return Edit()->textCursor().position(); }

  CCalculatorDlg dialog_;
};

TEST_F(CalculatorWindow, EveryKeyInsertsItsTextAtTheCaret) {
  for (const CalculatorKey& key : CalculatorKeys()) {
    if (key.action != KeyAction::kInsert && key.action != KeyAction::kInsertFunction) continue;
    SCOPED_TRACE(key.label);
    SetText("1+2", 2, 2);
    Click(key.id);
    const QString text = QString::fromUtf8(key.text);
    if (key.action == KeyAction::kInsert) {
      EXPECT_EQ(dialog_.Expression(), "1+" + text + "2");
      EXPECT_EQ(Caret(), 2 + text.size());
    } else {
      EXPECT_EQ(dialog_.Expression(), "1+" + text + "()2");
      EXPECT_EQ(Caret(), 2 + text.size() + 1) << "the caret goes between the brackets";
    }
  }
}

TEST_F(CalculatorWindow, SinThirtyGivesOneHalfAndSelectsTheExpression) {
  dialog_.show();
  Click(1212);
  EXPECT_EQ(dialog_.Expression(), "sin()");
  EXPECT_EQ(Caret(), 4);
  QTest::keyClicks(Edit(), "30");
  EXPECT_EQ(dialog_.Expression(), "sin(30)");
  Click(1);
  EXPECT_EQ(dialog_.Result(), "0.5000000000");
  EXPECT_EQ(Edit()->textCursor().selectedText(), "sin(30)");
  EXPECT_TRUE(dialog_.isVisible()) << "\"=\" never closes the window";
}

TEST_F(CalculatorWindow, AKeyReplacesTheSelection) {
  SetText("1+2", 2, 3);
  Click(1220);
  EXPECT_EQ(dialog_.Expression(), "1+pow()");
  EXPECT_EQ(Caret(), 6);

  SetText("1+pow()", 0, 1);
  Click(1226);
  EXPECT_EQ(dialog_.Expression(), "7+pow()");
  EXPECT_EQ(Caret(), 1);
}

TEST_F(CalculatorWindow, DelRemovesTheCharacterBeforeTheSelection) {
  SetText("sin(30", 6, 6);
  Click(1211);
  EXPECT_EQ(dialog_.Expression(), "sin(3");
  EXPECT_EQ(Caret(), 5);

  SetText("sin(30)", 4, 6);
  Click(1211);
  EXPECT_EQ(dialog_.Expression(), "sin30)") << "the selection itself stays";
  EXPECT_EQ(Caret(), 3);
  EXPECT_FALSE(Edit()->textCursor().hasSelection());

  SetText("sin(30)", 0, 0);
  Click(1211);
  EXPECT_EQ(dialog_.Expression(), "sin(30)");
  EXPECT_EQ(Caret(), 0);
}

TEST_F(CalculatorWindow, AcEmptiesTheExpressionAndShowsZero) {
  SetText("2(3)", 4, 4);
  Click(1);
  ASSERT_EQ(dialog_.Result(), "6.0000000000");
  Click(1210);
  EXPECT_EQ(dialog_.Expression(), "");
  EXPECT_EQ(dialog_.Result(), "0");
}

TEST_F(CalculatorWindow, ReturnInTheExpressionEvaluatesLikeEquals) {
  SetText("2(3)", 4, 4);
  QTest::keyClick(Edit(), Qt::Key_Return);
  EXPECT_EQ(dialog_.Result(), "6.0000000000");
  EXPECT_EQ(dialog_.Expression(), "2(3)") << "no line break is typed";
  QTest::keyClick(Edit(), Qt::Key_Enter);
  EXPECT_EQ(dialog_.Result(), "6.0000000000");
}

TEST_F(CalculatorWindow, ResultButtonShowsValuesAndBothErrorTexts) {
  const struct {
    QString expression;
    QString result;
  } cases[] = {
      {"1 + 2", "表达式错误！"},
      {"5/0", "计算时发生错误！"},
      {"exp(1000)", "计算时发生错误！"},
      {QString(999, '1'), "表达式错误！"},
      {"x", "0.0000000000"},
      {"1+\n2", "表达式错误！"},
      {"[1+{2*(3)}]", "7.0000000000"},
  };
  for (const auto& c : cases) {
    SetText(c.expression, 0, 0);
    Click(1181);
    EXPECT_EQ(dialog_.Result(), c.result) << c.expression.left(20).toStdString();
  }
}

// Stands in for a tool view: it opens the calculator at most once and forgets
// it when told that the calculator has closed.
class ToolViewStandIn : public QWidget {
 public:
  ToolViewStandIn(msg::PaneEntry entry, unsigned message) : message_(message) {
    msg::PaneWindows().Record(entry, this);
  }
  void CalculatorCommand() {
    if (calculator_ == nullptr) calculator_ = CCalculatorDlg::OpenBeside(this);
  }
  CCalculatorDlg* calculator_ = nullptr;
  int requests_ = 0;

 protected:
  void customEvent(QEvent* event) override {
    const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(event);
    if (m == nullptr || m->message() != message_) return;
    ++requests_;
    if (m->wParam() != 0 && m->lParam() == msg::kToolForgetCalculator) calculator_ = nullptr;
  }

 private:
  unsigned message_;
};

int OpenCalculators() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<CCalculatorDlg*>(w) != nullptr;
  return n;
}

void RunPosted() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CalculatorLifetime, ClosingTellsBothToolViewsAndAViewCanOpenAnewOne) {
  ToolViewStandIn section(msg::PaneEntry::kSectionToolView, msg::kSectionToolRequest);
  ToolViewStandIn project(msg::PaneEntry::kProjectToolView, msg::kProjectToolRequest);

  section.CalculatorCommand();
  CCalculatorDlg* first = section.calculator_;
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  section.CalculatorCommand();
  EXPECT_EQ(section.calculator_, first) << "a second command opens nothing new";
  EXPECT_EQ(OpenCalculators(), 1);

  QPointer<CCalculatorDlg> watch = first;
  first->close();
  EXPECT_NE(section.calculator_, nullptr) << "the view hears of it only after the window's handler";
  RunPosted();
  EXPECT_EQ(section.calculator_, nullptr);
  EXPECT_EQ(section.requests_, 1);
  EXPECT_EQ(project.requests_, 1);
  EXPECT_TRUE(watch.isNull()) << "the window deletes itself";

  section.CalculatorCommand();
  ASSERT_NE(section.calculator_, nullptr);
  EXPECT_TRUE(section.calculator_->isVisible());
  watch = section.calculator_;
  QTest::keyClick(section.calculator_, Qt::Key_Escape);
  RunPosted();
  EXPECT_EQ(section.calculator_, nullptr);
  EXPECT_TRUE(watch.isNull());
  EXPECT_EQ(OpenCalculators(), 0);
}

TEST(CalculatorLifetime, ClosingWithNoToolViewRecordedStillCloses) {
  QPointer<CCalculatorDlg> calculator = CCalculatorDlg::OpenBeside(nullptr);
  calculator->close();
  RunPosted();
  EXPECT_TRUE(calculator.isNull());
}

}  // namespace
}  // namespace zv::annot
