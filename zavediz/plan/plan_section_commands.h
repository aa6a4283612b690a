#pragma once
// The plan view's 剖面图 commands of the section line and contour
// elevations: rows of the project tool view's command table and items of
// the plan menu. Each runs on the view's PlanSectionBinding over its
// document's section data.

namespace zv::zavediz {

void RegisterPlanSectionCommands();

}  // namespace zv::zavediz
