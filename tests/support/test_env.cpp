#include "tests/support/test_env.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zv::test {
namespace {

std::string& Root() {
  static std::string root;
  return root;
}

void RemoveRoot() {
  if (!Root().empty()) {
    std::error_code ec;
    fs::remove_all(Root(), ec);
  }
}

}  // namespace

void IsolateEnvironment() {
  std::string pattern = (fs::temp_directory_path() / "zvtest-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  Root() = pattern;
  const fs::path root(pattern);
  for (const char* sub : {"home", "zavediz_home", "odbc", "runtime"}) fs::create_directories(root / sub);
  fs::permissions(root / "runtime", fs::perms::owner_all);
  setenv("HOME", (root / "home").c_str(), 1);
  setenv("ZAVEDIZ_HOME", (root / "zavediz_home").c_str(), 1);
  setenv("ODBCSYSINI", (root / "odbc").c_str(), 1);
  setenv("ODBCINI", (root / "odbc" / "odbc.ini").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (root / "home" / ".config").c_str(), 1);
  setenv("XDG_DATA_HOME", (root / "home" / ".local" / "share").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::atexit(RemoveRoot);
}

const std::string& TempRoot() { return Root(); }

std::string DataPath(const std::string& relative) {
  return std::string(ZV_TEST_DATA_DIR) + "/" + relative;
}

}  // namespace zv::test
