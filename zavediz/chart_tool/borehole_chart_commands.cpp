#include "zavediz/chart_tool/borehole_chart_commands.h"

#include <vector>

#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"
#include "zavediz/chart_tool/borehole_chart_tool.h"

namespace zv::chart {
namespace {

BaseGisTool* MakeChartTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecBoreholeChartTool(view, mode); }

}  // namespace

void RegisterBoreholeChartCommands() {
  Tools().Register(kBoreholeChartTool, MakeChartTool, BoreholeChartMode);
  std::vector<cmd::MenuRow> items;
  for (const ChartLaunch& launch : BoreholeChartLaunches())
    items.push_back({cmd::kMenuSection, launch.menuPath, launch.id, nullptr});
  cmd::Menus().AddRows(items);
}

}  // namespace zv::chart
