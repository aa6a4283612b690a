#include "zavediz/draw/zavediz_request_post.h"

#include <map>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::zavediz {
namespace {

std::map<std::intptr_t, std::any>& Payloads() {
  static std::map<std::intptr_t, std::any> payloads;
  return payloads;
}

}  // namespace

std::intptr_t PutRequestPayload(std::any payload) {
  static std::intptr_t last = 0;
  Payloads()[++last] = std::move(payload);
  return last;
}

std::any TakeRequestPayload(std::intptr_t ticket) {
  auto& payloads = Payloads();
  const auto found = payloads.find(ticket);
  if (found == payloads.end()) return {};
  std::any payload = std::move(found->second);
  payloads.erase(found);
  return payload;
}

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
