#pragma once
// Draws a whole project into a KernelDriver: the work areas of its items in
// item order, so a later item covers an earlier one. An item is left out
// when its state is 0 (hidden), when it has no work area (images, missing
// files), or when the scale of the drawing lies outside its display scale
// range.
//
// Scale: the pixels per map unit of the drawing (the driver's factor, the
// view's WIN_ORG scale). An item's range is [minimum, maximum]; a bound that
// is 0 or less sets no limit, so 0/0 shows the item at every scale.

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/display/work_area_renderer.h"
#include "platform/project/map_project.h"

namespace zv::display {

// True when the item's display scale range admits the scale.
bool ItemShownAtScale(const zv::MapProject* project, int index, double scale);

// The work areas the project draws at the scale, in item order.
std::vector<zv::WorkAreaHandle> ProjectAreasAtScale(const zv::MapProject* project, double scale);

// Draws lists of work areas, keeping one WorkAreaRenderer (and its spatial
// index) per area from one draw to the next; areas no longer drawn are
// forgotten.
class AreaListRenderer {
 public:
  void Draw(KernelDriver& driver, const std::vector<zv::WorkAreaHandle>& areas,
            const DisplaySwitches& switches = DefaultSwitches());
  // Draws the project's areas at the driver's factor, then `extra` (areas
  // the caller shows over the project).
  void DrawProject(KernelDriver& driver, const zv::MapProject& project,
                   const DisplaySwitches& switches = DefaultSwitches(),
                   const std::vector<zv::WorkAreaHandle>& extra = {});
  // Entities drawn by the last draw.
  int DrawnCount() const { return drawn_; }
  // Where an entity of a drawn area was last drawn; false when unknown.
  bool DrawnExtent(zv::WorkAreaHandle area, int entityType, std::int32_t id, QRectF* extent) const;

 private:
  std::unordered_map<zv::WorkAreaHandle, std::unique_ptr<WorkAreaRenderer>> renderers_;
  int drawn_ = 0;
};

// One draw of a project, for outputs that draw it once (images, printing).
void DrawProject(KernelDriver& driver, const zv::MapProject& project,
                 const DisplaySwitches& switches = DefaultSwitches());

}  // namespace zv::display
