#include "zavediz/project_files/area_project.h"

#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"

namespace zv::zavediz {

bool SaveAreasAsProject(const DrawingAreas& areas, const std::string& base, std::string* error,
                        const MemberOrder& members) {
  const struct {
    WorkAreaHandle area;
    const char* extension;
  } files[] = {{areas.line, ".wl"}, {areas.point, ".wt"}, {areas.region, ".wp"}};
  for (const auto& file : files) {
    if (!BasSaveWorkArea(file.area, base, 0)) {
      if (error) *error = "保存文件失败: " + base + file.extension + "\n" + BasLastSaveError();
      return false;
    }
  }
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, base + ".mpj");
  for (const char* extension : members) {
    // A name the project file cannot hold would leave a project without it.
    files::FileReport report;
    if (PrjAddItem(project, base + extension, 0, -1, &report) < 0) {
      PrjClose(project);
      if (error) *error = "保存文件失败: " + base + ".mpj\n" + report.error;
      return false;
    }
  }
  for (int i = 0; i < 3; ++i) {
    files::ProjectItem item;
    if (PrjGetItem(project, i, &item)) {
      item.SetState(kItemCurrent);
      PrjSetItem(project, i, item);
    }
  }
  std::string saveError;
  const bool saved = PrjSave(project, &saveError) == 1;
  PrjClose(project);
  if (!saved && error) *error = "保存文件失败: " + base + ".mpj\n" + saveError;
  return saved;
}

}  // namespace zv::zavediz
