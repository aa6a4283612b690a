#include "zavediz/chart/borehole_choice.h"

#include "framework/text/encoding.h"
#include "zavediz/chart/chart_data_source.h"

namespace zv::chart {
namespace {

constexpr int kDetailColumns[14] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 29, 30, 31, 32};

// Walks the rows of a query, handing each to `take`; false with the driver's
// text at the first failure. A query of keys that finds no row runs again
// with their GBK forms.
template <class Take>
bool EachRow(odbc::Connection& db, const char* table, const std::string& sql, const std::vector<std::string>& args,
             std::string* error, Take take) {
  odbc::Recordset rs;
  bool any = false;
  const auto walk = [&](const std::vector<std::string>& parameters) {
    rs.Close();
    bool ok = rs.Open(db, sql, parameters);
    while (ok && rs.Next()) ok = any = take(rs);
    return ok && rs.lastError().empty();
  };
  bool ok = walk(args);
  if (const std::vector<std::string> gbk = odbc::GbkKeyForms(args); ok && !any && !gbk.empty()) ok = walk(gbk);
  if (!ok && error) *error = std::string(table) + ": " + (rs.lastError().empty() ? db.lastError() : rs.lastError());
  return ok;
}

}  // namespace

std::string MineCodeOf(const std::string& mineEntry) { return text::CutToGbkBytes(mineEntry, 4); }

bool BoreholeCatalog::Open(const std::string& dataSource, std::string* error) {
  if (!PrepareDataSourceFile(dataSource, error)) return false;
  if (connection_.Open("DSN=" + dataSource)) return true;
  if (error) *error = connection_.lastError();
  return false;
}

std::vector<std::string> BoreholeCatalog::MineAreas(std::string* error) {
  std::vector<std::string> entries;
  EachRow(connection_, "minefile", "select * from minefile", {}, error, [&](odbc::Recordset& rs) {
    std::string code, name;
    if (!rs.GetFieldValue(0, &code) || !rs.GetFieldValue(1, &name)) return false;
    entries.push_back(code + "  " + name);
    return true;
  });
  return entries;
}

std::vector<std::string> BoreholeCatalog::FirstColumn(const char* table, const char* sql, const std::string& mineCode,
                                                       std::string* error) {
  std::vector<std::string> values;
  EachRow(connection_, table, sql, {mineCode}, error, [&](odbc::Recordset& rs) {
    std::string value;
    if (!rs.GetFieldValue(0, &value)) return false;
    values.push_back(value);
    return true;
  });
  return values;
}

std::vector<std::string> BoreholeCatalog::Holes(const std::string& mineCode, std::string* error) {
  return FirstColumn("zkinfok", "select * from zkinfok where 矿区代码=?", mineCode, error);
}

std::vector<std::string> BoreholeCatalog::Sections(const std::string& mineCode, std::string* error) {
  return FirstColumn("pmddcoor", "select * from pmddcoor where 矿区代码=?", mineCode, error);
}

bool BoreholeCatalog::Details(const std::string& mineCode, const std::string& hole, HoleDetails* details,
                              std::string* error) {
  bool found = false;
  EachRow(connection_, "zkinfok", "select * from zkinfok where 矿区代码=? and 工程编号=?", {mineCode, hole}, error,
          [&](odbc::Recordset& rs) {
            HoleDetails row;
            for (std::size_t i = 0; i < row.size(); ++i)
              if (!rs.GetFieldValue(kDetailColumns[i], &row[i])) return false;
            *details = row;
            found = true;
            return true;
          });
  return found;
}

}  // namespace zv::chart
