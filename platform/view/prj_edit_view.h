#pragma once
// The editing view of a project: shows the work areas of the project's
// items in item order (hidden items left out) and edits them; the current
// area of each kind is the project's current item of that kind, else its
// first item of that kind, else the view's own area. The view does not own
// the project.

#include "platform/project/map_project.h"
#include "platform/view/gis_edit_view.h"

namespace zv {

class CPrjEditView : public CGisEditView {
 public:
  explicit CPrjEditView(QWidget* parent = nullptr);

  // Binds a project (null unbinds) and returns the previous one. The pool,
  // the running interaction and the undo store are dropped, as they name
  // the previous project's work areas.
  MapProject* SetProject(MapProject* project);
  MapProject* GetProject() const { return project_; }

  std::vector<WorkAreaHandle> ShownAreas() const override;

 private:
  MapProject* project_ = nullptr;
  WorkAreaHandle own_[3] = {0, 0, 0};
};

}  // namespace zv
