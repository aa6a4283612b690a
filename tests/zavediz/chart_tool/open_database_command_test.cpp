#include "zavediz/chart_tool/open_database_command.h"

#include <gtest/gtest.h>

#include "common/globals/program_globals.h"
#include "framework/commands/command_table.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/shell/shell_open.h"
#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"

namespace zv::chart {
namespace {

class NoTarget : public cmd::CommandTarget {
  std::string_view CommandClass() const override { return "none"; }
};

// Both tool views open the file the user registered, and only after the
// data-source check passed.
TEST(OpenDatabaseCommand, OpensTheRegisteredFileOnlyAfterTheCheck) {
  RegisterOpenDatabaseCommand();
  DataSourceName() = "kof";
  const std::string mdb = test::TempRoot() + "/钻孔库.mdb";
  for (const char* view : {"CSecToolView", "CSecPrjToolView"}) {
    SCOPED_TRACE(view);
    const cmd::CommandRow* row = cmd::Registry().Find(view, 32964).row;
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(row->kind, cmd::CommandKind::kHandler);
    NoTarget target;

    prompt::ScopedScriptedPrompts script;
    shell::ScopedRecordingOpener opener;
    test::WriteDataSource("other", {{"DBQ", "/x"}});
    row->handler(target);
    ASSERT_EQ(script->Messages().size(), 1u);
    EXPECT_EQ(script->Messages()[0], "请先注册数据源！！！");
    EXPECT_TRUE(opener.opened().isEmpty());

    const std::string db = test::RegisterFixtureDb();
    row->handler(target);
    test::WriteDataSource("kof", {{"DBQ", mdb}, {"Database", db}});
    row->handler(target);
    EXPECT_EQ(opener.opened(), QStringList({QString::fromStdString(db), QString::fromStdString(mdb)}));
    EXPECT_EQ(script->Messages().size(), 1u);
  }
}

}  // namespace
}  // namespace zv::chart
