#pragma once
// The platform's environment record: the folders of the Chinese fonts, the
// work and the system libraries, five 128-byte paths (UTF-8, NUL-padded) at
// bytes 0 (Chinese fonts), 128 (system), 256 (working folder), 384
// (temporary) and 512 (system libraries). It is kept in the settings file
// ("zavediz/Zavediz.ini", section [ENVIRONMENT]); a folder not set there
// defaults to a folder under the program's data folder: "clib", "work",
// "slib" ("system" and "temp" for the two others).

#include <cstddef>
#include <string>

#include "platform/data/byte_fields.h"

namespace zv {

namespace env {
inline constexpr std::size_t kPathBytes = 128;
inline constexpr std::size_t kChineseFontFolder = 0;
inline constexpr std::size_t kSystemFolder = 128;
inline constexpr std::size_t kWorkingFolder = 256;
inline constexpr std::size_t kTemporaryFolder = 384;
inline constexpr std::size_t kSystemLibraryFolder = 512;
}  // namespace env

struct EnvironmentRecord : bytes::ByteRecord<640> {
  // The path at one of the offsets above.
  std::string path(std::size_t offset) const;
  // Cut to 127 bytes at a character boundary.
  void setPath(std::size_t offset, const std::string& path);
};

// The record itself (loaded from the settings file on first use); callers
// may change it in place and store it with BasSaveEnvironment. The argument
// is ignored, as callers pass 0.
EnvironmentRecord* BasGetEnvironment(int reserved = 0);
// Makes `record` the current one and writes its folders to the settings
// file; false when the file cannot be written.
bool BasSaveEnvironment(const EnvironmentRecord& record);
// Forgets the loaded record, so the next BasGetEnvironment reads the
// settings file again.
void BasReloadEnvironment();

// The working folder of the environment, with one trailing separator.
std::string BasGetWorkingFolder();
bool BasSetWorkingFolder(const std::string& folder);

}  // namespace zv
