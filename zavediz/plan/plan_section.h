#pragma once
// The section line as the plan view keeps it between steps, and the one
// operation every way of fixing a line ends in: intersect the contours of
// the current line work area with it and store the terrain profile in the
// plan document's section data.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/point_rec_list.h"
#include "platform/data/work_area.h"
#include "zavediz/records.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

// The plan view's section line (plan units).
struct PlanSection {
  // Contour crossings ("0") and interior vertices ("1"), by distance.
  CPointRecList crossings;
  D_DOT start{};
  D_DOT end{};
  std::vector<D_DOT> vertices;  // the section line, start to end
  // The overlay of the stored line: drawn start → crossings → end while set.
  bool overlayShown = false;
  D_DOT overlayStart{};
  D_DOT overlayEnd{};
  bool geologyRead = false;
};

// Starts a new section line: the document's section data is reset (the
// header stays), the crossing list emptied and the geology reading
// forgotten.
void BeginSectionLine(PlanSection& plan, SectionData& data);

// Offers the numeric field names of the contours (at most 20) with one of
// them preselected; the chosen name, none when the user cancels.
using ElevationFieldChooser =
    std::function<std::optional<std::string>(const std::vector<std::string>& names, int preselected)>;

// Numeric fields (long, float, double) of the line area's contours, at most
// 20, in structure order; the preselected one is the first beginning with
// "高" (0 when none does).
std::vector<std::string> NumericFieldNames(WorkAreaHandle lineArea, int* preselected);

// What became of a store: `message` is what to tell the user (empty: say
// nothing).
struct StoreOutcome {
  bool stored = false;
  std::string message;
};

// Intersects the contours of `lineArea` with `plan.vertices` and, when a
// field is chosen and the profile can be built, stores the profile and the
// line's geometry in `data` and shows the line in the overlay. Refusals
// store nothing.
StoreOutcome StoreTerrainData(PlanSection& plan, SectionData& data, WorkAreaHandle lineArea,
                              const ElevationFieldChooser& chooseField);

}  // namespace zv::zavediz
