#pragma once
// The reserve-verification project on disk: the project folder with its
// twelve folders, an empty point, line or region file at every chosen layer
// path, and the project "<project folder>/<project name>.mpj" listing them.
#include <string>

#include "geodesy/reserve/layer_project.h"
#include "geodesy/reserve/reserve_catalog.h"

namespace zv::reserve {

// Creates the project folder and its twelve folders (each level as needed);
// failures as "folder: reason".
std::vector<std::string> MakeFolders(const Catalog& catalog);

struct ReserveProject {
  std::string projectPath;
  ProjectWriteReport report;
};
// Writes the files and the project (the folders must exist).
ReserveProject WriteReserveProject(const Catalog& catalog);

}  // namespace zv::reserve
