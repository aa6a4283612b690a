#pragma once
// Folders the user names for saving: creating a whole path and the check that
// the save-path dialog runs before it closes.

#include <optional>
#include <string>

namespace zv {

// Creates each missing folder of an absolute path in turn ("/a", "/a/b", …);
// true when the whole path is a folder afterwards. A relative path is refused
// (false) and creates nothing.
bool CreateFolderPath(const std::string& path);

// The message that keeps the save-path dialog open, or nothing when the
// folder exists or could be created: an empty folder gives
// "请选择你要保存的路径！！！", a relative folder or one that cannot be made
// "请输入正确的路径及目录名！！！".
std::optional<std::string> CheckSaveFolder(const std::string& folder);

}  // namespace zv
