#include "framework/odbc/odbc_installer.h"

#include <odbcinst.h>

#include <array>
#include <cstring>
#include <fstream>

namespace zv::odbc {
namespace {

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

// The installer's last error as text.
std::string InstallerError() {
  DWORD code = 0;
  std::array<char, 512> message{};
  WORD length = 0;
  if (SQLInstallerError(1, &code, message.data(), static_cast<WORD>(message.size()), &length) == SQL_SUCCESS)
    return message.data();
  return "the ODBC installer refused the data source";
}

// Restores the installer's default mode whatever happens.
class UserDsnMode {
 public:
  UserDsnMode() { SQLSetConfigMode(ODBC_USER_DSN); }
  ~UserDsnMode() { SQLSetConfigMode(ODBC_BOTH_DSN); }
};

}  // namespace

bool IsSqliteFile(const std::string& path) {
  static constexpr char kMagic[] = "SQLite format 3";
  std::ifstream in(path, std::ios::binary);
  std::array<char, sizeof kMagic> head{};
  return in.read(head.data(), head.size()) && std::memcmp(head.data(), kMagic, sizeof kMagic) == 0;
}

bool RegisterDataSource(const std::string& dsn, const std::string& path, std::string* error) {
  if (dsn.empty()) return Fail(error, "no data source name");
  if (!std::ifstream(path, std::ios::binary)) return Fail(error, path + ": the file cannot be read");
  if (!IsSqliteFile(path)) return Fail(error, path + ": not a SQLite database");
  std::array<char, 1024> driver{};
  SQLGetPrivateProfileString(kSqliteDriver, "Driver", "", driver.data(), static_cast<int>(driver.size()),
                             "odbcinst.ini");
  if (driver[0] == '\0') return Fail(error, std::string("the ODBC driver \"") + kSqliteDriver + "\" is not installed");

  const UserDsnMode mode;
  if (!SQLWriteDSNToIni(dsn.c_str(), kSqliteDriver)) return Fail(error, InstallerError());
  const std::pair<const char*, std::string> keys[] = {{"Database", path}, {"DBQ", path}, {"UID", "admin"}};
  for (const auto& [key, value] : keys)
    if (!SQLWritePrivateProfileString(dsn.c_str(), key, value.c_str(), "odbc.ini")) return Fail(error, InstallerError());
  return true;
}

}  // namespace zv::odbc
