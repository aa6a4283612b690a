#include "zavediz/plan/plan_section_binding.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "platform/view/mouse_points.h"
#include "views/view_chrome.h"
#include "zavediz/plan/pick_terrain_point_dlg.h"

namespace zv::zavediz {
namespace {

// Draws the stored section line over the view's picture, in the view's
// window, without taking any mouse event.
class SectionOverlay : public QWidget {
 public:
  SectionOverlay(CPrjEditView& view, const PlanSectionController& controller)
      : QWidget(&view), view_(view), controller_(controller) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.rect());
    show();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const std::vector<D_DOT> chain = controller_.OverlayChain();
    if (chain.empty()) return;
    KernelDriver* dc = view_._GetMyDC();
    const QColor colour = dc->ColorOf(kOverlayColour);
    view_._DeleteMyDC(dc);
    QPainter painter(this);
    painter.setPen(QPen(colour, 1));
    for (size_t i = 1; i < chain.size(); ++i) {
      const CPoint a = view_._LpToWp(chain[i - 1]);
      const CPoint b = view_._LpToWp(chain[i]);
      painter.drawLine(a.x, a.y, b.x, b.y);
    }
  }

 private:
  CPrjEditView& view_;
  const PlanSectionController& controller_;
};

bool IsSectionRequest(std::intptr_t code) {
  return code == kPickPointRequest || code == kTakePickedLineRequest || code == kPickDialogClosedRequest ||
         code == kReloadSelectSettingRequest;
}

}  // namespace

PlanSectionBinding& PlanSectionBinding::Of(CPrjEditView& view, SectionData& data) {
  if (auto* existing = view.findChild<PlanSectionBinding*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
  return *new PlanSectionBinding(view, data);
}

PlanSectionBinding::PlanSectionBinding(CPrjEditView& view, SectionData& data)
    : QObject(&view),
      view_(view),
      controller_(std::make_unique<PlanSectionController>(view, data)),
      geology_(std::make_unique<PlanGeologyController>(view, data, controller_->GeologyRead(),
                                                       [] { Chrome().ShowAttributeBar(1); })) {
  overlay_ = new SectionOverlay(view, *controller_);
  view.installEventFilter(this);
  msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view);
}

bool PlanSectionBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &view_) return false;
  if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(event)) {
    if (m->message() != msg::kPlanRequest || !IsSectionRequest(m->lParam())) return false;
    controller_->OnPlanRequest(m->lParam(), m->wParam());
    overlay_->update();
    return true;
  }
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  // A tool the user started since our command takes the mouse over.
  const long flag = view_._GetCommandFlag();
  if (mouse && view_.IsInOperate() != -1 &&
      (PlanSectionController::IsSectionFlag(flag) || PlanGeologyController::IsDesignFlag(flag)))
    view_._SetCommandFlag(kFlagIdle);
  switch (event->type()) {
    case QEvent::Resize:
      overlay_->setGeometry(view_.rect());
      return false;
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton) return false;
      pressTaken_ = controller_->LButtonDown(MouseFlagsOf(mouse->buttons(), mouse->modifiers()), MousePointOf(mouse)) ||
                    geology_->LButtonDown(MouseFlagsOf(mouse->buttons(), mouse->modifiers()), MousePointOf(mouse));
      return pressTaken_;
    case QEvent::MouseMove:
      return controller_->MouseMove(MouseFlagsOf(mouse->buttons(), mouse->modifiers()), MousePointOf(mouse));
    case QEvent::MouseButtonRelease: {
      if (mouse->button() != Qt::LeftButton) return false;
      // A press taken here takes its release too, whatever the flag became.
      const bool taken = controller_->LButtonUp(MouseFlagsOf(mouse->buttons(), mouse->modifiers()), MousePointOf(mouse));
      const bool result = taken || pressTaken_;
      pressTaken_ = false;
      overlay_->update();
      return result;
    }
    default:
      return false;
  }
}

}  // namespace zv::zavediz
