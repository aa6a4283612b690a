#include "views/elevation_tip.h"

#include "platform/editors/nearest.h"
#include "views/tool_core/elevation_text.h"

namespace zv {
namespace {

constexpr double kNear = 0.1;
constexpr int kBoxWidth = 85, kBoxHeight = 20;
constexpr int kBoxId = 209;

}  // namespace

void ElevationTip::Remove() { delete box_.data(); }

void ElevationTip::OnMove(CGisEditView& view, unsigned flags, CPoint point) {
  if (!on_) return;
  const WorkAreaHandle lines = view.GetCurrentLinArea();
  const NearestHit line = flags == MK_CONTROL ? NearestLine(lines, view._WpToLp(point)) : NearestHit{};
  if (!line || !(line.distance < kNear)) {
    Remove();
    return;
  }
  if (!box_) {
    box_ = new QLineEdit(&view);
    box_->setObjectName(QStringLiteral("control%1").arg(kBoxId));
    box_->setGeometry(point.x, point.y, kBoxWidth, kBoxHeight);
    box_->show();
  }
  // The text follows the line under the cursor, also when the cursor goes
  // from one line to another without leaving the box.
  box_->setText(QStringLiteral("高程:") + QString::fromStdString(toolview::LineElevationText(lines, line.id)));
}

}  // namespace zv
