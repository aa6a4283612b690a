#include "views/plan_requests.h"

#include <array>

#include "app/app_settings.h"
#include "framework/profile/setting_binding.h"
#include "views/edit_view_mouse.h"
#include "views/sec_prj_edit_view.h"

namespace zv {
namespace {

constexpr std::intptr_t kDeleteObject = 0;
constexpr std::intptr_t kForgetPending = 6;
constexpr std::intptr_t kEndMeasure = 12;
constexpr std::intptr_t kReloadSelect = 13;

std::array<PlanRequestHandler, kPlanRequestLast + 1>& PlanHandlers() {
  static std::array<PlanRequestHandler, kPlanRequestLast + 1> handlers{};
  return handlers;
}

DocumentRequestHandler& DocumentHandler() {
  static DocumentRequestHandler handler = nullptr;
  return handler;
}

}  // namespace

void RegisterPlanRequest(std::intptr_t code, PlanRequestHandler handler) {
  if (code < 1 || code > kPlanRequestLast || code == kForgetPending || code == kEndMeasure || code == kReloadSelect)
    return;
  PlanHandlers()[static_cast<std::size_t>(code)] = handler;
}

void OnPlanRequest(CSecPrjEditView& view, std::intptr_t wParam, std::intptr_t code) {
  if (code < 0 || code > kPlanRequestLast) return;
  switch (code) {
    case kDeleteObject:
      delete reinterpret_cast<PostedObject*>(wParam);  // NOLINT(performance-no-int-to-ptr): the poster's object
      return;
    case kForgetPending:
      view.pendingObject = nullptr;
      return;
    case kEndMeasure:
      EndMeasurement(view);
      return;
    case kReloadSelect:
      LoadSetting(SettingsFile(), {"OTHER", "seclect", &Settings().seclect});
      view.selectionMode = Settings().seclect;
      return;
    default:
      if (PlanRequestHandler handler = PlanHandlers()[static_cast<std::size_t>(code)]) handler(view, wParam, code);
  }
}

void RegisterDocumentRequest(DocumentRequestHandler handler) { DocumentHandler() = handler; }

void OnDocumentRequest(CSecGisEditView& view, std::intptr_t wParam, std::intptr_t code) {
  if (DocumentRequestHandler handler = DocumentHandler()) handler(view, wParam, code);
}

}  // namespace zv
