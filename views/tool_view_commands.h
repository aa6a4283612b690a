#pragma once
// The tool views' own command rows (beside the launch rows of views/launch):
// the snap switches, the display switches, the display order of picked
// entities, the pick-entity switch, the calculator and the plan view's map
// parameters, with their menu items; and the registration of the two tool
// view classes as the view classes of the section and project templates.

#include <vector>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"

namespace zv {

std::vector<cmd::CommandRow> SectionToolViewRows();
std::vector<cmd::CommandRow> PlanToolViewRows();
std::vector<cmd::MenuRow> ToolViewMenuRows();

// Adds the rows and menus, and registers "CSecToolView" and
// "CSecPrjToolView" as view classes. Once; later calls do nothing.
void RegisterToolViews();

}  // namespace zv
