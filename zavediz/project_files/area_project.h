#pragma once
// Saving a drawing made in a line, a point and a region work area as a
// project of its own: "<base>.wl", "<base>.wt", "<base>.wp" and
// "<base>.mpj" listing the three files, each shown and editable, through
// the section files' writer. Sections and borehole charts are saved this way.

#include <string>

#include "platform/data/work_area.h"
#include "views/core/project_saving.h"

namespace zv::zavediz {

// The three work areas a drawing is made in.
struct DrawingAreas {
  WorkAreaHandle line = 0;
  WorkAreaHandle point = 0;
  WorkAreaHandle region = 0;
};

using views::kRegionsLinesPoints;
using views::kRegionsPointsLines;
using views::MemberOrder;

// Writes the four files; false with the user's message in `error` naming
// each file that could not be written.
bool SaveAreasAsProject(const DrawingAreas& areas, const std::string& base, std::string* error,
                        const MemberOrder& members = kRegionsLinesPoints);

}  // namespace zv::zavediz
