#include "zavediz/chart_tool/custom_chart_tool.h"

#include <vector>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/tool_factory.h"
#include "zavediz/chart/borehole_choice.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/chart/custom_chart.h"
#include "zavediz/chart_tool/borehole_select_dlg.h"
#include "zavediz/chart_tool/chart_run.h"
#include "zavediz/dialogs/title_block_dlg.h"

namespace zv::chart {
namespace {

constexpr int16_t kInitHeader = 10, kSaveHeader = 11, kReadHeader = 12;
constexpr int16_t kLegend = 20;
constexpr int16_t kRareEarth = 21;

struct MenuItem {
  int id;
  const char* path;
};
constexpr MenuItem kMenuItems[] = {
    {33210, "&C地质绘图/柱状图(ACCESS)/自定义钻孔/描述往下分配"},
    {33211, "&C地质绘图/柱状图(ACCESS)/自定义钻孔/描述平均分配"},
    {33212, "&C地质绘图/柱状图(ACCESS)/自定义钻孔/描述往上分配"},
    {33207, "&C地质绘图/柱状图(ACCESS)/设置表头/初始化表头"},
    {33205, "&C地质绘图/柱状图(ACCESS)/设置表头/保存表头"},
    {33206, "&C地质绘图/柱状图(ACCESS)/设置表头/读取表头"},
};

BaseGisTool* MakeCustomChartTool(CGisEditView* view, int16_t mode, int32_t) {
  return new CSecCustomChartTool(view, mode);
}

void TellWarning(const std::string& message) { TellChart(message); }

CustomChartSettings SettingsOfChart() {
  const AppSettings& s = Settings();
  return {s.innerWidth, s.outerWidth, s.subNo};
}

bool AskTitleBlockRows(QWidget* parent, const zavediz::TitleBlockPreset& preset,
                       std::array<TitleRow, kTitleRowCount>& rows) {
  zavediz::CTitleBlockDlg dialog(parent);
  dialog.SetPreset(preset);
  if (dialog.DoModal() != QDialog::Accepted) return false;
  rows = dialog.Rows().rows;
  return true;
}

}  // namespace

bool CustomChartMode(int16_t mode) { return mode != kLegend && mode != kRareEarth; }

void RegisterCustomChartCommands() {
  Tools().Register(kCustomChartTool, MakeCustomChartTool, CustomChartMode);
  std::vector<cmd::MenuRow> items;
  for (const MenuItem& item : kMenuItems) items.push_back({cmd::kMenuSection, item.path, item.id, nullptr});
  cmd::Menus().AddRows(items);
}

CSecCustomChartTool::CSecCustomChartTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode) {
  // The header modes; every other mode is a chart run.
  static constexpr struct {
    int16_t mode;
    void (CSecCustomChartTool::*work)();
  } kHeaderModes[] = {{kInitHeader, &CSecCustomChartTool::InitChartHeader},
                      {kSaveHeader, &CSecCustomChartTool::SaveChartHeader},
                      {kReadHeader, &CSecCustomChartTool::ReadChartHeader}};
  for (const auto& header : kHeaderModes) {
    if (header.mode == mode) {
      (this->*header.work)();
      return;
    }
  }
  Run();
}

void CSecCustomChartTool::OnRButtonUp(unsigned flags, CPoint point) { EndChartToolOnRightButton(m_pView, flags, point); }

void CSecCustomChartTool::Stop() {
  m_pView->ClearPool();
  m_pView->_StopFlash(-1);
}

void CSecCustomChartTool::Run() {
  ChartRunPlan plan;
  if (!PlanChartRun(m_pView, &plan)) return;
  CustomChartHooks hooks;
  hooks.clearPools = ViewClears(m_pView);
  hooks.tell = TellWarning;
  CGisEditView* view = m_pView;
  hooks.askTitleBlock = [view](const zavediz::TitleBlockPreset& preset, std::array<TitleRow, kTitleRowCount>& rows) {
    return AskTitleBlockRows(view, preset, rows);
  };
  CustomChart chart({m_linAi, m_pntAi, m_regAi}, m_nMode, plan.dataSource, SettingsOfChart(), ChartHeaderPath(),
                    hooks);
  RunChartHoles(
      m_pView, plan,
      [&](const std::string& hole, std::string* error) {
        return chart.DrawColumns(plan.scaleFactor, plan.mine, hole, error);
      },
      [&](const std::string& folder, std::string* error) { return chart.SaveChart(folder, error); });
}

void CSecCustomChartTool::InitChartHeader() {
  const double H = Settings().headerHeight;
  const std::string dataSource = DataSourceName().toStdString();
  const DataSourceCheck check = CheckDataSource(dataSource);
  if (!check.message.empty()) TellChart(check.message, !check.ok);
  if (!check.ok) return;
  std::string mine, hole;
  float scaleFactor = 1.0f;
  CBoreholeSelectDlg chooser(m_pView, dataSource);
  if (prompt::Current().Exec(chooser) == QDialog::Accepted) {
    mine = MineCodeOf(chooser.mineArea().toStdString());
    scaleFactor = static_cast<float>(chooser.scale() * 0.005);
    if (!chooser.selectedHoles().isEmpty()) hole = chooser.selectedHoles().back().toStdString();
  }
  try {
    ReadChartParameters(layout_, dataSource, scaleFactor, mine, hole);
  } catch (const ChartReadError& e) {
    TellChart(e.what(), true);
    return;
  }
  ChartWriter writer({m_linAi, m_pntAi, m_regAi});
  const CustomChartSettings settings = SettingsOfChart();
  writer.SetLineWidths(settings.innerWidth, settings.outerWidth);
  DrawDefaultChartHeader(layout_, H, writer);
}

void CSecCustomChartTool::SaveChartHeader() {
  layout_.headerTop = Settings().headerHeight;
  chart::SaveChartHeader(ChartHeaderPath(), layout_.headerTop, {m_linAi, m_pntAi, m_regAi}, TellWarning);
}

void CSecCustomChartTool::ReadChartHeader() {
  if (const auto top = chart::ReadChartHeader(ChartHeaderPath(), {m_linAi, m_pntAi, m_regAi}, TellWarning))
    layout_.headerTop = *top;
}

}  // namespace zv::chart
