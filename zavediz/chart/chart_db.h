#pragma once
// The chart's reading steps: one connection per step, queries with the mine
// code and hole id bound as parameters, rows read by field position.
//
// A failed connect, query or field read throws ChartReadError with the text
// the user is shown ("打开数据源失败", or the driver's message naming the
// table); the chart catches it per hole (borehole_chart.h), so it never
// leaves the chart.

#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/odbc/odbc_recordset.h"

namespace zv::chart {

class ChartReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "DSN=" + name + ";UID=admin;PWD=" + the data source's own password.
std::string ChartConnectString(const std::string& dataSource);

// One field of a row as the chart wants it: its position and the width (GBK
// bytes) the value is cut to; 0 keeps it whole.
struct FieldSpec {
  int position;
  std::size_t width = 0;
};

using ChartRow = std::vector<std::string>;

class ChartDb {
 public:
  // How the connection logs in: with the program's login
  // (ChartConnectString), or with the login stored with the data source
  // (the name alone), as the section readers do.
  enum class Login { kProgram, kStored };

  // Opens the connection; throws "打开数据源失败" (with the driver's text).
  explicit ChartDb(const std::string& dataSource, Login login = Login::kProgram);

  // Every row of the query, each holding the fields asked for in that order.
  // `table` names the table in the messages.
  std::vector<ChartRow> Query(const std::string& table, const std::string& sql,
                              const std::vector<std::string>& parameters, std::initializer_list<FieldSpec> fields);
  std::vector<ChartRow> Query(const std::string& table, const std::string& sql,
                              const std::vector<std::string>& parameters, std::span<const FieldSpec> fields);
  // How many rows the query gives, all read to the end.
  std::size_t Count(const std::string& table, const std::string& sql, const std::vector<std::string>& parameters);

 private:
  odbc::Connection connection_;
};

// The query texts, with "?" where the mine code and the hole id are bound.
// The hole clauses differ per reader only in white space.
namespace sql {
inline constexpr const char* kMinefile = "select * from minefile where 矿区代码=?";
inline constexpr const char* kParameters = "select * from 柱状参数 ";
inline constexpr const char* kColumns = "select * from 栏目选择";
inline constexpr const char* kZkinfok = "select * from zkinfok where 矿区代码=? and \t\t\t  工程编号=?";
inline constexpr const char* kZkinfokHeader = "select * from zkinfok where 矿区代码=? \t\t\t  and 工程编号=?";
inline constexpr const char* kDrilgeo2 =
    "select * from drilgeo2  where 矿区代码=? and \t\t\t  工程编号=? order by 自孔深";
inline constexpr const char* kGeolayercolor = "select * from geolayercolor where 矿区代码=? and \t\t\t  工程编号=?";
inline constexpr const char* kDrilsamh = "select * from drilsamh where 矿区代码=? and \t\t\t  工程编号=? order by 自孔深";
inline constexpr const char* kDrilore = "select * from drilore where 矿区代码=? and \t\t\t  工程编号=?";
inline constexpr const char* kDriloreColumn = "select * from drilore where 矿区代码=? and \t\t工程编号=?";
inline constexpr const char* kDrilsamhSampling =
    "select * from drilsamh where 矿区代码=? and \t\t工程编号=? order by 自孔深";
inline constexpr const char* kElement = "select * from element where 矿区代码=?";
inline constexpr const char* kDrilflag = "select * from drilflag where 矿区代码=? and \t\t工程编号=?";
inline constexpr const char* kDrilspec = "select * from drilspec where 矿区代码=? and \t\t工程编号=?";
inline constexpr const char* kTzkkpara = "select * from Tzkkpara ";
inline constexpr const char* kDrilhydr = "select * from drilhydr where 矿区代码=? and \t\t\t\t工程编号=? order by 孔深";
inline constexpr const char* kDrilhydr01 = "select * from drilhydr01 where 矿区代码=? and \t\t\t\t工程编号=?";
inline constexpr const char* kDrilhydr02 = "select * from drilhydr02 where 矿区代码=? and \t\t\t\t工程编号=?";
inline constexpr const char* kDrilhydr03 = "select * from drilhydr03 where 矿区代码=? and \t\t\t\t工程编号=?";
inline constexpr const char* kDrilmeas = "select * from drilmeas where 矿区代码=? and \t\t工程编号=? order by 孔深";
inline constexpr const char* kDrilmeasCount =
    "select * from drilmeas where 矿区代码=? and \t\t\t   工程编号=? order by 孔深";
inline constexpr const char* kDrilmeam =
    "select * from drilmeam  where 矿区代码=? and \t\t\t  工程编号=? order by 记录孔深";
inline constexpr const char* kDrilmeamCount =
    "select * from drilmeam  where 矿区代码=? and \t\t   工程编号=? order by 记录孔深";
inline constexpr const char* kDrilmeamTitle =
    "select * from drilmeam  where 矿区代码=? and \t\t工程编号=? order by 记录孔深";
inline constexpr const char* kZkinfokSignature = "select * from zkinfok where 矿区代码=? and \t\t工程编号=?";
}  // namespace sql

// Values as the chart reads them from text: C's atoi and atof (leading
// number, else 0; "nan" and "inf" are 0 too), "%5.2f" in the C locale, and cuts to a GBK byte width at
// a character boundary.
int IntOf(const std::string& text);
double NumOf(const std::string& text);
std::string Fixed52(const std::string& text);
std::string Fixed52(double value);
std::string CutBytes(const std::string& text, std::size_t width);

}  // namespace zv::chart
