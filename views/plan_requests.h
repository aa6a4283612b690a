#pragma once
// The requests other windows post to the editing views: the plan requests
// (0x46C, code in lParam) of the project editing view and the section
// drawing requests (0x469) of the section editing view. The view handles
// codes 0 (delete the posted object), 6 (forget its pending object), 12 (the
// measurement window closed: measuring ends) and 13 (read "seclect" again)
// itself; the section workflows register the others.
// A code above 13, or one nobody registered, does nothing.

#include <cstdint>

namespace zv {

class CSecGisEditView;
class CSecPrjEditView;

// Every object posted in a request's wParam derives from this, so code 0
// deletes it whole.
class PostedObject {
 public:
  virtual ~PostedObject() = default;
};

inline constexpr std::intptr_t kPlanRequestLast = 13;

using PlanRequestHandler = void (*)(CSecPrjEditView& view, std::intptr_t wParam, std::intptr_t code);
// Registers (or replaces) the handler of a plan request code 1..13 other
// than 6, 12 and 13.
void RegisterPlanRequest(std::intptr_t code, PlanRequestHandler handler);
void OnPlanRequest(CSecPrjEditView& view, std::intptr_t wParam, std::intptr_t code);

using DocumentRequestHandler = void (*)(CSecGisEditView& view, std::intptr_t wParam, std::intptr_t code);
// The one handler of the section drawing requests (null: they do nothing).
void RegisterDocumentRequest(DocumentRequestHandler handler);
void OnDocumentRequest(CSecGisEditView& view, std::intptr_t wParam, std::intptr_t code);

}  // namespace zv
