// Modes 0 and −1: intermediate contours between two lines, between clicked
// stretches of two lines, or between four free clicks.
#include <algorithm>

#include "framework/prompts/prompts.h"
#include "platform/view/gis_edit_view.h"
#include "tools/line/contour_param_dlg.h"
#include "tools/line/core/contour_geometry.h"
#include "tools/line/sec_line_tool.h"

namespace zv::tools {
namespace {

// `info` given the settings' colour and layer.
LIN_INFO Coloured(LIN_INFO info) {
  const ContourSettings& s = CurrentContourSettings();
  info.setColour(s.colour);
  info.setLayer(static_cast<int16_t>(s.layer));
  return info;
}

// The current default line parameters with the settings' colour and layer,
// which become the default.
LIN_INFO ColouredDefault() {
  const LIN_INFO* defaults = BasGetDefaultLineParam();
  const LIN_INFO info = Coloured(defaults ? *defaults : LIN_INFO{});
  BasSetDefaultLineParam(info);
  return info;
}

bool ConfirmSettings(int mode) {
  CContourParamDlg dialog(mode, prompt::GetMainWnd());
  return prompt::Current().Exec(dialog) == QDialog::Accepted;
}

}  // namespace

void CSecLineTool::AppendLines(WorkAreaHandle area, const std::vector<std::vector<D_DOT>>& lines,
                               const LIN_INFO& info) {
  std::vector<int32_t> ids;
  for (const std::vector<D_DOT>& line : lines)
    if (const int32_t id = BasAppendLine(area, line, info)) ids.push_back(id);
  if (!ids.empty()) m_pView->GetUndo().PushList(area, kLineEntity, ids, GisUndo::kAppended);
}

void CSecLineTool::InsertContours() {
  if (m_pView->PoolCount() != 2) return;
  const ENTITY_MSG first = m_pView->Pool()[0], second = m_pView->Pool()[1];
  if (first.type != kLineEntity || second.type != kLineEntity || !BasIsWorkAreaValid(first.area)) return;
  if (!confirmed_) {
    if (!ConfirmSettings(m_nMode)) return;
    confirmed_ = true;
  }
  std::vector<D_DOT> line1, line2;
  LIN_INFO info2;
  if (!BasReadLine(first.area, first.id, &line1, nullptr) || !BasReadLine(second.area, second.id, &line2, &info2))
    return;
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  if (NeedsReversal(line1, line2)) {
    undo.PushSelGraphics(&second, 1, GisUndo::kChanged);
    std::reverse(line2.begin(), line2.end());
    BasUpdateLine(second.area, second.id, line2, info2);
  }
  const ContourSettings& s = CurrentContourSettings();
  const VertexPairs pairs = ContourPairs(line1, line2, s.algorithm, s.vertexCount);
  AppendLines(first.area, PlaceContours(pairs, s.contours), ColouredDefault());
  undo.EndStep();
  m_pView->_UpdateWindow();
}

void CSecLineTool::FourPointStep() {
  const int count = m_pView->PoolCount();
  if (count == 0) {
    InsertFreeContours();
    return;
  }
  if (count == 2) {
    twoLines_ = true;
    BasReadLine(m_pView->Pool()[0].area, m_pView->Pool()[0].id, &line1_, nullptr);
    BasReadLine(m_pView->Pool()[1].area, m_pView->Pool()[1].id, &line2_, nullptr);
  } else if (!twoLines_) {
    prompt::Message("请先选择两条线。", prompt::kIconInformation);
    return;
  }
  if (clicks_.size() < 4) return;
  const WorkAreaHandle area = m_pView->Pool()[0].area;
  const int32_t firstId = m_pView->Pool()[0].id;
  if (!ConfirmSettings(m_nMode)) return;
  D_DOT p[4];
  for (int i = 0; i < 4; ++i) p[i] = m_pView->_WpToLp(clicks_[static_cast<std::size_t>(i)]);
  const std::vector<D_DOT> stretch1 = StretchBetween(line1_, p[0], p[1]);
  const std::vector<D_DOT> stretch2 = StretchBetween(line2_, p[2], p[3]);
  clicks_.clear();
  if (stretch1.empty() || stretch2.empty()) return;
  const ContourSettings& s = CurrentContourSettings();
  const int32_t m =
      s.vertexCount != 0 ? s.vertexCount : static_cast<int32_t>((stretch1.size() + stretch2.size() + 3) / 2);
  LIN_INFO info;
  if (!BasReadLineParam(area, firstId, &info)) return;
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  AppendLines(area, PlaceContours({ResampleLine(stretch1, m), ResampleLine(stretch2, m)}, s.contours), Coloured(info));
  undo.EndStep();
  m_pView->_UpdateWindow();
}

void CSecLineTool::InsertFreeContours() {
  if (clicks_.size() < 4) return;
  // The settings as they stand are used whatever the dialog returns.
  ConfirmSettings(m_nMode);
  D_DOT p[4];
  for (int i = 0; i < 4; ++i) p[i] = m_pView->_WpToLp(clicks_[static_cast<std::size_t>(i)]);
  clicks_.clear();
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  AppendLines(m_linAi, FreeContours(p[0], p[1], p[2], p[3], CurrentContourSettings().contours), ColouredDefault());
  undo.EndStep();
  m_pView->_UpdateWindow();
}

}  // namespace zv::tools
