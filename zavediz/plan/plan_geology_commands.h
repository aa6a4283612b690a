#pragma once
// The plan view's 剖面图/剖面信息 commands: design boreholes and trenches,
// reading the geology crossing the section line, and the strata list; rows
// of the project tool view's command table, items of the plan menu, and
// the plan requests their dialogs and the strata list post (7, 8, 9, 11).
// Each runs on the view's PlanSectionBinding over its document's section
// data.

namespace zv::zavediz {

void RegisterPlanGeologyCommands();

}  // namespace zv::zavediz
