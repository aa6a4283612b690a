#pragma once
// Writing what the editing views edit: a project with its changed files
// (33157 and the auto-save), the section files with their project, the
// auto-save interval as the user types it, and the reset of the default
// graphic parameters (33427). No Qt.

#include <array>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/project/map_project.h"

namespace zv::views {

struct SaveOutcome {
  bool ok = true;
  // One line per failure, naming the file.
  std::vector<std::string> failures;
};

// Writes the project file, then each area of the project, in list order,
// that is modified, to its own file. Nothing for a null project.
SaveOutcome SaveProjectFiles(MapProject* project);

// The order of a drawing project's members, by extension.
using MemberOrder = std::array<const char*, 3>;
inline constexpr MemberOrder kRegionsPointsLines = {".wp", ".wt", ".wl"};
inline constexpr MemberOrder kRegionsLinesPoints = {".wp", ".wl", ".wt"};

// The section files (and every drawing saved as a project of its own): the
// line, point and region areas saved as folder + name with their own
// extensions, then folder + name + ".mpj" naming the three files in
// `members` order, each in state 3. No project file once an area failed.
SaveOutcome WriteZavedizFiles(WorkAreaHandle line, WorkAreaHandle point, WorkAreaHandle region,
                              const std::string& folder, const std::string& name,
                              const MemberOrder& members = kRegionsPointsLines);

// The interval typed in minutes as milliseconds; 0 with `error` set for text
// that is no number, or an interval under one second or over 1440 minutes.
int AutoSaveIntervalMs(const std::string& minutes, std::string* error);

// The default text, sub-graph, line and region parameters back to the
// program's own starting values (only the bytes named change, except the
// text record, which is cleared first).
void ResetDefaultParams();

}  // namespace zv::views
