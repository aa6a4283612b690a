#pragma once
// The section tool view: the view of a section document (template 141),
// the section editing view with the tool views' commands (command table
// "CSecToolView": the launch rows of views/launch and the rows of
// views/tool_view_commands.cpp), pick modes, snapping, keys and overlay
// (views/tool_view_*.h). It takes the tool requests (0x470) posted to it.

#include "views/sec_gis_edit_view.h"
#include "views/tool_view_shared.h"

namespace zv {

class CSecToolView : public CSecGisEditView, public ToolViewShared {
 public:
  explicit CSecToolView(QWidget* parent = nullptr);

  std::string_view CommandClass() const override { return "CSecToolView"; }
  void OnInitialUpdate() override;

  bool IsPlan() const override { return false; }
  std::vector<WorkAreaHandle> AreasOfType(int type) const override { return {GetEditArea(type)}; }
  std::vector<WorkAreaHandle> SnapAreas() const override { return {GetCurrentLinArea(), GetCurrentPntArea()}; }
  void SetCurrentArea(WorkAreaHandle area) override;

 protected:
  bool event(QEvent* event) override;
  void _UserDraw(KernelDriver* dc) override;
};

}  // namespace zv
