#include "exchange/sheets/widget/table_runs.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "exchange/sheets/sheet_table.h"
#include "exchange/sheets/table_export.h"
#include "exchange/sheets/widget/sheet_runs.h"
#include "framework/prompts/prompts.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "platform/view/gis_edit_view.h"

namespace zv::sheets {
namespace {

namespace msg = workbook::message;
constexpr const char* kNoData = "\n当前表格没有数据!";

// The rectangle's top-left and bottom-right corners on the map.
std::pair<D_DOT, D_DOT> MapCorners(const CGisEditView& view, CPoint a, CPoint b) {
  return {view._WpToLp(std::min(a.x, b.x), std::min(a.y, b.y)), view._WpToLp(std::max(a.x, b.x), std::max(a.y, b.y))};
}

// Draws as one undo step; a failing spreadsheet call keeps what was drawn
// in the step and is told.
template <typename Draw>
void DrawAsOneStep(CGisEditView& view, Draw draw) {
  DrawnTable drawn;
  std::exception_ptr failure;
  view.RunCommand([&] {
    try {
      draw(drawn);
    } catch (const std::exception&) {
      failure = std::current_exception();
    }
    view.GetUndo().PushList(view.GetCurrentLinArea(), kLineEntity, drawn.lines, GisUndo::kAppended);
    view.GetUndo().PushList(view.GetCurrentPntArea(), kPointEntity, drawn.points, GisUndo::kAppended);
  });
  if (!failure) return;
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    workbook::ReportWorkbookError(error);
  }
}

// The running program's selection with its sheet; none after a message.
struct Selection {
  workbook::Worksheet sheet;
  workbook::Extent extent;
};
std::optional<Selection> SelectionOf(std::optional<workbook::Worksheet> sheet, workbook::Flavour flavour) {
  if (!sheet) return std::nullopt;
  const auto window = workbook::Application(workbook::RunningProgram(), flavour).ActiveWindow();
  if (!window) return std::nullopt;
  return Selection{*sheet, workbook::ExtentOf(window->RangeSelection())};
}

bool Empty(const workbook::Extent& extent) { return extent.rows < 1 || extent.columns < 1; }

// The running program's selection as Excel; none after the message of a
// missing workbook or sheet, or of an empty selection.
std::optional<Selection> ExcelSelection() {
  auto selection = SelectionOf(workbook::AttachExcelSheet(msg::kNoExcel), workbook::Flavour::kExcel);
  if (selection && Empty(selection->extent)) {
    prompt::Message(kNoData);
    return std::nullopt;
  }
  return selection;
}

}  // namespace

bool RunSelectionTable(CGisEditView& view, CPoint anchor, CPoint release) {
  // With no workbook open the chosen-file path follows, so no file is
  // asked for here: the user would be asked twice for the same choice.
  if (!workbook::RunningProgram()->Active()) {
    prompt::Message(msg::kNoExcel);
    return false;
  }
  bool drawn = false;
  Guarded([&] {
    const auto selection = ExcelSelection();
    if (!selection) return;
    const auto [topLeft, bottomRight] = MapCorners(view, anchor, release);
    DrawAsOneStep(view, [&](DrawnTable& out) {
      DrawSheetTableInRect(selection->sheet, selection->extent, kSelectionTable, topLeft, bottomRight,
                           view.GetCurrentLinArea(), view.GetCurrentPntArea(), out);
    });
    drawn = true;
  });
  return drawn;
}

void RunWorkbookFileTable(CGisEditView& view, const std::string& path, const std::string& sheetName, CPoint anchor,
                          CPoint release) {
  const workbook::Application excel = workbook::StartPrivateExcel();
  Guarded([&] {
    const workbook::Worksheet sheet = excel.Workbooks().Open(path).Worksheets().Item(sheetName);
    sheet.Activate();
    const workbook::Extent extent = workbook::ExtentOf(sheet.UsedRange());
    if (Empty(extent)) {
      prompt::Message(kNoData);
      return;
    }
    const auto [topLeft, bottomRight] = MapCorners(view, anchor, release);
    DrawAsOneStep(view, [&](DrawnTable& out) {
      DrawSheetTableInRect(sheet, extent, kWorkbookFileTable, topLeft, bottomRight, view.GetCurrentLinArea(),
                           view.GetCurrentPntArea(), out);
    });
  });
  excel.Quit();
}

void RunCustomSizeTable(CGisEditView& view, CPoint point) {
  Guarded([&] {
    const auto selection = ExcelSelection();
    if (!selection) return;
    DrawAsOneStep(view, [&](DrawnTable& out) {
      DrawSheetTable(selection->sheet, selection->extent, kCustomSizeTable, view._WpToLp(point), {},
                     view.GetCurrentLinArea(), view.GetCurrentPntArea(), out);
    });
  });
}

void RunEtTable(CGisEditView& view, CPoint anchor, CPoint release) {
  Guarded([&] {
    const auto et = workbook::AttachEt();
    if (!et) return;
    const auto selection = SelectionOf(et->sheet, workbook::Flavour::kEt);
    if (!selection || Empty(selection->extent)) return;
    const auto [topLeft, bottomRight] = MapCorners(view, anchor, release);
    DrawAsOneStep(view, [&](DrawnTable& out) {
      DrawSheetTableInRect(selection->sheet, selection->extent, kEtTable, topLeft, bottomRight,
                           view.GetCurrentLinArea(), view.GetCurrentPntArea(), out);
    });
  });
}

void RunTableExport(CGisEditView& view, D_DOT press, D_DOT release, bool fromLines) {
  const std::vector<ENTITY_MSG> pool(view.Pool(), view.Pool() + view.PoolCount());
  if (!ExportablePool(pool)) return;
  const SheetTable table = fromLines ? TableFromLines(pool, press, release) : TableFromNotes(pool, press, release);
  Guarded([&] {
    const workbook::Started started = StartShown(workbook::Flavour::kExcel);
    WriteSheetTable(started.book.Sheets().Item(1), table);
  });
  view.ClearPool();
}

}  // namespace zv::sheets
