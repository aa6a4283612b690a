#pragma once
// The section-line commands attached to a project editing view that has no
// place for them of its own: one PlanSectionController per view, created on
// the first command and living as long as the view, with the view's design
// and geology controller beside it. It takes the view's mouse events while
// the command flag names one of their steps (the view then does not see
// them) until the user starts a platform tool, which ends the step; it takes
// the plan requests 4 to 6 and 13 posted to the view, and draws the stored
// section line over the map. The view is recorded as the plan view that
// dialogs 192, 195 and 197 post to.

#include <QObject>
#include <QPointer>
#include <memory>

#include "zavediz/plan/plan_geology_controller.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz {

class PlanSectionBinding : public QObject {
 public:
  // The view's binding, made on first use over the document's section data.
  static PlanSectionBinding& Of(CPrjEditView& view, SectionData& data);

  PlanSectionController& Controller() { return *controller_; }
  PlanGeologyController& Geology() { return *geology_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PlanSectionBinding(CPrjEditView& view, SectionData& data);

  CPrjEditView& view_;
  std::unique_ptr<PlanSectionController> controller_;
  std::unique_ptr<PlanGeologyController> geology_;  // reads the line's geology flag
  QWidget* overlay_;
  bool pressTaken_ = false;
};

}  // namespace zv::zavediz
