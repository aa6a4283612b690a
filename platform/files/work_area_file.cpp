#include "platform/files/work_area_file.h"

#include <algorithm>
#include <any>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "framework/bytes/little_endian.h"
#include "framework/text/numbers.h"
#include "platform/data/table_area.h"
#include "platform/files/area_attribute_table.h"
#include "platform/files/table_file.h"
#include "platform/files/vector_file_codec.h"

namespace zv {
namespace {

using files::AttributeField;
using files::AttributeTable;
using files::FileKind;
using files::VectorFile;

// What the work area does not hold of the file it came from.
struct KeptFileParts {
  FileKind kind = FileKind::Point;
  std::array<std::uint8_t, VectorFile::kHeaderSize> header{};
  AttributeTable attributes;        // header and descriptors only
  AttributeTable regionAttributes;  // likewise
  std::map<int, std::vector<std::uint8_t>> keptSections;
  std::size_t lineSlots = 0;
};

bool KindOfArea(int areaType, FileKind& kind) {
  switch (areaType) {
    case kLineArea: kind = FileKind::Line; return true;
    case kPointArea: kind = FileKind::Point; return true;
    case kRegionArea: kind = FileKind::Region; return true;
    default: return false;
  }
}

int SectionTwoEntity(FileKind kind) { return kind == FileKind::Point ? kPointEntity : kLineEntity; }

// ---- file -> work area ----------------------------------------------------------

class AreaLoader {
 public:
  AreaLoader(const VectorFile& file, WorkAreaHandle area, std::vector<std::string>& warnings, const std::string& name)
      : file_(file), area_(area), warnings_(warnings), name_(name) {}

  void Load() {
    MapParams params;
    std::memcpy(params.data(), file_.MapParameters(), VectorFile::kMapParamSize);
    BasSetMapParams(area_, params);
    SetStructure(SectionTwoEntity(file_.kind), file_.attributes);
    if (file_.kind == FileKind::Region) SetStructure(kRegionEntity, file_.regionAttributes);
    BasBeginBatch(area_);
    if (file_.kind == FileKind::Point)
      LoadPoints();
    else
      LoadLines();
    if (file_.kind == FileKind::Region) LoadRegions();
    LoadAttributes(SectionTwoEntity(file_.kind), file_.attributes);
    if (file_.kind == FileKind::Region) LoadAttributes(kRegionEntity, file_.regionAttributes);
    BasEndBatch(area_);
  }

 private:
  void Warn(const std::string& what) { warnings_.push_back(name_ + ": " + what); }

  void SetStructure(int entityType, const AttributeTable& table) {
    if (!table.present) {
      BasSetAttributeStructure(area_, entityType, CustomaryStructure(entityType));
      return;
    }
    if (!AdoptTableStructure(area_, entityType, table)) {
      Warn("attribute structure not usable; customary fields used");
      BasSetAttributeStructure(area_, entityType, CustomaryStructure(entityType));
    }
  }

  // Appends the entity of slot `id`, or takes the id as a deleted one (a
  // deleted slot, or an entity that cannot be placed), so that the next slot
  // gets the next id.
  template <typename Append>
  void Place(int32_t id, bool live, int entityType, Append append, const char* word) {
    const int32_t placed = live ? append() : 0;
    if (live && placed == id) return;
    if (live) Warn(std::string(word) + " " + num::FormatInt(id) + ": cannot be placed; skipped");
    if (placed || BasAppendDeletedId(area_, entityType) != id)
      Warn(std::string(word) + " " + num::FormatInt(id) + ": numbering could not be kept");
  }

  void LoadPoints() {
    for (std::size_t id = 1; id < file_.points.size(); ++id) {
      const files::PointRecord& point = file_.points[id];
      Place(static_cast<int32_t>(id), point.Live(), kPointEntity, [&] {
        PNT_INFO info;
        std::memcpy(info.data(), point.bytes.data() + files::PointRecord::kParamOffset, files::PointRecord::kParamSize);
        const int32_t placed = BasAppendPoint(area_, D_DOT{point.X(), point.Y()}, point.Text(), info);
        if (placed) BasSetEntityFileBytes(area_, kPointEntity, placed, {point.bytes.begin(), point.bytes.end()});
        return placed;
      }, "point");
    }
  }

  void LoadLines() {
    std::vector<D_DOT> dots;
    const char* word = file_.kind == FileKind::Region ? "arc" : "line";
    for (std::size_t id = 1; id < file_.lines.size(); ++id) {
      const files::LineRecord& line = file_.lines[id];
      Place(static_cast<int32_t>(id), line.Live(), kLineEntity, [&] {
        LIN_INFO info;
        std::memcpy(info.data(), line.bytes.data() + files::LineRecord::kParamOffset, files::LineRecord::kParamSize);
        dots.resize(line.vertices.size());
        std::transform(line.vertices.begin(), line.vertices.end(), dots.begin(),
                       [](const files::Vertex& v) { return D_DOT{v.x, v.y}; });
        const int32_t placed = BasAppendLine(area_, dots.data(), static_cast<int32_t>(dots.size()), info);
        if (placed) BasSetEntityFileBytes(area_, kLineEntity, placed, {line.bytes.begin(), line.bytes.end()});
        return placed;
      }, word);
    }
  }

  void LoadRegions() {
    for (std::size_t id = 1; id < file_.regions.size(); ++id) {
      const files::RegionRecord& region = file_.regions[id];
      Place(static_cast<int32_t>(id), region.Live(), kRegionEntity, [&] {
        REG_INFO info;
        std::memcpy(info.data(), region.bytes.data() + files::RegionRecord::kParamOffset,
                    files::RegionRecord::kParamSize);
        const std::vector<int32_t> arcs = ArcsInArea(region.arcs, id);
        const int32_t placed = BasAppendRegion(area_, arcs, info);
        if (placed) BasSetEntityFileBytes(area_, kRegionEntity, placed, {region.bytes.begin(), region.bytes.end()});
        return placed;
      }, "region");
    }
  }

  // The arc list for BasAppendRegion (entry 0 is not read), without the arcs
  // that could not be placed in the area.
  std::vector<int32_t> ArcsInArea(const std::vector<int32_t>& fileArcs, std::size_t region) {
    std::vector<int32_t> arcs = {0};
    std::string missing;
    for (int32_t arc : fileArcs) {
      const auto id = static_cast<int32_t>(std::min<int64_t>(std::llabs(arc), INT32_MAX));
      if (arc == 0 || BasIsEntityLive(area_, kLineEntity, id)) {
        arcs.push_back(arc);
      } else {
        missing += (missing.empty() ? "" : ", ") + num::FormatInt(arc);
      }
    }
    if (!missing.empty())
      Warn("region " + num::FormatInt(static_cast<long>(region)) + ": arcs " + missing + " left out of its boundary");
    return arcs;
  }

  void LoadAttributes(int entityType, const AttributeTable& table) {
    if (table.present) LoadTableRecords(area_, entityType, table);
  }

  const VectorFile& file_;
  WorkAreaHandle area_;
  std::vector<std::string>& warnings_;
  const std::string& name_;
};

KeptFileParts KeepFileParts(const VectorFile& file) {
  KeptFileParts kept;
  kept.kind = file.kind;
  kept.header = file.header;
  kept.attributes = file.attributes;
  kept.attributes.records.clear();
  kept.regionAttributes = file.regionAttributes;
  kept.regionAttributes.records.clear();
  kept.keptSections = file.keptSections;
  kept.lineSlots = file.lines.size();
  return kept;
}

// ---- work area -> file ----------------------------------------------------------

template <typename Record>
Record RecordBase(WorkAreaHandle area, int entityType, int32_t id, Record fresh) {
  const std::vector<uint8_t>* bytes = BasGetEntityFileBytes(area, entityType, id);
  if (bytes && bytes->size() == Record::kSize) std::copy(bytes->begin(), bytes->end(), fresh.bytes.begin());
  fresh.SetLive(true);
  return fresh;
}

int32_t Bound(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 1;
  BasGetEntityCount(area, entityType, &live, &bound);
  return std::max(bound, 1);
}

void SavePoints(WorkAreaHandle area, VectorFile& file) {
  const int32_t bound = Bound(area, kPointEntity);
  file.points.assign(static_cast<std::size_t>(bound), files::PointRecord{});
  D_DOT position;
  std::string text;
  PNT_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadPoint(area, id, &position, &text, &info)) continue;
    files::PointRecord point = RecordBase(area, kPointEntity, id, files::PointRecord{});
    point.SetPosition(position.x, position.y, point.Z());
    std::memcpy(point.bytes.data() + files::PointRecord::kParamOffset, info.data(), files::PointRecord::kParamSize);
    point.SetText(text);
    file.points[static_cast<std::size_t>(id)] = std::move(point);
  }
}

void SaveLines(WorkAreaHandle area, VectorFile& file) {
  const int32_t bound = Bound(area, kLineEntity);
  file.lines.assign(static_cast<std::size_t>(bound), files::LineRecord{});
  std::vector<D_DOT> dots;
  LIN_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadLine(area, id, &dots, &info)) continue;
    files::LineRecord line = RecordBase(area, kLineEntity, id, files::LineRecord::New());
    std::memcpy(line.bytes.data() + files::LineRecord::kParamOffset, info.data(), files::LineRecord::kParamSize);
    line.vertices.resize(dots.size());
    std::transform(dots.begin(), dots.end(), line.vertices.begin(),
                   [](const D_DOT& d) { return files::Vertex{d.x, d.y}; });
    file.lines[static_cast<std::size_t>(id)] = std::move(line);
  }
}

void SaveRegions(WorkAreaHandle area, VectorFile& file) {
  const int32_t bound = Bound(area, kRegionEntity);
  file.regions.assign(static_cast<std::size_t>(bound), files::RegionRecord{});
  std::vector<int32_t> arcs;
  REG_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadRegion(area, id, &arcs, &info)) continue;
    files::RegionRecord region = RecordBase(area, kRegionEntity, id, files::RegionRecord{});
    std::memcpy(region.bytes.data() + files::RegionRecord::kParamOffset, info.data(), files::RegionRecord::kParamSize);
    if (!arcs.empty()) region.arcs.assign(arcs.begin() + 1, arcs.end());  // entry 0 is the writer's
    file.regions[static_cast<std::size_t>(id)] = std::move(region);
  }
  files::RebuildArcTopology(file);
}

}  // namespace

bool VectorFileToWorkArea(const VectorFile& file, WorkAreaHandle area, std::vector<std::string>& warnings,
                          const std::string& name) {
  FileKind kind;
  if (!KindOfArea(BasGetWorkAreaType(area), kind) || kind != file.kind) return false;
  BasClearWorkArea(area, 0);
  AreaLoader(file, area, warnings, name).Load();
  BasSetWorkAreaFileState(area, KeepFileParts(file));
  BasSetWorkAreaModified(area, false);
  return true;
}

bool WorkAreaToVectorFile(WorkAreaHandle area, VectorFile& file) {
  FileKind kind;
  if (!KindOfArea(BasGetWorkAreaType(area), kind)) return false;
  file = files::NewVectorFile(kind);
  const std::any* state = BasGetWorkAreaFileState(area);
  const KeptFileParts* kept = state ? std::any_cast<KeptFileParts>(state) : nullptr;
  if (kept && kept->kind != kind) kept = nullptr;
  if (kept) file.header = kept->header;
  MapParams params;
  if (BasGetMapParams(area, &params)) std::memcpy(file.MapParameters(), params.data(), VectorFile::kMapParamSize);

  if (kind == FileKind::Point)
    SavePoints(area, file);
  else
    SaveLines(area, file);
  if (kind == FileKind::Region) SaveRegions(area, file);
  const AttributeTable& shell = kept && kept->attributes.present ? kept->attributes : file.attributes;
  file.attributes = AttributeTableOfArea(area, SectionTwoEntity(kind), shell);
  if (kind == FileKind::Region) {
    const AttributeTable& regionShell =
        kept && kept->regionAttributes.present ? kept->regionAttributes : file.regionAttributes;
    file.regionAttributes = AttributeTableOfArea(area, kRegionEntity, regionShell);
  }
  if (kept && kept->lineSlots == file.lines.size()) file.keptSections = kept->keptSections;
  return true;
}

WorkAreaHandle BasLoadWorkArea(WorkAreaSetHandle set, const std::string& path, files::FileReport* report) {
  files::FileReport local;
  files::FileReport& out = report ? *report : local;
  if (IsTableFilePath(path)) {
    const WorkAreaHandle table = BasCreateWorkArea(set, kTableArea);
    if (table && LoadTableFile(table, path, &out)) return table;
    BasReleaseWorkArea(table);
    if (!table) out.error = path + ": no work area could be made for it";
    return 0;
  }
  VectorFile file;
  if (!files::LoadVectorFile(path, file, out)) return 0;
  const WorkAreaHandle area = BasCreateWorkArea(set, static_cast<int>(file.kind));
  if (!area) {
    out.error = path + ": no work area could be made for it";
    return 0;
  }
  VectorFileToWorkArea(file, area, out.warnings, path);
  BasSetWorkAreaFileName(area, path);
  return area;
}

int BasLoadFileIntoWorkArea(WorkAreaHandle area, const std::string& path, files::FileReport* report) {
  files::FileReport local;
  files::FileReport& out = report ? *report : local;
  if (BasGetWorkAreaType(area) == kTableArea) return LoadTableFile(area, path, &out);
  FileKind areaKind;
  if (!KindOfArea(BasGetWorkAreaType(area), areaKind)) {
    out.error = path + ": no point, line or region work area to load it into";
    return 0;
  }
  VectorFile file;
  if (!files::LoadVectorFile(path, file, out)) return 0;
  if (file.kind != areaKind) {
    out.error = path + ": the file is a " + std::string(files::ExtensionOf(file.kind)) + " file, the work area a " +
                std::string(files::ExtensionOf(areaKind)) + " one";
    return 0;
  }
  VectorFileToWorkArea(file, area, out.warnings, path);
  BasSetWorkAreaFileName(area, path);
  return 1;
}

int BasSaveWorkArea(WorkAreaHandle area, const std::string& path, int flags, int, int, int) {
  LastSaveError().clear();
  VectorFile file;
  if (BasGetWorkAreaState(area) == kWorkAreaStateNoSave) {
    LastSaveError() = path + ": the work area may not be saved";
    return 0;
  }
  if (!WorkAreaToVectorFile(area, file)) {
    LastSaveError() = path + ": not a point, line or region work area";
    return 0;
  }
  const std::string target = flags == kSavePathComplete ? path : path + WorkAreaExtension(BasGetWorkAreaType(area));
  if (!files::SaveVectorFile(target, file, &LastSaveError())) return 0;
  BasSetWorkAreaFileName(area, target);
  BasSetWorkAreaModified(area, false);
  return 1;
}

std::string& LastSaveError() {
  static std::string error;
  return error;
}

std::string BasLastSaveError() { return LastSaveError(); }

}  // namespace zv
