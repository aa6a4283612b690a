#include "platform/project/map_project.h"

#include <algorithm>
#include <filesystem>

#include "platform/data/geometry.h"
#include "platform/files/work_area_file.h"
#include "framework/paths/path_resolver.h"

namespace zv {
namespace {

bool ValidIndex(const MapProject* project, int index) {
  return project && index >= 0 && static_cast<std::size_t>(index) < project->file.items.size();
}

files::ProjectItem* ItemAt(MapProject* project, int index) {
  return ValidIndex(project, index) ? &project->file.items[static_cast<std::size_t>(index)] : nullptr;
}

const files::ProjectItem* ItemAt(const MapProject* project, int index) {
  return ValidIndex(project, index) ? &project->file.items[static_cast<std::size_t>(index)] : nullptr;
}

// The name an item stores for a file: relative to the project's folder when
// the project has a path and the file lies below it, else absolute.
std::string StoredName(const MapProject& project, const std::string& filePath) {
  if (project.path.empty()) return std::filesystem::absolute(filePath).lexically_normal().string();
  return files::ItemFileNameFor(project.path, filePath);
}

// Why the project file cannot name the file; empty when it can.
std::string NameProblem(const MapProject& project, const std::string& filePath) {
  const std::string problem = files::ItemFileNameProblem(StoredName(project, filePath));
  return problem.empty() ? problem : filePath + ": " + problem;
}

// Items whose work area now has another file (saved elsewhere, or named
// before the project had a path) take that file's name. An item whose name
// the project file cannot hold keeps its old one (its work area keeps the
// path); the first such item is told.
std::string RefreshItemNames(MapProject& project) {
  std::string problem;
  for (std::size_t i = 0; i < project.file.items.size(); ++i) {
    const std::string file = BasGetWorkAreaFileName(project.areas[i]);
    if (file.empty()) continue;
    files::ProjectItem& item = project.file.items[i];
    const std::string current = project.path.empty() ? item.FileName() : files::ResolveItemPath(project.path, item.FileName());
    if (current != file && !item.SetFileName(StoredName(project, file)) && problem.empty())
      problem = NameProblem(project, file);
  }
  return problem;
}

// Takes the extents of the items from their work areas, and the project's
// extent from all of them.
void RefreshExtents(MapProject& project) {
  bool any = false;
  D_RECT all{};
  for (std::size_t i = 0; i < project.file.items.size(); ++i) {
    D_RECT rect{};
    if (!BasGetWorkAreaRect(project.areas[i], &rect)) continue;
    project.file.items[i].SetLayerExtent({rect.xmin, rect.ymin, rect.xmax, rect.ymax});
    if (any) UniteRect(all, rect); else all = rect;
    any = true;
  }
  if (any) project.file.SetProjectExtent({all.xmin, all.ymin, all.xmax, all.ymax});
}

// Point, line and region files open as work areas; other items (images,
// network files...) are kept in the project without one.
bool OpensAsWorkArea(int fileKind) { return fileKind >= kLineArea && fileKind <= kRegionArea; }

// The work area for a file: loaded when it exists, new and empty (named
// after the file) when it does not; 0 for kinds we do not open.
WorkAreaHandle OpenArea(MapProject& project, const std::string& path, files::FileReport* report) {
  const int kind = BasGetFileKind(path);
  if (!OpensAsWorkArea(kind)) return 0;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    files::FileReport local;
    const WorkAreaHandle area = BasLoadWorkArea(project.set, path, &local);
    if (report) {
      report->warnings.insert(report->warnings.end(), local.warnings.begin(), local.warnings.end());
      if (area == 0) report->warnings.push_back(path + ": " + local.error);
    }
    return area;
  }
  const WorkAreaHandle area = BasCreateWorkArea(project.set, kind);
  BasSetWorkAreaFileName(area, path);
  return area;
}

void Tell(MapProject& project, ProjectEvent event) {
  std::vector<int> ids;
  for (const auto& [id, listener] : project.listeners) ids.push_back(id);
  for (const int id : ids) {
    const auto it = std::find_if(project.listeners.begin(), project.listeners.end(),
                                 [id](const auto& entry) { return entry.first == id; });
    if (it == project.listeners.end()) continue;
    const ProjectListener call = it->second;  // the listener may remove itself
    call(event);
  }
}

}  // namespace

int PrjAddListener(MapProject* project, ProjectListener listener) {
  if (!project || !listener) return 0;
  project->listeners.emplace_back(++project->lastListener, std::move(listener));
  return project->lastListener;
}

bool PrjRemoveListener(MapProject* project, int id) {
  return project && std::erase_if(project->listeners, [id](const auto& entry) { return entry.first == id; }) > 0;
}

MapProject* PrjCreate(int) {
  auto* project = new MapProject;
  project->file = files::NewProjectFile();
  project->set = BasCreateWorkAreaSet(0);
  return project;
}

void PrjClose(MapProject* project) {
  if (!project) return;
  Tell(*project, ProjectEvent::Closing);
  BasFreeWorkAreaSet(project->set);
  delete project;
}

bool PrjSetPath(MapProject* project, const std::string& path) {
  if (!project || path.empty()) return false;
  // Names stored relative to the old folder are resolved before they move.
  for (std::size_t i = 0; i < project->file.items.size(); ++i) {
    if (project->areas[i] != 0 && BasGetWorkAreaFileName(project->areas[i]).empty() && !project->path.empty())
      BasSetWorkAreaFileName(project->areas[i], files::ResolveItemPath(project->path, project->file.items[i].FileName()));
  }
  project->path = path;
  RefreshItemNames(*project);
  project->changed = true;
  return true;
}

std::string PrjGetFileName(const MapProject* project) { return project ? project->path : std::string(); }

MapProject* PrjOpen(const std::string& path, int, int, files::FileReport* report) {
  files::FileReport local;
  files::FileReport& r = report ? *report : local;
  files::ProjectFile file;
  if (!files::LoadProjectFile(path, file, r)) return nullptr;
  MapProject* project = PrjCreate(0);
  project->file = std::move(file);
  project->path = path;
  for (const files::ProjectItem& item : project->file.items) {
    const std::string itemPath = files::ResolveItemPath(path, item.FileName());
    // A project opens without the files it names that are gone (OpenArea
    // would make them new and empty).
    std::error_code ec;
    const bool gone = OpensAsWorkArea(BasGetFileKind(itemPath)) && !std::filesystem::exists(itemPath, ec);
    if (gone) r.warnings.push_back(itemPath + ": 文件不存在");
    project->areas.push_back(gone ? 0 : OpenArea(*project, itemPath, &r));
  }
  return project;
}

int PrjSave(MapProject* project, std::string* error) {
  if (!project || project->path.empty()) {
    if (error) *error = "工程没有文件名";
    return 0;
  }
  if (const std::string problem = RefreshItemNames(*project); !problem.empty()) {
    if (error) *error = problem;
    return 0;
  }
  RefreshExtents(*project);
  if (!files::SaveProjectFile(project->path, project->file, error)) return 0;
  project->changed = false;
  return 1;
}

int PrjAddItem(MapProject* project, const std::string& path, int, int position, files::FileReport* report) {
  if (!project || path.empty()) return -1;
  const std::string full = std::filesystem::absolute(path).lexically_normal().string();
  if (const std::string problem = NameProblem(*project, full); !problem.empty()) {
    if (report) report->error = problem;
    return -1;
  }
  files::ProjectItem item = files::NewProjectItem(StoredName(*project, full));
  const WorkAreaHandle area = OpenArea(*project, full, report);
  if (area == 0 && OpensAsWorkArea(BasGetFileKind(full))) return -1;  // a vector file that cannot be read
  const int count = PrjGetItemCount(project);
  const int at = position < 0 || position > count ? count : position;
  project->file.items.insert(project->file.items.begin() + at, item);
  project->areas.insert(project->areas.begin() + at, area);
  project->changed = true;
  Tell(*project, ProjectEvent::ItemsChanged);
  return at;
}

bool PrjRemoveItem(MapProject* project, int index) {
  if (!ValidIndex(project, index)) return false;
  const auto i = static_cast<std::size_t>(index);
  BasReleaseWorkArea(project->areas[i]);
  project->file.items.erase(project->file.items.begin() + index);
  project->areas.erase(project->areas.begin() + index);
  project->changed = true;
  Tell(*project, ProjectEvent::ItemsChanged);
  return true;
}

int PrjFindItem(const MapProject* project, const std::string& path) {
  if (!project) return -1;
  const std::string full = std::filesystem::absolute(path).lexically_normal().string();
  for (int i = 0; i < PrjGetItemCount(project); ++i) {
    if (paths::EqualsIgnoreCase(PrjGetItemPath(project, i), full)) return i;
  }
  return -1;
}

int PrjGetItemCount(const MapProject* project) {
  return project ? static_cast<int>(project->file.items.size()) : 0;
}

bool PrjGetItem(const MapProject* project, int index, files::ProjectItem* item) {
  const files::ProjectItem* found = ItemAt(project, index);
  if (!found || !item) return false;
  *item = *found;
  return true;
}

bool PrjSetItem(MapProject* project, int index, const files::ProjectItem& item) {
  files::ProjectItem* found = ItemAt(project, index);
  if (!found) return false;
  *found = item;
  project->changed = true;
  return true;
}

WorkAreaHandle PrjGetItemArea(const MapProject* project, int index) {
  return ValidIndex(project, index) ? project->areas[static_cast<std::size_t>(index)] : 0;
}

std::string PrjGetItemPath(const MapProject* project, int index) {
  const files::ProjectItem* item = ItemAt(project, index);
  if (!item) return {};
  const std::string file = BasGetWorkAreaFileName(project->areas[static_cast<std::size_t>(index)]);
  if (!file.empty()) return file;
  return project->path.empty() ? item->FileName() : files::ResolveItemPath(project->path, item->FileName());
}

int PrjGetItemKind(const MapProject* project, int index) {
  const files::ProjectItem* item = ItemAt(project, index);
  if (!item) return -1;
  const int kind = BasGetFileKind(item->FileName());
  return kind >= 0 && kind <= kRegionArea ? kind : -1;
}

int PrjGetItemState(const MapProject* project, int index) {
  const files::ProjectItem* item = ItemAt(project, index);
  return item ? item->State() : -1;
}

bool PrjSetItemState(MapProject* project, int index, uint8_t state) {
  files::ProjectItem* item = ItemAt(project, index);
  if (!item) return false;
  if (item->State() == state) return true;
  project->changed = true;
  item->SetState(state);
  Tell(*project, ProjectEvent::ItemsChanged);
  return true;
}

bool PrjGetItemScaleRange(const MapProject* project, int index, double* minimum, double* maximum) {
  const files::ProjectItem* item = ItemAt(project, index);
  if (!item) return false;
  if (minimum) *minimum = item->MinScale();
  if (maximum) *maximum = item->MaxScale();
  return true;
}

bool PrjSetItemScaleRange(MapProject* project, int index, double minimum, double maximum) {
  files::ProjectItem* item = ItemAt(project, index);
  if (!item) return false;
  item->SetScaleRange(minimum, maximum);
  project->changed = true;
  return true;
}

std::vector<uint16_t> PrjGetAreaList(const MapProject* project, int kind) {
  std::vector<uint16_t> list{0};
  for (int index : PrjListItems(project, kind)) {
    const WorkAreaHandle area = PrjGetItemArea(project, index);
    if (BasIsWorkAreaValid(area)) list.push_back(area);
  }
  list[0] = static_cast<uint16_t>(list.size() - 1);
  return list;
}

std::vector<int> PrjListItems(const MapProject* project, int kind) {
  std::vector<int> indices;
  for (int i = 0; i < PrjGetItemCount(project); ++i) {
    if (kind == -1 || PrjGetItemKind(project, i) == kind) indices.push_back(i);
  }
  return indices;
}

bool PrjIsChanged(const MapProject* project) { return project && project->changed; }

void PrjSetChanged(MapProject* project, bool changed) {
  if (project) project->changed = changed;
}

int PrjGetMapParams(const MapProject* project, MapParams* params) {
  if (!project || !params) return 0;
  std::copy_n(project->file.MapParameters(), MapParams::kSize, params->bytes);
  return 1;
}

int PrjSetMapParams(MapProject* project, const MapParams& params) {
  if (!project) return 0;
  std::copy_n(params.bytes, MapParams::kSize, project->file.MapParameters());
  project->changed = true;
  return 1;
}

}  // namespace zv
