#pragma once
// The plan tool view: the view of a project document (template 107), the
// project editing view with the tool views' commands (command table
// "CSecPrjToolView"), pick modes, snapping, keys and overlay over every
// file of the project (views/tool_view_*.h), and the elevation tip. It
// takes the tool requests (0x471) posted to it.

#include "views/elevation_tip.h"
#include "views/sec_prj_edit_view.h"
#include "views/tool_view_shared.h"

namespace zv {

class CSecPrjToolView : public CSecPrjEditView, public ToolViewShared {
 public:
  explicit CSecPrjToolView(QWidget* parent = nullptr);

  std::string_view CommandClass() const override { return "CSecPrjToolView"; }
  void OnInitialUpdate() override;

  bool IsPlan() const override { return true; }
  // The project's files of a kind; none without a project or files.
  std::vector<WorkAreaHandle> AreasOfType(int type) const override { return ProjectAreas(type); }
  std::vector<WorkAreaHandle> SnapAreas() const override { return ProjectAreas(-1); }

  ElevationTip& elevationTip() { return elevationTip_; }

 protected:
  bool event(QEvent* event) override;
  void _UserDraw(KernelDriver* dc) override;

 private:
  std::vector<WorkAreaHandle> ProjectAreas(int kind) const;

  ElevationTip elevationTip_;
};

}  // namespace zv
