#include "exchange/sheets/widget/excel_sheet_dlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"

namespace zv::sheets {
namespace {

constexpr int kDialogId = 208;

// The folder a workbook was last chosen from in this run of the program.
QString& LastFolder() {
  static QString folder;
  return folder;
}

}  // namespace

CExcelSheetDlg::CExcelSheetDlg(QWidget* parent) : QDialog(parent), list_(new grid::CGridListCtrl(this)) {
  setWindowTitle("选择表名");
  list_->setObjectName("sheetList");
  list_->SetColumns("表名,150");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  QDialogButtonBox* buttons = AddOkCancelButtons(*this, layout);
  buttons->button(QDialogButtonBox::Ok)->setText("插 入");
  buttons->button(QDialogButtonBox::Cancel)->setText("放 弃");
}

bool CExcelSheetDlg::ListWorkbookSheets(const std::string& path) {
  const workbook::Application excel = workbook::StartPrivateExcel();
  bool listed = false;
  try {
    const workbook::Workbook book = excel.Workbooks().Add(path);
    const workbook::Sheets sheets = book.Worksheets();
    for (int i = 1; i <= sheets.Count(); ++i) list_->AddRow({QString::fromStdString(sheets.Item(i).Name())});
    list_->LoadColumnState(kDialogId);
    listed = true;
  } catch (const std::exception& error) {
    workbook::ReportWorkbookError(error);
  }
  excel.Quit();
  return listed;
}

void CExcelSheetDlg::accept() {
  const std::vector<int> rows = list_->GetSelectedRows();
  chosen_.reset();
  if (!rows.empty()) chosen_ = list_->CellText(rows.front(), 0).toStdString();
  QDialog::accept();
}

std::optional<ChosenSheet> ChooseWorkbookSheet() {
  prompt::FileRequest request;
  request.title = "插入EXCEL表";
  request.defaultExtension = "xls";
  request.filter = "Data Files(*.XLS)|*.XLS;*.XLSX;*.XLSM;*.ET||";
  request.folder = LastFolder().isEmpty() ? QDir::homePath() : LastFolder();
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return std::nullopt;
  LastFolder() = QFileInfo(path).absolutePath();
  CExcelSheetDlg dialog(prompt::GetMainWnd());
  dialog.ListWorkbookSheets(path.toStdString());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted || !dialog.ChosenSheet()) return std::nullopt;
  return ChosenSheet{path.toStdString(), *dialog.ChosenSheet()};
}

}  // namespace zv::sheets
