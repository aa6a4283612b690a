// The click-driven construction modes: the closed figures and curves
// (103, 105 to 110, 112, 118) and the perpendicular polyline (102).
#include <algorithm>

#include "common/construction_figures.h"
#include "common/dialogs/value_input_dlg.h"
#include "common/tool_geometry.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "platform/view/gis_edit_view.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

constexpr int16_t kRegularPolygon = 118;
constexpr int16_t kSideCountDialog = 7;
// Far past any polygon told from a circle; a larger count would build its
// vertices at every mouse move until memory runs out.
constexpr long kMostSides = 10000;

// The side count the user types, or 0 when the dialog is cancelled or the
// count is too large to draw.
int AskSideCount() {
  CValueInputDlg dialog(kSideCountDialog);
  if (dialog.DoModal() != QDialog::Accepted) return 0;
  // Full-width digits of an input method read as the ASCII ones.
  const long sides = num::ParseLong(dialog.Value().normalized(QString::NormalizationForm_KC).toStdString());
  if (sides <= kMostSides) return static_cast<int>(std::max(sides, 0L));
  prompt::Message(QStringLiteral("边数不能超过%1。").arg(kMostSides));
  return 0;
}

}  // namespace

std::vector<std::vector<D_DOT>> CSecEditAidTool::FigurePreview(const D_DOT& cursor) const {
  const FigureMode* mode = FindFigureMode(m_nMode);
  std::vector<std::vector<D_DOT>> lines;
  if (!mode || vertices_.empty()) return lines;
  const int fixed = static_cast<int>(vertices_.size());
  // Before the figure shows, and beside the figures fixed by one point, the
  // rubber band runs from the last point to the cursor.
  if (fixed < mode->figureFrom || mode->figureFrom == 1) lines.push_back({vertices_.back(), cursor});
  if (fixed >= 2 && (m_nMode == 108 || m_nMode == 109 || m_nMode == 112))
    lines.push_back({vertices_[0], vertices_[1], cursor, vertices_[0]});
  if (fixed >= 2 && m_nMode == 110) lines.push_back({vertices_[1], vertices_[0], cursor});
  std::vector<D_DOT> figure = FigureFor(m_nMode, vertices_, cursor, sides_);
  if (!figure.empty()) lines.push_back(std::move(figure));
  return lines;
}

void CSecEditAidTool::FigureDown(unsigned, CPoint point) {
  const FigureMode* mode = FindFigureMode(m_nMode);
  const int index = static_cast<int>(vertices_.size());
  D_DOT at;
  if (!TakeClickPoint(mode->kinds[std::min(index, 2)], MapOf(point), CursorMap(), &at)) return;
  if (index + 1 >= mode->clicks) {
    // Points that give no figure leave it open for a better click.
    const std::vector<D_DOT> figure = FigureFor(m_nMode, vertices_, at, sides_);
    if (figure.empty()) return;
    typed_.Clear();
    AppendFigure(figure);
    return;
  }
  typed_.Clear();
  ++clicks_;
  vertices_.push_back(at);
  if (m_nMode == kRegularPolygon && index == 0) {
    // Without a polygon to draw the next click starts again.
    sides_ = AskSideCount();
    if (sides_ < 3) {
      ResetFigure();
      return;
    }
  }
  ShowPreview(FigurePreview(at));
}

void CSecEditAidTool::FigureMove(unsigned, CPoint point) {
  if (!vertices_.empty()) ShowPreview(FigurePreview(MapOf(point)));
}

void CSecEditAidTool::FigureDraw() {
  if (!vertices_.empty()) ShowPreview(FigurePreview(CursorMap()));
}

// ---- mode 102

D_DOT CSecEditAidTool::SnapPerpendicular(CPoint point) const { return PerpendicularSnap(vertices_, MapOf(point)); }

void CSecEditAidTool::PerpendicularDown(unsigned, CPoint point) {
  const std::size_t index = vertices_.size();
  const int kind = index == 0 ? kTypedXY : index == 1 ? kTypedDistanceAngle : kTypedLength;
  D_DOT at;
  if (!TakeClickPoint(kind, SnapPerpendicular(point), SnapPerpendicular(cursor_), &at)) return;
  typed_.Clear();
  HidePreview();
  if (!vertices_.empty()) DrawCommittedSegment(vertices_.back(), at);
  ++clicks_;
  vertices_.push_back(at);
  ShowPreview({{at, at}});
}

void CSecEditAidTool::PerpendicularMove(unsigned, CPoint point) {
  if (!vertices_.empty()) ShowPreview({{vertices_.back(), SnapPerpendicular(point)}});
}

void CSecEditAidTool::FinishPerpendicularLine(unsigned, CPoint) {
  HidePreview();
  if (vertices_.size() >= 2) {
    const std::vector<D_DOT> line = vertices_;
    AppendFigure(line);
    return;
  }
  ResetFigure();
}

void CSecEditAidTool::PolylineDraw() {
  if (vertices_.empty()) return;
  KernelDriver* dc = m_pView->_GetMyDC();
  DrawCommittedPolyline(*dc);
  m_pView->_DeleteMyDC(dc);
  if (m_nMode == 101) return;
  const D_DOT end = m_nMode == 102 ? SnapPerpendicular(cursor_) : CursorMap();
  ShowPreview({{vertices_.back(), end}});
}

}  // namespace zv::tools
