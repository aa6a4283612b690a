#include <gtest/gtest.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/widget/sheet_table_model.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xls_import.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "framework/workbook/widget/workbook_actions.h"
#include "framework/workbook/widget/workbook_window.h"
#include "tests/framework/workbook/workbook_fixture.h"
#include "tests/support/test_env.h"

namespace zv::workbook {
namespace {

namespace fs = std::filesystem;

class SpreadsheetProgram : public ::testing::Test {
 protected:
  void SetUp() override { RunningProgram()->CloseAll(); }
  void TearDown() override { RunningProgram()->CloseAll(); }
  prompt::ScopedScriptedPrompts script;
};

QString Fixture(const char* name) { return QString::fromStdString(testing::FixturePath(name)); }

TEST_F(SpreadsheetProgram, AttachAsksForAWorkbookWhenNoneIsOpen) {
  script->AnswerFiles({Fixture("calc_cases.xlsx")});
  const auto app = AttachExcel(message::kNoExcelOpenOne);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->ActiveSheet()->Name(), "格式");
  EXPECT_TRUE(script->Messages().empty());

  // Open now: the next attach takes it without asking.
  ASSERT_TRUE(AttachExcel(message::kNoExcel).has_value());
  EXPECT_EQ(script->asked().size(), 1u);
}

TEST_F(SpreadsheetProgram, CancellingTheFilePickerShowsTheCommandsMessage) {
  EXPECT_FALSE(AttachExcel(message::kNoExcelOpenOne).has_value());
  EXPECT_EQ(script->Messages(), std::vector<QString>{message::kNoExcelOpenOne});
  EXPECT_FALSE(AttachEt().has_value());
  EXPECT_EQ(script->Messages().back(), message::kNoEt);
}

TEST_F(SpreadsheetProgram, AnUnreadableWorkbookIsReportedAndTheCommandEnds) {
  const std::string path = zv::test::TempRoot() + "/broken.xlsx";
  std::ofstream(path) << "PK\x03\x04 not really";
  script->AnswerFiles({QString::fromStdString(path)});
  EXPECT_FALSE(AttachExcel(message::kNoExcel).has_value());
  ASSERT_EQ(script->Messages().size(), 2u);
  EXPECT_TRUE(script->Messages()[0].contains("broken.xlsx"));
  EXPECT_EQ(script->Messages()[1], message::kNoExcel);
}

TEST_F(SpreadsheetProgram, WithoutLibreOfficeAnXlsWorkbookOpensWithANoteShownOnce) {
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", zv::test::TempRoot().c_str(), 1);
  script->AnswerFiles({Fixture("calc_cases.xls")});
  const auto first = AttachExcel(message::kNoExcel);
  RunningProgram()->CloseAll();
  script->AnswerFiles({Fixture("calc_cases.xls")});
  const auto second = AttachExcel(message::kNoExcel);
  setenv("PATH", path.c_str(), 1);
  ASSERT_TRUE(first.has_value());
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->ActiveSheet()->Cells().Item(1, 1).Text(), "1234.5678");
  EXPECT_EQ(script->Messages(), std::vector<QString>{QString::fromStdString(XlsWithoutLibreOfficeNotice())});
}

TEST_F(SpreadsheetProgram, AttachSeesTheWorkbookAsItIsNow) {
  const std::string path = zv::test::TempRoot() + "/survey.xlsx";
  fs::copy_file(testing::FixturePath("calc_cases.xlsx"), path);
  RunningProgram()->Open(path);
  ASSERT_EQ(AttachExcel(message::kNoExcel)->ActiveSheet()->Name(), "格式");
  const auto before = fs::last_write_time(path);
  fs::copy_file(testing::FixturePath("openpyxl_cases.xlsx"), path, fs::copy_options::overwrite_existing);
  fs::last_write_time(path, before + std::chrono::seconds(2));
  const auto et = AttachEt();
  ASSERT_TRUE(et.has_value());
  EXPECT_EQ(et->sheet.Name(), "选择");
  EXPECT_TRUE(et->app.Visible());
}

TEST_F(SpreadsheetProgram, StartingGivesANewVisibleWorkbook) {
  const Started excel = StartExcel();
  EXPECT_EQ(excel.book.Sheets().Count(), 1);
  const Started et = StartEt();
  EXPECT_EQ(et.book.Sheets().Count(), 3);
  EXPECT_EQ(AttachExcel(message::kNoExcel)->ActiveWorkbook()->Name(), et.book.Name());

  const Application hidden = StartPrivateExcel();
  EXPECT_FALSE(hidden.Visible());
  EXPECT_THROW(hidden.Workbooks().Open(zv::test::TempRoot() + "/none.xls"), WorkbookError);
  hidden.Workbooks().Open(testing::FixturePath("calc_cases.xlsx"));
  EXPECT_EQ(RunningProgram()->Books().size(), 2u);
  hidden.Quit();
}

TEST_F(SpreadsheetProgram, UnsavedNewWorkbooksAreAskedAboutAtExit) {
  const Started started = StartExcel();
  EXPECT_TRUE(ConfirmUnsavedWorkbooks(*RunningProgram()));  // nothing written yet
  started.book.Sheets().Item(1).Cells().SetItem(1, 1, "x");

  script->AnswerMessage(prompt::kAnswerCancel);
  EXPECT_FALSE(ConfirmUnsavedWorkbooks(*RunningProgram()));
  script->AnswerMessage(prompt::kAnswerNo);
  EXPECT_TRUE(ConfirmUnsavedWorkbooks(*RunningProgram()));

  const QString path = QString::fromStdString(zv::test::TempRoot() + "/kept");
  script->AnswerMessage(prompt::kAnswerYes);
  script->AnswerFiles({path});
  EXPECT_TRUE(ConfirmUnsavedWorkbooks(*RunningProgram()));
  EXPECT_TRUE(fs::exists(path.toStdString() + ".xlsx"));
  EXPECT_TRUE(RunningProgram()->UnsavedNewBooks().empty());
}

TEST_F(SpreadsheetProgram, TheWindowShowsTheStoredViewAndTakesTheUsersPick) {
  RunningProgram()->Open(testing::FixturePath("openpyxl_cases.xlsx"));
  WorkbookWindow window(RunningProgram());
  ASSERT_EQ(window.Tabs()->count(), 2);
  EXPECT_EQ(window.Tabs()->tabText(0), "颜色");
  EXPECT_EQ(window.Tabs()->currentIndex(), 1);
  QTableView* picked = window.SheetView(1);
  EXPECT_EQ(picked->currentIndex(), picked->model()->index(5, 4));
  EXPECT_EQ(picked->selectionModel()->selectedIndexes().size(), 9);

  QTableView* colours = window.SheetView(0);
  EXPECT_EQ(colours->model()->index(0, 0).data().toString(), "主题");
  EXPECT_EQ(colours->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0x4F, 0x81, 0xBD));

  // The user picks the first sheet and selects B2:C3 from C3.
  window.Tabs()->setCurrentIndex(0);
  auto* model = colours->model();
  colours->selectionModel()->setCurrentIndex(model->index(2, 2), QItemSelectionModel::ClearAndSelect);
  colours->selectionModel()->select(QItemSelection(model->index(1, 1), model->index(2, 2)),
                                    QItemSelectionModel::ClearAndSelect);
  const auto app = AttachExcel(message::kNoExcel);
  ASSERT_TRUE(app.has_value());
  EXPECT_EQ(app->ActiveSheet()->Name(), "颜色");
  const Extent extent = ExtentOf(app->ActiveWindow()->RangeSelection());
  EXPECT_EQ(extent.firstRow, 2);
  EXPECT_EQ(extent.firstColumn, 2);
  EXPECT_EQ(extent.rows, 2);
  EXPECT_EQ(extent.columns, 2);
  EXPECT_EQ(app->ActiveWindow()->AnchorCell().Row(), 3);

  // A command writes: the window shows it.
  app->ActiveSheet()->Cells().SetItem(1, 1, "改了");
  QApplication::processEvents();
  EXPECT_EQ(window.SheetView(0)->model()->index(0, 0).data().toString(), "改了");
}

TEST_F(SpreadsheetProgram, TheWindowFollowsTheWorkbookOpenedLast) {
  WorkbookWindow window(RunningProgram());
  EXPECT_EQ(window.Tabs()->count(), 0);
  RunningProgram()->Open(testing::FixturePath("calc_cases.xlsx"));
  QApplication::processEvents();
  EXPECT_EQ(window.Tabs()->count(), 3);
  QTableView* sheet = window.SheetView(0);
  EXPECT_EQ(sheet->columnSpan(1, 5), 2);
  EXPECT_EQ(sheet->rowSpan(1, 5), 2);
  EXPECT_GT(sheet->columnWidth(1), sheet->columnWidth(0));
  EXPECT_GT(sheet->rowHeight(4), sheet->rowHeight(0));
  StartEt();
  QApplication::processEvents();
  EXPECT_EQ(window.Tabs()->count(), 3);
  EXPECT_EQ(window.Tabs()->tabText(2), "Sheet3");
  EXPECT_EQ(window.ShownBook(), RunningProgram()->Active());
}

}  // namespace
}  // namespace zv::workbook
