// Comparison files are written by hand: any bytes must give folders, keys and
// targets without a crash.
#include <cstdint>
#include <string_view>

#include "panels/core/library_comparison.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto file = zv::panels::ComparisonFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  file.Folders();
  for (const char* kind : {"子图库", "线型库", "图案库"}) {
    const auto keys = file.Keys(kind);
    for (std::size_t i = 0; i < keys.size() && i < 8; ++i) file.Targets(kind, keys[i]);
  }
  return 0;
}
