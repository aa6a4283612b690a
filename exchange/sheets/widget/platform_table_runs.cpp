#include "exchange/sheets/widget/platform_table_runs.h"

#include "annotation/expression_dlg.h"
#include "annotation/expression_report.h"
#include "exchange/sheets/attribute_calculation.h"
#include "exchange/sheets/histogram.h"
#include "exchange/sheets/platform_table.h"
#include "exchange/sheets/widget/sheet_runs.h"
#include "exchange/sheets/widget/histogram_dlg.h"
#include "framework/docview/win_app.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "platform/data/table_area.h"
#include "platform/files/table_file.h"
#include "platform/files/work_area_file.h"
#include "platform/view/prj_edit_view.h"

namespace zv::sheets {
namespace {

namespace msg = workbook::message;
constexpr const char* kNoData = "\n当前表格没有数据!";
constexpr long kMostClasses = 1000;
constexpr long kMostColumns = 50;
constexpr const char* kTableFilter = "表格文件(*.wb)|*.wb|All Files (*.*)|*.*||";

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A temporary work-area set holding one new table, freed at the end of the run.
class ScratchTable {
 public:
  ScratchTable() : set_(BasCreateWorkAreaSet(0)), table_(BasCreateWorkArea(set_, kTableArea)) {}
  ~ScratchTable() { BasFreeWorkAreaSet(set_); }
  ScratchTable(const ScratchTable&) = delete;
  ScratchTable& operator=(const ScratchTable&) = delete;
  WorkAreaHandle get() const { return table_; }

 private:
  WorkAreaSetHandle set_;
  WorkAreaHandle table_;
};

QString ChooseTableFile(bool save) {
  prompt::FileRequest request;
  request.title = save ? "保存表格文件" : "打开表格文件";
  request.defaultExtension = "wb";
  request.filter = kTableFilter;
  request.save = save;
  request.overwritePrompt = save;
  return prompt::ChooseFile(request);
}

void Tell(const std::string& text) {
  if (!text.empty()) prompt::Message(Q(text), prompt::kIconWarning);
}

}  // namespace

void ModeCalculateAttributes(CGisEditView& view) {
  annot::CExpressionDlg dialog(ProjectOrCurrentAreas(view));
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const annot::ExpressionChoice& choice = dialog.choice();
  if (choice.replace) {
    Tell(CalculationOutcomeText(ReplaceInField(choice.area, choice.field, choice.find, choice.replacement)));
    return;
  }
  std::string target, right;
  if (SplitAssignment(choice.expression, &target, &right) == '#') {
    Tell(CalculationOutcomeText(FillFieldFromTemplate(choice.area, target, right)));
    return;
  }
  annot::W60ReportExpressionStatus(
      choice.area, annot::BasEvaluateFieldExpression(choice.area, target, right, choice.abnormal));
}

void ModeTableToExcel(CGisEditView&) {
  const QString path = ChooseTableFile(false);
  if (path.isEmpty()) return;
  const ScratchTable table;
  files::FileReport report;
  if (!LoadTableFile(table.get(), path.toStdString(), &report)) {
    prompt::Message(Q(report.error), prompt::kIconStop);
    return;
  }
  Guarded([&] {
    const workbook::Started started = StartShown(workbook::Flavour::kExcel);
    const workbook::Sheets sheets = started.book.Sheets();
    sheets.Add(2);
    WriteTableToSheet(table.get(), sheets.Item(1));
  });
}

void ModeExcelToTable(CGisEditView&) {
  Guarded([&] {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(msg::kNoExcel));
    if (!sheet) return;
    shell::ShowWorkbookWindow();
    const workbook::Extent extent = workbook::ExtentOf(sheet->UsedRange());
    if (extent.rows < 1 && extent.columns < 1) {
      prompt::Message(kNoData);
      return;
    }
    const ScratchTable table;
    if (!FillTableFromSheet(*sheet, extent, table.get())) {
      prompt::Message(Q(BasLastRefusal()), prompt::kIconStop);
      return;
    }
    const QString path = ChooseTableFile(true);
    if (path.isEmpty()) return;
    const std::string target = path.toStdString();
    if (!BasSaveTable(table.get(), target, IsTableFilePath(target) ? kSavePathComplete : 0))
      prompt::Message(Q("表格文件未能保存：" + BasLastSaveError()), prompt::kIconStop);
  });
}

void ModeHistogram(CGisEditView&) {
  Guarded([&] {
    const auto sheet = workbook::AttachExcelSheet(QString::fromUtf8(msg::kNoExcel));
    if (!sheet) return;
    shell::ShowWorkbookWindow();
    const std::optional<workbook::Window> window =
        workbook::Application(workbook::RunningProgram(), workbook::Flavour::kExcel).ActiveWindow();
    const workbook::Extent extent = window ? workbook::ExtentOf(window->RangeSelection()) : workbook::Extent{0, 0, 1, 1};
    if (extent.rows < 1 && extent.columns < 1) {
      prompt::Message(kNoData);
      return;
    }
    if (extent.rows > kMostClasses || extent.columns > kMostColumns) return;
    CHistogramDlg dialog;
    if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
    const std::vector<HistogramClass> classes =
        ReadHistogramClasses(*sheet, extent.firstRow, extent.rows, extent.firstColumn);
    std::string error;
    const std::string project = SaveHistogram(classes, dialog.width(), dialog.folder(), dialog.element() + "直方图", &error);
    if (project.empty()) {
      prompt::Message(Q("直方图未能保存：" + error), prompt::kIconStop);
      return;
    }
    if (docview::CWinApp* app = docview::App()) app->OpenDocumentFile(QString::fromStdString(project));
  });
}

}  // namespace zv::sheets
