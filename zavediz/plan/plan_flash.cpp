#include "zavediz/plan/plan_flash.h"

#include <QMouseEvent>

#include "framework/messages/pane_window_table.h"
#include "platform/editors/nearest.h"
#include "platform/view/center_on_entity.h"
#include "views/edit_view_shared.h"
#include "views/plan_requests.h"

namespace zv::zavediz {
namespace {

EntityPickRequester* Requester() {
  return dynamic_cast<EntityPickRequester*>(msg::PaneWindows().Receiver(msg::PaneEntry::kStrataPanelCommandTarget));
}

// The entity under `at` in the area by the area's type, within `tolerance`
// map units for points and lines; 0 when none.
int32_t EntityAt(WorkAreaHandle area, const D_DOT& at, double tolerance) {
  switch (BasGetWorkAreaType(area)) {
    case kPointArea:
      return NearestPoint(area, at, tolerance).id;
    case kRegionArea:
      return RegionContaining(area, at);
    default:  // lines and the fourth kind
      return NearestLine(area, at, tolerance).id;
  }
}

}  // namespace

PlanFlash& PlanFlash::Of(CSecPrjEditView& view) {
  if (auto* existing = view.findChild<PlanFlash*>(QString(), Qt::FindDirectChildrenOnly)) return *existing;
  return *new PlanFlash(view);
}

PlanFlash::PlanFlash(CSecPrjEditView& view) : QObject(&view), view_(view) { view.installEventFilter(this); }

void PlanFlash::OnFlashRequest(const FlashOrder& order) {
  switch (order.mode) {
    case kFlashEntity:
    case kFlashEntityToo:
    case kFlashPacked:
      FlashOne(order.entity);
      return;
    case kFlashList:
      if (order.hasList) FlashList(order.listArea, order.ids);
      return;
    case kFlashEnd:
      End();
      return;
    default:
      return;
  }
}

void PlanFlash::FlashOne(const ENTITY_MSG& entity) {
  if (BasIsWorkAreaValid(entity.area) == 0) return;
  view_._StartFlash(&entity, 1);
  flashed_ = entity.area;
  CenterOnEntity(view_, entity);
  view_._SetCommandFlag(kPickEntityFlag);
}

void PlanFlash::FlashList(WorkAreaHandle area, const std::vector<int32_t>& ids) {
  if (BasIsWorkAreaValid(area) == 0) return;
  view_.ClearPool();
  const auto type = static_cast<int16_t>(BasGetWorkAreaType(area));
  for (const int32_t id : ids) {
    const ENTITY_MSG entry{area, type, id};
    view_.AddToPool(&entry, 1);
  }
  if (view_.PoolCount() > 0) {
    CenterOnEntity(view_, view_.Pool()[0]);
    view_._StartFlash(view_.Pool(), view_.PoolCount());
  }
  view_._UpdateWindow();
}

void PlanFlash::End() {
  EndFlash();
  // The waiting panel's window goes; its entry then reads empty.
  if (QObject* requester = msg::PaneWindows().Receiver(msg::PaneEntry::kStrataPanelCommandTarget))
    requester->deleteLater();
}

void PlanFlash::EndFlash() {
  view_._SetCommandFlag(kFlagIdle);
  view_._StopFlash(-1);
  flashed_ = 0;
}

bool PlanFlash::PickDown(CPoint point) {
  EntityPickRequester* requester = Requester();
  if (requester == nullptr || BasIsWorkAreaValid(flashed_) == 0) return false;
  const double tolerance = view_.selectTolerance() / view_._GetWinDispRate();
  requester->OnEntityPicked(EntityAt(flashed_, view_._WpToLp(point), tolerance));
  return true;
}

bool PlanFlash::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &view_ || event->type() != QEvent::MouseButtonPress) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton || view_._GetCommandFlag() != kPickEntityFlag) return false;
  return PickDown(MousePointOf(mouse));
}

void RegisterPlanFlash() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterFlashRequest([](CSecPrjEditView& view, const FlashOrder& order) { PlanFlash::Of(view).OnFlashRequest(order); });
  RegisterPlanRequest(kEndFlashRequest, [](CSecPrjEditView& view, std::intptr_t, std::intptr_t) {
    PlanFlash::Of(view).EndFlash();
  });
}

}  // namespace zv::zavediz
