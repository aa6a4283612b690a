#pragma once
// What the hole and section choosers read: the mine areas of minefile, the
// holes of a mine area and one hole's details from zkinfok, the sections of a
// mine area from pmddcoor, over a connection by the data source's name alone. A failed open or query keeps what was read
// before it and says why in `error` (the driver's text); nothing throws.

#include <array>
#include <string>
#include <vector>

#include "framework/odbc/odbc_recordset.h"

namespace zv::chart {

// zkinfok columns 0-9 and 29-32, in that order.
using HoleDetails = std::array<std::string, 14>;

// The mine code of a mine entry ("code  name"): its first four GBK bytes,
// cut at a character boundary; a shorter entry whole.
std::string MineCodeOf(const std::string& mineEntry);

class BoreholeCatalog {
 public:
  bool Open(const std::string& dataSource, std::string* error);
  void Close() { connection_.Close(); }
  bool IsOpen() const { return connection_.IsOpen(); }

  // One entry per minefile row: column 0, two blanks, column 1.
  std::vector<std::string> MineAreas(std::string* error);
  // Column 0 of the mine area's zkinfok rows.
  std::vector<std::string> Holes(const std::string& mineCode, std::string* error);
  // The hole's details; the last row wins. False when no row was read.
  bool Details(const std::string& mineCode, const std::string& hole, HoleDetails* details, std::string* error);
  // Column 0 of the mine area's pmddcoor rows, in row order.
  std::vector<std::string> Sections(const std::string& mineCode, std::string* error);

 private:
  std::vector<std::string> FirstColumn(const char* table, const char* sql, const std::string& mineCode,
                                       std::string* error);

  odbc::Connection connection_;
};

}  // namespace zv::chart
