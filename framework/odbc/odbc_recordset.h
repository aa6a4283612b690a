#pragma once
// Connections and record sets over unixODBC, in place of the database and
// record-set classes the borehole readers were written against.
//
// What callers rely on:
//  - A connection is made from a connect string without any prompt
//    ("DSN=kof;UID=admin;PWD=" or "DSN=kof"); Open reports failure by its
//    result and keeps the driver's message in lastError().
//  - A record set runs one statement, forward-only and read-only, with its
//    parameters bound as text (never pasted into the SQL), and walks the rows
//    with Next(). Fields are taken by 0-based position as text: a NULL reads
//    as empty, a long value is read whole, and a position beyond the row is
//    an error by result, never a crash.
//  - Text goes in and out as UTF-8 bytes through the narrow API, as the
//    SQLite driver takes and gives them; a field whose bytes are not UTF-8 is
//    read as GB18030, the code page of databases written on Chinese Windows.
//  - A value of a floating-point column reads in its shortest plain form
//    ("%.15g", C locale): a REAL 135 reads "135", as the Access database the
//    copy was converted from shows it, not the driver's "135.0". Text stored
//    in such a column reads as stored.
//  - Nothing here throws; the objects close what they opened when destroyed.

#include <string>
#include <vector>

namespace zv::odbc {

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool Open(const std::string& connectString);
  void Close();
  bool IsOpen() const { return dbc_ != nullptr; }
  const std::string& lastError() const { return error_; }

 private:
  friend class Recordset;
  void* env_ = nullptr;
  void* dbc_ = nullptr;
  std::string error_;
};

class Recordset {
 public:
  Recordset() = default;
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Runs the statement; each "?" takes the next parameter as text.
  bool Open(Connection& connection, const std::string& sql, const std::vector<std::string>& parameters = {});
  void Close();
  bool IsOpen() const { return stmt_ != nullptr; }

  // Moves to the next row: true while there is one. A failed fetch ends the
  // walk with lastError() set.
  bool Next();
  int FieldCount() const { return columns_; }
  // The field at a 0-based position of the current row, as text.
  bool GetFieldValue(int index, std::string* value);
  const std::string& lastError() const { return error_; }

 private:
  void* stmt_ = nullptr;
  int columns_ = 0;
  std::vector<bool> floating_;  // per column: a floating-point type
  std::vector<std::string> parameters_;
  std::vector<long> lengths_;  // SQLLEN on the 64-bit driver manager
  std::string error_;
};

// Databases filled on Chinese Windows keep their keys as GBK bytes, which a
// record set hands out as UTF-8: a key chosen from them is looked up again in
// this form before it counts as absent. Empty when every parameter is its
// own GBK form (plain ASCII), so that no second query is needed.
std::vector<std::string> GbkKeyForms(const std::vector<std::string>& parameters);

// A floating-point field's text in its plain form; other text unchanged.
std::string PlainFloatingText(const std::string& value);

// The driver's diagnostics of a handle as one text ("[state] message").
std::string Diagnostics(short handleType, void* handle);

}  // namespace zv::odbc
