#pragma once
// The ODBC data sources of the user and of the system (odbc.ini), read and
// written through the installer library, in place of the registry keys the
// borehole database was found by.
//
// A data source's section is looked up among the user's data sources first,
// then the system's. DBQ names the file the user registered (an Access .mdb
// or a SQLite file); Database names the file the SQLite driver reads (for an
// .mdb, its SQLite copy).

#include <map>
#include <string>

namespace zv::odbc {

struct DataSourceEntry {
  bool exists = false;
  std::string dbq;       // "DBQ"
  std::string database;  // "Database"
  std::string password;  // "PWD", empty when none is stored
};

DataSourceEntry LookupDataSource(const std::string& name);

// Writes (or rewrites) a user data source on `driver` with the given keys;
// false with the installer's message when odbc.ini cannot be written.
bool WriteUserDataSource(const std::string& name, const std::string& driver,
                         const std::map<std::string, std::string>& keys, std::string* error);

}  // namespace zv::odbc
