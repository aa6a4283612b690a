#pragma once
// Private messages between windows that hold no pointers to each other. A
// message is always posted, never sent: it runs after the sender's handler has
// returned, in queue order, on the user-interface thread.

#include <QEvent>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

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
  kToolDeleteObject = 0,        // delete the object passed in wParam
  kToolForgetCalculator = 1,    // the calculator window has closed
  kToolPlaceCode = 2,           // cancel, then the code-placing mode of the edit-aid tool
  kToolTextSearch = 3,          // text search from the main frame's search box
  kToolNothing = 4,
  kToolChangeLayer = 5,         // change the current layer
  kToolTakeOrtho = 6,           // take up the ortho switch
  kToolSetCurrentArea = 7,      // section tool view only: wParam becomes the current work area
  kToolEditAidFirst = 8,        // project tool view only: 8..14 start edit-aid modes
  kToolEditAidLast = 14,
  kToolChangeKindLayer = 15,    // section tool view only: point, line or region layer (wParam 1, 2, 3)
};

// Whether a tool request is to be acted on: a request with wParam 0, or a
// code beyond those of its view (16 and above for the section tool view,
// 15 and above for the project tool view), or another message, returns at
// once. Negative codes are beyond any view too.
bool ToolRequestApplies(unsigned message, std::intptr_t wParam, std::intptr_t code);

// The edit-aid mode that codes 8..14 of the project tool view start, in
// that order: 18, 19, 100, 20, −10, 21, 22; 0 for another code.
int EditAidModeOfProjectRequest(std::intptr_t code);

// A section drawing request's code (kDocumentRequest lParam): above 100 the
// operation is the code modulo 100 and its argument the code divided by 100.
struct DocumentOperation {
  std::intptr_t operation = 0;
  std::intptr_t argument = 0;
};
DocumentOperation DecodeDocumentOperation(std::intptr_t code);

// kRefreshFileList wParam for an opened file: its path's length × 100 plus
// the position of its last backslash or slash (−1 when none). Lengths count
// the path's GBK bytes, as the receiver measures them.
std::intptr_t OpenedFileCode(const QString& path);

// The document kinds of kActivateDocument (lParam = side page − 1).
enum class ActivatedDocument { kProject = 0, kFile = 1, kWorkspaceFile = 2 };
// The kind an activation names, or nothing for any other lParam (the tab
// strip's page 0 gives −1, which the application ignores).
std::optional<ActivatedDocument> DocumentToActivate(std::intptr_t lParam);

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

// Posts a thread message to the application object (kActivateDocument goes
// there: the application records no window). False when no application
// object exists. The application reads it with an ApplicationMessageHook.
bool PostApplicationMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam);

// The text the senders that report a failed post show, unless their own.
inline constexpr const char* kPostFailedText = "消息发送失败！";

// Calls `handler` for every private message that reaches the application
// object, for as long as the hook lives. Other events go on unchanged.
class ApplicationMessageHook : public QObject {
 public:
  using Handler = std::function<void(const PrivateMessageEvent&)>;
  explicit ApplicationMessageHook(Handler handler);
  ~ApplicationMessageHook() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace zv::msg
