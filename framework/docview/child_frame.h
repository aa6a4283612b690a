#pragma once
// The child frame of a document: a maximised sub-window of the main frame's
// MDI area holding one view. It is a command target of its own on the route
// view → child frame → main frame → application. Closing it by the user asks
// the document (CanCloseFrame) when it is the document's last frame, and
// then closes the document.

#include <QMdiSubWindow>

#include "framework/commands/command_table.h"

namespace zv::docview {

class CDocument;
class CView;

class CChildFrame : public QMdiSubWindow, public cmd::CommandTarget {
 public:
  CChildFrame(CDocument* document, CView* view);
  ~CChildFrame() override;

  CDocument* GetActiveDocument() const { return document_; }
  CView* GetActiveView() const { return view_; }
  std::string_view CommandClass() const override { return "CChildFrame"; }

  // Closes without asking (the document's own close step).
  void CloseFromDocument();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class CDocument;
  CDocument* document_;
  CView* view_;
  bool closingFromDocument_ = false;
};

}  // namespace zv::docview
