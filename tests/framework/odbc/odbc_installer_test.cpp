#include <gtest/gtest.h>

#include <sql.h>
#include <odbcinst.h>
#include <sqlext.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/odbc/data_source.h"
#include "framework/odbc/odbc_installer.h"
#include "tests/support/test_env.h"

namespace zv::odbc {
namespace {

// The test's own driver list, naming the SQLite driver or not.
void WriteDriverList(bool withSqlite) {
  const std::filesystem::path folder = std::getenv("ODBCSYSINI");
  std::filesystem::create_directories(folder);
  std::ofstream list(folder / "odbcinst.ini");
  list << "[Other]\nDriver=libother.so\n";
  if (withSqlite) list << "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDriver=libsqlite3odbc.so\n";
}

std::string Fixture() {
  const std::string copy = test::TempRoot() + "/boreholes.sqlite";
  std::filesystem::copy_file(test::DataPath("odbc/boreholes.sqlite"), copy,
                             std::filesystem::copy_options::overwrite_existing);
  return copy;
}

// The holes of table zk, read through a connection to the data source.
std::vector<std::string> HolesThrough(const std::string& connect) {
  SQLHENV env = nullptr;
  SQLHDBC dbc = nullptr;
  SQLHSTMT stmt = nullptr;
  std::vector<std::string> holes;
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
  std::string text = connect;
  if (SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, nullptr, 0,
                                     nullptr, SQL_DRIVER_NOPROMPT))) {
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    SQLCHAR query[] = "select hole from zk order by hole";
    if (SQL_SUCCEEDED(SQLExecDirect(stmt, query, SQL_NTS)))
      while (SQL_SUCCEEDED(SQLFetch(stmt))) {
        char hole[32] = {};
        SQLLEN length = 0;
        SQLGetData(stmt, 1, SQL_C_CHAR, hole, sizeof hole, &length);
        holes.emplace_back(hole);
      }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    SQLDisconnect(dbc);
  }
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  return holes;
}

TEST(OdbcInstaller, ARegisteredSqliteDatabaseIsReadThroughItsDataSource) {
  WriteDriverList(true);
  const std::string db = Fixture();
  std::string error;
  ASSERT_TRUE(RegisterDataSource("kof", db, &error)) << error;
  EXPECT_EQ(HolesThrough("DSN=kof;"), (std::vector<std::string>{"ZK1", "ZK2"}));
  // The source names the database for the drivers and for our own readers.
  char value[512] = {};
  SQLGetPrivateProfileString("kof", "DBQ", "", value, sizeof value, "odbc.ini");
  EXPECT_EQ(std::string(value), db);
  SQLGetPrivateProfileString("kof", "UID", "", value, sizeof value, "odbc.ini");
  EXPECT_EQ(std::string(value), "admin");
  // Registering again replaces the source.
  EXPECT_TRUE(RegisterDataSource("kof", db, &error)) << error;
}

TEST(OdbcInstaller, WhatCannotBeRegisteredIsRefusedWithItsReason) {
  const std::string db = Fixture();
  const std::string text = test::TempRoot() + "/boreholes.mdb";
  std::ofstream(text) << "Standard Jet DB";
  struct Case {
    const char* name;
    bool driverListed;
    std::string path;
  };
  const Case cases[] = {
      {"driver not installed", false, db},
      {"not a SQLite file", true, text},
      {"missing file", true, test::TempRoot() + "/none.sqlite"},
      {"line break in the path", true, test::TempRoot() + "/two\nlines.sqlite"},
      {"blank at the end of the path", true, test::TempRoot() + "/blank.sqlite "},
  };
  for (const char* odd : {"/two\nlines.sqlite", "/blank.sqlite "})
    std::filesystem::copy_file(db, test::TempRoot() + odd, std::filesystem::copy_options::overwrite_existing);
  // What was registered before a refusal stays registered.
  WriteDriverList(true);
  ASSERT_TRUE(RegisterDataSource("kof", db, nullptr));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteDriverList(c.driverListed);
    std::string error;
    EXPECT_FALSE(RegisterDataSource("kof", c.path, &error));
    EXPECT_FALSE(error.empty());
  }
  EXPECT_EQ(LookupDataSource("kof").database, db);
  EXPECT_TRUE(IsSqliteFile(db));
  EXPECT_FALSE(IsSqliteFile(text));
}

}  // namespace
}  // namespace zv::odbc
