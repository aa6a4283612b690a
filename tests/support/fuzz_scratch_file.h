#pragma once
// For fuzz targets whose reader takes a path: one scratch file per process,
// rewritten with each input and removed at exit.

#include <cstddef>
#include <cstdint>
#include <string>

namespace zv::test {

// Writes the input to the scratch file and returns its path.
const std::string& WriteScratchFile(const uint8_t* data, size_t size);

}  // namespace zv::test
