#pragma once
// Saving a drawing made in a line, a point and a region work area as a
// project of its own: "<base>.wl", "<base>.wt", "<base>.wp" and
// "<base>.mpj" listing the three files (regions, lines, points unless told
// otherwise), each shown and editable. Sections and borehole charts are saved this way.

#include <array>
#include <string>

#include "platform/data/work_area.h"

namespace zv::zavediz {

// The three work areas a drawing is made in.
struct DrawingAreas {
  WorkAreaHandle line = 0;
  WorkAreaHandle point = 0;
  WorkAreaHandle region = 0;
};

// The order of the project's members, by extension.
using MemberOrder = std::array<const char*, 3>;
inline constexpr MemberOrder kRegionsLinesPoints = {".wp", ".wl", ".wt"};
// The custom borehole chart lists its texts before its lines.
inline constexpr MemberOrder kRegionsPointsLines = {".wp", ".wt", ".wl"};

// Writes the four files; false with the user's message in `error` when one
// cannot be written (files written before it stay).
bool SaveAreasAsProject(const DrawingAreas& areas, const std::string& base, std::string* error,
                        const MemberOrder& members = kRegionsLinesPoints);

}  // namespace zv::zavediz
