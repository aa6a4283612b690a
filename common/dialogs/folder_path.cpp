#include "common/dialogs/folder_path.h"

#include <filesystem>
#include <system_error>

namespace zv {

namespace fs = std::filesystem;

bool CreateFolderPath(const std::string& path) {
  const fs::path target(path);
  if (path.empty() || !target.is_absolute()) return false;
  fs::path prefix;
  std::error_code error;
  for (const fs::path& part : target) {
    prefix /= part;
    if (part.empty() || part == prefix.root_path()) continue;
    fs::create_directory(prefix, error);
  }
  return fs::is_directory(target, error);
}

std::optional<std::string> CheckSaveFolder(const std::string& folder) {
  if (folder.empty()) return "请选择你要保存的路径！！！";
  // A relative folder would depend on where the program was started.
  std::error_code error;
  const bool absolute = fs::path(folder).is_absolute();
  if (absolute && (fs::is_directory(folder, error) || CreateFolderPath(folder))) return std::nullopt;
  return "请输入正确的路径及目录名！！！";
}

}  // namespace zv
