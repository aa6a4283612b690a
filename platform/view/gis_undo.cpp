#include "platform/view/gis_undo.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zv {

namespace {

bool KnownCode(int code) { return code >= GisUndo::kAppended && code <= GisUndo::kDeleted; }

// Snapshots of the entries with their places in the drawing order, asked
// once per area and type (the platform finds them without reading the order).
std::vector<EntitySnapshot> Capture(const std::vector<ENTITY_MSG>& entities) {
  std::map<std::pair<WorkAreaHandle, int>, std::vector<int32_t>> ids;
  for (const ENTITY_MSG& e : entities) ids[{e.area, static_cast<int>(e.type)}].push_back(e.id);
  std::map<std::pair<WorkAreaHandle, int>, std::map<int32_t, int64_t>> places;
  for (const auto& [key, list] : ids) {
    const std::vector<int64_t> found = BasGetOrderPlaces(key.first, key.second, list);
    auto& byId = places[key];
    for (std::size_t i = 0; i < list.size(); ++i) byId.emplace(list[i], found[i]);
  }
  std::vector<EntitySnapshot> out;
  out.reserve(entities.size());
  for (const ENTITY_MSG& e : entities) {
    auto s = CaptureEntity(e, nullptr);
    if (!s) continue;
    s->orderIndex = places[{e.area, static_cast<int>(e.type)}][e.id];
    out.push_back(std::move(*s));
  }
  return out;
}

}  // namespace

bool GisUndo::PushList(WorkAreaHandle area, int kind, const int32_t* ids, int32_t count, int code) {
  if (!KnownCode(code) || !ids || count < 1) return false;
  std::vector<ENTITY_MSG> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) entries.push_back({area, static_cast<int16_t>(kind), ids[i]});
  return PushSelGraphics(entries.data(), count, code);
}

bool GisUndo::PushSelGraphics(const ENTITY_MSG* entries, int32_t count, int code, int) {
  if (!KnownCode(code) || !entries || count < 1) return false;
  Record record;
  record.code = code;
  std::vector<ENTITY_MSG> list(entries, entries + count);
  if (code == kAppended)
    record.appended = std::move(list);
  else
    record.snapshots = Capture(list);
  Add(std::move(record));
  return true;
}

bool GisUndo::PushSnapshots(std::vector<EntitySnapshot> snapshots, int code) {
  if ((code != kChanged && code != kDeleted) || snapshots.empty()) return false;
  Record record;
  record.code = code;
  record.snapshots = std::move(snapshots);
  Add(std::move(record));
  return true;
}

bool GisUndo::PushStructure(WorkAreaHandle area, int entityType) {
  StructureSnapshot snapshot{area, entityType, {}, {}};
  int32_t bound = 0;
  if (BasReadAttributeStructure(area, entityType, &snapshot.structure) != 1 ||
      BasGetAttributeInfo(area, entityType, &bound) != 1)
    return false;
  AttributeRecord record;
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadAttribute(area, entityType, id, &record) == 1) snapshot.records.emplace_back(id, record);
  Record pushed;
  pushed.code = kChanged;
  pushed.structure = std::move(snapshot);
  Add(std::move(pushed));
  return true;
}

void GisUndo::Add(Record record) {
  open_.records.push_back(std::move(record));
  if (depth_ == 0) CloseStep();
}

void GisUndo::BeginStep() { ++depth_; }

void GisUndo::EndStep() {
  if (depth_ == 0) return;
  if (--depth_ == 0) CloseStep();
}

void GisUndo::CloseStep() {
  if (open_.records.empty()) return;
  steps_.push_back(std::move(open_));
  open_ = {};
}

int GisUndo::StepCount() const { return static_cast<int>(steps_.size()) + (open_.records.empty() ? 0 : 1); }

void GisUndo::Clear() {
  steps_.clear();
  open_ = {};
}

std::vector<ENTITY_MSG> GisUndo::Undo() {
  // An undo from inside a command takes back what that command pushed so far.
  Step step;
  if (!open_.records.empty()) {
    step = std::move(open_);
    open_ = {};
  } else if (!steps_.empty()) {
    step = std::move(steps_.back());
    steps_.pop_back();
  } else {
    return {};
  }
  std::vector<ENTITY_MSG> touched;
  // Structures first, the oldest last: the entities put back below then
  // find the layout their records were taken with and keep every byte.
  for (auto record = step.records.rbegin(); record != step.records.rend(); ++record) {
    if (!record->structure) continue;
    const StructureSnapshot& s = *record->structure;
    if (BasAdoptAttributeStructure(s.area, s.entityType, s.structure) != 1) continue;
    for (const auto& [id, attribute] : s.records)
      if (BasWriteAttribute(s.area, s.entityType, id, attribute) == 1)
        touched.push_back({s.area, static_cast<int16_t>(s.entityType), id});
  }
  for (auto record = step.records.rbegin(); record != step.records.rend(); ++record) {
    for (auto e = record->appended.rbegin(); e != record->appended.rend(); ++e) {
      DeleteEntity(*e);
      touched.push_back(*e);
    }
    // Regions name their arcs, so arcs come back before the regions.
    for (int type : {kLineEntity, kPointEntity, kRegionEntity})
      for (auto s = record->snapshots.rbegin(); s != record->snapshots.rend(); ++s)
        if (s->entity.type == type && RestoreEntity(*s)) touched.push_back(s->entity);
  }
  return touched;
}

}  // namespace zv
