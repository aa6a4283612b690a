#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "exchange/dxf/dxf_command_rows.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/view.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"
#include "tests/exchange/dxf/dxf_export_support.h"
#include "tests/exchange/dxf/dxf_test_support.h"
#include "tests/support/test_env.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

// Views the command routing finds as it finds the two tool views.
struct SectionToolView : CGisEditView, docview::CView {
  std::string_view CommandClass() const override { return "CSecToolView"; }
  QWidget* Widget() override { return this; }
};
struct ProjectToolView : CPrjEditView, docview::CView {
  std::string_view CommandClass() const override { return "CSecPrjToolView"; }
  QWidget* Widget() override { return this; }
};

bool Listed(int menu, int id) {
  const auto rows = cmd::Menus().RowsOf(menu);
  return std::any_of(rows.begin(), rows.end(), [id](const cmd::MenuRow& r) { return r.id == id; });
}

TEST(DxfCommandRows, ImportsRunInTheSectionViewAndTheExportInThePlanView) {
  RegisterDxfCommands();
  prompt::ScopedScriptedPrompts script;

  SectionToolView section;
  script->AnswerFiles({QString::fromStdString(test::FixturePath("r2018_utf8.dxf"))});
  EXPECT_EQ(cmd::Execute({&section}, 33413), cmd::RunResult::kRan);
  int32_t live = 0, bound = 0;
  BasGetLineCount(section.GetCurrentLinArea(), &live, &bound);
  EXPECT_GT(live, 0);

  test::TestProject project((fs::path(zv::test::TempRoot()) / "rows").string());
  BasAppendLine(project.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, LIN_INFO{});
  ProjectToolView plan;
  plan.SetProject(&project.project());
  EXPECT_EQ(cmd::Execute({&plan}, 33505), cmd::RunResult::kRan);
  EXPECT_TRUE(fs::exists(project.Target()));
  plan.SetProject(nullptr);

  // The export is the plan view's alone; the imports the section view's.
  EXPECT_NE(cmd::Execute({&section}, 33505), cmd::RunResult::kRan);
  EXPECT_NE(cmd::Execute({&plan}, 33413), cmd::RunResult::kRan);
  for (int id : {33413, 33484, 33600}) EXPECT_TRUE(Listed(cmd::kMenuSection, id)) << id;
  EXPECT_TRUE(Listed(cmd::kMenuPlan, 33505));
}

}  // namespace
}  // namespace zv::dxf
