#include "geodesy/reserve/layer_project.h"

#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"

namespace zv::reserve {

int LayerKind(const std::string& path) {
  if (path.size() < 3 || path[path.size() - 3] != '.' || (path[path.size() - 2] | 0x20) != 'w') return -1;
  switch (path.back() | 0x20) {
    case 't': return kPointArea;
    case 'l': return kLineArea;
    case 'p': return kRegionArea;
    default: return -1;
  }
}

ProjectWriteReport WriteFilesAndProject(const std::vector<ProjectFile>& files, const std::string& projectPath) {
  ProjectWriteReport report;
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, projectPath);
  for (const ProjectFile& file : files) {
    if (file.area != 0 && !BasSaveWorkArea(file.area, file.path, kSavePathComplete)) {
      report.failures.push_back(file.path + ": " + BasLastSaveError());
      continue;
    }
    if (PrjAddItem(project, file.path, 0, -1) < 0) report.failures.push_back(file.path + ": 不能加入工程");
  }
  std::string error;
  report.projectSaved = PrjSave(project, &error) == 1;
  if (!report.projectSaved)
    report.failures.push_back(error.find(projectPath) == std::string::npos ? projectPath + ": " + error : error);
  PrjClose(project);
  return report;
}

}  // namespace zv::reserve
