#include "framework/messages/pane_window_table.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <vector>

#include "framework/messages/private_message.h"

namespace zv::msg {
namespace {

struct Received {
  unsigned message;
  std::intptr_t wParam;
  std::intptr_t lParam;
  bool operator==(const Received&) const = default;
};

class Receiver : public QObject {
 public:
  std::vector<Received> received;

 protected:
  void customEvent(QEvent* event) override {
    if (const PrivateMessageEvent* m = AsPrivateMessage(event)) {
      received.push_back({m->message(), m->wParam(), m->lParam()});
    }
  }
};

TEST(PaneWindowTable, PostRunsAfterTheSenderReturnsInQueueOrder) {
  PaneWindowTable table;
  Receiver view;
  table.Record(PaneEntry::kSectionToolView, &view);

  EXPECT_TRUE(table.Post(PaneEntry::kSectionToolView, kSectionToolRequest, 1, 1));
  EXPECT_TRUE(table.Post(PaneEntry::kSectionToolView, kSectionToolRequest, 7, 6));
  EXPECT_TRUE(view.received.empty()) << "a post must not run inside the sender";

  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(view.received, (std::vector<Received>{{0x470, 1, 1}, {0x470, 7, 6}}));
}

TEST(PaneWindowTable, EmptyAndDestroyedEntriesFailSilently) {
  PaneWindowTable table;
  EXPECT_EQ(table.Receiver(PaneEntry::kProjectToolView), nullptr);
  EXPECT_FALSE(table.Post(PaneEntry::kProjectToolView, kProjectToolRequest, 1, 1));

  auto view = std::make_unique<Receiver>();
  table.Record(PaneEntry::kProjectToolView, view.get());
  view.reset();
  EXPECT_EQ(table.Receiver(PaneEntry::kProjectToolView), nullptr);
  EXPECT_FALSE(table.Post(PaneEntry::kProjectToolView, kProjectToolRequest, 1, 1));
  QCoreApplication::sendPostedEvents();
}

TEST(PaneWindowTable, NewestReceiverReplacesTheOlder) {
  PaneWindowTable table;
  Receiver first;
  Receiver second;
  table.Record(PaneEntry::kSectionEditView, &first);
  table.Record(PaneEntry::kSectionEditView, &second);

  EXPECT_TRUE(table.Post(PaneEntry::kSectionEditView, kDocumentRequest, 0, 2));
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(first.received.empty());
  EXPECT_EQ(second.received, (std::vector<Received>{{0x469, 0, 2}}));
}

TEST(PaneWindowTable, OtherEventsAreNoPrivateMessages) {
  QEvent other(QEvent::User);
  EXPECT_EQ(AsPrivateMessage(&other), nullptr);
  EXPECT_EQ(AsPrivateMessage(nullptr), nullptr);
}

}  // namespace
}  // namespace zv::msg
