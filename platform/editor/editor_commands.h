#pragma once
// The platform editor's commands that views bind straight to menu ids: one
// table of {id, member name, what runs, when it is enabled}. A command that
// starts an interactive mode installs it in the view (replacing the one
// running); the others act at once. Every command runs as one undo step.
// Ids not in the table are not offered.

#include <span>

#include "platform/view/gis_edit_view.h"

namespace zv::editor {

struct EditorCommand {
  int id;
  const char* member;
  void (*run)(CGisEditView& view);
  bool (*enabled)(const CGisEditView& view);  // null: always enabled
};

std::span<const EditorCommand> EditorCommands();
const EditorCommand* FindEditorCommand(int id);
// False for an id not in the table or a command not enabled now.
bool RunEditorCommand(CGisEditView& view, int id);
bool IsEditorCommandEnabled(const CGisEditView& view, int id);

// The members with an argument that views bind with their own ids: joining
// two lines (0) or two arcs of the region area (1), and cutting lines where
// they cross a picked line, the picked one too (1) or not (0).
void ChainLine(CGisEditView& view, int arcs);
void ClipIntersectLin(CGisEditView& view, int cutMother);

}  // namespace zv::editor
