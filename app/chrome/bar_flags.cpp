#include "app/chrome/bar_flags.h"

#include <cstdlib>

namespace zv::chrome {

namespace {
constexpr const char* kSection = "OTHER";
constexpr const char* kAbsent = "NULL";
constexpr std::size_t kValueBuffer = 20;
}  // namespace

bool BarShownByValue(const std::string& value) { return value != kAbsent && std::atoi(value.c_str()) != 0; }

bool ReadBarFlag(const ProfileFile& file, const char* key) {
  return BarShownByValue(file.GetString(kSection, key, kAbsent, kValueBuffer));
}

bool SaveBarFlag(const ProfileFile& file, const char* key, bool shown) {
  return file.WriteInt(kSection, key, shown ? 1 : 0);
}

}  // namespace zv::chrome
