#pragma once
// A menu of the editor's commands for a view (each action named after its
// member and id, enabled by the command's rule each time the menu opens),
// until the program's own menus, built from its command tables, take over.

#include <QMenu>

#include "platform/view/gis_edit_view.h"

namespace zv::editor {

// Adds one action per command of the table to `menu`; the actions run on
// `view`, which must outlive the menu.
void AddEditorCommands(QMenu& menu, CGisEditView& view);

}  // namespace zv::editor
