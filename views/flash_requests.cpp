#include "views/flash_requests.h"

#include <any>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/messages/request_payloads.h"

namespace zv {
namespace {

FlashRequestHandler& Handler() {
  static FlashRequestHandler handler = nullptr;
  return handler;
}

bool Post(std::intptr_t wParam, std::intptr_t lParam) {
  return msg::PaneWindows().Post(msg::PaneEntry::kProjectEditView, msg::kFlashEntity, wParam, lParam);
}

bool PostPayload(std::intptr_t wParam, std::any payload) {
  const std::intptr_t ticket = msg::PutRequestPayload(std::move(payload));
  if (Post(wParam, ticket)) return true;
  msg::TakeRequestPayload(ticket);
  return false;
}

}  // namespace

std::intptr_t PackFlashEntity(int32_t id, WorkAreaHandle area, int16_t type) {
  return static_cast<std::intptr_t>(id) * 10000 + static_cast<std::intptr_t>(area) * 100 + type;
}

FlashOrder DecodeFlashRequest(std::intptr_t wParam, std::intptr_t lParam) {
  FlashOrder order;
  order.mode = wParam > 100 ? kFlashList : wParam;
  switch (order.mode) {
    case kFlashEntity:
    case kFlashEntityToo: {
      const std::any payload = msg::TakeRequestPayload(lParam);
      if (const auto* entity = std::any_cast<ENTITY_MSG>(&payload)) order.entity = *entity;
      break;
    }
    case kFlashPacked:
      order.entity = {static_cast<WorkAreaHandle>(lParam / 100 % 100), static_cast<int16_t>(lParam % 100),
                      static_cast<int32_t>(lParam / 10000)};
      break;
    case kFlashList: {
      order.listArea = static_cast<WorkAreaHandle>(wParam / 100);
      std::any payload = msg::TakeRequestPayload(lParam);
      if (auto* ids = std::any_cast<std::vector<int32_t>>(&payload)) {
        order.ids = std::move(*ids);
        order.hasList = true;
      }
      break;
    }
    default:
      break;
  }
  return order;
}

bool PostFlashEntity(const ENTITY_MSG& entity) { return PostPayload(kFlashEntity, entity); }

bool PostFlashList(WorkAreaHandle area, std::vector<int32_t> ids) {
  return PostPayload(static_cast<std::intptr_t>(area) * 100 + 1, std::move(ids));
}

bool PostFlashEnd() { return Post(kFlashEnd, 0); }

void RegisterFlashRequest(FlashRequestHandler handler) { Handler() = handler; }

void OnFlashRequest(CSecPrjEditView& view, std::intptr_t wParam, std::intptr_t lParam) {
  const FlashOrder order = DecodeFlashRequest(wParam, lParam);
  if (FlashRequestHandler handler = Handler()) handler(view, order);
}

}  // namespace zv
