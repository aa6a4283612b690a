#pragma once
// Access databases (.mdb) are read through a SQLite copy that mdbtools'
// command-line tools make: the SQLite ODBC driver then runs the readers'
// queries on it. The copy keeps the table names, column names and column
// order of the .mdb (readers take fields by position).
//  - The copy is "<name>.sqlite" beside the .mdb, or in the program's data
//    folder when the .mdb's folder is not writable.
//  - A conversion builds a temporary file in one transaction and renames it
//    over the copy, so a failed conversion keeps the previous copy.
//  - Access 97 files are read with their Chinese text as CP936.

#include <string>

namespace zv::odbc {

bool IsAccessFile(const std::string& path);
std::string AccessCopyPath(const std::string& mdb);

// False with a message naming the .mdb and the tool's error text.
bool ConvertAccessFile(const std::string& mdb, const std::string& copy, std::string* error);
// Converts again when the .mdb is newer than its copy or the copy is missing;
// true when the copy is current.
bool RefreshAccessCopy(const std::string& mdb, const std::string& copy, std::string* error);

}  // namespace zv::odbc
