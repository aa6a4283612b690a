#include "platform/data/environment.h"

#include <cstring>
#include <optional>

#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "framework/profile/profile_file.h"
#include "framework/text/encoding.h"

namespace zv {
namespace {

constexpr const char* kSection = "ENVIRONMENT";

struct EnvironmentKey {
  std::size_t offset;
  const char* key;
  const char* defaultFolder;  // under the program's data folder
};

constexpr EnvironmentKey kKeys[] = {
    {env::kChineseFontFolder, "ChineseFontFolder", "clib"},
    {env::kSystemFolder, "SystemFolder", "system"},
    {env::kWorkingFolder, "WorkingFolder", "work"},
    {env::kTemporaryFolder, "TemporaryFolder", "temp"},
    {env::kSystemLibraryFolder, "SystemLibraryFolder", "slib"},
};

ProfileFile SettingsFile() { return ProfileFile(paths::ResolveIn(paths::GetAppFolder(), "zavediz/Zavediz.ini")); }

std::optional<EnvironmentRecord>& Loaded() {
  static std::optional<EnvironmentRecord> record;
  return record;
}

EnvironmentRecord Load() {
  EnvironmentRecord record;
  const ProfileFile file = SettingsFile();
  const std::string data = paths::GetDataFolder();
  for (const EnvironmentKey& k : kKeys) {
    record.setPath(k.offset, file.GetString(kSection, k.key, data + k.defaultFolder, env::kPathBytes));
  }
  return record;
}

}  // namespace

std::string EnvironmentRecord::path(std::size_t offset) const {
  if (offset + env::kPathBytes > kSize) return {};
  const auto* begin = reinterpret_cast<const char*>(bytes + offset);
  return std::string(begin, strnlen(begin, env::kPathBytes));
}

void EnvironmentRecord::setPath(std::size_t offset, const std::string& path) {
  if (offset + env::kPathBytes > kSize) return;
  const std::size_t n = text::Utf8CutLength(path, env::kPathBytes - 1);
  std::memset(bytes + offset, 0, env::kPathBytes);
  std::memcpy(bytes + offset, path.data(), n);
}

EnvironmentRecord* BasGetEnvironment(int) {
  auto& loaded = Loaded();
  if (!loaded) loaded = Load();
  return &*loaded;
}

bool BasSaveEnvironment(const EnvironmentRecord& record) {
  Loaded() = record;
  const ProfileFile file = SettingsFile();
  bool ok = true;
  for (const EnvironmentKey& k : kKeys) ok = file.WriteString(kSection, k.key, record.path(k.offset)) && ok;
  return ok;
}

void BasReloadEnvironment() { Loaded().reset(); }

std::string BasGetWorkingFolder() {
  std::string folder = BasGetEnvironment()->path(env::kWorkingFolder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool BasSetWorkingFolder(const std::string& folder) {
  EnvironmentRecord record = *BasGetEnvironment();
  record.setPath(env::kWorkingFolder, folder);
  return BasSaveEnvironment(record);
}

}  // namespace zv
