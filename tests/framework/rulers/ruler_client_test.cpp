#include "framework/rulers/ruler_client.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::rulers {
namespace {

class Recorder : public QObject {
 public:
  std::vector<std::pair<std::intptr_t, std::intptr_t>> got;
  bool event(QEvent* e) override {
    if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
      if (m->message() == msg::kDocumentRequest) got.emplace_back(m->wParam(), m->lParam());
      return true;
    }
    return QObject::event(e);
  }
};

TEST(RulerClient, RulersStartHiddenShowFourteenPixelsAndTheCornerHidesThemAndTellsTheView) {
  auto* view = new QWidget;
  RulerClient client(view);
  client.resize(400, 300);
  client.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&client));
  EXPECT_FALSE(client.rulersShown());
  EXPECT_EQ(view->geometry(), QRect(0, 0, 400, 300)) << "the view fills the frame";

  client.ShowRulers(true);
  QCoreApplication::processEvents();
  EXPECT_EQ(client.horizontalRuler()->height(), 14);
  EXPECT_EQ(client.verticalRuler()->width(), 14);
  EXPECT_EQ(view->geometry(), QRect(14, 14, 386, 286));
  for (QWidget* w : {client.corner(), static_cast<QWidget*>(client.horizontalRuler())})
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);

  Recorder recorder;
  msg::PaneWindows().Record(msg::PaneEntry::kSectionEditView, &recorder);
  QTest::mouseClick(client.corner(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(recorder.got, (std::vector<std::pair<std::intptr_t, std::intptr_t>>{{0, 5}}));
  EXPECT_FALSE(client.rulersShown());
  QCoreApplication::processEvents();
  EXPECT_EQ(view->geometry(), QRect(0, 0, 400, 300));
}

TEST(RulerClient, ModeThreeMovesOnlyTheCursorLineAndARepaintForgetsIt) {
  auto* view = new QWidget;
  RulerClient client(view);
  client.resize(400, 300);
  client.ShowRulers(true);
  client.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&client));
  CRulerView* h = client.horizontalRuler();
  client.UpdateRulers(2, 130, 40, 0, 0, 2.0);
  EXPECT_EQ(h->origin(), 130);
  EXPECT_EQ(client.verticalRuler()->origin(), 40);
  EXPECT_EQ(h->zoom(), 2.0);
  const int painted = h->repaints();
  client.UpdateRulers(3, 130, 40, 57, 33, 2.0);
  EXPECT_EQ(h->cursorPosition(), 57);
  EXPECT_EQ(client.verticalRuler()->cursorPosition(), 33);
  EXPECT_EQ(h->repaints(), painted) << "the ticks are not drawn again";
  h->repaint();
  EXPECT_EQ(h->cursorPosition(), 0);
}

}  // namespace
}  // namespace zv::rulers
