#include "framework/workbook/widget/spreadsheet_program.h"

#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/workbook_actions.h"
#include "framework/workbook/workbook_error.h"

namespace zv::workbook {

namespace {

// Notes about workbooks read with less than full fidelity, each shown once.
void ShowNotices(Session& session) {
  for (const std::string& notice : session.TakeNotices())
    prompt::Message(QString::fromStdString(notice), prompt::kIconInformation);
}

// The running program with a workbook open, asking for one when none is.
bool EnsureOpenWorkbook(const QString& missingText) {
  Session& session = *RunningProgram();
  session.ReloadChanged();
  if (!session.Active() && !OpenWorkbookFile(session)) {
    prompt::Message(missingText);
    return false;
  }
  ShowNotices(session);
  return true;
}

// The running program shown with a new workbook.
Started StartWithNewWorkbook(Flavour flavour) {
  Application app(RunningProgram(), flavour);
  app.SetVisible(true);
  return {app, app.Workbooks().Add()};
}

}  // namespace

std::optional<Application> AttachExcel(const QString& missingText) {
  if (!EnsureOpenWorkbook(missingText)) return std::nullopt;
  return Application(RunningProgram(), Flavour::kExcel);
}

std::optional<Worksheet> AttachExcelSheet(const QString& missingText) {
  const auto app = AttachExcel(missingText);
  if (!app) return std::nullopt;
  auto sheet = app->ActiveSheet();
  if (!sheet) prompt::Message(message::kNoSheet);
  return sheet;
}

std::optional<EtAttachment> AttachEt() {
  if (!EnsureOpenWorkbook(message::kNoEt)) return std::nullopt;
  Application app(RunningProgram(), Flavour::kEt);
  auto sheet = app.ActiveSheet();
  if (!sheet) {
    prompt::Message(message::kNoSheet);
    return std::nullopt;
  }
  app.SetVisible(true);
  return EtAttachment{app, *sheet};
}

Started StartExcel() { return StartWithNewWorkbook(Flavour::kExcel); }

Started StartEt() { return StartWithNewWorkbook(Flavour::kEt); }

Application StartPrivateExcel() {
  Application app(std::make_shared<Session>(), Flavour::kExcel);
  app.SetVisible(false);
  return app;
}

void ReportWorkbookError(const std::exception& error) {
  prompt::Message(QString::fromUtf8(error.what()), prompt::kIconWarning);
}

}  // namespace zv::workbook
