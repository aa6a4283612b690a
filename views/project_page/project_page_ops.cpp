#include "views/project_page/project_page_ops.h"

#include <array>
#include <filesystem>

#include "platform/files/work_area_file.h"

namespace zv::projectpage {

namespace fs = std::filesystem;

namespace {

// The file kinds the merges handle, in item-kind numbers, with their
// extensions and copies.
struct MergeKind {
  int kind;
  const char* extension;
  int32_t (*copy)(WorkAreaHandle from, WorkAreaHandle to);
};
constexpr std::array<MergeKind, 3> kMergeKinds = {{
    {kPointArea, ".wt", BasCopyPoints},
    {kLineArea, ".wl", BasCopyLines},
    {kRegionArea, ".wp", BasCopyRegions},
}};

const MergeKind* MergeKindOf(int kind) {
  for (const MergeKind& k : kMergeKinds) {
    if (k.kind == kind) return &k;
  }
  return nullptr;
}

bool AreaIsEmpty(WorkAreaHandle area) {
  for (const int type : {kLineEntity, kPointEntity, kRegionEntity}) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    if (live > 0) return false;
  }
  return true;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string FileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

// Saves an area under `path`; a failure names the file.
bool SaveArea(WorkAreaHandle area, const std::string& path, std::string* error) {
  if (BasSaveWorkArea(area, path, kSavePathComplete) == 1) return true;
  if (error) *error = path + ": " + BasLastSaveError();
  return false;
}

// Makes `path` an entry once; an entry already there reads the new file.
bool AddOrReload(MapProject* project, const std::string& path, std::string* error) {
  const int existing = PrjFindItem(project, path);
  if (existing >= 0) {
    const WorkAreaHandle area = PrjGetItemArea(project, existing);
    return area == 0 || BasLoadFileIntoWorkArea(area, path) == 1;
  }
  files::FileReport report;
  if (PrjAddItem(project, path, 0, -1, &report) >= 0) return true;
  if (error) *error = report.error;
  return false;
}

}  // namespace

bool ApplyStateKey(MapProject* project, char key, const std::vector<bool>& selected) {
  const int count = PrjGetItemCount(project);
  bool changed = false;
  auto set = [&](int item, uint8_t state) {
    if (PrjGetItemState(project, item) == state) return;
    PrjSetItemState(project, item, state);
    changed = true;
  };
  const int kinds[] = {kPointArea, kLineArea, kRegionArea};
  for (int item = 0; item < count; ++item) {
    const bool isSelected = item < static_cast<int>(selected.size()) && selected[static_cast<std::size_t>(item)];
    switch (key) {
      case 'C': set(item, isSelected ? kItemHidden : kItemCurrent); break;
      case 'E': set(item, isSelected ? kItemCurrent : kItemHidden); break;
      case '1':
      case '2':
      case '3':
        set(item, PrjGetItemKind(project, item) == kinds[key - '1'] ? kItemCurrent : kItemHidden);
        break;
      default: return false;
    }
  }
  return changed;
}

std::vector<std::string> AddEntries(MapProject* project, const std::vector<std::string>& paths,
                                    std::vector<std::string>* failed) {
  std::vector<std::string> present;
  if (project == nullptr) return present;
  for (const std::string& path : paths) {
    if (PrjFindItem(project, path) >= 0) {
      present.push_back(path);
    } else if (PrjAddItem(project, path) < 0 && failed) {
      failed->push_back(path);
    }
  }
  return present;
}

std::vector<std::string> RemoveEmptyEntries(MapProject* project) {
  std::vector<std::string> removed;
  for (int item = PrjGetItemCount(project) - 1; item >= 0; --item) {
    const WorkAreaHandle area = PrjGetItemArea(project, item);
    if (area == 0 || !AreaIsEmpty(area)) continue;
    removed.insert(removed.begin(), FileNameOf(PrjGetItemPath(project, item)));
    PrjRemoveItem(project, item);
  }
  return removed;
}

bool AutoMerge(MapProject* project, std::string* error) {
  if (project == nullptr) return false;
  if (project->path.empty()) {
    if (error) *error = "工程还没有保存的位置。";
    return false;
  }
  const fs::path folder = fs::path(project->path).parent_path();
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  std::vector<std::string> outputs;
  bool ok = true;
  for (const MergeKind& kind : kMergeKinds) {
    const std::string output = (folder / (std::string(kAutoMergeName) + kind.extension)).string();
    const WorkAreaHandle merged = BasCreateWorkArea(set, kind.kind);
    for (const int item : PrjListItems(project, kind.kind)) {
      // An earlier merge result would be merged into itself.
      if (Lower(FileNameOf(PrjGetItemPath(project, item))) == Lower(FileNameOf(output))) continue;
      const WorkAreaHandle area = PrjGetItemArea(project, item);
      if (area != 0) kind.copy(area, merged);
    }
    ok = SaveArea(merged, output, error);
    if (!ok) break;
    outputs.push_back(output);
  }
  BasFreeWorkAreaSet(set);
  for (const std::string& output : outputs) ok = AddOrReload(project, output, error) && ok;
  return ok;
}

std::string SameNameMerge(const MapProject* project, const std::string& folder, std::string* error) {
  if (project == nullptr || project->path.empty()) return {};
  const fs::path mergedPath = fs::path(folder) / fs::path(project->path).filename();
  // In the project's own folder the new project would replace the one it is
  // made from, and lose every entry that is not merged (images, networks).
  std::error_code same;
  if (fs::weakly_canonical(mergedPath, same) == fs::weakly_canonical(project->path, same)) {
    if (error) *error = "合并的工程不能存入当前工程所在的目录，请另选目录。";
    return {};
  }
  const int count = PrjGetItemCount(project);
  MapProject* merged = PrjCreate();
  PrjSetPath(merged, mergedPath.string());
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  std::vector<bool> taken(static_cast<std::size_t>(count), false);
  bool ok = true;
  for (int item = 0; item < count && ok; ++item) {
    const MergeKind* kind = MergeKindOf(PrjGetItemKind(project, item));
    if (taken[static_cast<std::size_t>(item)] || kind == nullptr) continue;
    const std::string name = FileNameOf(PrjGetItemPath(project, item));
    const WorkAreaHandle area = BasCreateWorkArea(set, kind->kind);
    for (int other = item; other < count; ++other) {
      if (PrjGetItemKind(project, other) != kind->kind ||
          Lower(FileNameOf(PrjGetItemPath(project, other))) != Lower(name)) {
        continue;
      }
      taken[static_cast<std::size_t>(other)] = true;
      if (const WorkAreaHandle source = PrjGetItemArea(project, other)) kind->copy(source, area);
    }
    const std::string output = (fs::path(folder) / name).string();
    ok = SaveArea(area, output, error) && AddOrReload(merged, output, error);
  }
  BasFreeWorkAreaSet(set);
  std::string path = merged->path;
  if (ok && PrjSave(merged, error) != 1) ok = false;
  PrjClose(merged);
  return ok ? path : std::string();
}

}  // namespace zv::projectpage
