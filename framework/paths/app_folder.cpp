#include "framework/paths/app_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "framework/paths/path_resolver.h"

namespace fs = std::filesystem;

namespace zv::paths {
namespace {

constexpr const char* kDataFolderName = "zavediz";

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

std::string UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return Join(xdg, "Zavediz");
  if (const char* home = std::getenv("HOME"); home && *home) return Join(home, ".local/share/Zavediz");
  return Join(fs::temp_directory_path().string(), "Zavediz");
}

bool WritableFolder(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
}

}  // namespace

std::string ShippedDataFolder() {
  const std::string installed = Join(ExecutableFolder(), "../share/zavediz/zavediz");
  std::error_code ec;
  if (fs::is_directory(installed, ec)) return installed;
  return ZV_SHIPPED_DATA_DIR;
}

std::string GetProgramFolder() {
  if (const char* home = std::getenv("ZAVEDIZ_HOME"); home && *home) return WithSlash(home);
  const std::string exeFolder = ExecutableFolder();
  if (!exeFolder.empty() && WritableFolder(ResolveIn(exeFolder, kDataFolderName))) return WithSlash(exeFolder);
  return WithSlash(UserDataFolder());
}

std::string GetAppFolder() {
  const std::string folder = GetProgramFolder();
  const std::string data = ResolveIn(folder, kDataFolderName);
  std::error_code ec;
  if (!fs::is_directory(data, ec)) {
    fs::create_directories(data, ec);
    const std::string shipped = ShippedDataFolder();
    if (!ec && fs::is_directory(shipped, ec))
      fs::copy(shipped, data, fs::copy_options::recursive | fs::copy_options::skip_existing, ec);
  }
  return folder;
}

std::string GetDataFolder() { return WithSlash(ResolveIn(GetAppFolder(), kDataFolderName)); }

std::string DataFile(const std::string& name) { return ResolveIn(GetDataFolder(), name); }

}  // namespace zv::paths
