#include "views/core/view_titles.h"

#include "framework/text/encoding.h"

namespace zv::views {

AreaTitle TitleFromAreas(WorkAreaHandle point, WorkAreaHandle line, WorkAreaHandle region) {
  struct Slot {
    WorkAreaHandle area;
    const char* extension;
    const char* separator;
  };
  const Slot slots[] = {{point, ".wt", " /"}, {line, ".wl", " /"}, {region, ".wp", ""}};
  AreaTitle out;
  for (const Slot& slot : slots) {
    if (slot.area == 0) continue;
    std::string name = BasGetWorkAreaFileName(slot.area);
    if (!name.empty()) {
      if (name.find('.') == std::string::npos) name += slot.extension;
      out.title += name;
      out.title += slot.separator;
    }
    out.refreshed.push_back(slot.area);
  }
  out.title = text::CutToGbkBytes(out.title, kTitleBytes);
  return out;
}

std::string LastPathPart(const std::string& path) {
  const std::size_t at = path.find_last_of("\\/");
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string SectionTabName(const std::string& documentPath, const std::string& currentFilePath) {
  std::string name = LastPathPart(documentPath);
  if (name.rfind("NONAME", 0) != 0) return name;
  if (currentFilePath.find_first_of("\\/") == std::string::npos) return "NONAME";
  return LastPathPart(currentFilePath);
}

long ScaleOfAreas(WorkAreaHandle region, WorkAreaHandle point, WorkAreaHandle line) {
  long scale = 0;
  for (WorkAreaHandle area : {region, point, line}) {
    MapParams params;
    if (area != 0 && BasGetMapParams(area, &params) == 1 && params.scale() != 0.0)
      scale = static_cast<long>(params.scale());
  }
  return scale;
}

long ScaleOfProject(const MapProject* project) {
  MapParams params;
  if (project == nullptr || PrjGetMapParams(project, &params) != 1 || params.scale() == 0.0) return 0;
  return static_cast<long>(params.scale());
}

}  // namespace zv::views
