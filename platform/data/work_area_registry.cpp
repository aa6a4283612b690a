// Handles, sets, the life of work areas, their state, listeners and batches.
#include <algorithm>
#include <unordered_map>

#include "platform/data/work_area_store.h"

namespace zv {
namespace detail {
namespace {

struct Registry {
  std::unordered_map<WorkAreaHandle, std::unique_ptr<WorkArea>> areas;
  std::unordered_map<WorkAreaSetHandle, std::vector<WorkAreaHandle>> sets;
  WorkAreaHandle lastHandle = 0;
  WorkAreaSetHandle lastSet = 0;
  int lastListener = 0;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

// The next free handle after the last one given, so a released handle comes
// back only after all others were handed out.
WorkAreaHandle NextHandle(Registry& r) {
  for (int tries = 0; tries < 65535; ++tries) {
    r.lastHandle = static_cast<WorkAreaHandle>(r.lastHandle == 65535 ? 1 : r.lastHandle + 1);
    if (!r.areas.contains(r.lastHandle)) return r.lastHandle;
  }
  return 0;
}

void Deliver(WorkAreaHandle handle, const WorkAreaChange& change) {
  WorkArea* area = FindArea(handle);
  if (!area) return;
  const std::vector<int> ids = [&] {
    std::vector<int> v;
    for (const Listener& l : area->listeners) v.push_back(l.id);
    return v;
  }();
  for (int id : ids) {
    area = FindArea(handle);
    if (!area) return;
    const auto it = std::find_if(area->listeners.begin(), area->listeners.end(), [id](const Listener& l) { return l.id == id; });
    if (it == area->listeners.end()) continue;
    const ChangeListener call = it->call;  // the listener may remove itself
    call(change);
  }
}

}  // namespace

WorkArea* FindArea(WorkAreaHandle handle) {
  Registry& r = TheRegistry();
  const auto it = r.areas.find(handle);
  return it == r.areas.end() ? nullptr : it->second.get();
}

void NoteChange(WorkArea& area, int entityType, ChangeKind kind, std::vector<int32_t> ids) {
  ++area.revision;
  area.modified = true;
  if (entityType == kLineEntity) KeepLineBoxes(area, kind, ids);
  if (entityType == kRegionEntity) KeepArcUsers(area, kind, ids);
  if (area.batchDepth > 0) {
    auto& pending = area.pending[{entityType, kind}];
    pending.insert(ids.begin(), ids.end());
    return;
  }
  std::sort(ids.begin(), ids.end());
  Deliver(area.handle, WorkAreaChange{area.handle, entityType, kind, std::move(ids), area.revision});
}

void ResetStructures(WorkArea& area) {
  area.points.structure = std::make_shared<const CATT_STRU>(CustomaryStructure(kPointEntity));
  area.rows.structure = std::make_shared<const CATT_STRU>(CustomaryStructure(kTableEntity));
  area.lines.structure = std::make_shared<const CATT_STRU>(CustomaryStructure(kLineEntity));
  area.regions.structure = std::make_shared<const CATT_STRU>(CustomaryStructure(kRegionEntity));
}

void InitialiseArea(WorkArea& area) {
  area.points.Clear();
  area.lines.Clear();
  area.regions.Clear();
  area.rows.Clear();
  area.lineBoxes.Drop();
  area.arcUsers = {};
  ResetStructures(area);
  area.modified = false;
  area.mode = 0;
  area.state = 0;
  area.fileName.clear();
  area.mapParams = DefaultMapParams();
  area.fileState.reset();
  area.layersOff.reset();
}

}  // namespace detail

using detail::FindArea;
using detail::WorkArea;

WorkAreaSetHandle BasCreateWorkAreaSet(int) {
  auto& r = detail::TheRegistry();
  do {
    r.lastSet = r.lastSet == INT32_MAX ? 1 : r.lastSet + 1;
  } while (r.sets.contains(r.lastSet));
  r.sets[r.lastSet];
  return r.lastSet;
}

bool BasFreeWorkAreaSet(WorkAreaSetHandle set) {
  auto& r = detail::TheRegistry();
  const auto it = r.sets.find(set);
  if (it == r.sets.end()) return false;
  const std::vector<WorkAreaHandle> handles = it->second;
  for (WorkAreaHandle h : handles) BasReleaseWorkArea(h);
  r.sets.erase(set);
  return true;
}

WorkAreaHandle BasCreateWorkArea(WorkAreaSetHandle set, int type) {
  auto& r = detail::TheRegistry();
  const auto it = r.sets.find(set);
  if (it == r.sets.end() || (type != kLineArea && type != kPointArea && type != kRegionArea && type != kFourthKindArea &&
                                type != kTableArea))
    return 0;
  const WorkAreaHandle handle = detail::NextHandle(r);
  if (handle == 0) return 0;
  auto area = std::make_unique<WorkArea>();
  area->handle = handle;
  area->set = set;
  area->type = type;
  detail::InitialiseArea(*area);
  r.areas.emplace(handle, std::move(area));
  it->second.push_back(handle);
  return handle;
}

WorkAreaHandle BasCreatePointWorkArea(WorkAreaSetHandle set) { return BasCreateWorkArea(set, kPointArea); }
WorkAreaHandle BasCreateLineWorkArea(WorkAreaSetHandle set) { return BasCreateWorkArea(set, kLineArea); }
WorkAreaHandle BasCreateRegionWorkArea(WorkAreaSetHandle set) { return BasCreateWorkArea(set, kRegionArea); }

bool BasReleaseWorkArea(WorkAreaHandle handle) {
  auto& r = detail::TheRegistry();
  const auto it = r.areas.find(handle);
  if (it == r.areas.end()) return false;
  auto& members = r.sets[it->second->set];
  std::erase(members, handle);
  r.areas.erase(it);
  return true;
}

bool BasClearWorkArea(WorkAreaHandle handle, int) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  const bool hadEntities =
      area->points.bound() > 1 || area->lines.bound() > 1 || area->regions.bound() > 1 || area->rows.bound() > 1;
  area->points.Clear();
  area->lines.Clear();
  area->regions.Clear();
  area->rows.Clear();
  area->lineBoxes.Drop();
  area->arcUsers = {};
  // Changes waiting for the end of a batch name ids that are gone now.
  area->pending.clear();
  area->pendingArcs.clear();
  if (!hadEntities) return true;
  std::vector<int> types;
  for (int type : {int{kLineEntity}, int{kPointEntity}, int{kRegionEntity}, int{kTableEntity}}) {
    if (area->Holds(type)) types.push_back(type);
  }
  // A listener may release the area: look it up again each time.
  for (int type : types) {
    if (WorkArea* still = FindArea(handle)) detail::NoteChange(*still, type, ChangeKind::Cleared, {});
  }
  return true;
}

bool BasResetWorkArea(WorkAreaHandle handle) {
  if (!BasClearWorkArea(handle)) return false;
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  detail::ResetStructures(*area);
  area->layersOff.reset();
  return true;
}

int BasIsWorkAreaValid(WorkAreaHandle handle) { return FindArea(handle) ? 1 : 0; }

int BasIsWorkAreaEmpty(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return !area || (area->points.live == 0 && area->lines.live == 0 && area->regions.live == 0 && area->rows.live == 0)
             ? 1
             : 0;
}

int BasGetWorkAreaType(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->type : -1;
}

WorkAreaSetHandle BasGetWorkAreaSet(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->set : 0;
}

int BasGetEntityCount(WorkAreaHandle handle, int entityType, int32_t* live, int32_t* bound) {
  WorkArea* area = FindArea(handle);
  const bool ok = area && area->Holds(entityType);
  int32_t n = 0, b = 0;
  if (ok) {
    detail::WithStore(*area, entityType, [&](const auto& store) {
      n = store.live;
      b = store.bound();
    });
  }
  if (live) *live = n;
  if (bound) *bound = b;
  return ok ? 1 : 0;
}

int BasGetPointCount(WorkAreaHandle area, int32_t* live, int32_t* bound) {
  return BasGetEntityCount(area, kPointEntity, live, bound);
}
int BasGetLineCount(WorkAreaHandle area, int32_t* live, int32_t* bound) {
  return BasGetEntityCount(area, kLineEntity, live, bound);
}
int BasGetRegionCount(WorkAreaHandle area, int32_t* live, int32_t* bound) {
  return BasGetEntityCount(area, kRegionEntity, live, bound);
}

int BasIsEntityLive(WorkAreaHandle handle, int entityType, int32_t id) {
  WorkArea* area = FindArea(handle);
  if (!area || !area->Holds(entityType)) return 0;
  return detail::WithStore(*area, entityType, [&](const auto& store) { return store.IsLive(id) ? 1 : 0; });
}

namespace {

// The regions using an arc changed inside the batch: measured again and
// told as updated, in one pass over the regions.
void RefreshRegionsOfPendingArcs(detail::WorkArea& area) {
  if (area.pendingArcs.empty()) return;
  const std::set<int32_t> arcs = std::move(area.pendingArcs);
  area.pendingArcs.clear();
  std::vector<int32_t> regions;
  for (int32_t id = 1; id < area.regions.bound(); ++id) {
    const detail::RegionSlot& slot = area.regions.slots[static_cast<std::size_t>(id)];
    if (!slot.live) continue;
    for (std::size_t i = 1; i < slot.arcs.size(); ++i) {
      if (slot.arcs[i] != 0 && arcs.count(std::abs(slot.arcs[i]))) {
        regions.push_back(id);
        break;
      }
    }
  }
  for (int32_t region : regions) detail::RefreshMeasures(area, kRegionEntity, region);
  if (!regions.empty()) detail::NoteChange(area, kRegionEntity, ChangeKind::Updated, regions);
}

}  // namespace

int BasBeginBatch(WorkAreaHandle handle) {
  WorkArea* area = FindArea(handle);
  if (!area) return 0;
  ++area->batchDepth;
  return 1;
}

int BasBatchStep(WorkAreaHandle handle) { return FindArea(handle) ? 1 : 0; }

int BasEndBatch(WorkAreaHandle handle) {
  WorkArea* area = FindArea(handle);
  if (!area || area->batchDepth == 0) return 0;
  if (--area->batchDepth > 0) return 1;
  RefreshRegionsOfPendingArcs(*area);
  auto pending = std::move(area->pending);
  area->pending.clear();
  const uint64_t revision = area->revision;
  for (auto& [key, ids] : pending) {
    detail::Deliver(handle, WorkAreaChange{handle, key.first, key.second, std::vector<int32_t>(ids.begin(), ids.end()), revision});
  }
  return 1;
}

int BasAddChangeListener(WorkAreaHandle handle, ChangeListener listener) {
  WorkArea* area = FindArea(handle);
  if (!area || !listener) return 0;
  const int id = ++detail::TheRegistry().lastListener;
  area->listeners.push_back({id, std::move(listener)});
  return id;
}

bool BasRemoveChangeListener(WorkAreaHandle handle, int listenerId) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  return std::erase_if(area->listeners, [listenerId](const detail::Listener& l) { return l.id == listenerId; }) > 0;
}

uint64_t BasGetRevision(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->revision : 0;
}

int BasIsWorkAreaModified(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area && area->modified ? 1 : 0;
}

bool BasSetWorkAreaModified(WorkAreaHandle handle, bool modified) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->modified = modified;
  return true;
}

int BasGetWorkAreaMode(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->mode : 0;
}

bool BasSetWorkAreaMode(WorkAreaHandle handle, int mode) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->mode = mode;
  return true;
}

int BasGetWorkAreaState(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->state : 0;
}

bool BasSetWorkAreaState(WorkAreaHandle handle, int state) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->state = state;
  return true;
}

std::string BasGetWorkAreaFileName(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area ? area->fileName : std::string();
}

bool BasSetWorkAreaFileName(WorkAreaHandle handle, const std::string& path) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->fileName = path;
  return true;
}

int BasGetMapParams(WorkAreaHandle handle, MapParams* params) {
  const WorkArea* area = FindArea(handle);
  if (!area || !params) return 0;
  *params = area->mapParams;
  return 1;
}

int BasSetMapParams(WorkAreaHandle handle, const MapParams& params) {
  WorkArea* area = FindArea(handle);
  if (!area) return 0;
  area->mapParams = params;
  area->modified = true;
  return 1;
}

bool BasSetWorkAreaFileState(WorkAreaHandle handle, std::any state) {
  WorkArea* area = FindArea(handle);
  if (!area) return false;
  area->fileState = std::move(state);
  return true;
}

const std::any* BasGetWorkAreaFileState(WorkAreaHandle handle) {
  const WorkArea* area = FindArea(handle);
  return area && area->fileState.has_value() ? &area->fileState : nullptr;
}

}  // namespace zv
