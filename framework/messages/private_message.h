#pragma once
// Private messages between windows that hold no pointers to each other. A
// message is always posted, never sent: it runs after the sender's handler has
// returned, in queue order, on the user-interface thread.

#include <QEvent>
#include <QObject>
#include <cstdint>

namespace zv::msg {

// The private message numbers and what each asks of its receiver.
enum PrivateMessage : unsigned {
  kSetProject = 0x465,          // project page: refresh (0) or empty (1) the project list
  kSelectSidePage = 0x466,      // tab strip: select a side-panel page
  kRefreshFileList = 0x467,     // workspace file list: refresh
  kActivateDocument = 0x468,    // application: activate a document's frame
  kDocumentRequest = 0x469,     // section editing view: section drawing request
  kFileListSpare = 0x46A,       // workspace file list: handled, never posted
  kPlanRequest = 0x46C,         // project editing view: plan request
  kRefillList = 0x46D,          // strata list and attribute-query page: refill
  kFlashEntity = 0x46E,         // project editing view: flash and select an entity
  kListRequest = 0x46F,         // project list: output command or row selection
  kSectionToolRequest = 0x470,  // section tool view: remote tool request
  kProjectToolRequest = 0x471,  // project tool view: remote tool request
  kLegendGridUsed = 0x472,      // legend library: its grid was used
};

// Codes of the tool requests (kSectionToolRequest, kProjectToolRequest).
enum ToolRequestCode : std::intptr_t {
  kToolForgetCalculator = 1,  // the calculator window has closed
};

// The queued event that carries one private message to its receiver.
class PrivateMessageEvent : public QEvent {
 public:
  PrivateMessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam);

  // The event type shared by every private message.
  static QEvent::Type EventType();

  unsigned message() const { return message_; }
  std::intptr_t wParam() const { return wParam_; }
  std::intptr_t lParam() const { return lParam_; }

 private:
  unsigned message_;
  std::intptr_t wParam_;
  std::intptr_t lParam_;
};

// The private message an event carries, or null for any other event.
const PrivateMessageEvent* AsPrivateMessage(const QEvent* event);

// Queues the message for `receiver`; false when there is no receiver.
bool PostPrivateMessage(QObject* receiver, unsigned message, std::intptr_t wParam, std::intptr_t lParam);

}  // namespace zv::msg
