#include "exchange/sheets/widget/sec_excel_tool.h"

#include <algorithm>

#include "exchange/sheets/widget/sheet_runs.h"
#include "exchange/sheets/widget/table_runs.h"
#include "platform/view/gis_edit_view.h"

namespace zv::sheets {

using workbook::Flavour;
using Select = int (*)(CGisEditView&, unsigned message, unsigned flags, CPoint point);

struct SheetToolMode {
  int16_t mode;
  void (*run)(CGisEditView&);  // at once; null when the mode waits for the mouse
  Select select;  // the pick the mouse makes; null when the mode takes none
  // What a dragged rectangle runs (window corners); null without a drag.
  void (*place)(CGisEditView&, CPoint anchor, CPoint release) = nullptr;
};

namespace {

int PickAll(CGisEditView& v, unsigned m, unsigned f, CPoint p) { return v.SelectAll(m, f, p); }
int PickLines(CGisEditView& v, unsigned m, unsigned f, CPoint p) { return v.SelectLin(m, f, p); }
int PickPoints(CGisEditView& v, unsigned m, unsigned f, CPoint p) { return v.SelectPnt(m, f, p); }

constexpr SheetToolMode kExcelModes[] = {
    {1, [](CGisEditView& v) { RunAttributeExport(v, Flavour::kExcel, false); }, nullptr},
    {-1, RunAttributeImport, nullptr},
    {-2, RunAttributeJoin, nullptr},
    {2, [](CGisEditView& v) { RunAttributeExport(v, Flavour::kExcel, true); }, PickAll},
    {-3, [](CGisEditView& v) { RunRowProjection(v, Flavour::kExcel, false); }, nullptr},
    {3, [](CGisEditView& v) { RunRowProjection(v, Flavour::kExcel, true); }, nullptr},
    {-4, RunLineVertexExport, PickLines},
    {4, [](CGisEditView& v) { RunGpxExport(v, true); }, PickPoints},
    {-5, [](CGisEditView& v) { RunGpxExport(v, false); }, nullptr},
    {500, RunGpxTracks, nullptr},
};

constexpr SheetToolMode kEtModes[] = {
    {-3, [](CGisEditView& v) { RunRowProjection(v, Flavour::kEt, false); }, nullptr},
    {-1, [](CGisEditView& v) { RunAttributeExport(v, Flavour::kEt, false); }, nullptr},
    {2, [](CGisEditView& v) { RunRowProjection(v, Flavour::kEt, true); }, nullptr},
    {1, nullptr, nullptr, RunEtTable},
};

const SheetToolMode* Find(std::span<const SheetToolMode> modes, int16_t mode) {
  const auto found = std::find_if(modes.begin(), modes.end(), [mode](const SheetToolMode& m) { return m.mode == mode; });
  return found == modes.end() ? nullptr : &*found;
}

}  // namespace

SheetTool::SheetTool(CGisEditView* view, int16_t mode, std::span<const SheetToolMode> modes)
    : BaseGisTool(view, mode), mode_(Find(modes, mode)) {
  if (mode_ && mode_->run && m_pView) mode_->run(*m_pView);
}

int SheetTool::OnLButtonDown(unsigned flags, CPoint point) {
  if (mode_ && mode_->select) mode_->select(*m_pView, WM_LBUTTONDOWN, flags, point);
  if (mode_ && mode_->place) rubber_.Press(*m_pView, point);
  return 1;
}

void SheetTool::OnMouseMove(unsigned flags, CPoint point) {
  if (mode_ && mode_->select) mode_->select(*m_pView, WM_MOUSEMOVE, flags, point);
  if (mode_ && mode_->place) rubber_.Track(*m_pView, point);
}

int SheetTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (mode_ && mode_->place && rubber_.Dragging()) {
    const CPoint anchor = rubber_.Release(*m_pView);
    mode_->place(*m_pView, anchor, point);
    m_pView->_UpdateWindow();
  }
  if (mode_ && mode_->select) {
    mode_->select(*m_pView, WM_LBUTTONUP, flags, point);
    mode_->run(*m_pView);
  }
  return 1;
}

void SheetTool::OnRButtonUp(unsigned, CPoint) {
  m_pView->CancelInterActive();
  Stop();
}

CSecExcelTool::CSecExcelTool(CGisEditView* view, int16_t mode) : SheetTool(view, mode, kExcelModes) {}
bool CSecExcelTool::Implements(int16_t mode) { return Find(kExcelModes, mode) != nullptr; }

CSecEtTool::CSecEtTool(CGisEditView* view, int16_t mode) : SheetTool(view, mode, kEtModes) {}
bool CSecEtTool::Implements(int16_t mode) { return Find(kEtModes, mode) != nullptr; }

}  // namespace zv::sheets
