#pragma once
// Three work areas used together: a point, a line and a region area (whose
// lines are its regions' arcs). Library previews draw into them; legend items
// are read into and written from them.

#include "platform/data/work_area.h"

namespace zv::panels {

struct PreviewAreas {
  WorkAreaHandle points = 0;
  WorkAreaHandle lines = 0;
  WorkAreaHandle regions = 0;
};

// Empties the three areas and gives them back their customary structures.
inline void ClearPreviewAreas(const PreviewAreas& areas) {
  for (WorkAreaHandle area : {areas.points, areas.lines, areas.regions}) {
    BasClearWorkArea(area, 0);
    BasResetWorkArea(area);
  }
}

}  // namespace zv::panels
