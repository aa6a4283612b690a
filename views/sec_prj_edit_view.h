#pragma once
// The project editing view: the view of a project document (template 107),
// showing every file of the document's project. Its command table is
// "CSecPrjEditView" (views/prj_view_commands.cpp); the project tool view
// derives from it and adds its own rows over it.
//
// It takes the plan requests (0x46C) posted to it (views/plan_requests.h)
// and the flash requests (0x46E, views/flash_requests.h),
// shows in the read-out the file of a single selected entity, and marks the
// selection's items in the project list. Saving, auto-save and the default
// parameters' reset are views/project_save_commands.cpp.

#include <QTimer>

#include "platform/view/prj_edit_view.h"
#include "views/edit_view_shared.h"

namespace zv {

class CSecPrjEditView : public CPrjEditView, public SecEditViewShared {
 public:
  explicit CSecPrjEditView(QWidget* parent = nullptr);
  ~CSecPrjEditView() override;

  std::string_view CommandClass() const override { return "CSecPrjEditView"; }
  void OnInitialUpdate() override;
  void OnActivateView() override;
  QString StatusText() override;
  void AfterStatus() override;
  void OnRightPress() override;
  int GeneralMenu() const override { return 3; }
  const char* ParameterFormat() const override;
  void _OwnerDraw(KernelDriver* dc) override;

  // The "seclect" value the view keeps and hands back to the settings at
  // each right press.
  int selectionMode = 0;

  // A posted object kept for a later request (request 6 forgets it).
  void* pendingObject = nullptr;

  // Auto-save: the timer runs every `intervalMs` while it is on.
  bool autoSaveOn() const { return autoSaveOn_; }
  void SetAutoSave(bool on, int intervalMs = 0);
  QTimer& AutoSaveTimer() { return autoSave_; }
  // A failed auto-save has been told (once until a save succeeds).
  bool autoSaveFailureTold = false;

 protected:
  // The requests posted to the view, then the mouse handling of
  // views/edit_view_mouse.h before the platform view's own.
  bool event(QEvent* event) override;

 private:
  QTimer autoSave_;
  bool autoSaveOn_ = false;
};

}  // namespace zv
