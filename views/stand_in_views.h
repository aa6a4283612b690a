#pragma once
// The views the two templates show until the program's own editing views
// register their classes over them: the section template's view class
// "CSecToolView" is a plain map editing view that loads the document's file
// into the area of its kind and shows it whole; the plan template's
// "CSecPrjToolView" is a project editing view bound to the document's
// project, shown whole. Both take the platform editor's commands as member
// rows of their base classes "CSecGisEditView" and "CSecPrjEditView".

#include "framework/docview/view.h"
#include "platform/view/gis_edit_view.h"
#include "platform/view/prj_edit_view.h"

namespace zv {

class StandInSectionView : public CGisEditView, public docview::CView {
 public:
  explicit StandInSectionView(QWidget* parent = nullptr) : CGisEditView(parent) {}
  std::string_view CommandClass() const override { return "CSecToolView"; }
  QWidget* Widget() override { return this; }
  void OnInitialUpdate() override;
};

class StandInProjectView : public CPrjEditView, public docview::CView {
 public:
  explicit StandInProjectView(QWidget* parent = nullptr) : CPrjEditView(parent) {}
  std::string_view CommandClass() const override { return "CSecPrjToolView"; }
  QWidget* Widget() override { return this; }
  void OnInitialUpdate() override;
};

// Registers the two view classes, their command classes with the editor's
// member rows, and the editor's items in menus 107 and 141.
void RegisterStandInViews();

// The map editing view of a command target (null for other targets).
CGisEditView* EditViewOf(cmd::CommandTarget& target);

}  // namespace zv
