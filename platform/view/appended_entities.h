#pragma once
// What a run appends to a view's point, line and region areas, recorded as
// appended for the undo: the id bounds are taken when the object is made,
// and Push records every id given since, the region area's arcs included,
// so one undo takes back exactly what the run added.

#include <array>

#include "platform/view/gis_undo.h"

namespace zv {

class AppendedEntities {
 public:
  AppendedEntities(WorkAreaHandle point, WorkAreaHandle line, WorkAreaHandle region);

  // Records the ids appended since construction (nothing when none were).
  void Push(GisUndo& undo) const;

 private:
  struct Part {
    WorkAreaHandle area = 0;
    int kind = kLineEntity;
    int32_t before = 1;
  };
  static int32_t Bound(const Part& part);
  std::array<Part, 4> parts_;
};

}  // namespace zv
