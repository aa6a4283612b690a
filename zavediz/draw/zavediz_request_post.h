#pragma once
// Section requests carry no pointer through the queue: what a request
// names (the plan document, an entity to flash, a list of ids) is kept as a
// request payload (framework/messages/request_payloads.h) under a ticket
// that goes in wParam, and the receiver takes it back when the request is
// delivered. A document closed in between reads as gone.

#include <QPointer>
#include <any>
#include <cstdint>
#include <vector>

#include "framework/messages/request_payloads.h"
#include "platform/data/work_area.h"
#include "views/zavediz_doc.h"

namespace zv::zavediz {

// The payload of operation 6: one entity to flash and centre on.
struct FlashRequest {
  WorkAreaHandle area = 0;
  int32_t id = 0;
  int16_t kind = 0;
};

using msg::PutRequestPayload;
using msg::TakeRequestPayload;

// The plan document a drawing request names, or null when it was closed.
CZavedizDoc* TakeRequestDocument(std::intptr_t ticket);

// Posts a drawing request (operation, or operation + 100 × argument) for the
// plan document to the section view; false, with "消息发送失败！" shown, when
// no section view takes requests.
bool PostZavedizRequest(CZavedizDoc& plan, std::intptr_t code);

}  // namespace zv::zavediz
