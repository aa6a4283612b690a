#include "zavediz/chart_tool/borehole_chart_commands.h"

#include <vector>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/gis_edit_view.h"
#include "zavediz/chart_tool/borehole_chart_tool.h"

namespace zv::chart {
namespace {

// The handler of the launch row at `Index`.
template <std::size_t Index>
void Launch(cmd::CommandTarget& target) {
  if (auto* view = dynamic_cast<CGisEditView*>(&target)) LaunchBoreholeChart(*view, BoreholeChartLaunches()[Index].id);
}

constexpr cmd::HandlerFn kHandlers[] = {Launch<0>, Launch<1>, Launch<2>};

}  // namespace

void RegisterBoreholeChartCommands() {
  std::vector<cmd::CommandRow> commands;
  std::vector<cmd::MenuRow> items;
  const auto launches = BoreholeChartLaunches();
  for (std::size_t i = 0; i < launches.size() && i < std::size(kHandlers); ++i) {
    commands.push_back(cmd::Handler(launches[i].id, kHandlers[i], "CSecBoreholeChartTool"));
    items.push_back({cmd::kMenuSection, launches[i].menuPath, launches[i].id, nullptr});
  }
  cmd::Registry().AddRows("CSecToolView", commands);
  cmd::Menus().AddRows(items);
}

}  // namespace zv::chart
