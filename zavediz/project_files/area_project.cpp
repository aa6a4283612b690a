#include "zavediz/project_files/area_project.h"

namespace zv::zavediz {

bool SaveAreasAsProject(const DrawingAreas& areas, const std::string& base, std::string* error,
                        const MemberOrder& members) {
  const views::SaveOutcome outcome = views::WriteZavedizFiles(areas.line, areas.point, areas.region, "", base, members);
  if (!outcome.ok && error) {
    *error = "保存文件失败:";
    for (const std::string& failure : outcome.failures) *error += "\n" + failure;
  }
  return outcome.ok;
}

}  // namespace zv::zavediz
