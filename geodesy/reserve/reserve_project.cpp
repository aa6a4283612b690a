#include "geodesy/reserve/reserve_project.h"

#include <filesystem>

namespace zv::reserve {

std::vector<std::string> MakeFolders(const Catalog& catalog) {
  std::vector<std::string> failures;
  const std::filesystem::path project = ProjectFolder(catalog);
  for (const char* name : TopFolders()) {
    std::error_code error;
    const std::filesystem::path folder = project / name;
    std::filesystem::create_directories(folder, error);
    if (error) failures.push_back(folder.string() + ": " + error.message());
  }
  return failures;
}

ReserveProject WriteReserveProject(const Catalog& catalog) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle empty[3] = {BasCreateLineWorkArea(set), BasCreatePointWorkArea(set),
                                   BasCreateRegionWorkArea(set)};
  std::vector<ProjectFile> files;
  for (const std::string& path : LayerPaths(catalog)) {
    const int kind = LayerKind(path);
    if (kind < 0) continue;
    // A layer the user has already drawn in is listed, never emptied.
    std::error_code error;
    files.push_back({path, std::filesystem::exists(path, error) ? WorkAreaHandle{0} : empty[kind]});
  }
  ReserveProject out;
  out.projectPath = (std::filesystem::path(ProjectFolder(catalog)) / (ProjectName(catalog) + ".mpj")).string();
  out.report = WriteFilesAndProject(files, out.projectPath);
  BasFreeWorkAreaSet(set);
  return out;
}

}  // namespace zv::reserve
