#include "zavediz/chart_tool/borehole_chart_tool.h"

#include "app/app_settings.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/tool_factory.h"
#include "zavediz/chart/borehole_chart.h"
#include "zavediz/chart_tool/chart_run.h"

namespace zv::chart {
namespace {

constexpr ChartLaunch kLaunches[] = {
    {33156, -1, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述往下分配", "画柱状图胡子往下拉"},
    {32913, 0, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述平均分配", "画柱状图(描述平均分配)"},
    {33158, 1, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述往上分配", "画柱状图胡子往上拉"},
};

}  // namespace

std::span<const ChartLaunch> BoreholeChartLaunches() { return kLaunches; }

bool LaunchBoreholeChart(CGisEditView& view, int id) {
  for (const ChartLaunch& launch : kLaunches)
    if (launch.id == id) return LaunchTool(view, kBoreholeChartTool, launch.mode, true, 0);
  return false;
}

bool BoreholeChartMode(int16_t mode) {
  for (const ChartLaunch& launch : kLaunches)
    if (launch.mode == mode) return true;
  return false;
}

CSecBoreholeChartTool::CSecBoreholeChartTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode) { Run(); }

const char* CSecBoreholeChartTool::OperationName() const {
  for (const ChartLaunch& launch : kLaunches)
    if (launch.mode == m_nMode) return launch.prompt;
  return "画柱状图";
}

void CSecBoreholeChartTool::OnRButtonUp(unsigned flags, CPoint point) { EndChartToolOnRightButton(m_pView, flags, point); }

void CSecBoreholeChartTool::Run() {
  ChartRunPlan plan;
  if (!PlanChartRun(m_pView, &plan)) return;
  BoreholeChart chart({m_linAi, m_pntAi, m_regAi}, m_nMode, plan.dataSource, Settings().subNo, ViewClears(m_pView));
  chart.SetLineWidths(Settings().innerWidth, Settings().outerWidth);
  RunChartHoles(
      m_pView, plan,
      [&](const std::string& hole, std::string* error) {
        return chart.DrawColumns(plan.scaleFactor, plan.mine, hole, error);
      },
      [&](const std::string& folder, std::string* error) { return chart.CreateChartProject(folder, error); });
}

}  // namespace zv::chart
