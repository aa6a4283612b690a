#pragma once
// The plan view's 剖面图 commands of the section line, the surveyed line of
// the borehole database and contour elevations: rows of the project tool view's command table and items of
// the plan menu. Each runs on the view's PlanSectionBinding over its
// document's section data.

namespace zv::cmd {
class CommandTarget;
}

namespace zv::zavediz {

class PlanSectionBinding;

void RegisterPlanSectionCommands();

// The binding of the view a command runs in, when it is a plan view with
// its document; null otherwise.
PlanSectionBinding* PlanBindingOf(cmd::CommandTarget& target);

}  // namespace zv::zavediz
