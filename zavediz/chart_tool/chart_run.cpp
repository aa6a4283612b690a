#include "zavediz/chart_tool/chart_run.h"

#include "app/right_button_select.h"
#include "common/globals/program_globals.h"
#include "framework/prompts/prompts.h"
#include "zavediz/chart/borehole_choice.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/chart_tool/borehole_select_dlg.h"
#include "zavediz/chart_tool/chart_save_folder.h"

namespace zv::chart {

void TellChart(const std::string& message, bool stop) {
  prompt::Message(QString::fromStdString(message), stop ? prompt::kIconStop : prompt::kIconWarning);
}

bool PlanChartRun(CGisEditView* view, ChartRunPlan* plan) {
  plan->dataSource = DataSourceName().toStdString();
  const DataSourceCheck check = CheckDataSource(plan->dataSource);
  if (!check.message.empty()) TellChart(check.message, !check.ok);
  if (!check.ok) return false;

  plan->folder = ChooseChartSaveFolder(view).toStdString();
  if (plan->folder.empty()) prompt::Message("没有设置保存路径，请手工保存文件！！！");

  CBoreholeSelectDlg chooser(view, plan->dataSource);
  if (prompt::Current().Exec(chooser) != QDialog::Accepted) return true;
  plan->mine = MineCodeOf(chooser.mineArea().toStdString());
  plan->scaleFactor = static_cast<float>(chooser.scale() * 0.005);
  for (const QString& hole : chooser.selectedHoles()) plan->holes.push_back(hole.toStdString());
  return true;
}

void RunChartHoles(CGisEditView* view, const ChartRunPlan& plan, const HoleStep& draw, const HoleStep& save) {
  for (const std::string& hole : plan.holes) {
    std::string error;
    if (!draw(hole, &error)) {
      TellChart(error, true);
      continue;
    }
    if (!plan.folder.empty() && !save(plan.folder, &error)) TellChart(error, true);
  }
  view->OnRestoreWindow();
  view->_UpdateWindow();
}

std::function<void()> ViewClears(CGisEditView* view) {
  return [view] {
    view->ClearPoint();
    view->ClearLine();
    view->ClearRegion();
  };
}

void EndChartToolOnRightButton(CGisEditView* view, unsigned flags, CPoint point) {
  view->CancelInterActive();
  PassRightButtonOn(view, flags, point);
}

}  // namespace zv::chart
