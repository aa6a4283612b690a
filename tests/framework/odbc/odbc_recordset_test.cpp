#include "framework/odbc/odbc_recordset.h"

#include <gtest/gtest.h>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "tests/framework/odbc/borehole_db_fixture.h"

namespace zv::odbc {
namespace {

std::vector<std::vector<std::string>> ReadAll(Recordset& rs, std::vector<int> fields) {
  std::vector<std::vector<std::string>> rows;
  while (rs.Next()) {
    auto& row = rows.emplace_back();
    for (int f : fields) {
      std::string value;
      EXPECT_TRUE(rs.GetFieldValue(f, &value)) << rs.lastError();
      row.push_back(value);
    }
  }
  return rows;
}

// The hex digits of a text's GBK bytes, for SQL blob literals.
std::string GbkHex(const std::string& utf8) {
  std::string hex;
  for (unsigned char c : text::ToGbk(utf8)) hex += num::Format("%02X", c);
  return hex;
}

class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterFixtureDb(
        "INSERT INTO drilgeo2 (矿区代码, 工程编号, 地质描述) VALUES ('9', 'LONG', '" + std::string(3000, 'x') + "甲');"
        "INSERT INTO drilgeo2 (矿区代码, 工程编号, 地质描述) VALUES ('9', 'NULL', NULL);"
        "INSERT INTO drilgeo2 (矿区代码, 工程编号, 地质描述) VALUES ('8', CAST(X'D7EABFD7' AS TEXT), "
        "CAST(X'" + GbkHex(std::string(510, 'y') + "钻孔") + "' AS TEXT));"
        "CREATE TABLE 实数 (序号 INTEGER, 值 REAL, 文字 TEXT);"
        "INSERT INTO 实数 VALUES (1, 135, '135.0'), (2, 135.25, '0.10'), (3, 0.1, ''), (4, '135°20′', ''),"
        " (5, NULL, ''), (6, -2.5e-7, ''), (7, 3512345.678901, '');");
    ASSERT_TRUE(db.Open("DSN=kof;UID=admin;PWD=")) << db.lastError();
  }
  Connection db;
};

TEST_F(RecordsetTest, ChineseNamesTabsAndBoundValuesPassAsUtf8) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from drilgeo2  where 矿区代码=? and \t\t\t  工程编号=? order by 自孔深",
                      {"1001", "ZK01"}))
      << rs.lastError();
  EXPECT_EQ(rs.FieldCount(), 26);
  const auto rows = ReadAll(rs, {3, 9});
  const std::vector<std::vector<std::string>> expected = {{"黄土", "0"}, {"砂岩", "10.3"}, {"花岗岩", "10.6"}};
  EXPECT_EQ(rows, expected);
}

TEST_F(RecordsetTest, AQuoteInABoundValueFindsItsRow) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from zkinfok where 矿区代码=? and 工程编号=?", {"1001", "ZK'02"}));
  EXPECT_EQ(ReadAll(rs, {0, 1}), (std::vector<std::vector<std::string>>{{"ZK'02", "4"}}));
}

TEST_F(RecordsetTest, LongValuesReadWholeAndNullReadsEmpty) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from drilgeo2 where 矿区代码=? order by 工程编号", {"9"}));
  const auto rows = ReadAll(rs, {1, 7});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][1], std::string(3000, 'x') + "甲");
  EXPECT_EQ(rows[1], (std::vector<std::string>{"NULL", ""}));
}

TEST_F(RecordsetTest, FloatingColumnsReadAsTheAccessDatabaseShowsThemAndTextColumnsAsStored) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from 实数 order by 序号")) << rs.lastError();
  const std::vector<std::vector<std::string>> expected = {
      {"1", "135", "135.0"}, {"2", "135.25", "0.10"}, {"3", "0.1", ""},           {"4", "135°20′", ""},
      {"5", "", ""},         {"6", "-2.5e-07", ""},    {"7", "3512345.678901", ""},
  };
  EXPECT_EQ(ReadAll(rs, {0, 1, 2}), expected);
}

TEST_F(RecordsetTest, GbkTextReadsAsUtf8EvenWhenACharacterSpansTwoPieces) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from drilgeo2 where 矿区代码=?", {"8"}));
  EXPECT_EQ(ReadAll(rs, {1, 7}), (std::vector<std::vector<std::string>>{{"钻孔", std::string(510, 'y') + "钻孔"}}));
}

TEST_F(RecordsetTest, FieldBeyondTheRowAndBadQueriesFailWithTheDriversText) {
  Recordset rs;
  ASSERT_TRUE(rs.Open(db, "select * from minefile"));
  ASSERT_TRUE(rs.Next());
  std::string value = "stale";
  EXPECT_FALSE(rs.GetFieldValue(29, &value));
  EXPECT_EQ(value, "");
  EXPECT_NE(rs.lastError().find("29"), std::string::npos);
  EXPECT_FALSE(rs.GetFieldValue(-1, &value));

  Recordset missing;
  EXPECT_FALSE(missing.Open(db, "select * from nosuchtable"));
  EXPECT_NE(missing.lastError().find("nosuchtable"), std::string::npos) << missing.lastError();
  EXPECT_FALSE(missing.Next());
  EXPECT_FALSE(missing.GetFieldValue(0, &value));
}

TEST(ConnectionTest, AnUnknownDataSourceFailsWithoutAPrompt) {
  test::WriteOdbcDrivers();
  Connection db;
  EXPECT_FALSE(db.Open("DSN=nothere;UID=admin;PWD="));
  EXPECT_FALSE(db.lastError().empty());
  Recordset rs;
  EXPECT_FALSE(rs.Open(db, "select 1"));
}

}  // namespace
}  // namespace zv::odbc
