#pragma once
// Flashing and picking on the plan for a side panel: the plan view's answer
// to the flash requests (0x46E, views/flash_requests.h), the pick that
// follows one (command flag 1230: a click finds the entity of the flashed
// area under the cursor and hands its id, or 0, to the waiting panel), and
// plan request 10 that ends it. One per plan view, made on first use and
// living as long as the view. A flashed area closed since picks nothing.

#include <QObject>

#include "platform/view/mouse_points.h"
#include "views/flash_requests.h"
#include "views/sec_prj_edit_view.h"

namespace zv::zavediz {

inline constexpr long kPickEntityFlag = 1230;
inline constexpr int kEndFlashRequest = 10;

class PlanFlash : public QObject {
 public:
  static PlanFlash& Of(CSecPrjEditView& view);

  void OnFlashRequest(const FlashOrder& order);
  // Plan request 10: flag 1227, flashing stops, the area is forgotten.
  void EndFlash();
  // A press under flag 1230; true when it was taken (a panel waits and the
  // flashed area is open).
  bool PickDown(CPoint point);

  WorkAreaHandle FlashedArea() const { return flashed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit PlanFlash(CSecPrjEditView& view);
  void FlashOne(const ENTITY_MSG& entity);
  void FlashList(WorkAreaHandle area, const std::vector<int32_t>& ids);
  // Mode 3: EndFlash, and the waiting panel's window closed.
  void End();

  CSecPrjEditView& view_;
  WorkAreaHandle flashed_ = 0;
};

// The flash requests and plan request 10 reach the plan views' PlanFlash.
void RegisterPlanFlash();

}  // namespace zv::zavediz
