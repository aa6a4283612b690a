#pragma once
// The command rows of the two editing views: each view's table is its own
// handlers (views/sec_view_commands.cpp, views/prj_view_commands.cpp, the
// shared ones of views/shared_view_commands.cpp) followed by the platform
// editor's members (views/edit_view_ids.h) for the ids its handlers do not
// take. A member the editor has not built, and a handler whose issue has not
// landed, is a bound-later row: hidden, and a notice when reached.

#include <vector>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

// The map editing view of a command target (null for other targets).
CGisEditView* EditViewOf(cmd::CommandTarget& target);

// How the views run kPlatformMember rows: through platform/editor's table.
const cmd::MemberProvider& EditorMembers();

// The handlers both views share, and the section's and the plan's own.
std::vector<cmd::CommandRow> SharedViewRows();
std::vector<cmd::CommandRow> SectionViewRows();
std::vector<cmd::CommandRow> PlanViewRows();
// Copy, cut and paste (views/clipboard_commands.cpp), part of the shared rows.
std::vector<cmd::CommandRow> ClipboardRows();

// A whole table: the own rows, then a member row (or a bound-later one) for
// every platform binding whose id no own row takes.
std::vector<cmd::CommandRow> SectionViewTable();
std::vector<cmd::CommandRow> PlanViewTable();

// Menus 141 and 107 and the context menu 138.
std::vector<cmd::MenuRow> EditViewMenuRows();

// Declares "CSecGisEditView" and "CSecPrjEditView" with their tables and
// menus, then the tool views "CSecToolView" and "CSecPrjToolView" over them
// (views/tool_view_commands.h), the templates' view classes.
void RegisterEditViews();

}  // namespace zv
