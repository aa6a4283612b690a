// Mode −2: the selected lines divided by distance or into parts
// (CDivideLineDlg). With "增加线节点" each line gains the division points as
// vertices; with "单独增加点" a sub-graph point marks each division and the
// line's start, with the point parameters the user confirms. One undo step;
// a distance that would cut a line into more than kMostDivisions parts is
// refused before anything changes, and lines of no length are left alone.
#include "framework/prompts/prompts.h"
#include "platform/editors/param_editor.h"
#include "platform/view/gis_edit_view.h"
#include "tools/clip/core/divide_line.h"
#include "tools/clip/divide_line_dlg.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {

void CSecClipTool::DivideAfterSelect(unsigned flags, CPoint point) {
  if (m_pView->SelectLin(WM_LBUTTONUP, flags, point) == 1) DivideSelectedLines();
}

void CSecClipTool::DivideSelectedLines() {
  if (m_pView->PoolCount() < 1 || !BasIsWorkAreaValid(m_pView->Pool()->area)) return;
  CDivideLineDlg dialog(prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const DivideValues& v = dialog.values();
  // Only lines are divided: a region's id read as a line would be an arc.
  std::vector<ENTITY_MSG> lines;
  for (int i = 0; i < m_pView->PoolCount(); ++i) {
    const ENTITY_MSG& e = m_pView->Pool()[i];
    if (e.type == kLineEntity && BasIsWorkAreaValid(e.area)) lines.push_back(e);
  }
  // Every line is planned before anything changes, so a refusal leaves the map as it was.
  struct Planned {
    ENTITY_MSG entry;
    std::vector<D_DOT> vertices;
    LIN_INFO info;
    DivisionPlan plan;
  };
  std::vector<Planned> planned;
  for (const ENTITY_MSG& e : lines) {
    Planned p{e, {}, {}, {}};
    if (!BasReadLine(e.area, e.id, &p.vertices, &p.info) || p.vertices.empty()) continue;
    const double length = BasGetLineLength(e.area, e.id);
    // A line of no length has nowhere to put its divisions: every point would
    // fall on the same spot.
    if (!(length > 0)) continue;
    p.plan = v.byDistance ? PlanByDistance(length, v.distance) : PlanByParts(length, v.parts);
    if (p.plan.tooMany) {
      prompt::Message(QString("等分点过多：线%1将超过%2段，未等分。").arg(e.id).arg(kMostDivisions), prompt::kIconWarning);
      return;
    }
    planned.push_back(std::move(p));
  }
  if (planned.empty()) {
    if (!lines.empty()) prompt::Message("所选线长度为0，无法等分。", prompt::kIconWarning);
    return;
  }
  PNT_INFO pointInfo;
  BasGetDefaultPointParam(&pointInfo, 1);
  if (v.addPoints && EditPointParam(pointInfo, "编辑点参数", prompt::GetMainWnd()) == 1)
    BasSetDefaultPointParam(pointInfo);
  GisUndo& undo = m_pView->GetUndo();
  undo.BeginStep();
  if (v.addVertices) {
    std::vector<ENTITY_MSG> changed;
    for (const Planned& p : planned) changed.push_back(p.entry);
    undo.PushSelGraphics(changed.data(), static_cast<int32_t>(changed.size()), GisUndo::kChanged);
  }
  const RandomDraw draw = ClockSeededDraw();
  std::vector<int32_t> points;
  for (const Planned& p : planned) {
    const Division division = DivideLine(p.vertices, p.plan.step, p.plan.parts, v.direction, v.range, draw);
    if (v.addVertices) BasUpdateLine(p.entry.area, p.entry.id, division.vertices, p.info);
    if (!v.addPoints || division.points.empty()) continue;
    points.push_back(BasAppendPoint(m_pntAi, p.vertices.front(), "", pointInfo));
    for (const D_DOT& at : division.points) points.push_back(BasAppendPoint(m_pntAi, at, "", pointInfo));
  }
  std::erase(points, 0);
  if (!points.empty()) undo.PushList(m_pntAi, kPointEntity, points, GisUndo::kAppended);
  undo.EndStep();
  m_pView->_UpdateWindow();
}

}  // namespace zv::tools
