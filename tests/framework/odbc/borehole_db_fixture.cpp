#include "tests/framework/odbc/borehole_db_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/time.h>
#include <fstream>
#include <sstream>

#include "framework/odbc/data_source.h"
#include "tests/support/test_env.h"

namespace zv::test {
namespace {

std::string OdbcFolder() { return std::getenv("ODBCSYSINI"); }

// The driver manager keeps what it read of an ini file until the file's
// modification time changes, which counts whole seconds: each rewrite gets a
// time of its own.
void MarkRewritten(const std::string& path) {
  static time_t stamp = time(nullptr);
  const struct timeval times[2] = {{++stamp, 0}, {stamp, 0}};
  utimes(path.c_str(), times);
}

}  // namespace

void BuildSqliteDb(const std::string& path, const std::string& extraSql, const std::string& script) {
  std::ifstream in(DataPath(script), std::ios::binary);
  ASSERT_TRUE(in) << script;
  std::stringstream sql;
  sql << "BEGIN;\n" << in.rdbuf() << "\n" << extraSql << "\nCOMMIT;";
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  ASSERT_EQ(rc, SQLITE_OK) << message;
}

void WriteOdbcDrivers() {
  std::ofstream out(OdbcFolder() + "/odbcinst.ini");
  out << "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=" << ZV_SQLITE3_ODBC_DRIVER << "\n";
  out.close();
  MarkRewritten(OdbcFolder() + "/odbcinst.ini");
}

void WriteDataSource(const std::string& name, const std::map<std::string, std::string>& keys) {
  // Through the installer, which also drops what the driver manager cached
  // of the file.
  std::remove((OdbcFolder() + "/odbc.ini").c_str());
  std::string error;
  ASSERT_TRUE(odbc::WriteUserDataSource(name, "SQLite3", keys, &error)) << error;
}

std::string RegisterFixtureDb(const std::string& extraSql) {
  const std::string path = TempRoot() + "/borehole.sqlite";
  BuildSqliteDb(path, extraSql);
  WriteOdbcDrivers();
  WriteDataSource("kof", {{"Database", path}, {"DBQ", path}});
  return path;
}

}  // namespace zv::test
