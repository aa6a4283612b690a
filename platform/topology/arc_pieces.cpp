#include "platform/topology/arc_pieces.h"

#include <algorithm>
#include <cstdlib>

#include "platform/topology/clip_copy.h"

namespace zv {

TopoArcUsers::TopoArcUsers(WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  BasGetRegionCount(area, &live, &bound);
  std::vector<int32_t> arcs;
  for (int32_t region = 1; region < bound; ++region)
    if (BasReadRegion(area, region, &arcs, nullptr)) Update(region, {}, arcs);
}

std::vector<int32_t> TopoArcUsers::Of(int32_t arc) const {
  const auto it = users_.find(arc);
  return it == users_.end() ? std::vector<int32_t>{} : it->second;
}

void TopoArcUsers::Update(int32_t region, const std::vector<int32_t>& before, const std::vector<int32_t>& after) {
  // Entry 0 of an arc list is no arc.
  for (std::size_t i = 1; i < before.size(); ++i) {
    if (before[i] == 0) continue;
    std::vector<int32_t>& users = users_[std::abs(before[i])];
    users.erase(std::remove(users.begin(), users.end(), region), users.end());
  }
  for (std::size_t i = 1; i < after.size(); ++i) {
    if (after[i] == 0) continue;
    std::vector<int32_t>& users = users_[std::abs(after[i])];
    const auto at = std::lower_bound(users.begin(), users.end(), region);
    if (at == users.end() || *at != region) users.insert(at, region);
  }
}

namespace topo {

void SetRegionArcs(WorkAreaHandle area, int32_t region, const std::vector<int32_t>& arcs, const REG_INFO& info,
                   const TopoReport& report, TopoArcUsers* users) {
  std::vector<int32_t> before;
  if (users) BasReadRegion(area, region, &before, nullptr);
  Tell(report, kRegionEntity, region, TopoEvent::kChanging);
  if (BasUpdateRegion(area, region, arcs, info) && users) users->Update(region, before, arcs);
}

int32_t AppendRegionArcs(WorkAreaHandle area, const std::vector<int32_t>& arcs, const REG_INFO& info,
                         const TopoReport& report, TopoArcUsers* users) {
  const int32_t id = BasAppendRegion(area, arcs, info);
  if (id == 0) return 0;
  Tell(report, kRegionEntity, id, TopoEvent::kAppended);
  if (users) users->Update(id, {}, arcs);
  return id;
}

std::vector<int32_t> ReplaceArcByPieces(WorkAreaHandle area, int32_t arc, const std::vector<std::vector<D_DOT>>& pieces,
                                        const LIN_INFO& info, bool updateRegions, const TopoReport& report,
                                        TopoArcUsers* users) {
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
  for (const int32_t region : users ? users->Of(arc) : BasGetRegionsUsingArc(area, arc)) {
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
    SetRegionArcs(area, region, list, regionInfo, report, users);
  }
  return ids;
}

}  // namespace topo
}  // namespace zv
