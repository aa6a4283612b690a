#include "views/launch/launch_commands.h"

#include <vector>

#include "framework/commands/command_table.h"
#include "platform/view/tool_factory.h"
#include "views/launch/launch_table.h"
#include "views/view_commands.h"
#include "platform/view/gis_edit_view.h"

namespace zv::launch {
namespace {

constexpr const char* kSectionView = "CSecToolView";
constexpr const char* kPlanView = "CSecPrjToolView";

void LaunchInView(cmd::CommandTarget& target, const cmd::ToolLaunch& launch) {
  CGisEditView* view = EditViewOf(target);
  if (!view) return;
  // Typed coordinates go to the view the tool works in.
  view->setFocus();
  LaunchTool(*view, launch.toolClass, static_cast<int16_t>(launch.mode), launch.cancelFirst, launch.flag);
}

std::vector<cmd::CommandRow> RowsOf(ToolView view) {
  std::vector<cmd::CommandRow> rows;
  for (const LaunchRow& row : LaunchRows())
    if (row.InView(view))
      rows.push_back(cmd::Tool(row.id, row.toolClass, row.mode, row.CancelsIn(view), LaunchFlagOf(row.toolClass)));
  return rows;
}

// Entries that start no tool; their handlers come with other pieces.
constexpr cmd::CommandRow kSectionOthers[] = {
    cmd::Empty(33607),                              // 功能待定
    cmd::BoundLater(32989, "ReadBoreholeData"),     // 读取钻孔数据
};
constexpr cmd::CommandRow kSharedOthers[] = {
    cmd::BoundLater(33094, "SetFldTipDsp"),          // 查看属性数据
    cmd::BoundLater(33188, "连接属性数据(WB)"),
    cmd::BoundLater(33189, "导出属性数据(WB)"),
    cmd::BoundLater(33190, "DBF转表格WB"),
};

}  // namespace

void RegisterToolLaunches() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::CommandRegistry& registry = cmd::Registry();
  registry.SetToolLauncher(
      {[](const char* toolClass, int mode) { return Tools().Knows(toolClass, mode); }, LaunchInView});
  registry.AddRows(kSectionView, RowsOf(ToolView::kSection));
  registry.AddRows(kPlanView, RowsOf(ToolView::kPlan));
  registry.AddRows(kSectionView, kSectionOthers);
  for (const char* view : {kSectionView, kPlanView}) registry.AddRows(view, kSharedOthers);
}

}  // namespace zv::launch
