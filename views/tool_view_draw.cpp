#include "views/tool_view_draw.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "platform/data/geometry.h"
#include "views/tool_overlay/tool_overlay.h"
#include "views/view_chrome.h"

namespace zv {
namespace {

constexpr int kHoverHalf = 4;
constexpr int kReadoutAt = 20;

bool Digitising(const ToolViewShared& tv) {
  const int16_t pick = CurrentPickMode();
  return (pick == 2 || pick == 3) && tv.digitiser.active() && !tv.digitiser.vertices().empty();
}

CPoint LastVertex(const ToolViewShared& tv) { return tv.View()._LpToWp(tv.digitiser.vertices().back()); }

void ToggleRubber(ToolViewShared& tv) {
  if (!tv.rubber) return;
  tv.View()._DrawXORLine(tv.rubber->first.x, tv.rubber->first.y, tv.rubber->second.x, tv.rubber->second.y);
}

void ToggleHover(CGisEditView& view, CPoint at) {
  view._DrawXORRect(at.x - kHoverHalf, at.y - kHoverHalf, at.x + kHoverHalf, at.y + kHoverHalf);
}

void WriteReadout(CGisEditView& view, const QString& text) {
  KernelDriver* dc = view._GetMyDC();
  QPainter& painter = dc->Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  painter.setPen(Qt::red);
  painter.drawText(QPoint(kReadoutAt, kReadoutAt + QFontMetrics(painter.font()).ascent()), text);
  painter.restore();
  view._DeleteMyDC(dc);
}

void DrawMeasureReadout(ToolViewShared& tv, KernelDriver& dc) {
  const std::vector<toolview::ReadoutLine> lines = MeasureReadout(tv);
  if (lines.empty()) return;
  QPainter& painter = dc.Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.setPen(QColor(255, 0, 0));
  const int ascent = QFontMetrics(painter.font()).ascent();
  for (const toolview::ReadoutLine& line : lines)
    painter.drawText(QPoint(toolview::kReadoutX, line.y + ascent), QString::fromStdString(line.text));
  painter.restore();
}

}  // namespace

std::vector<toolview::ReadoutLine> MeasureReadout(ToolViewShared& tv) {
  CGisEditView& view = tv.View();
  const uint64_t revision = view.SelectionPool_().revision();
  if (tv.readoutPoolRevision != revision) {
    tv.readoutSums = toolview::SumPool({view.Pool(), static_cast<std::size_t>(view.PoolCount())});
    tv.readoutPoolRevision = revision;
  }
  return toolview::ReadoutLines(tv.readoutSums, Chrome().ScaleDenominator());
}

void MoveRubber(ToolViewShared& tv, CPoint to, bool readout) {
  if (!Digitising(tv)) return;
  CGisEditView& view = tv.View();
  ToggleRubber(tv);
  tv.rubber = std::make_pair(LastVertex(tv), to);
  ToggleRubber(tv);
  if (!readout) return;
  const D_DOT from = tv.digitiser.vertices().back();
  const D_DOT at = view._WpToLp(to);
  tv.readout = QString::fromStdString(toolview::PickReadout(BasPointDistance(from, at), toolview::PickBearing(from, at)));
  WriteReadout(view, tv.readout);
}

void RestartRubber(ToolViewShared& tv, CPoint at) {
  tv.rubber = std::make_pair(at, at);
  ToggleRubber(tv);
}

void MoveHoverBox(ToolViewShared& tv, CPoint to) {
  CGisEditView& view = tv.View();
  if (tv.hoverBox) ToggleHover(view, *tv.hoverBox);
  tv.hoverBox = to;
  ToggleHover(view, to);
}

void ShowSnapChanges(ToolViewShared& tv, const snap::SnapEngine::MoveResult& changes) {
  if (!changes.erase && !changes.draw) return;
  CGisEditView& view = tv.View();
  KernelDriver* dc = view._GetMyDC();
  if (changes.erase) toolview::DrawSnapMarker(view, *dc, *changes.erase);
  if (changes.draw) toolview::DrawSnapMarker(view, *dc, *changes.draw);
  view._DeleteMyDC(dc);
}

void DrawVertexMarksNow(ToolViewShared& tv) {
  CGisEditView& view = tv.View();
  if (view.PoolCount() == 0) return;
  KernelDriver* dc = view._GetMyDC();
  toolview::DrawSelectedVertexMarks(view, *dc, {view.Pool(), static_cast<std::size_t>(view.PoolCount())});
  view._DeleteMyDC(dc);
}

void DrawToolOverlay(ToolViewShared& tv, KernelDriver& dc) {
  CGisEditView& view = tv.View();
  if (Digitising(tv)) {
    const std::vector<D_DOT>& v = tv.digitiser.vertices();
    for (std::size_t i = 1; i < v.size(); ++i) {
      const CPoint a = view._LpToWp(v[i - 1]), b = view._LpToWp(v[i]);
      view._DrawXORLine(a.x, a.y, b.x, b.y);
    }
    ToggleRubber(tv);
  }
  // Both views draw the box again where it was: the section view in its own
  // overlay, the plan view as the project view's cursor square.
  if (view.IsInOperate() == -1 && Settings().seclect != 0 && tv.hoverBox)
    ToggleHover(view, *tv.hoverBox);
  else
    tv.hoverBox.reset();
  if (Settings().showKou != 0 && view.PoolCount() > 0)
    toolview::DrawSelectedVertexMarks(view, dc, {view.Pool(), static_cast<std::size_t>(view.PoolCount())});
  if (const std::optional<snap::SnapMarker> marker = tv.snap.marker()) toolview::DrawSnapMarker(view, dc, *marker);
  DrawMeasureReadout(tv, dc);
}

}  // namespace zv
