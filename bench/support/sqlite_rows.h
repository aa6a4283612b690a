#pragma once
// Filling the generated borehole databases of the benchmarks through
// libsqlite3: a statement run (a failure aborts the benchmark), a prepared
// insert run once per generated row, and text binding.

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zv::bench {

inline void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "%s\n", error);
    std::abort();
  }
}

// Runs a prepared insert once per row the generator gives.
template <class Fill>
void InsertRows(sqlite3* db, const char* sql, int count, Fill fill) {
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
  for (int i = 0; i < count; ++i) {
    fill(stmt, i);
    sqlite3_step(stmt);
    sqlite3_reset(stmt);
  }
  sqlite3_finalize(stmt);
}

inline void Bind(sqlite3_stmt* stmt, int at, const std::string& text) {
  sqlite3_bind_text(stmt, at, text.c_str(), -1, SQLITE_TRANSIENT);
}

}  // namespace zv::bench
