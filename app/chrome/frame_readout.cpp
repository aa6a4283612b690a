// The status bar's read-out: scale, plane or geographic coordinates with the
// projection they need, the layer change of pane 4, and the measuring
// window.
#include "app/chrome/frame_bars.h"
#include "app/chrome/search_routing.h"
#include "common/dialogs/scale_dlg.h"
#include "common/measure/line_dist_angle_dlg.h"
#include "framework/docview/view.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/doc_template.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_frame.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "platform/editors/param_editor.h"
#include "platform/projection/map_projector.h"

namespace zv::chrome {
namespace {

constexpr long kDefaultScale = 1000;
constexpr uint8_t kGeographic = 1;

}  // namespace

void FrameBars::ShowCoordinates(const ReadOut& readOut) {
  const std::array<std::string, kPaneCount> texts = ReadOutTexts(readOut, state_);
  for (int pane = 1; pane < kPaneCount; ++pane) status_->SetPaneText(pane, QString::fromStdString(texts[pane]));
}

void FrameBars::AskScale() {
  MapParams params;
  long scale = 0;
  if (frame_.GetActiveDocument() != nullptr &&
      ActiveMapParams(frame_, false, [](const MapParams& p) { return p.scale() > 0; }, params))
    scale = static_cast<long>(params.scale());
  CScaleDlg dialog(-1, &frame_);
  dialog.SetValue(QString::fromStdString(num::FormatInt(scale > 0 ? scale : kDefaultScale)));
  if (dialog.DoModal() != QDialog::Accepted) return;
  state_.scaleDenominator = num::ParseLong(dialog.Value().toStdString());
}

void FrameBars::SwitchReadOut() {
  if (prompt::Message(QStringLiteral("如果选择yes显示经纬度，选择no显示高斯坐标。"), prompt::kYesNo) != prompt::kAnswerYes) {
    state_.latLong = false;
    return;
  }
  state_.latLong = AskProjection();
}

bool FrameBars::AskProjection() {
  MapParams params;
  const bool found = ActiveMapParams(frame_, true, [](const MapParams& p) { return p.scale() != 0; }, params);
  if (!found || params.projection() == 0) {
    if (!found) params = DefaultMapParams();
    prompt::Message(QStringLiteral("请输入地形图投影参数。"));
    if (EditMapParams(params, QStringLiteral("地形图投影参数"), &frame_) != 1) return false;
    prompt::Message(QStringLiteral("请输入经纬度投影参数。"));
    MapParams target = params;
    target.setCoordKind(kGeographic);
    if (EditMapParams(target, QStringLiteral("经纬度投影参数"), &frame_) != 1) return false;
  }
  std::string error;
  std::unique_ptr<MapProjector> projector = MapProjector::FromMapParams(params, &error);
  if (projector == nullptr) {
    prompt::Message(QString::fromStdString(error), prompt::kIconWarning);
    return false;
  }
  projector_ = std::move(projector);
  state_.toGeographic = [p = projector_.get()](double& e, double& n) { return p->ToGeographic(e, n); };
  return true;
}

// The layer changes in the document the user looks at, by its own tool
// view: the section tool view for a section document, else the plan's.
void FrameBars::ChangeLayer() {
  docview::CDocument* document = frame_.GetActiveDocument();
  if (document == nullptr) return;
  const bool section = document->GetDocTemplate() != nullptr && document->GetDocTemplate()->GetResourceId() == cmd::kMenuSection;
  PostToToolViews({!section, section}, msg::kToolChangeLayer);
}

void FrameBars::OnPaneDoubleClick(int pane) {
  if (pane == 2) SwitchReadOut();
  if (pane == 4) ChangeLayer();
}

long FrameBars::UpdateMeasureWindow(const std::array<double, 6>& v, int mode) {
  if (measure_ == nullptr) {
    measure_ = new CLineDistAngleDlg(state_.scaleDenominator, [this] { ForgetMeasureWindow(); }, &frame_);
    measure_->setModal(false);
    if (docview::CView* view = frame_.GetActiveView())
      measure_->move(view->Widget()->mapToGlobal(QPoint(view->Widget()->width() / 2 - measure_->width() / 2, 0)));
    measure_->show();
  }
  if (mode != 1) measure_->SetValues(v[0], v[1], v[2], v[3], v[4], v[5]);
  return measure_->scale();
}

}  // namespace zv::chrome
