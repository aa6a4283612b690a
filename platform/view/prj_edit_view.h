#pragma once
// The editing view of a project: draws the project through the display
// library's project drawing (items in item order; hidden items and items
// outside their display scale range at the view's scale left out), picks
// among what it draws, and edits it; the current
// area of each kind is the project's current item of that kind, else its
// first item of that kind, else the view's own area. The view does not own
// the project.

#include "platform/project/map_project.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

class CPrjEditView : public CGisEditView {
 public:
  explicit CPrjEditView(QWidget* parent = nullptr);
  ~CPrjEditView() override;

  // Binds a project (null unbinds) and returns the previous one. The pool,
  // the running interaction and the undo store are dropped, as they name
  // the previous project's work areas. The view follows the items added to
  // and removed from the project, and lets go of it when it closes.
  MapProject* SetProject(MapProject* project);
  MapProject* GetProject() const { return project_; }

  std::vector<WorkAreaHandle> ShownAreas() const override;

 protected:
  void DrawAreas(display::AreaListRenderer& renderer, KernelDriver& dc,
                 const display::DisplaySwitches& switches) override;

 private:
  // The view's own areas of the kinds the project lacks.
  std::vector<WorkAreaHandle> OwnShownAreas() const;

  MapProject* project_ = nullptr;
  int projectListener_ = 0;
  WorkAreaHandle own_[3] = {0, 0, 0};
};

// What a command that works on "the whole map" reads: every open work area
// of the view's project when the view shows a project with items, else the
// view's current point, line and region areas.
std::vector<WorkAreaHandle> ProjectOrCurrentAreas(const CGisEditView& view);

}  // namespace zv
