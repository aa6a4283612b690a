// The table tools launched in a view as the tool views launch them: drawing
// the running program's selection, a chosen workbook file's sheet and the
// custom-size table, and copying a drawn table into a new workbook.
#include <gtest/gtest.h>

#include <QImage>

#include "common/grid_list/grid_list_ctrl.h"
#include "exchange/sheets/sheet_table.h"
#include "exchange/sheets/widget/excel_sheet_dlg.h"
#include "exchange/sheets/widget/sheet_commands.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/object_model.h"
#include "platform/view/tool_factory.h"
#include "tests/exchange/sheets/table_test_support.h"
#include "tests/platform/view/view_fixture.h"
#include "tests/support/test_env.h"

namespace zv::sheets {
namespace {

using workbook::Application;
using workbook::Flavour;

class TableToolsTest : public zv::test::ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    RegisterSheetTools();
    workbook::RunningProgram()->CloseAll();
  }
  void TearDown() override {
    workbook::RunningProgram()->CloseAll();
    ViewTest::TearDown();
  }
  void Launch(const char* toolClass, int16_t mode) { ASSERT_TRUE(LaunchTool(*view, toolClass, mode, true, 0)); }
  // A workbook of the running program with the rows from A1 and `selected`
  // as its selection.
  static workbook::Worksheet OpenSheet(const std::vector<std::vector<std::string>>& rows, const char* selected) {
    const workbook::Worksheet sheet = Application(workbook::RunningProgram(), Flavour::kExcel).Workbooks().Add().Sheets().Item(1);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (std::size_t c = 0; c < rows[r].size(); ++c)
        if (!rows[r][c].empty()) sheet.Cells().SetItem(int(r) + 1, int(c) + 1, rows[r][c]);
    const workbook::CellRect rect = *workbook::ParseRangeReference(selected);
    test::SheetStyler(sheet).Borders(rect);
    sheet.Data()->view.selection = {rect};
    sheet.Data()->view.activeCell = rect.first;
    return sheet;
  }
  // The box of every line drawn.
  D_RECT LinesBox() const {
    D_RECT box{1e9, 1e9, -1e9, -1e9};
    int32_t live = 0, bound = 0;
    BasGetEntityCount(lin, kLineEntity, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<D_DOT> v;
      if (BasReadLine(lin, id, &v, nullptr) <= 0) continue;
      for (const D_DOT& p : v)
        box = {std::min(box.xmin, p.x), std::min(box.ymin, p.y), std::max(box.xmax, p.x), std::max(box.ymax, p.y)};
    }
    return box;
  }
  static int32_t Live(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
  // A workbook file with the sheets "乙" (C5:D6) and "甲" (active, A1 "不要").
  static std::string WorkbookFile() {
    auto session = std::make_shared<workbook::Session>();
    const workbook::Workbook book = Application(session, Flavour::kExcel).Workbooks().Add();
    const workbook::Worksheet first = book.Sheets().Item(1);
    first.SetName("甲");
    first.Cells().SetItem(1, 1, "不要");
    const workbook::Worksheet second = book.Sheets().Add();
    second.SetName("乙");
    for (int r = 5; r <= 6; ++r)
      for (int c = 3; c <= 4; ++c) second.Cells().SetItem(r, c, "x");
    test::SheetStyler(second).Borders({{5, 3}, {6, 4}});
    first.Activate();
    const std::string path = zv::test::TempRoot() + "/两表.xlsx";
    book.SaveAs(path);
    return path;
  }

  prompt::ScopedScriptedPrompts script_;
};

TEST_F(TableToolsTest, TheSelectionIsDrawnIntoTheDraggedRectangleAndTheToolStays) {
  OpenSheet({{"甲", "乙"}, {"1", "2"}, {"不选"}}, "A1:B2");
  Launch("CSecExcelTableTool", -1);
  EXPECT_EQ(view->GetOperationName(), "当前状态: Execl转MapGis");
  Drag({10, 250}, {110, 150});
  const D_RECT box = LinesBox();
  EXPECT_NEAR(box.xmin, 10, 1.5);
  EXPECT_NEAR(box.xmax, 110, 1.5);
  EXPECT_NEAR(box.ymin, 150, 1.5);
  EXPECT_NEAR(box.ymax, 250, 1.5);
  EXPECT_EQ(Live(pnt, kPointEntity), 4) << "the cells of the selection only";
  EXPECT_TRUE(script_->Messages().empty());

  // The size formulas are written in red in the view's corner.
  const QImage image = view->grab().toImage();
  int red = 0;
  for (int y = 2; y < 40; ++y)
    for (int x = 20; x < 300; ++x) red += image.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_GT(red, 20);

  // The right button keeps the tool; a click draws the table again at its
  // natural size, with its top-left corner at the click.
  RightClick({200, 200});
  ASSERT_NE(view->GetExtTool(), nullptr);
  BasClearWorkArea(lin);
  Click({200, 100});
  const D_RECT natural = LinesBox();
  EXPECT_NEAR(natural.xmin, 200, 1.0);
  EXPECT_NEAR(natural.ymax, 100, 1.0);
  EXPECT_NEAR(natural.xmax - natural.xmin, 2 * CellWidthMm(8.43), 1e-6);
  EXPECT_NEAR(natural.ymax - natural.ymin, 2 * CellHeightMm(15), 1e-6);

  view->Undo();
  EXPECT_EQ(Live(lin, kLineEntity), 0) << "one table, one undo step";
}

TEST_F(TableToolsTest, WithNoWorkbookOpenAChosenSheetOfAFileIsDrawn) {
  const std::string path = WorkbookFile();
  Launch("CSecExcelTableTool", -1);
  // Cancelled at the file: nothing is drawn.
  Drag({10, 250}, {10, 250});
  EXPECT_EQ(script_->Messages(), std::vector<QString>{"没有发现Excel!"});
  EXPECT_EQ(Live(lin, kLineEntity), 0);

  script_->AnswerMessage(prompt::kAnswerOk);  // "没有发现Excel!"
  script_->AnswerFiles({QString::fromStdString(path)});
  QStringList listed;
  script_->AnswerDialog([&](QDialog& dialog) {
    auto* list = dialog.findChild<grid::CGridListCtrl*>("sheetList");
    for (int row = 0; row < list->GetItemCount(); ++row) listed << list->CellText(row, 0);
    list->SelectRow(0);
    dialog.accept();
    return -1;
  });
  Click({10, 250});
  EXPECT_EQ(listed, (QStringList{"乙", "甲"}));
  EXPECT_EQ(Live(pnt, kPointEntity), 4) << "the used range C5:D6 of the chosen sheet";
  const D_RECT box = LinesBox();
  EXPECT_NEAR(box.xmax - box.xmin, 2 * CellWidthMm(8.43), 1e-6);
  EXPECT_FLOAT_EQ(BasGetDefaultPointParam(0)->charHeight(), static_cast<float>(0.25 * 11));
  EXPECT_EQ(workbook::RunningProgram()->Books().size(), 0u) << "the file is read apart from the user's workbooks";

  // The dialog cancelled: nothing more.
  script_->AnswerMessage(prompt::kAnswerOk);  // "没有发现Excel!"
  script_->AnswerFiles({QString::fromStdString(path)});
  script_->AnswerDialog([](QDialog& dialog) { dialog.reject(); return -1; });
  Click({10, 250});
  EXPECT_EQ(Live(pnt, kPointEntity), 4);
}

TEST_F(TableToolsTest, ADamagedWorkbookFileIsToldAndNothingIsDrawn) {
  const std::string path = zv::test::TempRoot() + "/坏.xlsx";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fputs("PK not a workbook", file);
  std::fclose(file);
  Launch("CSecExcelTableTool", -1);
  script_->AnswerMessage(prompt::kAnswerOk);  // "没有发现Excel!"
  script_->AnswerFiles({QString::fromStdString(path)});
  script_->AnswerMessage(prompt::kAnswerOk);  // the file's fault
  script_->AnswerDialog([](QDialog& dialog) { dialog.accept(); return -1; });
  Click({10, 250});
  EXPECT_EQ(script_->Messages().size(), 2u) << "no program running, then the file's fault";
  EXPECT_EQ(Live(lin, kLineEntity), 0);
}

TEST_F(TableToolsTest, TheCustomSizeTableTakesRowOneAndColumnA) {
  OpenSheet({{"", "20", "35"}, {"8", "甲", "乙"}, {"8", "", ""}}, "B2:C3");
  Launch("CSecExcelTableTool", 4);
  Click({50, 200});
  const D_RECT box = LinesBox();
  EXPECT_NEAR(box.xmax - box.xmin, 55, 1e-9);
  EXPECT_NEAR(box.ymax - box.ymin, 16, 1e-9);
  EXPECT_NEAR(box.xmin, 50, 1.0);
}

TEST_F(TableToolsTest, ADrawnTableDraggedOverBecomesANewWorkbook) {
  for (double y : {0.0, 10.0, 20.0}) BasAppendLine(lin, {{100, 100 + y}, {140, 100 + y}}, *BasGetDefaultLineParam());
  for (double x : {0.0, 20.0, 40.0}) BasAppendLine(lin, {{100 + x, 100}, {100 + x, 120}}, *BasGetDefaultLineParam());
  PNT_INFO note = *BasGetDefaultPointParam(0);
  note.setCharWidth(2);
  note.setCharHeight(4);
  BasAppendPoint(pnt, {105, 112}, "左上", note);
  BasAppendPoint(pnt, {125, 102}, "右下", note);
  for (int16_t mode : {1, 3}) {
    SCOPED_TRACE(mode);
    workbook::RunningProgram()->CloseAll();
    Launch("CSecExcelTableTool", mode);
    EXPECT_EQ(workbook::RunningProgram()->Books().size(), 0u) << "nothing before a drag";
    Drag({95, 125}, {145, 95});
    ASSERT_EQ(workbook::RunningProgram()->Books().size(), 1u);
    const workbook::Worksheet sheet = Application(workbook::RunningProgram(), Flavour::kExcel).ActiveSheet().value();
    EXPECT_EQ(sheet.Cells().Item(1, 1).Text(), "左上");
    EXPECT_EQ(sheet.Cells().Item(2, 2).Text(), "右下");
    EXPECT_EQ(view->PoolCount(), 0);
  }
}

TEST_F(TableToolsTest, TheEtTableIsTheSameDraggedEitherWay) {
  OpenSheet({{"甲", "乙"}, {"1", "2"}}, "A1:B2");
  Launch("CSecEtTool", 1);
  Drag({10, 250}, {110, 150});
  const D_RECT downRight = LinesBox();
  EXPECT_EQ(Live(lin, kLineEntity), 6) << "every edge, chained";
  BasClearWorkArea(lin);
  Drag({110, 150}, {10, 250});
  const D_RECT upLeft = LinesBox();
  EXPECT_DOUBLE_EQ(upLeft.xmin, downRight.xmin);
  EXPECT_DOUBLE_EQ(upLeft.xmax, downRight.xmax);
  EXPECT_DOUBLE_EQ(upLeft.ymin, downRight.ymin);
  EXPECT_DOUBLE_EQ(upLeft.ymax, downRight.ymax);
}

}  // namespace
}  // namespace zv::sheets
