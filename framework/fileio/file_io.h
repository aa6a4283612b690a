#pragma once
// Whole-file reads and atomic writes. A save goes to a temporary file beside
// the target and is renamed over it only when everything was written and
// flushed to disk, so a failed or interrupted save leaves the old file as it
// was. The target's folder must exist. Saving through a symbolic link writes
// the file it points to and keeps the link; a replaced file keeps its
// permission bits, a new one gets those the umask allows.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv::fileio {

// False (with a message naming the file) when the file cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error = nullptr);
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// False (with a message naming the file; the old file intact) when the
// bytes cannot be saved.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error = nullptr);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace zv::fileio
