#include "tests/framework/odbc/borehole_db_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/test_env.h"

namespace zv::test {
namespace {

std::string OdbcFolder() { return std::getenv("ODBCSYSINI"); }

}  // namespace

void BuildSqliteDb(const std::string& path, const std::string& extraSql, const std::string& script) {
  std::ifstream in(DataPath(script), std::ios::binary);
  ASSERT_TRUE(in) << script;
  std::stringstream sql;
  sql << in.rdbuf() << "\n" << extraSql;
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
}

void WriteDataSource(const std::string& name, const std::map<std::string, std::string>& keys) {
  std::ofstream out(OdbcFolder() + "/odbc.ini");
  out << "[" << name << "]\nDriver=SQLite3\n";
  for (const auto& [key, value] : keys) out << key << "=" << value << "\n";
}

std::string RegisterFixtureDb(const std::string& extraSql) {
  const std::string path = TempRoot() + "/borehole.sqlite";
  BuildSqliteDb(path, extraSql);
  WriteOdbcDrivers();
  WriteDataSource("kof", {{"Database", path}, {"DBQ", path}});
  return path;
}

}  // namespace zv::test
