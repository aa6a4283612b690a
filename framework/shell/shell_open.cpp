#include "framework/shell/shell_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <exception>

#include "framework/prompts/prompts.h"
#include "framework/workbook/session.h"
#include "framework/workbook/widget/spreadsheet_program.h"

namespace zv::shell {
namespace {

Opener& Installed() {
  static Opener opener;
  return opener;
}

WorkbookHost& Host() {
  static WorkbookHost host;
  return host;
}

bool OpenWorkbook(const QString& path) {
  try {
    workbook::RunningProgram()->Open(path.toStdString());
  } catch (const std::exception& error) {
    workbook::ReportWorkbookError(error);
    return false;
  }
  workbook::RunningProgram()->SetVisible(true);
  ShowWorkbookWindow();
  return true;
}

bool OpenOnDesktop(const QString& path) {
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) return true;
  prompt::Message(QStringLiteral("无法打开文件“%1”。").arg(path), prompt::kIconStop);
  return false;
}

}  // namespace

bool IsWorkbookFile(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QLatin1String("xls") || suffix == QLatin1String("xlsx") || suffix == QLatin1String("xlsm") ||
         suffix == QLatin1String("et");
}

bool Open(const QString& path) {
  if (Installed()) return Installed()(path);
  return IsWorkbookFile(path) ? OpenWorkbook(path) : OpenOnDesktop(path);
}

Opener InstallOpener(Opener opener) {
  Opener previous = std::move(Installed());
  Installed() = std::move(opener);
  return previous;
}

void SetWorkbookHost(WorkbookHost host) { Host() = std::move(host); }

void ShowWorkbookWindow() {
  if (Host()) Host()();
}

ScopedRecordingOpener::ScopedRecordingOpener() : opened_(std::make_shared<QStringList>()) {
  previous_ = InstallOpener([list = opened_](const QString& path) {
    list->append(path);
    return true;
  });
}

ScopedRecordingOpener::~ScopedRecordingOpener() { InstallOpener(std::move(previous_)); }

}  // namespace zv::shell
