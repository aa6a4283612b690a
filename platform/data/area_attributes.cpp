// Attribute structures and records of work areas, and the customary
// measures ("长度", "面积", "周长") kept current in them.
#include <algorithm>
#include <cmath>

#include "framework/text/numbers.h"
#include "platform/data/geometry.h"
#include "platform/data/work_area_store.h"

namespace zv {

using detail::FindArea;
using detail::WorkArea;

namespace {

bool SameLayout(const CATT_STRU& a, const CATT_STRU& b) {
  if (a.recordLength != b.recordLength || a.fields.size() != b.fields.size()) return false;
  for (std::size_t i = 0; i < a.fields.size(); ++i) {
    const CFIELD_HEAD& x = a.fields[i];
    const CFIELD_HEAD& y = b.fields[i];
    if (x.name != y.name || x.type != y.type || x.offset != y.offset || x.storage != y.storage) return false;
  }
  return true;
}

WorkArea* AreaHolding(WorkAreaHandle handle, int entityType) {
  WorkArea* area = FindArea(handle);
  return area && area->Holds(entityType) ? area : nullptr;
}

// The stored record of an entity, made fresh when missing or of a wrong size.
template <class Store>
std::vector<uint8_t>& RecordOf(Store& store, int32_t id) {
  const auto index = static_cast<std::size_t>(id);
  if (store.records.size() <= index) store.records.resize(index + 1);
  std::vector<uint8_t>& bytes = store.records[index];
  if (bytes.size() != static_cast<std::size_t>(store.structure->recordLength))
    bytes = AttributeRecord::Empty(store.structure).bytes;
  return bytes;
}

// Moves every record of the store into a new structure.
template <class Store>
void ChangeStructure(Store& store, std::shared_ptr<const CATT_STRU> target) {
  for (std::size_t id = 1; id < store.records.size(); ++id) {
    std::vector<uint8_t>& bytes = store.records[id];
    if (bytes.empty()) continue;
    bytes = ConvertRecord(AttributeRecord{store.structure, bytes}, target).bytes;
  }
  store.structure = std::move(target);
}

void SetMeasure(AttributeRecord& record, const char* name, double value) {
  const int index = BasFindField(*record.structure, name);
  if (index < 0) return;
  const uint8_t type = record.structure->fields[static_cast<std::size_t>(index)].type;
  if (type >= kFieldByte && type <= kFieldDouble) BasSetFieldByIndex(record, index, value);
}

void RegionMeasures(const WorkArea& area, int32_t id, double* surface, double* perimeter) {
  const auto rings = detail::BuildRings(area, area.regions.slots[static_cast<std::size_t>(id)].arcs);
  *surface = 0;
  *perimeter = 0;
  for (std::size_t i = 0; i < rings.size(); ++i) {
    const double a = std::abs(BasPolygonArea(rings[i].data(), static_cast<int32_t>(rings[i].size())));
    *surface += i == 0 ? a : -a;
    *perimeter += BasPolylineLength(rings[i]);
  }
  *surface = std::max(*surface, 0.0);
}

template <class Store>
int ReadRecord(const Store& store, int32_t id, AttributeRecord* record) {
  if (!store.IsLive(id)) return 0;
  if (record) {
    const auto index = static_cast<std::size_t>(id);
    record->structure = store.structure;
    if (index < store.records.size() &&
        store.records[index].size() == static_cast<std::size_t>(store.structure->recordLength)) {
      record->bytes = store.records[index];
    } else {
      record->bytes = AttributeRecord::Empty(store.structure).bytes;
    }
  }
  return 1;
}

}  // namespace

namespace detail {

void InitRecord(WorkArea& area, int entityType, int32_t id) {
  WithStore(area, entityType, [&](auto& store) {
    const auto index = static_cast<std::size_t>(id);
    if (store.records.size() <= index) store.records.resize(index + 1);
    store.records[index] = AttributeRecord::Empty(store.structure).bytes;
  });
  RefreshMeasures(area, entityType, id);
}

void RefreshMeasures(WorkArea& area, int entityType, int32_t id) {
  if (entityType != kLineEntity && entityType != kRegionEntity) return;
  WithStore(area, entityType, [&](auto& store) {
    if (!store.IsLive(id)) return;
    AttributeRecord record{store.structure, std::move(RecordOf(store, id))};
    if (entityType == kLineEntity) {
      SetMeasure(record, kLengthFieldName, BasPolylineLength(area.lines.slots[static_cast<std::size_t>(id)].vertices));
    } else {
      double surface = 0, perimeter = 0;
      RegionMeasures(area, id, &surface, &perimeter);
      SetMeasure(record, kAreaFieldName, surface);
      SetMeasure(record, kPerimeterFieldName, perimeter);
    }
    store.records[static_cast<std::size_t>(id)] = std::move(record.bytes);
  });
}

}  // namespace detail

int BasReadAttributeStructure(WorkAreaHandle handle, int entityType, CATT_STRU* structure) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area || !structure) return 0;
  detail::WithStore(*area, entityType, [&](auto& store) { *structure = *store.structure; });
  return 1;
}

namespace {
int ReplaceStructure(WorkAreaHandle handle, int entityType, CATT_STRU structure, bool keepLayout) {
  detail::SetRefusal({});
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return 0;
  if (keepLayout) {
    if (!AdoptStructureLayout(structure)) return 0;
  } else {
    LayOutStructure(structure);
    if (structure.recordLength > kMaxAttributeRecordLength)
      return detail::Refuse("属性记录长 " + num::FormatInt(structure.recordLength) + " 字节，超过文件能存的 " +
                            num::FormatInt(kMaxAttributeRecordLength) + " 字节；属性结构未修改");
  }
  auto target = std::make_shared<const CATT_STRU>(std::move(structure));
  detail::WithStore(*area, entityType, [&](auto& store) {
    if (SameLayout(*store.structure, *target)) {
      store.structure = target;
      return;
    }
    ChangeStructure(store, target);
    for (int32_t id = 1; id < store.bound(); ++id) detail::RefreshMeasures(*area, entityType, id);
  });
  area->modified = true;
  return 1;
}
}  // namespace

int BasSetAttributeStructure(WorkAreaHandle area, int entityType, const CATT_STRU& structure) {
  return ReplaceStructure(area, entityType, structure, false);
}

int BasAdoptAttributeStructure(WorkAreaHandle area, int entityType, const CATT_STRU& structure) {
  return ReplaceStructure(area, entityType, structure, true);
}

int BasInsertField(WorkAreaHandle handle, int entityType, const CFIELD_HEAD& field) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(handle, entityType, &structure) || field.name.empty() ||
      field.name == kIdFieldName)
    return -1;
  const int count = structure.fieldCount();
  const int at = field.position < 1 || field.position > count ? count : field.position;
  structure.fields.insert(structure.fields.begin() + at, field);
  return BasSetAttributeStructure(handle, entityType, structure) ? at : -1;
}

bool EnsureField(WorkAreaHandle area, int entityType, const CFIELD_HEAD& field) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(area, entityType, &structure)) return false;
  return BasFindField(structure, field.name) >= 0 || BasInsertField(area, entityType, field) >= 0;
}

int BasDeleteField(WorkAreaHandle handle, int entityType, int index) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(handle, entityType, &structure) || index < 1 || index >= structure.fieldCount())
    return 0;
  structure.fields.erase(structure.fields.begin() + index);
  return BasSetAttributeStructure(handle, entityType, structure);
}

int BasGetAttributeInfo(WorkAreaHandle handle, int entityType, int32_t* bound) {
  return BasGetEntityCount(handle, entityType, nullptr, bound);
}

int BasReadAttribute(WorkAreaHandle handle, int entityType, int32_t id, AttributeRecord* record) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return 0;
  return detail::WithStore(*area, entityType, [&](const auto& store) { return ReadRecord(store, id, record); });
}

int BasWriteAttribute(WorkAreaHandle handle, int entityType, int32_t id, const AttributeRecord& record) {
  WorkArea* area = AreaHolding(handle, entityType);
  if (!area) return 0;
  const bool written = detail::WithStore(*area, entityType, [&](auto& store) {
    if (!store.IsLive(id)) return false;
    std::vector<uint8_t> bytes;
    if (record.structure && SameLayout(*record.structure, *store.structure) &&
        record.bytes.size() == static_cast<std::size_t>(store.structure->recordLength)) {
      bytes = record.bytes;
    } else {
      bytes = ConvertRecord(record, store.structure).bytes;
    }
    bytes[0] = 1;
    RecordOf(store, id) = std::move(bytes);
    return true;
  });
  if (!written) return 0;
  detail::RefreshMeasures(*area, entityType, id);
  detail::NoteChange(*area, entityType, ChangeKind::Attributes, {id});
  return 1;
}

}  // namespace zv
