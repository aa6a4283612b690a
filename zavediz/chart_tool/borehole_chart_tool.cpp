#include "zavediz/chart_tool/borehole_chart_tool.h"

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/tool_factory.h"
#include "zavediz/chart/borehole_chart.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/chart_tool/borehole_select_dlg.h"
#include "zavediz/chart_tool/chart_save_folder.h"

namespace zv::chart {
namespace {

constexpr ChartLaunch kLaunches[] = {
    {33156, -1, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述往下分配", "画柱状图胡子往下拉"},
    {32913, 0, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述平均分配", "画柱状图(描述平均分配)"},
    {33158, 1, "&C地质绘图/柱状图(ACCESS)/绘制柱状图/描述往上分配", "画柱状图胡子往上拉"},
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

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

void CSecBoreholeChartTool::OnRButtonUp(unsigned flags, CPoint point) { m_pView->CancelInterActive(); }

void CSecBoreholeChartTool::Run() {
  const std::string dataSource = DataSourceName().toStdString();
  const DataSourceCheck check = CheckDataSource(dataSource);
  if (!check.message.empty()) prompt::Message(Q(check.message), check.ok ? prompt::kIconWarning : prompt::kIconStop);
  if (!check.ok) return;

  const QString folder = ChooseChartSaveFolder(m_pView);
  if (folder.isEmpty()) prompt::Message("没有设置保存路径，请手工保存文件！！！");

  CBoreholeSelectDlg chooser(m_pView, dataSource);
  if (prompt::Current().Exec(chooser) == QDialog::Accepted) {
    const std::string mine = MineCodeOf(chooser.mineArea().toStdString());
    const float scaleFactor = static_cast<float>(chooser.scale() * 0.005);
    CGisEditView* view = m_pView;
    BoreholeChart chart({m_linAi, m_pntAi, m_regAi}, m_nMode, dataSource, Settings().subNo, [view] {
      view->ClearPoint();
      view->ClearLine();
      view->ClearRegion();
    });
    for (const QString& hole : chooser.selectedHoles()) {
      std::string error;
      if (!chart.DrawColumns(scaleFactor, mine, hole.toStdString(), &error)) {
        prompt::Message(Q(error), prompt::kIconStop);
        continue;
      }
      if (!folder.isEmpty() && !chart.CreateChartProject(folder.toStdString(), &error))
        prompt::Message(Q(error), prompt::kIconStop);
    }
  }
  m_pView->OnRestoreWindow();
  m_pView->_UpdateWindow();
}

}  // namespace zv::chart
