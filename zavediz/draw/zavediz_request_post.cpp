#include "zavediz/draw/zavediz_request_post.h"

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::zavediz {

CZavedizDoc* TakeRequestDocument(std::intptr_t ticket) {
  const std::any payload = TakeRequestPayload(ticket);
  const auto* document = std::any_cast<QPointer<CZavedizDoc>>(&payload);
  if (document == nullptr || document->isNull() || (*document)->IsClosing()) return nullptr;
  return document->data();
}

bool PostZavedizRequest(CZavedizDoc& plan, std::intptr_t code) {
  const std::intptr_t ticket = PutRequestPayload(QPointer<CZavedizDoc>(&plan));
  if (msg::PaneWindows().PostOrShow(msg::PaneEntry::kSectionEditView, msg::kDocumentRequest, ticket, code,
                                    QString::fromUtf8(msg::kPostFailedText)))
    return true;
  TakeRequestPayload(ticket);
  return false;
}

}  // namespace zv::zavediz
