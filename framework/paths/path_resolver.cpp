#include "framework/paths/path_resolver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace zv::paths {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The entry of `folder` named `name` without regard to case, or empty.
std::string FindEntry(const fs::path& folder, const std::string& name, bool mustBeFolder) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return {};
  std::string found;
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (!EqualsIgnoreCase(candidate, name)) continue;
    if (mustBeFolder && !entry.is_directory(ec)) continue;
    // Directory order is arbitrary: take the smallest match so the result
    // does not depend on it.
    if (found.empty() || candidate < found) found = candidate;
  }
  return found;
}

}  // namespace

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string Join(const std::string& folder, const std::string& relative) {
  std::string rel = relative;
  std::replace(rel.begin(), rel.end(), '\\', '/');
  while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
  if (folder.empty()) return rel;
  if (folder.back() == '/') return folder + rel;
  return folder + "/" + rel;
}

std::string Resolve(const std::string& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return path;
  const fs::path p(path);
  fs::path current = p.root_path();
  std::vector<std::string> parts;
  for (const auto& part : p.relative_path()) parts.push_back(part.string());
  bool searching = true;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& name = parts[i];
    const fs::path base = current.empty() ? fs::path(".") : current;
    if (searching && !fs::exists(base / name, ec)) {
      std::string match = FindEntry(base, name, i + 1 < parts.size());
      if (!match.empty()) {
        current /= match;
        continue;
      }
      searching = false;
    }
    current /= name;
  }
  return current.string();
}

std::string ResolveIn(const std::string& folder, const std::string& relative) { return Resolve(Join(folder, relative)); }

}  // namespace zv::paths
