#include "framework/odbc/data_source.h"

#include <odbcinst.h>

namespace zv::odbc {
namespace {

std::string ReadKey(const std::string& section, const char* key) {
  char buffer[1024] = {};
  SQLGetPrivateProfileString(section.c_str(), key, "", buffer, sizeof buffer, "odbc.ini");
  return buffer;
}

std::string InstallerError() {
  DWORD code = 0;
  char message[512] = {};
  WORD length = 0;
  if (SQLInstallerError(1, &code, message, sizeof message, &length) == SQL_SUCCESS) return message;
  return "odbc.ini cannot be written";
}

// Reads with the installer's mode set for the call and put back afterwards.
class ConfigMode {
 public:
  explicit ConfigMode(UWORD mode) {
    SQLGetConfigMode(&previous_);
    SQLSetConfigMode(mode);
  }
  ~ConfigMode() { SQLSetConfigMode(previous_); }

 private:
  UWORD previous_ = ODBC_BOTH_DSN;
};

DataSourceEntry LookupIn(UWORD mode, const std::string& name) {
  ConfigMode scope(mode);
  DataSourceEntry entry;
  // The key list of a section that does not exist is empty.
  char keys[4096] = {};
  SQLGetPrivateProfileString(name.c_str(), nullptr, "", keys, sizeof keys, "odbc.ini");
  entry.exists = keys[0] != '\0';
  if (!entry.exists) return entry;
  entry.dbq = ReadKey(name, "DBQ");
  entry.database = ReadKey(name, "Database");
  entry.password = ReadKey(name, "PWD");
  return entry;
}

}  // namespace

DataSourceEntry LookupDataSource(const std::string& name) {
  if (name.empty()) return {};
  DataSourceEntry user = LookupIn(ODBC_USER_DSN, name);
  if (user.exists) return user;
  return LookupIn(ODBC_SYSTEM_DSN, name);
}

bool WriteUserDataSource(const std::string& name, const std::string& driver,
                         const std::map<std::string, std::string>& keys, std::string* error) {
  ConfigMode scope(ODBC_USER_DSN);
  // A fresh section, so keys of an earlier registration do not linger.
  SQLRemoveDSNFromIni(name.c_str());
  bool ok = SQLWriteDSNToIni(name.c_str(), driver.c_str());
  for (const auto& [key, value] : keys)
    ok = ok && SQLWritePrivateProfileString(name.c_str(), key.c_str(), value.c_str(), "odbc.ini");
  if (!ok && error) *error = InstallerError();
  return ok;
}

}  // namespace zv::odbc
