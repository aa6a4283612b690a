#include "platform/clipboard/entity_payload.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "framework/bytes/little_endian.h"
#include "platform/data/scratch_set.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"

namespace zv::clipboard {
namespace {

constexpr char kMagic[8] = {'Z', 'V', 'C', 'L', 'I', 'P', '1', '\0'};
constexpr std::array<int, 3> kAreaKinds{kPointArea, kLineArea, kRegionArea};

// The entity types an area of the kind holds: a region area also holds the
// lines its regions are made of.
std::vector<int> TypesOf(int kind) {
  if (kind == kRegionArea) return {kRegionEntity, kLineEntity};
  return {kind == kPointArea ? kPointEntity : kLineEntity};
}

void TakeStructures(WorkAreaHandle from, WorkAreaHandle to, int kind) {
  for (int type : TypesOf(kind)) {
    CATT_STRU structure;
    if (BasReadAttributeStructure(from, type, &structure)) BasSetAttributeStructure(to, type, structure);
  }
}

std::vector<uint8_t> EncodeArea(WorkAreaHandle area) {
  std::vector<uint8_t> bytes;
  files::VectorFile file;
  if (!WorkAreaToVectorFile(area, file) || !files::EncodeVectorFile(file, bytes, nullptr)) bytes.clear();
  return bytes;
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  out.resize(out.size() + 4);
  bytes::WriteLe<uint32_t>(out.data() + out.size() - 4, value);
}

// The three files of a payload; false when the container does not hold up.
bool SplitPayload(std::span<const uint8_t> payload, std::array<std::span<const uint8_t>, 3>& parts) {
  if (payload.size() < sizeof kMagic || std::memcmp(payload.data(), kMagic, sizeof kMagic) != 0) return false;
  std::size_t at = sizeof kMagic;
  for (auto& part : parts) {
    if (payload.size() - at < 4) return false;
    const uint32_t length = bytes::ReadLe<uint32_t>(payload.data() + at);
    at += 4;
    if (payload.size() - at < length) return false;
    part = payload.subspan(at, length);
    at += length;
  }
  return at == payload.size();
}

std::vector<int32_t> LiveIdsFrom(WorkAreaHandle area, int type, int32_t first) {
  std::vector<int32_t> ids;
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  for (int32_t id = first; id < bound; ++id)
    if (BasIsEntityLive(area, type, id)) ids.push_back(id);
  return ids;
}

int32_t BoundOf(WorkAreaHandle area, int type) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  return bound;
}

}  // namespace

std::vector<uint8_t> EncodeEntities(std::span<const ENTITY_MSG> pool) {
  // The live entries by source area and type, in pool order, so regions of
  // one area that share an arc keep sharing it.
  struct Group {
    WorkAreaHandle area;
    int type;
    std::vector<int32_t> ids;
  };
  std::vector<Group> groups;
  for (const ENTITY_MSG& e : pool) {
    if (!BasIsEntityLive(e.area, e.type, e.id)) continue;
    auto it = std::find_if(groups.begin(), groups.end(),
                           [&e](const Group& g) { return g.area == e.area && g.type == e.type; });
    if (it == groups.end()) it = groups.insert(groups.end(), Group{e.area, e.type, {}});
    it->ids.push_back(e.id);
  }
  ScratchSet scratch;
  std::array<WorkAreaHandle, 3> areas{};
  bool any = false;
  for (const Group& g : groups) {
    const std::size_t k = g.type == kPointEntity ? 0 : g.type == kLineEntity ? 1 : 2;
    if (areas[k] == 0) {
      // The first source area of each kind lends its attribute structure;
      // records from other areas go over by field name.
      areas[k] = scratch.Create(kAreaKinds[k]);
      TakeStructures(g.area, areas[k], kAreaKinds[k]);
    }
    any = BasCopyEntities(g.area, g.type, g.ids, areas[k]) > 0 || any;
  }
  std::vector<uint8_t> out;
  if (!any) return out;
  out.assign(kMagic, kMagic + sizeof kMagic);
  for (WorkAreaHandle area : areas) {
    const std::vector<uint8_t> file = area ? EncodeArea(area) : std::vector<uint8_t>{};
    AppendU32(out, static_cast<uint32_t>(file.size()));
    out.insert(out.end(), file.begin(), file.end());
  }
  return out;
}

bool PasteEntities(std::span<const uint8_t> payload, WorkAreaHandle pointArea, WorkAreaHandle lineArea,
                   WorkAreaHandle regionArea, bool withAttributes, std::vector<PastedIds>& pasted, std::string& error) {
  std::array<std::span<const uint8_t>, 3> parts;
  if (!SplitPayload(payload, parts)) {
    error = "剪贴板中的图形数据不完整。";
    return false;
  }
  const std::array<WorkAreaHandle, 3> targets{pointArea, lineArea, regionArea};
  ScratchSet scratch;
  std::array<WorkAreaHandle, 3> sources{};
  // Everything is read and checked before anything is appended.
  for (std::size_t k = 0; k < 3; ++k) {
    if (parts[k].empty()) continue;
    if (BasGetWorkAreaType(targets[k]) != kAreaKinds[k]) {
      error = "没有可粘贴的当前工作区。";
      return false;
    }
    files::VectorFile file;
    files::FileReport report;
    std::vector<std::string> warnings;
    sources[k] = scratch.Create(kAreaKinds[k]);
    if (!files::DecodeVectorFile(parts[k], "clipboard", file, report) ||
        !VectorFileToWorkArea(file, sources[k], warnings, "clipboard")) {
      error = "剪贴板中的图形数据无法读取。" + report.error;
      return false;
    }
    // Without attributes the copies carry only the customary fields, which
    // the target computes for itself.
    if (!withAttributes)
      for (int type : TypesOf(kAreaKinds[k])) BasSetAttributeStructure(sources[k], type, CustomaryStructure(type));
  }
  pasted.clear();
  for (std::size_t k = 0; k < 3; ++k) {
    if (sources[k] == 0) continue;
    std::vector<int> types = TypesOf(kAreaKinds[k]);
    std::vector<int32_t> bounds;
    for (int type : types) bounds.push_back(BoundOf(targets[k], type));
    if (k == 0) BasCopyPoints(sources[k], targets[k]);
    if (k == 1) BasCopyLines(sources[k], targets[k]);
    if (k == 2) BasCopyRegions(sources[k], targets[k]);
    for (std::size_t t = 0; t < types.size(); ++t) {
      std::vector<int32_t> ids = LiveIdsFrom(targets[k], types[t], bounds[t]);
      if (!ids.empty()) pasted.push_back({targets[k], types[t], std::move(ids)});
    }
  }
  return true;
}

}  // namespace zv::clipboard
