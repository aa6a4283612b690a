#include "exchange/sheets/widget/sec_excel_table_tool.h"

#include <QPainter>
#include <algorithm>
#include <iterator>

#include "exchange/sheets/widget/excel_sheet_dlg.h"
#include "exchange/sheets/widget/platform_table_runs.h"
#include "exchange/sheets/widget/table_runs.h"
#include "platform/display/kernel_driver.h"
#include "platform/view/gis_edit_view.h"

namespace zv::sheets {

// What a mode does: its one-shot run in the constructor (null: none), the
// view's pick its mouse drives and what a release does, and the view's state
// line. A row with neither a run nor a mouse part is bound later and not
// made yet.
enum class TableMouse { kNone, kRectangle, kPickAll, kPickPoints, kPickLines, kClick };

struct TableToolMode {
  int16_t mode;
  void (*run)(CGisEditView&);
  TableMouse mouse;
  const char* state;
  bool Built() const { return run || mouse != TableMouse::kNone; }
};

namespace {

// In the order the constructor tests them.
constexpr TableToolMode kModes[] = {
    {-1, nullptr, TableMouse::kRectangle, "当前状态: Execl转MapGis"},
    {1, nullptr, TableMouse::kPickAll, "当前状态: MapGis转Excel"},
    {-2, ModeTableToExcel, TableMouse::kNone, "当前状态: WB->EXCEL"},
    {2, ModeExcelToTable, TableMouse::kNone, "当前状态: EXCEL->WB"},
    {-3, ModeCalculateAttributes, TableMouse::kNone, "当前状态: 属性简单计算"},
    {3, nullptr, TableMouse::kPickPoints, "当前状态: MapGis转Excel1"},
    {-4, ModeHistogram, TableMouse::kPickLines, "当前状态: 直方图"},  // then picks lines
    {4, nullptr, TableMouse::kClick, "当前状态: 自定义宽度和高度excel转mapgis"},
};

const TableToolMode* Find(int16_t mode) {
  const auto found = std::find_if(std::begin(kModes), std::end(kModes),
                                  [mode](const TableToolMode& m) { return m.mode == mode && m.Built(); });
  return found == std::end(kModes) ? nullptr : &*found;
}

int Pick(CGisEditView& view, TableMouse mouse, unsigned message, unsigned flags, CPoint point) {
  return mouse == TableMouse::kPickAll ? view.SelectAll(message, flags, point) : view.SelectPnt(message, flags, point);
}

bool Picks(TableMouse mouse) { return mouse == TableMouse::kPickAll || mouse == TableMouse::kPickPoints; }

}  // namespace

CSecExcelTableTool::CSecExcelTableTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode), mode_(Find(mode)) {
  if (mode_ && mode_->run && m_pView) mode_->run(*m_pView);
  // The exports run at once too; before any drag there is no rectangle, so
  // they do nothing then and the pool stays.
  if (mode_ && Picks(mode_->mouse)) Export();
}

bool CSecExcelTableTool::Implements(int16_t mode) { return Find(mode) != nullptr; }

int CSecExcelTableTool::OnLButtonDown(unsigned flags, CPoint point) {
  if (!mode_) return 1;
  if (mode_->mouse == TableMouse::kRectangle) rubber_.Press(*m_pView, point);
  if (mode_->mouse == TableMouse::kPickLines) m_pView->SelectLin(WM_LBUTTONDOWN, flags, point);
  if (Picks(mode_->mouse)) {
    Pick(*m_pView, mode_->mouse, WM_LBUTTONDOWN, flags, point);
    press_ = m_pView->_WpToLp(point);
  }
  return 1;
}

void CSecExcelTableTool::OnMouseMove(unsigned flags, CPoint point) {
  if (!mode_) return;
  if (mode_->mouse == TableMouse::kRectangle) rubber_.Track(*m_pView, point);
  if (mode_->mouse == TableMouse::kPickLines) m_pView->SelectLin(WM_MOUSEMOVE, flags, point);
  if (Picks(mode_->mouse)) Pick(*m_pView, mode_->mouse, WM_MOUSEMOVE, flags, point);
}

int CSecExcelTableTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (!mode_) return 1;
  switch (mode_->mouse) {
    case TableMouse::kRectangle:
      if (rubber_.Dragging()) PlaceTable(point);
      break;
    case TableMouse::kPickAll:
    case TableMouse::kPickPoints:
      release_ = m_pView->_WpToLp(point);
      dragged_ = true;
      if (Pick(*m_pView, mode_->mouse, WM_LBUTTONUP, flags, point) == 1) Export();
      break;
    case TableMouse::kClick:
      RunCustomSizeTable(*m_pView, point);
      break;
    case TableMouse::kPickLines:
      // The view's pick ends on the release; without it the lines picked by
      // the press and the drag would never reach the pool.
      m_pView->SelectLin(WM_LBUTTONUP, flags, point);
      break;
    case TableMouse::kNone:
      break;
  }
  return 1;
}

void CSecExcelTableTool::OnRButtonUp(unsigned, CPoint) { Stop(); }

const char* CSecExcelTableTool::OperationName() const {
  return mode_ ? mode_->state : BaseGisTool::OperationName();
}

void CSecExcelTableTool::DrawHook(KernelDriver* dc) {
  if (!mode_ || mode_->mouse != TableMouse::kRectangle || !dc) return;
  QPainter& painter = dc->Painter();
  painter.save();
  painter.resetTransform();
  painter.setPen(QColor(255, 0, 0));
  painter.setBackgroundMode(Qt::TransparentMode);
  const QRect client(QPoint(0, 0), dc->DeviceSize());
  painter.drawText(client.adjusted(20, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   "Mapgis单元格宽度 = (127.0÷60.0)×EXCEL单元格宽度+(127.0÷96.0)");
  painter.drawText(client.adjusted(20, 22, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   "Mapgis单元格高度 = (127.0÷360.0)×EXCEL单元格高度");
  painter.restore();
}

void CSecExcelTableTool::PlaceTable(CPoint release) {
  const CPoint anchor = rubber_.Release(*m_pView);
  if (!RunSelectionTable(*m_pView, anchor, release))
    if (const auto chosen = ChooseWorkbookSheet())
      RunWorkbookFileTable(*m_pView, chosen->path, chosen->sheet, anchor, release);
  m_pView->_UpdateWindow();
}

void CSecExcelTableTool::Export() {
  if (!dragged_) return;
  RunTableExport(*m_pView, press_, release_, mode_->mouse == TableMouse::kPickAll);
}

}  // namespace zv::sheets
