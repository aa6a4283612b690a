#include "zavediz/chart_tool/open_database_command.h"

#include "common/globals/program_globals.h"
#include "framework/commands/command_table.h"
#include "framework/odbc/data_source.h"
#include "framework/shell/shell_open.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/chart_tool/chart_run.h"

namespace zv::chart {
namespace {

// The file the user registered (an .mdb opens in its own program, not as the
// SQLite copy the driver reads); a source registered on a SQLite file alone
// names it as Database.
void OpenBoreholeDatabase(cmd::CommandTarget&) {
  const std::string source = DataSourceName().toStdString();
  const DataSourceCheck check = CheckDataSource(source);
  if (!check.message.empty()) TellChart(check.message, !check.ok);
  if (!check.ok) return;
  const odbc::DataSourceEntry entry = odbc::LookupDataSource(source);
  shell::Open(QString::fromStdString(entry.dbq.empty() ? entry.database : entry.dbq));
}

constexpr cmd::CommandRow kRows[] = {cmd::Handler(32964, OpenBoreholeDatabase, "OpenBoreholeDatabaseInAccess")};

}  // namespace

void RegisterOpenDatabaseCommand() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecToolView", kRows);
  cmd::Registry().AddRows("CSecPrjToolView", kRows);
}

}  // namespace zv::chart
