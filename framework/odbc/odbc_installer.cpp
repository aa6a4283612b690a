#include "framework/odbc/odbc_installer.h"

#include <odbcinst.h>

#include <array>
#include <cctype>
#include <cstring>
#include <fstream>

#include "framework/odbc/access_copy.h"
#include "framework/odbc/data_source.h"

namespace zv::odbc {
namespace {

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

}  // namespace

bool IsSqliteFile(const std::string& path) {
  static constexpr char kMagic[] = "SQLite format 3";
  std::ifstream in(path, std::ios::binary);
  std::array<char, sizeof kMagic> head{};
  return in.read(head.data(), head.size()) && std::memcmp(head.data(), kMagic, sizeof kMagic) == 0;
}

bool RegisterDataSource(const std::string& dsn, const std::string& path, std::string* error) {
  if (dsn.empty()) return Fail(error, "no data source name");
  // odbc.ini keeps one value a line and trims its ends: such a path would
  // come back as another file.
  if (path.find_first_of("\r\n") != std::string::npos || (!path.empty() && std::isspace(static_cast<unsigned char>(path.back()))))
    return Fail(error, path + ": the path holds a line break or ends in a blank, which odbc.ini cannot keep");
  if (!std::ifstream(path, std::ios::binary)) return Fail(error, path + ": the file cannot be read");
  const bool access = IsAccessFile(path);
  if (!access && !IsSqliteFile(path)) return Fail(error, path + ": not a SQLite database");
  std::array<char, 1024> driver{};
  SQLGetPrivateProfileString(kSqliteDriver, "Driver", "", driver.data(), static_cast<int>(driver.size()),
                             "odbcinst.ini");
  if (driver[0] == '\0') return Fail(error, std::string("the ODBC driver \"") + kSqliteDriver + "\" is not installed");

  std::string database = path;
  if (access) {
    database = AccessCopyPath(path);
    if (!ConvertAccessFile(path, database, error)) return false;
  }
  return WriteUserDataSource(dsn, kSqliteDriver, {{"Database", database}, {"DBQ", path}, {"UID", "admin"}}, error);
}

}  // namespace zv::odbc
