#include "framework/workbook/widget/workbook_actions.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_writer.h"

namespace zv::workbook {

bool OpenWorkbookFile(Session& session) {
  prompt::FileRequest request;
  request.title = "打开工作簿";
  request.filter = "工作簿(*.xlsx;*.xlsm;*.xls;*.et)|*.xlsx;*.xlsm;*.xls;*.et|所有文件(*.*)|*.*||";
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return false;
  try {
    session.Open(path.toStdString());
    return true;
  } catch (const WorkbookError& error) {
    ReportWorkbookError(error);
    return false;
  }
}

bool SaveWorkbookAs(Session& session, const std::shared_ptr<Book>& book) {
  prompt::FileRequest request;
  request.title = "保存工作簿";
  request.fileName = QString::fromStdString(book->title);
  request.defaultExtension = "xlsx";
  request.filter = "Excel 工作簿(*.xlsx)|*.xlsx||";
  request.save = true;
  request.overwritePrompt = true;
  QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return false;
  if (!path.endsWith(".xlsx", Qt::CaseInsensitive)) path += ".xlsx";
  try {
    session.SaveAs(book, path.toStdString());
    return true;
  } catch (const WorkbookError& error) {
    ReportWorkbookError(error);
    return false;
  }
}

QString OpenInDesktopProgram(const std::shared_ptr<Book>& book) {
  QString path = QString::fromStdString(book->path);
  if (book->IsNew() || book->modified) {
    const QString folder = QDir::temp().filePath("zavediz-workbooks");
    QDir().mkpath(folder);
    QString name = QString::fromStdString(book->title);
    if (!name.endsWith(".xlsx", Qt::CaseInsensitive)) name += ".xlsx";
    path = QDir(folder).filePath(name);
    try {
      WriteXlsx(*book->data, path.toStdString());
    } catch (const WorkbookError& error) {
      ReportWorkbookError(error);
      return {};
    }
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    prompt::Message("没有找到能打开“" + path + "”的电子表格程序。", prompt::kIconWarning);
    return {};
  }
  return path;
}

bool ConfirmUnsavedWorkbooks(Session& session) {
  for (const auto& book : session.UnsavedNewBooks()) {
    const int answer = prompt::Message("工作簿“" + QString::fromStdString(book->title) + "”尚未保存，是否保存？",
                                       prompt::kYesNoCancel | prompt::kIconQuestion);
    if (answer == prompt::kAnswerCancel) return false;
    if (answer == prompt::kAnswerYes && !SaveWorkbookAs(session, book)) return false;
  }
  return true;
}

}  // namespace zv::workbook
