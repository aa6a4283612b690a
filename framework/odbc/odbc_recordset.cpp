#include "framework/odbc/odbc_recordset.h"

#include <sql.h>
#include <sqlext.h>

#include <type_traits>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

static_assert(std::is_same_v<SQLLEN, long>, "parameter lengths are kept as SQLLEN");

namespace zv::odbc {

std::string Diagnostics(short handleType, void* handle) {
  std::string text;
  SQLCHAR state[8];
  SQLCHAR message[1024];
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  for (SQLSMALLINT i = 1;; ++i) {
    const SQLRETURN rc =
        SQLGetDiagRec(handleType, handle, i, state, &native, message, sizeof message, &length);
    if (!SQL_SUCCEEDED(rc)) break;
    if (!text.empty()) text += "\n";
    text += "[" + std::string(reinterpret_cast<char*>(state)) + "] " + reinterpret_cast<char*>(message);
  }
  return text.empty() ? std::string("ODBC error") : text;
}

Connection::Connection() = default;

Connection::~Connection() { Close(); }

bool Connection::Open(const std::string& connectString) {
  Close();
  error_.clear();
  SQLHENV env = SQL_NULL_HENV;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
    error_ = "ODBC driver manager unavailable";
    return false;
  }
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLHDBC dbc = SQL_NULL_HDBC;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc))) {
    error_ = Diagnostics(SQL_HANDLE_ENV, env);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return false;
  }
  SQLSMALLINT outLength = 0;
  const SQLRETURN rc =
      SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(const_cast<char*>(connectString.c_str())),
                       SQL_NTS, nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    error_ = Diagnostics(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return false;
  }
  env_ = env;
  dbc_ = dbc;
  return true;
}

void Connection::Close() {
  if (dbc_) {
    SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    dbc_ = nullptr;
  }
  if (env_) {
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
    env_ = nullptr;
  }
}

Recordset::~Recordset() { Close(); }

bool Recordset::Open(Connection& connection, const std::string& sql, const std::vector<std::string>& parameters) {
  Close();
  error_.clear();
  if (!connection.IsOpen()) {
    error_ = "no open connection";
    return false;
  }
  SQLHSTMT stmt = SQL_NULL_HSTMT;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection.dbc_, &stmt))) {
    error_ = Diagnostics(SQL_HANDLE_DBC, connection.dbc_);
    return false;
  }
  stmt_ = stmt;
  SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
  SQLSetStmtAttr(stmt, SQL_ATTR_CONCURRENCY, reinterpret_cast<SQLPOINTER>(SQL_CONCUR_READ_ONLY), 0);
  if (!SQL_SUCCEEDED(SQLPrepare(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS))) {
    error_ = Diagnostics(SQL_HANDLE_STMT, stmt);
    Close();
    return false;
  }
  // The bound buffers must outlive SQLExecute, so they are the record set's.
  parameters_ = parameters;
  lengths_.assign(parameters_.size(), 0);
  for (std::size_t i = 0; i < parameters_.size(); ++i) {
    lengths_[i] = static_cast<long>(parameters_[i].size());
    const SQLRETURN rc = SQLBindParameter(
        stmt, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
        parameters_[i].size() + 1, 0, parameters_[i].data(), static_cast<SQLLEN>(parameters_[i].size() + 1),
        reinterpret_cast<SQLLEN*>(&lengths_[i]));
    if (!SQL_SUCCEEDED(rc)) {
      error_ = Diagnostics(SQL_HANDLE_STMT, stmt);
      Close();
      return false;
    }
  }
  const SQLRETURN rc = SQLExecute(stmt);
  if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
    error_ = Diagnostics(SQL_HANDLE_STMT, stmt);
    Close();
    return false;
  }
  SQLSMALLINT columns = 0;
  SQLNumResultCols(stmt, &columns);
  columns_ = columns;
  floating_.assign(static_cast<std::size_t>(columns), false);
  for (SQLSMALLINT i = 0; i < columns; ++i) {
    SQLSMALLINT type = 0;
    if (SQL_SUCCEEDED(SQLDescribeCol(stmt, static_cast<SQLUSMALLINT>(i + 1), nullptr, 0, nullptr, &type, nullptr,
                                     nullptr, nullptr)))
      floating_[static_cast<std::size_t>(i)] = type == SQL_REAL || type == SQL_FLOAT || type == SQL_DOUBLE;
  }
  return true;
}

void Recordset::Close() {
  if (stmt_) {
    SQLFreeHandle(SQL_HANDLE_STMT, stmt_);
    stmt_ = nullptr;
  }
  columns_ = 0;
}

bool Recordset::Next() {
  if (!stmt_) return false;
  const SQLRETURN rc = SQLFetch(stmt_);
  if (rc == SQL_NO_DATA) return false;
  if (!SQL_SUCCEEDED(rc)) {
    error_ = Diagnostics(SQL_HANDLE_STMT, stmt_);
    return false;
  }
  return true;
}

bool Recordset::GetFieldValue(int index, std::string* value) {
  value->clear();
  if (!stmt_) {
    error_ = "the record set is not open";
    return false;
  }
  if (index < 0 || index >= columns_) {
    error_ = "field " + std::to_string(index) + " is beyond the " + std::to_string(columns_) + " fields of the row";
    return false;
  }
  char buffer[512];
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(stmt_, static_cast<SQLUSMALLINT>(index + 1), SQL_C_CHAR, buffer, sizeof buffer, &indicator);
    if (rc == SQL_NO_DATA || (SQL_SUCCEEDED(rc) && indicator == SQL_NULL_DATA)) break;
    if (!SQL_SUCCEEDED(rc)) {
      error_ = Diagnostics(SQL_HANDLE_STMT, stmt_);
      return false;
    }
    // A truncated piece fills the buffer but its terminating zero.
    const bool more = rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof buffer));
    if (!more) {
      value->append(buffer, static_cast<std::size_t>(indicator));
      break;
    }
    value->append(buffer, sizeof buffer - 1);
  }
  // Databases filled by older Windows tools hold GBK text: a hole id must not
  // reach the chooser garbled.
  if (!text::IsValidUtf8(*value)) *value = text::FromGbk(*value);
  if (floating_[static_cast<std::size_t>(index)]) *value = PlainFloatingText(*value);
  return true;
}

std::vector<std::string> GbkKeyForms(const std::vector<std::string>& parameters) {
  std::vector<std::string> gbk;
  gbk.reserve(parameters.size());
  for (const std::string& parameter : parameters) gbk.push_back(text::ToGbk(parameter));
  if (gbk == parameters) gbk.clear();
  return gbk;
}

std::string PlainFloatingText(const std::string& value) {
  const std::optional<double> number = num::ParseTypedReal(value);
  return number ? num::Format("%.15g", *number) : value;
}

}  // namespace zv::odbc
