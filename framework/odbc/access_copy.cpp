#include "framework/odbc/access_copy.h"

#include <QProcess>
#include <QStringList>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "framework/paths/app_folder.h"

namespace fs = std::filesystem;

namespace zv::odbc {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Runs one of the mdbtools; its standard output, or false with its error.
bool RunTool(const char* tool, const QStringList& arguments, std::string* output, std::string* error) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("MDB_JET3_CHARSET", "CP936");
  process.setProcessEnvironment(environment);
  process.start(tool, arguments);
  if (!process.waitForStarted(-1)) {
    *error = std::string(tool) + ": " + process.errorString().toStdString();
    return false;
  }
  process.waitForFinished(-1);
  *output = process.readAllStandardOutput().toStdString();
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    const std::string text = process.readAllStandardError().trimmed().toStdString();
    *error = std::string(tool) + ": " + (text.empty() ? "exit code " + std::to_string(process.exitCode()) : text);
    return false;
  }
  return true;
}

bool Exec(sqlite3* db, const std::string& sql, std::string* error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  *error = message ? message : "SQLite error";
  sqlite3_free(message);
  return false;
}

bool Convert(const std::string& mdb, const std::string& target, std::string* error) {
  std::string schema, tables;
  if (!RunTool("mdb-schema", {Q(mdb), "sqlite"}, &schema, error)) return false;
  if (!RunTool("mdb-tables", {"-1", Q(mdb)}, &tables, error)) return false;
  sqlite3* db = nullptr;
  if (sqlite3_open(target.c_str(), &db) != SQLITE_OK) {
    *error = sqlite3_errmsg(db);
    sqlite3_close(db);
    return false;
  }
  bool ok = Exec(db, "BEGIN", error) && Exec(db, schema, error);
  std::size_t at = 0;
  while (ok && at < tables.size()) {
    std::size_t end = tables.find('\n', at);
    if (end == std::string::npos) end = tables.size();
    const std::string table = tables.substr(at, end - at);
    at = end + 1;
    if (table.empty()) continue;
    std::string rows;
    ok = RunTool("mdb-export", {"-I", "sqlite", Q(mdb), Q(table)}, &rows, error) && Exec(db, rows, error);
  }
  ok = ok && Exec(db, "COMMIT", error);
  sqlite3_close(db);
  return ok;
}

}  // namespace

bool IsAccessFile(const std::string& path) {
  std::string extension = fs::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".mdb";
}

std::string AccessCopyPath(const std::string& mdb) {
  const fs::path source(mdb);
  const fs::path folder = source.has_parent_path() ? source.parent_path() : fs::path(".");
  const std::string name = source.stem().string() + ".sqlite";
  if (access(folder.c_str(), W_OK) == 0) return (folder / name).string();
  return (fs::path(paths::GetDataFolder()) / name).string();
}

bool ConvertAccessFile(const std::string& mdb, const std::string& copy, std::string* error) {
  const std::string temporary = copy + ".converting";
  std::remove(temporary.c_str());
  std::string reason;
  bool ok = Convert(mdb, temporary, &reason);
  std::error_code ec;
  if (ok) {
    fs::rename(temporary, copy, ec);
    if (ec) {
      ok = false;
      reason = copy + ": " + ec.message();
    }
  }
  if (!ok) {
    fs::remove(temporary, ec);
    if (error) *error = "转换数据库失败: " + mdb + "\n" + reason;
  }
  return ok;
}

bool RefreshAccessCopy(const std::string& mdb, const std::string& copy, std::string* error) {
  std::error_code ec;
  const auto source = fs::last_write_time(mdb, ec);
  if (ec) return true;  // nothing newer to convert; readers report a missing file
  const auto converted = fs::last_write_time(copy, ec);
  if (!ec && converted >= source) return true;
  return ConvertAccessFile(mdb, copy, error);
}

}  // namespace zv::odbc
