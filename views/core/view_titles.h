#pragma once
// The names an editing view shows: the document title made from the files
// of its point, line and region areas, the name of its tab, and the scale
// denominator its maps give the status bar. No Qt.

#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/project/map_project.h"

namespace zv::views {

// The most bytes (GBK) a title holds; longer titles are cut between
// characters.
inline constexpr std::size_t kTitleBytes = 999;

struct AreaTitle {
  std::string title;
  // Every non-zero area, named or not, in the order point, line, region:
  // the file list is told to refresh each of them.
  std::vector<WorkAreaHandle> refreshed;
};

// Point, line and region areas in that order (0: no area). Each named area
// adds its file name, with ".wt", ".wl" or ".wp" appended when the name has
// no "."; " /" follows the point and the line names (not the region's).
AreaTitle TitleFromAreas(WorkAreaHandle point, WorkAreaHandle line, WorkAreaHandle region);

// The part of a path after its last separator ("\" or "/").
std::string LastPathPart(const std::string& path);

// The section view's tab: the document's file name; a name starting with
// "NONAME" becomes the file name of the current database path, or "NONAME"
// when that path has no separator.
std::string SectionTabName(const std::string& documentPath, const std::string& currentFilePath);

// The scale denominator from the areas' map-parameter records, read in the
// order region, point, line: the last non-zero scale wins, truncated; 0 when
// none has a scale.
long ScaleOfAreas(WorkAreaHandle region, WorkAreaHandle point, WorkAreaHandle line);
// The project's map-parameter record's scale, truncated; 0 when it has none.
long ScaleOfProject(const MapProject* project);

}  // namespace zv::views
