#pragma once
// Giving contours their elevations: a straight line drawn across a run of
// contours numbers them in the order the line meets them from its start,
// counting up or down from a start value; and showing (colour 5) or
// restoring the colours of the contours that carry an elevation.
//
// The contours are the lines of one line work area; their elevation is the
// attribute field "高程" (double). Each function that changes lines first
// hands the ids it is about to change to `beforeChange`, so that the caller
// can keep them for undo (one call per run).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/records.h"

namespace zv::zavediz {

inline constexpr const char* kElevationField = "高程";
inline constexpr int32_t kAssignedColour = 5;

// The values of the elevation dialog, kept from one run to the next.
struct ElevationRange {
  double start = 0.0;
  double end = 10000.0;  // 10000 while counting up, 0 while counting down
  double increment = 5.0;
  bool Increasing() const { return end != 0.0; }
};

using BeforeChange = std::function<void(const std::vector<int32_t>& lineIds)>;

// The colours lines had before they were first shown as assigned, by id.
using SavedColours = std::map<int32_t, int32_t>;

// Adds "高程" (double, length 8) to the lines' structure when it has no field
// of that name. False when the structure cannot be read or changed.
bool AddElevationField(WorkAreaHandle lines);

// Makes "高程" a double, keeping its values; false (the caller refuses) when
// the lines have no such field.
bool PrepareElevationField(WorkAreaHandle lines);

// The elevation of the first contour the drawn line start → end meets, for
// the dialog's start value: 0.0 when none is met, one is met twice, or the
// first has no numeric "高程".
double FirstCrossedElevation(WorkAreaHandle lines, const D_DOT& start, const D_DOT& end);

// Numbers the contours met by start → end from `range.start` by the
// increment, in the order they are met, and colours them 5. Returns the
// message that refuses the run (nothing is written then), or empty. A contour
// whose attribute record cannot be read is passed over.
std::string AssignContourElevations(WorkAreaHandle lines, const D_DOT& start, const D_DOT& end,
                                    const ElevationRange& range, SavedColours& saved,
                                    const BeforeChange& beforeChange);

// Shows every contour with a non-zero elevation in colour 5 (`show`), or
// gives every line recoloured so far that still shows colour 5 its own colour
// back. The saved colours are kept: a restore taken back by undo can be made
// again, and a line the user recoloured since keeps the user's colour.
void MarkAssignedContours(WorkAreaHandle lines, bool show, SavedColours& saved, const BeforeChange& beforeChange);

}  // namespace zv::zavediz
