#pragma once
// The main frame in place of the framework's MDI frame: an MDI area whose
// child frames are maximised sub-windows, the menu bar of the active child's
// template (the frame's own menu when none is active), shortcut keys, and
// files dropped on the window, which go to the application's
// OpenDocumentFile. It is the command target of class "CMDIFrameWnd" on the
// route view → child frame → main frame → application.

#include <QMainWindow>
#include <QMdiArea>
#include <memory>

#include "framework/commands/command_menus.h"
#include "framework/commands/command_table.h"

namespace zv::docview {

class CChildFrame;
class CDocument;
class CView;

class CMDIFrameWnd : public QMainWindow, public cmd::CommandTarget {
 public:
  explicit CMDIFrameWnd(int defaultMenu, QWidget* parent = nullptr);
  ~CMDIFrameWnd() override;

  std::string_view CommandClass() const override { return "CMDIFrameWnd"; }

  QMdiArea* MdiArea() const { return area_; }
  CChildFrame* MDIGetActive() const;
  CDocument* GetActiveDocument() const;
  CView* GetActiveView() const;
  void ActivateFrame(CChildFrame* frame);
  // Adds a document's frame to the MDI area, maximised and active.
  void AddChildFrame(CChildFrame* frame);

  // The route of a command now: active view, its frame, this frame, the
  // application.
  cmd::Route CommandRoute() const;
  cmd::CommandMenus& commandMenus() { return *menus_; }
  // Runs a command along the route (menus, keys, toolbars and tests).
  cmd::RunResult RunCommand(int id);
  // Shows the menu of the active child's template, or the frame's own.
  void UpdateMenu();

  // Asked when the user closes the main window; false keeps it open.
  virtual bool OnClose();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // A notice of the command system (bound-later commands).
  virtual void ShowNotice(const QString& text);

 private:
  QMdiArea* area_;
  int defaultMenu_;
  cmd::CommandMenus* menus_;
};

}  // namespace zv::docview
