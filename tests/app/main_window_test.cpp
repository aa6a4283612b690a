#include <gtest/gtest.h>

#include <QMenuBar>

#include "app/main_window.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"

namespace {

QString Sample(const char* name) { return QStringLiteral(ZV_SOURCE_ROOT "/data/samples/") + name; }

}  // namespace

TEST(MainWindow, OpensTheSampleProjectInItsView) {
  zv::prompt::ScopedScriptedPrompts script;
  zv::MainWindow window;
  ASSERT_TRUE(window.OpenProject(Sample("HILLS.MPJ")));
  ASSERT_NE(window.project(), nullptr);
  EXPECT_EQ(window.view()->GetProject(), window.project());
  EXPECT_GE(window.view()->ShownAreas().size(), 3u);
  EXPECT_TRUE(script->Messages().empty());
  EXPECT_GE(window.menuBar()->actions().size(), 2);
}

TEST(MainWindow, AProjectThatCannotBeReadIsReportedAndTheShownOneStays) {
  zv::prompt::ScopedScriptedPrompts script;
  zv::MainWindow window;
  ASSERT_TRUE(window.OpenProject(Sample("HILLS.MPJ")));
  zv::MapProject* shown = window.project();
  EXPECT_FALSE(window.OpenProject(Sample("POINTS.WT")));
  EXPECT_FALSE(window.OpenProject(Sample("no such file.mpj")));
  EXPECT_EQ(window.project(), shown);
  ASSERT_EQ(script->Messages().size(), 2u);
  EXPECT_TRUE(script->Messages()[0].startsWith(QStringLiteral("无法打开工程文件")));
}
