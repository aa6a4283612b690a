#pragma once
// The edit-aid tool in the tool factory, and the places of its commands in
// the plan and section menus. The tool views' launch table starts it; the
// factory offers the modes whose handlers are built and the modes 104 and
// 113, idle by design.

#include <span>

#include "platform/view/gis_edit_view.h"

namespace zv::tools {

struct EditAidCommand {
  int id;
  const char* path;  // the item's place in the plan and section menus
  int16_t mode;
};

std::span<const EditAidCommand> ConstructionCommands();

// The modes the factory makes.
bool EditAidModeOffered(int16_t mode);

// Ends the running interaction and installs the edit-aid tool in `mode`.
void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag = 1);

// Registers the tool class in the factory and the commands' items in the
// plan and section menus.
void RegisterEditAidCommands();

}  // namespace zv::tools
