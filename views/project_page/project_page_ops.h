#pragma once
// What the project page does to the project of the active plan document,
// apart from its widgets: display states set by key, adding files, removing
// empty entries and the two merges. Every operation takes the project it
// works on and does nothing without one.

#include <string>
#include <vector>

#include "platform/project/map_project.h"

namespace zv::projectpage {

// The keys of the project page. "C": the selected entries hidden, the others
// current; "E": the reverse; "1", "2", "3": every entry hidden, then the
// point, line or region files current. `selected` holds one flag per entry
// (missing flags count as unselected). True when some state changed.
bool ApplyStateKey(MapProject* project, char key, const std::vector<bool>& selected);

// Adds each file that is not yet an entry; returns the files that already
// were (each told as "已存在：" + path) and, in `failed`, those that could not
// be added.
std::vector<std::string> AddEntries(MapProject* project, const std::vector<std::string>& paths,
                                    std::vector<std::string>* failed = nullptr);

// Removes every entry whose work area holds no entity and returns their file
// names. Entries without a work area (missing files, images) are not known
// to be empty and stay.
std::vector<std::string> RemoveEmptyEntries(MapProject* project);

// Appends all point files into one point area, all line files into one line
// area and all region files into one region area, saves them as
// "自动合并.wt", "自动合并.wl" and "自动合并.wp" in the project's folder
// (replacing earlier ones) and makes them entries, each once. Earlier merge
// results are left out of the merge. False, with the reason in `error`, when
// the project has no folder yet or a file cannot be saved.
bool AutoMerge(MapProject* project, std::string* error = nullptr);

// Starts a project of the same name in `folder`: the entries are taken in
// order, and each entry not yet merged is appended, together with every later
// entry of the same file name (compared without regard to case), into one
// area of its kind, saved under that name in `folder` and added to the new
// project, which is saved. The new project's path, or empty (with `error`)
// on failure or when `folder` is the project's own (the new project would
// replace it).
std::string SameNameMerge(const MapProject* project, const std::string& folder, std::string* error = nullptr);

// The file names the merges write.
inline constexpr const char* kAutoMergeName = "自动合并";

}  // namespace zv::projectpage
