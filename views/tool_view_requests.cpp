#include "views/tool_view_requests.h"

#include "common/globals/program_globals.h"
#include "platform/editor/editor_commands.h"
#include "platform/view/center_on_entity.h"
#include "views/tool_core/text_search.h"
#include "views/tool_core/tool_requests.h"

namespace zv {
namespace {

constexpr int kChangeCurrentLayer = 477;
// Request 15's wParam 1, 2, 3: the layer of picked points, lines, regions.
constexpr int kKindLayerCommands[] = {467, 465, 466};

// Request 0 deletes the object it names; only an object the view owns is
// taken, so a stale or foreign pointer cannot be freed here.
void DeleteOwnedObject(CGisEditView& view, std::intptr_t wParam) {
  for (QObject* child : view.findChildren<QObject*>())
    if (reinterpret_cast<std::intptr_t>(child) == wParam) {
      delete child;
      return;
    }
}

}  // namespace

void SearchTexts(ToolViewShared& tv) {
  CGisEditView& view = tv.View();
  const std::vector<ENTITY_MSG> found = toolview::FindTexts(tv.AreasOfType(kPointArea), SharedText().toStdString());
  if (!found.empty()) view.AddToPool(found.data(), static_cast<int>(found.size()));
  view.FlashSelectGraphics();
  if (!found.empty()) CenterOnEntity(view, found.front());
}

void OnToolRequest(ToolViewShared& tv, std::intptr_t wParam, std::intptr_t code) {
  using A = toolview::RequestAction;
  CGisEditView& view = tv.View();
  const toolview::RequestStep step =
      tv.IsPlan() ? toolview::PlanToolRequest(wParam, code) : toolview::SectionToolRequest(wParam, code);
  switch (step.action) {
    case A::kIgnore:
    case A::kNothing: return;
    case A::kDeleteObject: DeleteOwnedObject(view, wParam); return;
    case A::kForgetCalculator: tv.calculator = nullptr; return;
    case A::kStartEditAid: StartEditAid(tv, step.mode, step.cancelFirst, step.flag); return;
    case A::kTextSearch: SearchTexts(tv); return;
    case A::kChangeLayer: editor::RunEditorCommand(view, kChangeCurrentLayer); return;
    case A::kTakeOrtho: view.SetEditorOrtho(OrthoEnabled() != 0 ? 0 : tv.savedEditorOrtho); return;
    case A::kSetCurrentArea: tv.SetCurrentArea(static_cast<WorkAreaHandle>(wParam)); return;
    case A::kChangeKindLayer:
      if (wParam >= 1 && wParam <= 3) editor::RunEditorCommand(view, kKindLayerCommands[wParam - 1]);
      return;
  }
}

}  // namespace zv
