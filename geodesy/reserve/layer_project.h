#pragma once
// Writing a set of platform files and the project that lists them, as the
// reserve-verification and block-map commands do: every file is saved
// (atomically) before the project, a file that fails is reported by name
// and left out, and the project is saved only at the end.
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::reserve {

struct ProjectFile {
  std::string path;
  WorkAreaHandle area = 0;  // saved under `path`; 0: a file already there, listed as it is
};

struct ProjectWriteReport {
  std::vector<std::string> failures;  // "path: reason", one per file or project that failed
  bool projectSaved = false;
};

ProjectWriteReport WriteFilesAndProject(const std::vector<ProjectFile>& files, const std::string& projectPath);

// The kind of the empty file a layer path asks for, by the last letter of
// its extension: 't' point, 'l' line, 'p' region; −1 for anything else.
int LayerKind(const std::string& path);

}  // namespace zv::reserve
