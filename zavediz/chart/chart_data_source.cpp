#include "zavediz/chart/chart_data_source.h"

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
  if (CurrentFilePath().isEmpty())
    CurrentFilePath() = QString::fromStdString(entry.dbq.empty() ? entry.database : entry.dbq);
  DataSourceCheck check{true, {}};
  Refresh(entry, &check.message);
  return check;
}

bool RefreshDataSourceCopy(const std::string& dataSource, std::string* error) {
  return Refresh(odbc::LookupDataSource(dataSource), error);
}

}  // namespace zv::chart
