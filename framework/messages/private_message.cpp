#include "framework/messages/private_message.h"

#include <QCoreApplication>
#include <string>

#include "framework/text/encoding.h"

namespace zv::msg {

PrivateMessageEvent::PrivateMessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam)
    : QEvent(EventType()), message_(message), wParam_(wParam), lParam_(lParam) {}

QEvent::Type PrivateMessageEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

const PrivateMessageEvent* AsPrivateMessage(const QEvent* event) {
  if (event == nullptr || event->type() != PrivateMessageEvent::EventType()) return nullptr;
  return static_cast<const PrivateMessageEvent*>(event);
}

bool PostPrivateMessage(QObject* receiver, unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  if (receiver == nullptr) return false;
  QCoreApplication::postEvent(receiver, new PrivateMessageEvent(message, wParam, lParam));
  return true;
}

}  // namespace zv::msg

namespace zv::msg {

bool ToolRequestApplies(unsigned message, std::intptr_t wParam, std::intptr_t code) {
  if (wParam == 0 || code < 0) return false;
  if (message == kSectionToolRequest) return code <= kToolChangeKindLayer;
  if (message == kProjectToolRequest) return code <= kToolEditAidLast;
  return false;
}

int EditAidModeOfProjectRequest(std::intptr_t code) {
  static constexpr int kModes[] = {18, 19, 100, 20, -10, 21, 22};
  if (code < kToolEditAidFirst || code > kToolEditAidLast) return 0;
  return kModes[code - kToolEditAidFirst];
}

DocumentOperation DecodeDocumentOperation(std::intptr_t code) {
  if (code > 100) return {code % 100, code / 100};
  return {code, 0};
}

std::intptr_t OpenedFileCode(const QString& path) {
  const std::string bytes = text::ToGbk(path.toStdString());
  const auto slash = bytes.find_last_of("\\/");
  const std::intptr_t position = slash == std::string::npos ? -1 : static_cast<std::intptr_t>(slash);
  return static_cast<std::intptr_t>(bytes.size()) * 100 + position;
}

std::optional<ActivatedDocument> DocumentToActivate(std::intptr_t lParam) {
  if (lParam < 0 || lParam > 2) return std::nullopt;
  return static_cast<ActivatedDocument>(lParam);
}

bool PostApplicationMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
  return PostPrivateMessage(QCoreApplication::instance(), message, wParam, lParam);
}

ApplicationMessageHook::ApplicationMessageHook(Handler handler) : handler_(std::move(handler)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

ApplicationMessageHook::~ApplicationMessageHook() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool ApplicationMessageHook::eventFilter(QObject* watched, QEvent* event) {
  if (watched == QCoreApplication::instance()) {
    if (const PrivateMessageEvent* m = AsPrivateMessage(event)) {
      if (handler_) handler_(*m);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zv::msg
