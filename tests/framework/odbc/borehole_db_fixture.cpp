#include "tests/framework/odbc/borehole_db_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
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

namespace {

std::string Trimmed(std::string statement) {
  // Drop leading comment lines and blanks.
  for (;;) {
    const std::size_t first = statement.find_first_not_of(" \n\t");
    if (first == std::string::npos) return {};
    statement.erase(0, first);
    if (statement.rfind("--", 0) != 0) return statement;
    const std::size_t eol = statement.find('\n');
    if (eol == std::string::npos) return {};
    statement.erase(0, eol + 1);
  }
}

// The table a CREATE TABLE or INSERT INTO statement names.
std::string TableOf(const std::string& statement, std::size_t after) {
  std::size_t at = after;
  while (at < statement.size() && statement[at] == ' ') ++at;
  std::size_t end = statement.find_first_of(" (", at);
  std::string name = statement.substr(at, end - at);
  if (!name.empty() && name.front() == '"') name = name.substr(1, name.size() - 2);
  return name;
}

void WriteScript(const std::filesystem::path& path, const std::string& body) {
  std::ofstream(path) << "#!/bin/sh\n" << body;
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

}  // namespace

void InstallStandInMdbTools(const std::string& extraSql, bool failing) {
  namespace fs = std::filesystem;
  std::ifstream in(DataPath("borehole/borehole_fixture.sql"), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf() << "\n" << extraSql;
  const fs::path root = fs::path(TempRoot()) / "mdbtools";
  fs::remove_all(root);
  fs::create_directories(root / "rows");
  std::ofstream schema(root / "schema.sql");
  std::ofstream tables(root / "tables.txt");
  std::map<std::string, std::string> rows;
  std::string all = text.str();
  std::size_t at = 0;
  while (at < all.size()) {
    std::size_t end = all.find(";\n", at);
    if (end == std::string::npos) end = all.size();
    const std::string statement = Trimmed(all.substr(at, end - at));
    at = end + 2;
    if (statement.rfind("CREATE TABLE", 0) == 0) {
      schema << statement << ";\n";
      const std::string table = TableOf(statement, 12);
      tables << table << "\n";
      rows[table];
    } else if (statement.rfind("INSERT INTO", 0) == 0) {
      rows[TableOf(statement, 11)] += statement + ";\n";
    }
  }
  for (const auto& [table, inserts] : rows) std::ofstream(root / "rows" / (table + ".sql")) << inserts;
  schema.close();
  tables.close();
  const std::string dir = root.string();
  const std::string charset = "[ \"$MDB_JET3_CHARSET\" = CP936 ] || { echo 'wrong charset' >&2; exit 3; }\n";
  WriteScript(root / "mdb-schema", charset + "[ \"$2\" = sqlite ] || exit 2\ncat '" + dir + "/schema.sql'\n");
  WriteScript(root / "mdb-tables", charset + "[ \"$1\" = -1 ] || exit 2\ncat '" + dir + "/tables.txt'\n");
  WriteScript(root / "mdb-export",
              failing ? std::string("echo 'mdb-export: cannot read table' >&2\nexit 1\n")
                      : charset + "[ \"$1 $2\" = '-I sqlite' ] || exit 2\ncat \"" + dir + "/rows/$4.sql\"\n");
  const char* path = std::getenv("PATH");
  const std::string current = path ? path : "";
  if (current.rfind(dir + ":", 0) != 0) setenv("PATH", (dir + ":" + current).c_str(), 1);
}

}  // namespace zv::test
