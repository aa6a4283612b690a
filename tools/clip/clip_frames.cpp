// Modes 502 and 503: the frame dialogs, then the frame drawn into the
// view's current point and line areas from copies of the user's default
// line and text records, as one undo step; the frame's scale becomes the
// main frame's current scale. Cancel draws nothing and leaves the scale.
#include <memory>

#include "framework/prompts/prompts.h"
#include "geodesy/frame/graticule_dlg.h"
#include "geodesy/frame/standard_frame_dlg.h"
#include "platform/view/gis_edit_view.h"
#include "tools/clip/sec_clip_tool.h"
#include "tools/frame/graticule_frame.h"
#include "tools/frame/standard_frame.h"
#include "views/view_chrome.h"

namespace zv::tools {
namespace {

frame::FrameTarget TargetOf(WorkAreaHandle points, WorkAreaHandle lines) {
  frame::FrameTarget target{points, lines, {}, {}};
  if (const LIN_INFO* line = BasGetDefaultLineParam(0)) target.line = *line;
  BasGetDefaultPointParam(&target.text, 0);
  return target;
}

// Records the frame for undo, redraws and sets the scale; a refusal is told.
void Finish(CGisEditView* view, const frame::FrameResult& result, WorkAreaHandle points, WorkAreaHandle lines,
            long scale) {
  if (!result.error.empty()) {
    prompt::Message(QString::fromStdString(result.error), prompt::kIconWarning);
    return;
  }
  if (view) {
    GisUndo& undo = view->GetUndo();
    undo.BeginStep();
    undo.PushList(lines, kLineEntity, result.drawn.lines, GisUndo::kAppended);
    undo.PushList(points, kPointEntity, result.drawn.points, GisUndo::kAppended);
    undo.EndStep();
    view->_UpdateWindow();
  }
  Chrome().SetScaleDenominator(scale);
}

}  // namespace

void CSecClipTool::DrawStandardFrame() {
  geodesy::CStandardFrameDlg dialog(prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const geodesy::StandardFrameValues& v = dialog.values();
  frame::StandardFrame standard{v.x1, v.x2, v.y1, v.y2, v.scale, std::nullopt};
  if (v.zoneFlag) standard.zone = static_cast<int>(v.zone);
  Finish(m_pView, frame::DrawStandardFrame(TargetOf(m_pntAi, m_linAi), standard), m_pntAi, m_linAi, v.scale);
}

void CSecClipTool::DrawGraticuleFrame() {
  geodesy::CGraticuleDlg dialog(prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const std::unique_ptr<ProjParams> params = dialog.TakeParams();
  const geodesy::GraticuleValues& v = dialog.values();
  MapParams record;
  ProjGetMapParams(*params, &record);
  const frame::GraticuleFrame graticule{v.minLongitude, v.maxLongitude, v.minLatitude, v.maxLatitude,
                                        dialog.interval(), record,        ProjGetZone(*params)};
  const long scale = static_cast<long>(record.scale());
  Finish(m_pView, frame::DrawGraticuleFrame(TargetOf(m_pntAi, m_linAi), graticule), m_pntAi, m_linAi, scale);
}

}  // namespace zv::tools
