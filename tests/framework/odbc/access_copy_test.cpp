#include "framework/odbc/access_copy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/odbc/data_source.h"
#include "framework/odbc/odbc_installer.h"
#include "framework/odbc/odbc_recordset.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

namespace zv::odbc {
namespace {

class AccessCopyTest : public testing::Test {
 protected:
  void SetUp() override {
    test::InstallStandInMdbTools();
    test::WriteOdbcDrivers();
    mdb = test::TempRoot() + "/矿区数据.mdb";
    copy = test::TempRoot() + "/矿区数据.sqlite";
    std::ofstream(mdb) << "Standard Jet DB";
  }
  // The mine areas of the copy, through the data source.
  std::vector<std::string> Mines() {
    Connection db;
    EXPECT_TRUE(db.Open("DSN=kof")) << db.lastError();
    Recordset rs;
    EXPECT_TRUE(rs.Open(db, "select * from minefile")) << rs.lastError();
    std::vector<std::string> mines;
    std::string value;
    while (rs.Next() && rs.GetFieldValue(1, &value)) mines.push_back(value);
    return mines;
  }
  void SetTimes(fs::file_time_type mdbTime, fs::file_time_type copyTime) {
    fs::last_write_time(mdb, mdbTime);
    fs::last_write_time(copy, copyTime);
  }
  std::string mdb, copy;
};

TEST_F(AccessCopyTest, RegisteringAnMdbWritesItsCopyAndTheDataSource) {
  std::string error;
  ASSERT_TRUE(RegisterDataSource("kof", mdb, &error)) << error;
  EXPECT_TRUE(IsSqliteFile(copy));
  const DataSourceEntry kof = LookupDataSource("kof");
  EXPECT_EQ(kof.database, copy);
  EXPECT_EQ(kof.dbq, mdb);
  EXPECT_EQ(kof.password, "");
  EXPECT_EQ(Mines(), (std::vector<std::string>{"金山矿区", "小矿区", "重复矿区"}));

  // Column order and a quoted value come through.
  Connection db;
  ASSERT_TRUE(db.Open("DSN=kof"));
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from drilgeo2 where 工程编号=?", {"ZK'02"}));
  ASSERT_TRUE(rs.Next());
  EXPECT_EQ(rs.FieldCount(), 26);
  std::string name;
  ASSERT_TRUE(rs.GetFieldValue(3, &name));
  EXPECT_EQ(name, "片麻岩");
}

TEST_F(AccessCopyTest, OnlyAnMdbNewerThanItsCopyIsConvertedAgain) {
  std::string error;
  ASSERT_TRUE(RegisterDataSource("kof", mdb, &error)) << error;
  test::InstallStandInMdbTools("INSERT INTO minefile (矿区代码, 矿区名称) VALUES ('4001', '新矿区');");
  const auto now = fs::file_time_type::clock::now();
  SetTimes(now - std::chrono::seconds(100), now);
  ASSERT_TRUE(RefreshAccessCopy(mdb, copy, &error)) << error;
  EXPECT_EQ(Mines().size(), 3u) << "an older .mdb is not converted";
  SetTimes(now + std::chrono::seconds(10), now);
  ASSERT_TRUE(RefreshAccessCopy(mdb, copy, &error)) << error;
  EXPECT_EQ(Mines().size(), 4u);
}

TEST_F(AccessCopyTest, AFailedConversionKeepsThePreviousCopyAndSaysWhy) {
  std::string error;
  ASSERT_TRUE(RegisterDataSource("kof", mdb, &error)) << error;
  test::InstallStandInMdbTools("", true);
  const auto now = fs::file_time_type::clock::now();
  SetTimes(now + std::chrono::seconds(10), now);
  EXPECT_FALSE(RefreshAccessCopy(mdb, copy, &error));
  EXPECT_NE(error.find(mdb), std::string::npos) << error;
  EXPECT_NE(error.find("cannot read table"), std::string::npos) << error;
  EXPECT_EQ(Mines().size(), 3u);
  EXPECT_FALSE(fs::exists(copy + ".converting"));

  // Without mdbtools a first registration fails and names what is missing.
  const std::string other = test::TempRoot() + "/other.mdb";
  std::ofstream(other) << "Standard Jet DB";
  setenv("PATH", "/nonexistent", 1);
  EXPECT_FALSE(RegisterDataSource("second", other, &error));
  EXPECT_NE(error.find("mdb-schema"), std::string::npos) << error;
  EXPECT_FALSE(LookupDataSource("second").exists);
}

TEST(AccessCopyPathTest, TheCopyLiesBesideTheMdb) {
  fs::create_directories(test::TempRoot() + "/a");
  EXPECT_EQ(AccessCopyPath(test::TempRoot() + "/a/钻孔.MDB"), test::TempRoot() + "/a/钻孔.sqlite");
  EXPECT_TRUE(IsAccessFile("x.Mdb"));
  EXPECT_FALSE(IsAccessFile("x.sqlite"));
}

}  // namespace
}  // namespace zv::odbc
