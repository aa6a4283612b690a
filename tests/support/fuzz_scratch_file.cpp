#include "tests/support/fuzz_scratch_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace zv::test {

const std::string& WriteScratchFile(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    char pattern[] = "/tmp/zvfuzz-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    static std::string made = pattern;
    std::atexit([] { unlink(made.c_str()); });
    return made;
  }();
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

}  // namespace zv::test
