#include "platform/display/project_renderer.h"

#include <algorithm>

namespace zv::display {

bool ItemShownAtScale(const zv::MapProject* project, int index, double scale) {
  double minimum = 0, maximum = 0;
  if (!zv::PrjGetItemScaleRange(project, index, &minimum, &maximum)) return false;
  // Written as "not below" so that a NaN bound from a file limits nothing.
  const bool aboveMinimum = !(minimum > 0) || !(scale < minimum);
  const bool belowMaximum = !(maximum > 0) || !(scale > maximum);
  return aboveMinimum && belowMaximum;
}

std::vector<zv::WorkAreaHandle> ProjectAreasAtScale(const zv::MapProject* project, double scale) {
  std::vector<zv::WorkAreaHandle> areas;
  for (int index = 0; index < zv::PrjGetItemCount(project); ++index) {
    const zv::WorkAreaHandle area = zv::PrjGetItemArea(project, index);
    if (!zv::BasIsWorkAreaValid(area) || zv::PrjGetItemState(project, index) == zv::kItemHidden) continue;
    if (ItemShownAtScale(project, index, scale)) areas.push_back(area);
  }
  return areas;
}

bool AreaListRenderer::DrawnExtent(zv::WorkAreaHandle area, int entityType, std::int32_t id, QRectF* extent) const {
  const auto found = renderers_.find(area);
  return found != renderers_.end() && found->second->DrawnExtent(entityType, id, extent);
}

void AreaListRenderer::Draw(KernelDriver& driver, const std::vector<zv::WorkAreaHandle>& areas,
                            const DisplaySwitches& switches) {
  std::erase_if(renderers_, [&](const auto& entry) {
    return std::find(areas.begin(), areas.end(), entry.first) == areas.end();
  });
  drawn_ = 0;
  for (zv::WorkAreaHandle area : areas) {
    auto& renderer = renderers_[area];
    if (!renderer) renderer = std::make_unique<WorkAreaRenderer>(area);
    renderer->Draw(driver, switches);
    drawn_ += renderer->DrawnCount();
  }
}

void AreaListRenderer::DrawProject(KernelDriver& driver, const zv::MapProject& project,
                                   const DisplaySwitches& switches, const std::vector<zv::WorkAreaHandle>& extra) {
  std::vector<zv::WorkAreaHandle> areas = ProjectAreasAtScale(&project, driver.Factor());
  areas.insert(areas.end(), extra.begin(), extra.end());
  Draw(driver, areas, switches);
}

void DrawProject(KernelDriver& driver, const zv::MapProject& project, const DisplaySwitches& switches) {
  AreaListRenderer().DrawProject(driver, project, switches);
}

}  // namespace zv::display
