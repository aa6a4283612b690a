// The survey road of the plan view's section controller: a surveyed
// exploration line of the borehole database or of the survey workbook
// (plan_survey_workbook_road.cpp) becomes a new straight section line. It starts afresh as every other way does (two vertices, no vertical
// projection, no crossings, the geology unread, the old line's overlay
// gone), so the cut and a later geology reading treat it as a line of its
// own. Ground ends are stored only once the header is accepted.
#include "common/globals/program_globals.h"
#include "framework/prompts/prompts.h"
#include "zavediz/chart/borehole_choice.h"
#include "zavediz/chart/chart_data_source.h"
#include "zavediz/data/survey_line.h"
#include "zavediz/data/zavediz_select_dlg.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

void Tell(const std::string& text, unsigned icon = prompt::kIconStop) {
  if (!text.empty()) prompt::Message(QString::fromStdString(text), icon);
}

D_DOT PlanPoint(const D_DOT& ground, int32_t planScale) {
  return D_DOT{ground.x * 1000.0 / planScale, ground.y * 1000.0 / planScale};
}

}  // namespace

void PlanSectionController::BeginSurveyLine() {
  data_.verticalProjection = 0;
  BeginSectionLine(plan_, data_);
  plan_.vertices.assign(2, D_DOT{});
  plan_.overlayShown = false;
  view_.OnCleanWindow();
}

void PlanSectionController::StoreSurveyLine() {
  StoreZavedizGeometry(data_);
  plan_.start = PlanPoint(data_.groundStart, data_.planScale);
  plan_.end = PlanPoint(data_.groundEnd, data_.planScale);
  plan_.vertices = {plan_.start, plan_.end};
}

void PlanSectionController::OnReadSurveyFromDatabase() {
  BeginSurveyLine();
  if (!ReadSurveyLine()) prompt::Message(QString::fromUtf8(kSurveyReadFailedMessage));
}

bool PlanSectionController::ReadSurveyLine() {
  const std::string source = DataSourceName().toStdString();
  const chart::DataSourceCheck check = chart::CheckDataSource(source);
  Tell(check.message, check.ok ? prompt::kIconWarning : prompt::kIconStop);
  if (!check.ok) return false;

  CZavedizSelectDlg chooser(&view_, source);
  if (prompt::Current().Exec(chooser) != QDialog::Accepted) return true;
  const std::string code = chart::MineCodeOf(chooser.mineArea().toStdString());
  const std::string line = chooser.section().toStdString();

  std::string error;
  const std::optional<SurveyLineHeader> header = ReadSurveyHeader(source, code, line, &error);
  if (!header) {
    Tell(error);
    return false;
  }
  if (!AskHeader(header->preset)) return false;
  data_.groundStart = header->groundStart;
  data_.groundEnd = header->groundEnd;
  StoreSurveyLine();

  std::vector<SurveyStation> stations;
  if (!ReadSurveyStations(source, code, line, &stations, &error)) {
    Tell(error);
    return false;
  }
  AppendSurveyProfile(stations, data_.sectionScale, data_.terrain);
  return true;
}

}  // namespace zv::zavediz
