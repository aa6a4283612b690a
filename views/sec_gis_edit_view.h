#pragma once
// The section editing view: the view of a section document (template 141),
// a map editing view over the document's point, line and region files. Its
// command table is "CSecGisEditView" (views/sec_view_commands.cpp); the
// section tool view derives from it and adds its own rows over it.
//
// At the initial update it takes the settings, loads the document's file
// into the area of its kind, names its tab and sets the scale; at each
// activation it names the section after its areas' files and tells the
// side panes. Mouse handling (read-out, context menus, wheel, measurement)
// is that of views/edit_view_mouse.cpp.

#include <QString>
#include <set>
#include <utility>

#include "views/edit_view_shared.h"

namespace zv {

class CSecGisEditView : public CGisEditView, public SecEditViewShared {
 public:
  explicit CSecGisEditView(QWidget* parent = nullptr);
  ~CSecGisEditView() override;

  std::string_view CommandClass() const override { return "CSecGisEditView"; }
  void OnInitialUpdate() override;
  void OnActivateView() override;
  int GeneralMenu() const override { return 4; }
  const char* ParameterFormat() const override;
  void _OwnerDraw(KernelDriver* dc) override;

  // The section title from the files of the point, line and region areas;
  // the file list is told to refresh each area. The document keeps its own
  // title (its file's name), by which the application finds and classifies
  // its documents.
  void UpdateTitleFromAreas();
  const QString& SectionTitle() const { return sectionTitle_; }

  // The folder the section files go to (with a trailing separator; empty
  // until set) and their base name.
  const QString& SaveFolder() const { return saveFolder_; }
  void SetSaveFolder(const QString& folder) { saveFolder_ = folder; }
  const QString& ZavedizFileName() const { return zavedizFileName_; }
  void SetZavedizFileName(const QString& name) { zavedizFileName_ = name; }

 protected:
  // The requests posted to the view, then the mouse handling of
  // views/edit_view_mouse.h before the platform view's own.
  bool event(QEvent* event) override;

 private:
  QString saveFolder_;
  QString zavedizFileName_;
  QString sectionTitle_;
};

}  // namespace zv
