#include "annotation/tool/annot_trend.h"

#include <QPainter>
#include <QString>

#include "annotation/tool/annot_fill.h"
#include "platform/display/kernel_driver.h"
#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

constexpr long kTrendColour = 6;
constexpr int kPromptX = 20, kPromptY = 5;

void DrawPrompt(KernelDriver* dc, const char* text) {
  QPainter& painter = dc->Painter();
  painter.save();
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  painter.setPen(QColor(255, 0, 0));
  const QFontMetrics metrics(painter.font());
  painter.drawText(kPromptX, kPromptY + metrics.ascent(), QString::fromUtf8(text));
  painter.restore();
}

// The prompt on the picture now, outside a redraw.
void ShowPrompt(CSecAnnotTool& tool, const char* text) {
  CGisEditView* view = tool.View();
  KernelDriver* dc = view->_GetMyDC();
  DrawPrompt(dc, text);
  view->_DeleteMyDC(dc);
}

void XorBand(CSecAnnotTool& tool) {
  tool.View()->_DrawXORLine(tool.m_ptRubberStart.x, tool.m_ptRubberStart.y, tool.m_ptRubberEnd.x,
                            tool.m_ptRubberEnd.y);
}

void DropTrendPoints(CSecAnnotTool& tool) { tool.m_pTrendPoints.clear(); }

// The outline of the one line or region chosen; false when the pool holds
// anything else.
bool ChooseOutline(CSecAnnotTool& tool) {
  CGisEditView* view = tool.View();
  if (view->PoolCount() != 1 || view->Pool()[0].type == kPointEntity) return false;
  if (tool.m_nTrendStage != 0) return true;
  const ENTITY_MSG e = view->Pool()[0];
  const Rings rings = EntityRings(e.area, e.type, e.id);
  if (rings.empty()) return false;
  tool.m_pFillOutline = rings.front();
  return true;
}

}  // namespace

void AddTrendPoint(CSecAnnotTool& tool, unsigned, CPoint point) {
  tool.m_ptRubberStart = tool.m_ptRubberEnd = point;
  XorBand(tool);
  tool.m_bRubberBand = 1;
  tool.m_pTrendPoints.push_back(tool.View()->_WpToLp(point));
}

void TrackRubberBand(CSecAnnotTool& tool, unsigned, CPoint point) {
  if (!tool.m_bRubberBand) return;
  XorBand(tool);
  tool.m_ptRubberEnd = point;
  XorBand(tool);
}

void FinishDrawnOutline(CSecAnnotTool& tool, unsigned, CPoint) {
  if (tool.m_pTrendPoints.size() > 1) {
    const Rings outline{ClosedRing(tool.m_pTrendPoints)};
    FillOneOutline(tool, outline, nullptr);
    tool.m_bRubberBand = 0;
  }
  DropTrendPoints(tool);
}

void DrawTrendHook(CSecAnnotTool& tool, KernelDriver* dc) {
  const std::vector<D_DOT>& points = tool.m_pTrendPoints;
  if (points.size() < 2) return;
  CGisEditView* view = tool.View();
  dc->SetColor(kTrendColour);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const D_DOT a = view->_LpToDp(points[i - 1]), b = view->_LpToDp(points[i]);
    dc->_Line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y));
  }
  tool.m_ptRubberStart = view->_LpToWp(points.back());
  tool.m_ptRubberEnd = tool.m_ptCursor;
  XorBand(tool);
}

void TrendLeftDown(CSecAnnotTool& tool, unsigned flags, CPoint point) {
  if (tool.m_nTrendStage == 0)
    AnnotSelect(tool, AnnotPick::kAll, WM_LBUTTONDOWN, flags, point);
  else
    AddTrendPoint(tool, flags, point);
}

void TrendMove(CSecAnnotTool& tool, unsigned flags, CPoint point) {
  if (tool.m_nTrendStage == 0) {
    AnnotSelect(tool, AnnotPick::kAll, WM_MOUSEMOVE, flags, point);
    ShowPrompt(tool, kChooseOutlinePrompt);
    return;
  }
  TrackRubberBand(tool, flags, point);
  ShowPrompt(tool, kDrawTrendPrompt);
}

void TrendLeftUp(CSecAnnotTool& tool, unsigned flags, CPoint point) {
  if (tool.m_nTrendStage == 0) AnnotSelect(tool, AnnotPick::kAll, WM_LBUTTONUP, flags, point);
  if (ChooseOutline(tool))
    ++tool.m_nTrendStage;
  else
    tool.View()->ClearPool();
}

void TrendFinish(CSecAnnotTool& tool, unsigned, CPoint) {
  if (tool.m_pTrendPoints.size() > 1) {
    const D_DOT anchor = tool.m_pTrendPoints.front();
    FillOneOutline(tool, {tool.m_pFillOutline}, &anchor);
    tool.m_bRubberBand = 0;
  }
  DropTrendPoints(tool);
  tool.View()->ClearPool();
  tool.m_nTrendStage = 0;
}

void TrendDraw(CSecAnnotTool& tool, KernelDriver* dc) {
  if (tool.m_nTrendStage == 0) {
    DrawPrompt(dc, kChooseOutlinePrompt);
    return;
  }
  DrawTrendHook(tool, dc);
  DrawPrompt(dc, kDrawTrendPrompt);
}

}  // namespace zv::annot
