#include "framework/odbc/data_source.h"

#include <gtest/gtest.h>

#include "tests/framework/odbc/borehole_db_fixture.h"

namespace zv::odbc {
namespace {

TEST(DataSourceTest, LooksUpTheKeysOfTheNamedSection) {
  test::WriteDataSource("kof", {{"DBQ", "/data/a.mdb"}, {"Database", "/data/a.sqlite"}, {"PWD", "secret"}});
  const DataSourceEntry kof = LookupDataSource("kof");
  EXPECT_TRUE(kof.exists);
  EXPECT_EQ(kof.dbq, "/data/a.mdb");
  EXPECT_EQ(kof.database, "/data/a.sqlite");
  EXPECT_EQ(kof.password, "secret");
  EXPECT_FALSE(LookupDataSource("other").exists);
  EXPECT_FALSE(LookupDataSource("").exists);
}

TEST(DataSourceTest, WritesAUserDataSourceThatReadsBack) {
  test::WriteOdbcDrivers();
  test::WriteDataSource("old", {{"DBQ", "/x"}});
  std::string error;
  ASSERT_TRUE(WriteUserDataSource("kof", "SQLite3", {{"Database", "/d/b.sqlite"}, {"DBQ", "/d/b.mdb"}}, &error))
      << error;
  ASSERT_TRUE(WriteUserDataSource("kof", "SQLite3", {{"Database", "/d/c.sqlite"}}, &error)) << error;
  const DataSourceEntry kof = LookupDataSource("kof");
  EXPECT_TRUE(kof.exists);
  EXPECT_EQ(kof.database, "/d/c.sqlite");
  EXPECT_EQ(kof.dbq, "") << "a rewritten data source keeps no key of the earlier one";
  EXPECT_EQ(LookupDataSource("old").dbq, "/x");
}

}  // namespace
}  // namespace zv::odbc
