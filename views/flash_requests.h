#pragma once
// The flash request (0x46E) side panels post to the project editing view,
// and the pick the view hands back to the panel that waits for it.
//
// wParam is the mode; above 100 the mode is 101 and wParam div 100 the work
// area of its list. lParam by mode:
//   1, 2  the ticket of an ENTITY_MSG payload (framework/messages/
//         request_payloads.h): flash that entity, centre on it and wait for
//         the user to pick an entity of its area (command flag 1230);
//   100   id × 10000 + area × 100 + type: the same, for senders that have
//         only that number (areas below 100 only);
//   101   the ticket of a std::vector<int32_t> of ids: select them in the
//         area, centre on the first and flash them all;
//   3     nothing: stop flashing and close the waiting panel.
// Payloads are copies, so a request may outlive the sender's own list. A
// request naming an invalid area, a list request without a list and any
// other mode do nothing.

#include <cstdint>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

class CSecPrjEditView;

enum FlashMode : std::intptr_t {
  kFlashEntity = 1,
  kFlashEntityToo = 2,
  kFlashEnd = 3,
  kFlashPacked = 100,
  kFlashList = 101,
};

// A flash request as delivered: its mode, the entity of modes 1, 2 and 100,
// the area and ids of mode 101 (`hasList` false when none came).
struct FlashOrder {
  std::intptr_t mode = 0;
  ENTITY_MSG entity{};
  WorkAreaHandle listArea = 0;
  std::vector<int32_t> ids;
  bool hasList = false;
};

// The mode-100 number of an entity.
std::intptr_t PackFlashEntity(int32_t id, WorkAreaHandle area, int16_t type);
// Decodes a delivered request, taking its payload.
FlashOrder DecodeFlashRequest(std::intptr_t wParam, std::intptr_t lParam);

// Senders: false when no project editing view takes requests (the payload
// is then dropped).
bool PostFlashEntity(const ENTITY_MSG& entity);
bool PostFlashList(WorkAreaHandle area, std::vector<int32_t> ids);
bool PostFlashEnd();

using FlashRequestHandler = void (*)(CSecPrjEditView& view, const FlashOrder& order);
// The one handler of the flash requests (null: they do nothing).
void RegisterFlashRequest(FlashRequestHandler handler);
void OnFlashRequest(CSecPrjEditView& view, std::intptr_t wParam, std::intptr_t lParam);

// The window a panel records as msg::PaneEntry::kStrataPanelCommandTarget
// while it waits for a picked entity implements this; the view calls it with
// the id picked (0 when the click found none).
class EntityPickRequester {
 public:
  virtual ~EntityPickRequester() = default;
  virtual void OnEntityPicked(int32_t id) = 0;
};

}  // namespace zv
