#pragma once
// The view commands that start the edit-aid tool's construction modes, by
// the program's command ids. Only modes whose handlers are built are
// registered; the idle modes 104 and 113 are left to the views' launch
// tables.

#include <span>

#include "framework/commands/command_table.h"
#include "platform/view/gis_edit_view.h"

namespace zv::tools {

struct EditAidCommand {
  int id;
  const char* path;  // the item's place in the plan and section menus
  int16_t mode;
  cmd::HandlerFn launch;
};

std::span<const EditAidCommand> ConstructionCommands();

// Ends the running interaction and installs the edit-aid tool in `mode`.
void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag = 1);

// Adds the commands to the section and project tool views' tables and their
// items to the plan and section menus.
void RegisterEditAidCommands();

}  // namespace zv::tools
