#include "exchange/dxf/dxf_import.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "exchange/dxf/dxf_layer_files.h"
#include "exchange/dxf/dxf_platform_progress.h"
#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

// Work areas of our own for the length of one import.
class TemporaryAreas {
 public:
  TemporaryAreas() : set_(BasCreateWorkAreaSet(0)) {
    targets_.point = BasCreatePointWorkArea(set_);
    targets_.line = BasCreateLineWorkArea(set_);
    targets_.region = BasCreateRegionWorkArea(set_);
  }
  ~TemporaryAreas() { BasFreeWorkAreaSet(set_); }
  TemporaryAreas(const TemporaryAreas&) = delete;
  TemporaryAreas& operator=(const TemporaryAreas&) = delete;
  const DxfTargets& targets() const { return targets_; }

 private:
  WorkAreaSetHandle set_;
  DxfTargets targets_;
};

// Listeners of the targets hear of the appended entities once, at the end.
class Batch {
 public:
  explicit Batch(const DxfTargets& targets) : targets_(targets) {
    for (const WorkAreaHandle area : {targets_.point, targets_.line, targets_.region}) BasBeginBatch(area);
  }
  ~Batch() {
    for (const WorkAreaHandle area : {targets_.point, targets_.line, targets_.region}) BasEndBatch(area);
  }
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

 private:
  DxfTargets targets_;
};

// Reports go to the platform's progress window unless the caller has its own.
DxfProgress* OrPlatformProgress(DxfProgress* progress) {
  static DxfPlatformProgress platform;
  return progress ? progress : &platform;
}

void AddMessages(DxfReadResult& into, const DxfReadResult& from) {
  for (const std::string& m : from.messages)
    if (std::find(into.messages.begin(), into.messages.end(), m) == into.messages.end()) into.messages.push_back(m);
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

bool IsDxfFile(const fs::directory_entry& entry) {
  std::error_code error;
  return entry.is_regular_file(error) && Upper(entry.path().extension().string()) == ".DXF";
}

struct LayerFileKind {
  int entityType;
  WorkAreaHandle DxfTargets::*area;
  const char* extension;
};

constexpr LayerFileKind kLayerFileKinds[] = {
    {kPointEntity, &DxfTargets::point, ".wt"},
    {kLineEntity, &DxfTargets::line, ".wl"},
    {kRegionEntity, &DxfTargets::region, ".wp"},
};

// The "DXF图层名" of the first entity whose attributes can be read.
std::string FirstLayerName(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, entityType, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    AttributeRecord record;
    if (!BasReadAttribute(area, entityType, id, &record)) continue;
    std::string name;
    BasGetFieldText(record, kLayerNameField, &name);
    return name;
  }
  return {};
}

// One platform file per kind and layer number in use, and a project that
// lists them.
void SaveLayerFiles(const fs::path& folder, const std::string& title, const DxfTargets& source,
                    DxfFolderReport& report) {
  const fs::path projectPath = folder / (title + ".mpj");
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, projectPath.string());
  project->file.SetTitle(title);
  TemporaryAreas layerAreas;
  for (const LayerFileKind& kind : kLayerFileKinds) {
    const WorkAreaHandle from = source.*kind.area;
    if (BasIsWorkAreaEmpty(from)) continue;
    std::set<std::string> used;
    for (const int layer : LayersInUse(from, kind.entityType)) {
      const WorkAreaHandle to = layerAreas.targets().*kind.area;
      BasResetWorkArea(to);
      SetDxfAttributeStructure(to);
      if (CopyLayerEntities(from, kind.entityType, layer, to) == 0) continue;
      std::string name = FirstLayerName(to, kind.entityType);
      if (name.empty()) name = "图层" + std::to_string(layer);
      const fs::path path = folder / (SafeDistinctFileStem(name, used) + kind.extension);
      if (!BasSaveWorkArea(to, path.string(), kSavePathComplete)) {
        report.messages.push_back(path.string() + ": " + BasLastSaveError());
        continue;
      }
      files::FileReport added;
      if (PrjAddItem(project, path.string(), 0, -1, &added) < 0)
        report.messages.push_back(added.error.empty() ? path.string() + ": 不能加入工程" : added.error);
    }
  }
  std::string error;
  if (PrjSave(project, &error)) {
    report.projects.push_back(projectPath.string());
  } else {
    report.messages.push_back(projectPath.string() + ": " + error);
  }
  PrjClose(project);
}

void ConvertFolderLevel(const fs::path& folder, const RgbToColourNumber& nearest, DxfProgress* progress,
                        DxfFolderReport& report) {
  std::error_code error;
  std::vector<fs::directory_entry> entries;
  for (const auto& entry : fs::directory_iterator(folder, error)) entries.push_back(entry);
  if (error) {
    report.messages.push_back(folder.string() + ": " + error.message());
    return;
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.path() < b.path(); });
  DxfReader reader;
  TemporaryAreas areas;
  for (const fs::directory_entry& entry : entries) {
    if (entry.is_directory(error) && !entry.is_symlink(error)) {
      ConvertFolderLevel(entry.path(), nearest, progress, report);
      continue;
    }
    if (!IsDxfFile(entry)) continue;
    // The sink empties the areas when the file turns out to be a DXF file;
    // those of a file that is not are never saved.
    DxfWorkAreaSink sink(areas.targets(), nearest);
    const DxfReadResult result = reader.ReadFile(entry.path().string(), sink, kAllPasses, progress);
    const std::string path = entry.path().string();
    for (const std::string& m : result.messages)
      report.messages.push_back(m.rfind(path, 0) == 0 ? m : path + ": " + m);
    if (!result.imported) continue;
    const std::string title = Upper(entry.path().stem().string());
    const fs::path output = entry.path().parent_path() / title;
    fs::create_directories(output, error);
    if (error) {
      report.messages.push_back(output.string() + ": " + error.message());
      continue;
    }
    SaveLayerFiles(output, title, areas.targets(), report);
  }
}

}  // namespace

DxfReadResult ImportDxfFile(DxfReader& reader, const std::string& path, const DxfTargets& targets,
                            const RgbToColourNumber& nearest, DxfProgress* progress) {
  const Batch batch(targets);
  DxfWorkAreaSink sink(targets, nearest);
  return reader.ReadFile(path, sink, kAllPasses, OrPlatformProgress(progress));
}

DxfReadResult ImportLargeDxfFile(DxfReader& reader, const std::string& path, const DxfTargets& targets,
                                 const RgbToColourNumber& nearest, DxfProgress* progress) {
  DxfReadResult total;
  const TemporaryAreas temporary;
  const Batch batch(targets);
  for (int pass = 1; pass <= kPassCount; ++pass) {
    DxfWorkAreaSink sink(temporary.targets(), nearest);
    const DxfReadResult result = reader.ReadFile(path, sink, pass, OrPlatformProgress(progress));
    AddMessages(total, result);
    if (!result.imported) break;
    if (pass == 1) {
      DxfWorkAreaSink(targets, nearest).BeginImport();
      total.imported = true;
    }
    total.entities += result.entities;
    BasCopyPoints(temporary.targets().point, targets.point);
    BasCopyLines(temporary.targets().line, targets.line);
    BasCopyRegions(temporary.targets().region, targets.region);
  }
  return total;
}

DxfFolderReport ConvertDxfFolder(const std::string& folder, const RgbToColourNumber& nearest, DxfProgress* progress) {
  DxfFolderReport report;
  ConvertFolderLevel(fs::path(folder), nearest, OrPlatformProgress(progress), report);
  return report;
}

}  // namespace zv::dxf
