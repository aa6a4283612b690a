#include "zavediz/plan/plan_section_commands.h"


#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "views/sec_prj_tool_view.h"
#include "views/zavediz_doc.h"
#include "zavediz/plan/plan_section_binding.h"

namespace zv::zavediz {
namespace {

using Command = void (PlanSectionController::*)();

template <Command command>
void Run(cmd::CommandTarget& target) {
  if (PlanSectionBinding* binding = PlanBindingOf(target)) (binding->Controller().*command)();
}

// 32780 also turns on the plan tool view's elevation tip, first, so that the
// contours it marks show their elevation under Ctrl.
void AutoElevation(cmd::CommandTarget& target) {
  if (auto* view = dynamic_cast<CSecPrjToolView*>(&target)) view->elevationTip().TurnOn();
  Run<&PlanSectionController::OnAutoElevation>(target);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(32783, Run<&PlanSectionController::OnTraceSection>, "OnTraceSection"),
    cmd::Handler(32969, Run<&PlanSectionController::OnPickSectionPoints>, "OnPickSectionPoints"),
    cmd::Handler(33065, Run<&PlanSectionController::OnTakeLine>, "OnTakeLine"),
    cmd::Handler(33192, Run<&PlanSectionController::OnTakePolyline>, "OnTakePolyline"),
    cmd::Handler(33203, Run<&PlanSectionController::OnVerticalProjection>, "OnVerticalProjection"),
    cmd::Handler(32781, Run<&PlanSectionController::OnSetTitleBlockData>, "OnSetTitleBlockData"),
    cmd::Handler(32970, Run<&PlanSectionController::OnReadSurveyFromDatabase>, "ReadSurveyFromDatabase"),
    cmd::Handler(32801, Run<&PlanSectionController::OnReadSurveyFromDatabase>, "ReadSurveyFromDatabase"),
    cmd::Handler(33622, Run<&PlanSectionController::OnReadSurveyFromWorkbook>, "ReadSurveyFromExcel"),
    cmd::Handler(32780, AutoElevation, "OnAutoElevation"),
    cmd::Handler(32792, Run<&PlanSectionController::OnShowAssignedContours>, "OnShowAssignedContours"),
    cmd::Handler(32793, Run<&PlanSectionController::OnRestoreContourColour>, "OnRestoreContourColour"),
};

constexpr cmd::MenuRow kMenu[] = {
    {cmd::kMenuPlan, "&C剖面图/读取地形数据/拉线读取", 32783},
    {cmd::kMenuPlan, "&C剖面图/读取地形数据/定点读取", 32969},
    {cmd::kMenuPlan, "&C剖面图/读取地形数据/选线读取", 33065},
    {cmd::kMenuPlan, "&C剖面图/读取地形数据/选折线读取", 33192},
    {cmd::kMenuPlan, "&C剖面图/读取地形数据/垂直投影图", 33203},
    {cmd::kMenuPlan, "&C剖面图/设置图签数据", 32781},
    {cmd::kMenuPlan, "&C剖面图/读取测量数据", 33622},
    {cmd::kMenuPlan, "&C剖面图/", 0},
    {cmd::kMenuPlan, "&C剖面图/自动赋高程", 32780},
    {cmd::kMenuPlan, "&C剖面图/查看已赋属性线", 32792},
    {cmd::kMenuPlan, "&C剖面图/恢复线颜色", 32793},
    {cmd::kMenuPlan, "&C剖面图/绘制剖面图(old)/读取测量数据", 32970},
};

}  // namespace

PlanSectionBinding* PlanBindingOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  auto* plan = view ? dynamic_cast<CPrjEditView*>(view->Widget()) : nullptr;
  auto* doc = view ? dynamic_cast<CZavedizDoc*>(view->GetDocument()) : nullptr;
  return plan && doc ? &PlanSectionBinding::Of(*plan, doc->Section()) : nullptr;
}

void RegisterPlanSectionCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecPrjToolView", kRows);
  cmd::Menus().AddRows(kMenu);
}

}  // namespace zv::zavediz
