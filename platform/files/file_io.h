#pragma once
// Whole-file reads and atomic writes. A save goes to a temporary file beside
// the target and is renamed over it only when everything was written, so a
// failed or interrupted save leaves the old file as it was.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zv::files {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error);
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error);

}  // namespace zv::files
