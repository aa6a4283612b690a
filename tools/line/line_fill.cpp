// Modes 1 and −2: parallel fill lines in the selected lines or regions (a
// region by all its rings, holes left empty), with the fill parameters of
// CContourParamDlg, into the current line area as one undo step. Mode 2: the
// first selected line turned and stretched from its first vertex to the
// direction and length typed in CLineDistAngleDlg (the scale is the main
// frame's); a line of no length is refused with a message.
#include "common/measure/line_dist_angle_dlg.h"
#include "framework/prompts/prompts.h"
#include "platform/data/geometry.h"
#include "platform/view/gis_edit_view.h"
#include "tools/line/contour_param_dlg.h"
#include "tools/line/core/fill_lines.h"
#include "tools/line/sec_line_tool.h"
#include "views/view_chrome.h"

namespace zv::tools {

void CSecLineTool::FillSelectedLines() { FillSelected(kLineEntity); }
void CSecLineTool::FillSelectedRegions() { FillSelected(kRegionEntity); }

void CSecLineTool::FillSelected(int type) {
  if (m_pView->PoolCount() < 1 || !BasIsWorkAreaValid(m_pView->Pool()->area)) return;
  const std::vector<ENTITY_MSG> entries(m_pView->Pool(), m_pView->Pool() + m_pView->PoolCount());
  CContourParamDlg dialog(m_nMode, prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const ContourSettings& s = CurrentContourSettings();
  std::vector<std::vector<std::vector<D_DOT>>> outlines;
  for (const ENTITY_MSG& e : entries) {
    if (e.type != type || !BasIsWorkAreaValid(e.area)) continue;
    std::vector<std::vector<D_DOT>> rings(1);
    const bool read = type == kLineEntity ? BasReadLine(e.area, e.id, &rings[0], nullptr) != 0
                                          : BasGetRegionRings(e.area, e.id, &rings) != 0;
    if (!read) continue;
    if (!(FillRowCount(rings, s.fillAngle, s.fillSpacing) <= kMostFillRows)) {
      prompt::Message(QString("填充线距离太小：一个图元的填充线超过%1行，未填充。").arg(kMostFillRows, 0, 'f', 0),
                      prompt::kIconWarning);
      return;
    }
    outlines.push_back(std::move(rings));
  }
  std::vector<std::vector<D_DOT>> fills;
  for (const std::vector<std::vector<D_DOT>>& rings : outlines) {
    const std::vector<std::vector<D_DOT>> lines = FillLines(rings, s.fillAngle, s.fillSpacing);
    fills.insert(fills.end(), lines.begin(), lines.end());
  }
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  AppendLines(m_linAi, fills, dialog.fillLine());
  undo.EndStep();
  m_pView->_UpdateWindow();
}

void CSecLineTool::ModifyDistanceAngle() {
  if (m_pView->PoolCount() < 1) return;
  const ENTITY_MSG first = *m_pView->Pool();
  std::vector<D_DOT> line;
  LIN_INFO info;
  if (first.type != kLineEntity || !BasIsWorkAreaValid(first.area) || !BasReadLine(first.area, first.id, &line, &info))
    return;
  const double angle = ChordAngleDegrees(line);
  double relative = 0;
  RelativeFromLine(angle, relative);
  CLineDistAngleDlg dialog(Chrome().ScaleDenominator(), nullptr, prompt::GetMainWnd());
  dialog.SetToolFlag();
  const double length = BasPolylineLength(line);
  DistAngleValues shown{angle, relative, length, 0, 0, 0, dialog.scale()};
  UpdateRealLengths(shown);
  dialog.SetValues(shown.mapDistance, 0, shown.realDistance, 0, angle, relative);
  if (prompt::Current().Exec(dialog) == QDialog::Accepted) {
    const std::optional<std::vector<D_DOT>> turned =
        TurnAndStretch(line, dialog.values().mapDistance, dialog.values().lineAngle);
    if (!turned) {
      prompt::Message("线长度为0，无法修改距离和角度。", prompt::kIconWarning);
    } else {
      GisUndo& undo = m_pView->GetUndo();
      undo.BeginStep();
      undo.PushSelGraphics(&first, 1, GisUndo::kChanged);
      BasUpdateLine(first.area, first.id, *turned, info);
      undo.EndStep();
    }
  }
  m_pView->_UpdateWindow();
}

}  // namespace zv::tools
