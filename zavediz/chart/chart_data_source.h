#pragma once
// Finds the database file of the chart's data source before a run:
//  - no section for the data source in odbc.ini: "请先注册数据源！！！";
//  - a section with neither DBQ nor Database: "读取数据源错误！";
//  - the file the driver reads (Database, else DBQ) missing: "打开数据源失败"
//    with the file's name (the driver would make an empty database there);
//  - else CurrentFilePath takes DBQ (else Database) when it is empty; a
//    path already set stays.
// For an Access file, a copy older than the .mdb is converted again; a
// failed conversion is told (`message`) and the previous copy is used.

#include <string>

namespace zv::chart {

struct DataSourceCheck {
  bool ok = false;
  std::string message;  // to show; may accompany ok (a failed refresh)
};

DataSourceCheck CheckDataSource(const std::string& dataSource);

// Before each connect: converts the data source's Access file again when it
// is newer than its copy (a failure leaves the copy as it was and is not
// told again), then makes sure the file the driver reads is still there: a
// database removed since the check would otherwise come back as an empty one
// the driver makes in its place. False with "打开数据源失败" and the file's
// name in `error` when it is missing.
bool PrepareDataSourceFile(const std::string& dataSource, std::string* error);

}  // namespace zv::chart
