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

}  // namespace

DataSourceCheck CheckDataSource(const std::string& dataSource) {
  const odbc::DataSourceEntry entry = odbc::LookupDataSource(dataSource);
  if (!entry.exists) return {false, "请先注册数据源！！！"};
  if (entry.dbq.empty() && entry.database.empty()) return {false, "读取数据源错误！"};
  DataSourceCheck check{true, {}};
  Refresh(entry, &check.message);
  // The driver would make an empty database where the file is missing.
  const std::string file = entry.database.empty() ? entry.dbq : entry.database;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    const std::string why = check.message.empty() ? file + ": 文件不存在" : check.message;
    return {false, "打开数据源失败\n" + why};
  }
  if (CurrentFilePath().isEmpty())
    CurrentFilePath() = QString::fromStdString(entry.dbq.empty() ? entry.database : entry.dbq);
  return check;
}

bool RefreshDataSourceCopy(const std::string& dataSource, std::string* error) {
  return Refresh(odbc::LookupDataSource(dataSource), error);
}

}  // namespace zv::chart
