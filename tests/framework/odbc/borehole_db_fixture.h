#pragma once
// The borehole database of the chart tests: built per test from the committed
// SQL script (tests/data/borehole/borehole_fixture.sql) through libsqlite3,
// reached through a test-local odbcinst.ini that names the SQLite ODBC driver
// by its installed path and an odbc.ini data source (in the test's own
// temporary ODBC folder).

#include <map>
#include <string>

namespace zv::test {

// Runs the fixture script, then `extraSql`, into a new SQLite file; fails the
// test on an SQL error.
void BuildSqliteDb(const std::string& path, const std::string& extraSql = "",
                   const std::string& script = "borehole/borehole_fixture.sql");

// odbcinst.ini with the "SQLite3" driver.
void WriteOdbcDrivers();

// Writes odbc.ini with one data source on the SQLite3 driver and the keys
// given (for example Database and DBQ).
void WriteDataSource(const std::string& name, const std::map<std::string, std::string>& keys);

// The fixture database registered as "kof" (Database = DBQ = the file);
// returns the file's path.
std::string RegisterFixtureDb(const std::string& extraSql = "");

// Stand-ins for mdbtools' mdb-schema, mdb-tables and mdb-export, put first on
// PATH: whatever .mdb they are given, they print the fixture script's tables,
// their names and their rows (with `extraSql`'s rows), as the real tools print
// an Access file's. They insist on MDB_JET3_CHARSET=CP936. With `failing`,
// mdb-export fails with "mdb-export: cannot read table".
void InstallStandInMdbTools(const std::string& extraSql = "", bool failing = false);

}  // namespace zv::test
