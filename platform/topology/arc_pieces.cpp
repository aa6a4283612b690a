#include "platform/topology/arc_pieces.h"

#include <algorithm>
#include <cstdlib>

#include "platform/topology/clip_copy.h"

namespace zv {

namespace topo {

void SetRegionArcs(WorkAreaHandle area, int32_t region, const std::vector<int32_t>& arcs, const REG_INFO& info,
                   const TopoReport& report) {
  Tell(report, kRegionEntity, region, TopoEvent::kChanging);
  BasUpdateRegion(area, region, arcs, info);
}

int32_t AppendRegionArcs(WorkAreaHandle area, const std::vector<int32_t>& arcs, const REG_INFO& info,
                         const TopoReport& report) {
  const int32_t id = BasAppendRegion(area, arcs, info);
  if (id == 0) return 0;
  Tell(report, kRegionEntity, id, TopoEvent::kAppended);
  return id;
}

std::vector<int32_t> ReplaceArcByPieces(WorkAreaHandle area, int32_t arc, const std::vector<std::vector<D_DOT>>& pieces,
                                        const LIN_INFO& info, bool updateRegions, const TopoReport& report) {
  if (pieces.empty()) return {};
  Tell(report, kLineEntity, arc, TopoEvent::kChanging);
  if (!BasUpdateLine(area, arc, pieces.front(), info)) return {};
  std::vector<int32_t> ids{arc};
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    const int32_t id = BasAppendLine(area, pieces[i], info);
    if (id == 0) return {};
    Tell(report, kLineEntity, id, TopoEvent::kAppended);
    CopyAttribute(area, kLineEntity, arc, area, id);
    ids.push_back(id);
  }
  if (!updateRegions || ids.size() == 1) return ids;
  for (const int32_t region : BasGetRegionsUsingArc(area, arc)) {
    std::vector<int32_t> arcs;
    REG_INFO regionInfo;
    if (!BasReadRegion(area, region, &arcs, &regionInfo)) continue;
    std::vector<int32_t> list{0};
    for (std::size_t i = 1; i < arcs.size(); ++i) {
      if (std::abs(arcs[i]) != arc) {
        list.push_back(arcs[i]);
      } else if (arcs[i] > 0) {
        list.insert(list.end(), ids.begin(), ids.end());
      } else {
        for (auto id = ids.rbegin(); id != ids.rend(); ++id) list.push_back(-*id);
      }
    }
    SetRegionArcs(area, region, list, regionInfo, report);
  }
  return ids;
}

}  // namespace topo
}  // namespace zv
