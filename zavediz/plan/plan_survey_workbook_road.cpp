// 33622 读取测量数据 of the plan view: a section of the survey workbook open in
// the running spreadsheet program becomes a new straight section line. The
// pick, the header and the points each attach afresh, so each sees the
// workbook as it is at that moment; nothing is written to it. A refused
// spreadsheet call (a workbook without its third sheet) is shown and ends
// the command.
//
// The ground ends are taken from the row at once. When the header dialog is
// cancelled with a header already set, the line is stored from the new ends
// at that header's scales: keeping the previous line's length, direction
// and section end beside the new ends would draw another line's ticks.
#include <QDialog>
#include <optional>

#include "common/dialogs/list_pick_dlg.h"
#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "zavediz/data/survey_workbook.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {
namespace {

constexpr int16_t kSectionPickMode = 4;  // "选择绘制的剖面"

// One attach: the running program's active workbook, which must show a sheet.
std::optional<workbook::Workbook> AttachSurveyWorkbook() {
  const auto app = workbook::AttachExcel(QString::fromUtf8(workbook::message::kNoExcel));
  if (!app) return std::nullopt;
  if (!app->ActiveSheet()) {
    prompt::Message(QString::fromUtf8(workbook::message::kNoSheet));
    return std::nullopt;
  }
  return app->ActiveWorkbook();
}

// Runs one step on a fresh attach; false when the attach failed or a call
// was refused, after telling the user.
template <typename Step>
bool WithSurveyWorkbook(Step step) {
  try {
    const std::optional<workbook::Workbook> book = AttachSurveyWorkbook();
    if (!book) return false;
    step(*book);
    return true;
  } catch (const std::exception& error) {
    workbook::ReportWorkbookError(error);
    return false;
  }
}

}  // namespace

void PlanSectionController::OnReadSurveyFromWorkbook() {
  BeginSurveyLine();
  const int row = PickSurveyZavediz();
  if (row == 0 || !ReadSurveyZavedizHeader(row)) return;
  ReadSurveyZavedizPoints(row);
}

int PlanSectionController::PickSurveyZavediz() {
  std::vector<SurveyWorkbookEntry> entries;
  if (!WithSurveyWorkbook([&](const workbook::Workbook& book) { entries = ReadSurveyWorkbookList(book); })) return 0;
  std::vector<CListPickDlg::Item> items;
  items.reserve(entries.size());
  for (const SurveyWorkbookEntry& entry : entries) items.push_back({QString::fromStdString(entry.name), entry.scale});
  CListPickDlg dialog(kSectionPickMode, &view_);
  dialog.SetItems(std::move(items));
  if (dialog.DoModal() != QDialog::Accepted || dialog.Picked().empty()) return 0;
  return dialog.Picked().front().row;
}

bool PlanSectionController::ReadSurveyZavedizHeader(int row) {
  std::optional<SurveyWorkbookHeader> header;
  if (!WithSurveyWorkbook([&](const workbook::Workbook& book) { header = ReadSurveyWorkbookHeader(book, row); }))
    return false;
  data_.groundStart = header->groundStart;
  data_.groundEnd = header->groundEnd;
  if (AskHeader(header->preset) || data_.headerSet) StoreSurveyLine();
  return true;
}

void PlanSectionController::ReadSurveyZavedizPoints(int row) {
  // Without a confirmed header the scale may be none at all.
  if (data_.sectionScale < kMinSectionScale) {
    prompt::Message(QString::fromUtf8(kBadScalesMessage));
    return;
  }
  std::vector<SurveyStation> stations;
  if (WithSurveyWorkbook([&](const workbook::Workbook& book) { stations = ReadSurveyWorkbookPoints(book, row); }))
    AppendSurveyProfile(std::move(stations), data_.sectionScale, data_.terrain);
}

}  // namespace zv::zavediz
