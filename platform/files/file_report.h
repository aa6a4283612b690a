#pragma once
// What reading a platform file found: an error when its structure could not
// be read at all (then nothing was loaded), and warnings naming the entities
// that were skipped or mended while the rest loaded.

#include <string>
#include <vector>

namespace zv::files {

struct FileReport {
  std::string error;
  std::vector<std::string> warnings;

  bool Ok() const { return error.empty(); }
};

}  // namespace zv::files
