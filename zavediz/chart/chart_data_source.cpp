#include "zavediz/chart/chart_data_source.h"

#include <filesystem>

#include "common/globals/program_globals.h"
#include "framework/odbc/access_copy.h"
#include "framework/odbc/data_source.h"

namespace zv::chart {
namespace {

bool Refresh(const odbc::DataSourceEntry& entry, std::string* error) {
  std::string ignored;
  if (!error) error = &ignored;
  if (!odbc::IsAccessFile(entry.dbq) || entry.database.empty()) return true;
  return odbc::RefreshAccessCopy(entry.dbq, entry.database, error);
}

// The file the driver reads (Database, else DBQ); `why` explains its absence.
bool DriverFileExists(const odbc::DataSourceEntry& entry, const std::string& why, std::string* error) {
  const std::string file = entry.database.empty() ? entry.dbq : entry.database;
  std::error_code ec;
  if (std::filesystem::is_regular_file(file, ec)) return true;
  *error = "打开数据源失败\n" + (why.empty() ? file + ": 文件不存在" : why);
  return false;
}

}  // namespace

DataSourceCheck CheckDataSource(const std::string& dataSource) {
  const odbc::DataSourceEntry entry = odbc::LookupDataSource(dataSource);
  if (!entry.exists) return {false, "请先注册数据源！！！"};
  if (entry.dbq.empty() && entry.database.empty()) return {false, "读取数据源错误！"};
  DataSourceCheck check{true, {}};
  Refresh(entry, &check.message);
  // The driver would make an empty database where the file is missing.
  if (std::string missing; !DriverFileExists(entry, check.message, &missing)) return {false, missing};
  if (CurrentFilePath().isEmpty())
    CurrentFilePath() = QString::fromStdString(entry.dbq.empty() ? entry.database : entry.dbq);
  return check;
}

bool PrepareDataSourceFile(const std::string& dataSource, std::string* error) {
  const odbc::DataSourceEntry entry = odbc::LookupDataSource(dataSource);
  Refresh(entry, nullptr);
  // A data source without a file is left to the driver to report.
  if (entry.dbq.empty() && entry.database.empty()) return true;
  std::string ignored;
  return DriverFileExists(entry, {}, error ? error : &ignored);
}

}  // namespace zv::chart
