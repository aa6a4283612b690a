#pragma once
// The workspace members of the editor: load, append, save, save as, save
// part and clear, each for the view's current point, line or region area
// (work-area type 0 line, 1 point, 2 region), and clearing everything. The
// members that need a file ask for it through the prompts seam; the *From /
// *To forms take the path. Failures show their reason and change nothing.

#include <string>

#include "platform/view/gis_edit_view.h"

namespace zv::editor {

// Replaces the area's contents by the file (the pool and the undo store
// are dropped, as ids start again).
bool LoadArea(CGisEditView& view, int type);
bool LoadAreaFrom(CGisEditView& view, int type, const std::string& path);
// Appends the file's entities to the area, as one undo step.
bool AppendArea(CGisEditView& view, int type);
bool AppendAreaFrom(CGisEditView& view, int type, const std::string& path);
// Writes the area to its file; asks for a name when it has none.
bool SaveArea(CGisEditView& view, int type);
bool SaveAsArea(CGisEditView& view, int type);
bool SaveAreaTo(CGisEditView& view, int type, const std::string& path);
// Writes the picked entities of the area into a file of their own.
bool SavePartArea(CGisEditView& view, int type);
bool SavePartAreaTo(CGisEditView& view, int type, const std::string& path);
void ClearArea(CGisEditView& view, int type);
// The pool, then the line, point and region areas.
void ClearAllAreas(CGisEditView& view);

}  // namespace zv::editor
