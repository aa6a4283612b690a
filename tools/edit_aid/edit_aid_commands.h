#pragma once
// The view commands that start the edit-aid tool's construction modes, by
// the program's command ids, and a menu of them for a view. Only modes whose
// handlers are built are offered.

#include <QMenu>
#include <span>

#include "platform/view/gis_edit_view.h"

namespace zv::tools {

struct EditAidCommand {
  int id;
  const char* text;  // the menu text
  int16_t mode;
};

std::span<const EditAidCommand> ConstructionCommands();

// Ends the running interaction and installs the edit-aid tool in `mode`.
void StartEditAidTool(CGisEditView& view, int16_t mode, int32_t flag = 1);

// One action per built construction command; `view` must outlive the menu.
void AddConstructionCommands(QMenu& menu, CGisEditView& view);

}  // namespace zv::tools
