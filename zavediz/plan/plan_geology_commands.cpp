#include "zavediz/plan/plan_geology_commands.h"

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "views/plan_requests.h"
#include "views/sec_prj_edit_view.h"
#include "views/zavediz_doc.h"
#include "zavediz/plan/plan_section_binding.h"
#include "zavediz/plan/plan_section_commands.h"

namespace zv::zavediz {
namespace {

using Command = void (PlanGeologyController::*)();

template <Command command>
void Run(cmd::CommandTarget& target) {
  if (PlanSectionBinding* binding = PlanBindingOf(target)) (binding->Geology().*command)();
}

// The requests reach the view whether or not a command has bound it yet
// (the strata list may ask for a reading first).
void OnGeologyRequest(CSecPrjEditView& view, std::intptr_t, std::intptr_t code) {
  auto* doc = dynamic_cast<CZavedizDoc*>(view.GetDocument());
  if (doc != nullptr) PlanSectionBinding::Of(view, doc->Section()).Geology().OnPlanRequest(code);
}

constexpr int kRequests[] = {kStoreBoreholeRequest, kEndDesignRequest, kStoreTrenchRequest, kReadGeologyRequest};

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(32784, Run<&PlanGeologyController::OnDesignBorehole>, "OnDesignBorehole"),
    cmd::Handler(32785, Run<&PlanGeologyController::OnDesignTrench>, "OnDesignTrench"),
    cmd::Handler(32786, Run<&PlanGeologyController::ReadGeologyInfo>, "ReadGeologyInfo"),
    cmd::Handler(32782, Run<&PlanGeologyController::OnSetStrataInfo>, "OnSetStrataInfo"),
};

constexpr cmd::MenuRow kMenu[] = {
    {cmd::kMenuPlan, "&C剖面图/剖面信息/设计钻孔", 32784},
    {cmd::kMenuPlan, "&C剖面图/剖面信息/设计探槽", 32785},
    {cmd::kMenuPlan, "&C剖面图/剖面信息/读取地质信息", 32786},
    {cmd::kMenuPlan, "&C剖面图/剖面信息/设置地层信息", 32782},
};

}  // namespace

void RegisterPlanGeologyCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecPrjToolView", kRows);
  cmd::Menus().AddRows(kMenu);
  for (const int code : kRequests) RegisterPlanRequest(code, OnGeologyRequest);
}

}  // namespace zv::zavediz
