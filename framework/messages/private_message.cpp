#include "framework/messages/private_message.h"

#include <QCoreApplication>

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
