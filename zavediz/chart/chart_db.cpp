#include "zavediz/chart/chart_db.h"

#include <cmath>

#include "zavediz/chart/chart_data_source.h"
#include "framework/odbc/data_source.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::chart {
namespace {

std::vector<ChartRow> ReadRows(odbc::Connection& connection, const std::string& table, const std::string& sql,
                               const std::vector<std::string>& parameters, std::span<const FieldSpec> fields) {
  odbc::Recordset rs;
  if (!rs.Open(connection, sql, parameters)) throw ChartReadError(table + ": " + rs.lastError());
  std::vector<ChartRow> rows;
  std::string value;
  while (rs.Next()) {
    ChartRow& row = rows.emplace_back();
    row.reserve(fields.size());
    for (const FieldSpec& field : fields) {
      if (!rs.GetFieldValue(field.position, &value)) throw ChartReadError(table + ": " + rs.lastError());
      row.push_back(field.width ? CutBytes(value, field.width) : value);
    }
  }
  if (!rs.lastError().empty()) throw ChartReadError(table + ": " + rs.lastError());
  return rows;
}

}  // namespace

std::string ChartConnectString(const std::string& dataSource) {
  return "DSN=" + dataSource + ";UID=admin;PWD=" + odbc::LookupDataSource(dataSource).password;
}

ChartDb::ChartDb(const std::string& dataSource, Login login) {
  // A failed refresh was told by the run's data-source check; the previous
  // copy is read.
  if (std::string missing; !PrepareDataSourceFile(dataSource, &missing)) throw ChartReadError(missing);
  if (!connection_.Open(login == Login::kProgram ? ChartConnectString(dataSource) : "DSN=" + dataSource))
    throw ChartReadError("打开数据源失败\n" + connection_.lastError());
}

std::vector<ChartRow> ChartDb::Query(const std::string& table, const std::string& sql,
                                     const std::vector<std::string>& parameters,
                                     std::initializer_list<FieldSpec> fields) {
  return Query(table, sql, parameters, std::span<const FieldSpec>(fields.begin(), fields.size()));
}

std::size_t ChartDb::Count(const std::string& table, const std::string& sql,
                           const std::vector<std::string>& parameters) {
  return Query(table, sql, parameters, std::span<const FieldSpec>()).size();
}

std::vector<ChartRow> ChartDb::Query(const std::string& table, const std::string& sql,
                                     const std::vector<std::string>& parameters,
                                     std::span<const FieldSpec> fields) {
  std::vector<ChartRow> rows = ReadRows(connection_, table, sql, parameters, fields);
  if (!rows.empty()) return rows;
  const std::vector<std::string> gbk = odbc::GbkKeyForms(parameters);
  return gbk.empty() ? rows : ReadRows(connection_, table, sql, gbk, fields);
}

int IntOf(const std::string& text) { return num::ParseInt(text); }
double NumOf(const std::string& text) {
  // "nan" and "inf" are numbers to strtod, but as depths they would put the
  // drawing at no place at all: they read as any other text does.
  const double value = num::ParseDouble(text);
  return std::isfinite(value) ? value : 0;
}
std::string Fixed52(double value) { return num::Format("%5.2f", value); }
std::string Fixed52(const std::string& text) { return Fixed52(NumOf(text)); }

std::string CutBytes(const std::string& text, std::size_t width) {
  // Plain ASCII is its own GBK form: most values need no conversion.
  if (text.size() <= width) {
    bool ascii = true;
    for (unsigned char c : text) ascii = ascii && c < 0x80;
    if (ascii) return text;
  }
  return text::CutToGbkBytes(text, width);
}

}  // namespace zv::chart
