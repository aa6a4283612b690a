#include "framework/messages/pane_window_table.h"

#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"

namespace zv::msg {

void PaneWindowTable::Record(PaneEntry entry, QObject* receiver) {
  entries_.at(static_cast<std::size_t>(entry)) = receiver;
}

QObject* PaneWindowTable::Receiver(PaneEntry entry) const {
  return entries_.at(static_cast<std::size_t>(entry)).data();
}

bool PaneWindowTable::Post(PaneEntry entry, unsigned message, std::intptr_t wParam, std::intptr_t lParam) const {
  return PostPrivateMessage(Receiver(entry), message, wParam, lParam);
}

bool PaneWindowTable::PostOrShow(PaneEntry entry, unsigned message, std::intptr_t wParam, std::intptr_t lParam,
                                 const QString& failureText) const {
  return msg::PostOrShow(Receiver(entry), message, wParam, lParam, failureText);
}

bool PostOrShow(QObject* receiver, unsigned message, std::intptr_t wParam, std::intptr_t lParam,
                const QString& failureText) {
  if (PostPrivateMessage(receiver, message, wParam, lParam)) return true;
  prompt::Message(failureText);
  return false;
}

PaneWindowTable& PaneWindows() {
  static PaneWindowTable table;
  return table;
}

}  // namespace zv::msg
