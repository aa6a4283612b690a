#pragma once
// Registering an ODBC data source for the borehole database, through
// unixODBC's installer library (odbcinst). The source is a user data source
// ("odbc.ini" of the user, or $ODBCINI) naming the SQLite driver "SQLite3",
// which must be listed in the driver list (odbcinst.ini, in $ODBCSYSINI when
// set). A SQLite database is registered as it is; an Access database (.mdb)
// is converted to its SQLite copy first (access_copy.h), and the copy
// registered.
//
// The source's keys: Driver, Database (the file the driver reads: the
// database, or the copy of an .mdb), DBQ (the file the user registered, which
// the program's own readers go by) and UID = "admin". No password is written.

#include <string>

namespace zv::odbc {

inline constexpr const char* kSqliteDriver = "SQLite3";

// Whether the file starts as a SQLite database does ("SQLite format 3").
bool IsSqliteFile(const std::string& path);

// Registers (or replaces) the user data source `dsn` for the database at
// `path`. False, with the reason in `error`, when the file cannot be read or
// is no SQLite database, when the driver is not listed, or when the
// installer refuses the write.
bool RegisterDataSource(const std::string& dsn, const std::string& path, std::string* error = nullptr);

}  // namespace zv::odbc
