#pragma once
// The child frame of a document: a maximised sub-window of the main frame's
// MDI area holding one view. It is a command target of its own on the route
// view → child frame → main frame → application. Closing it by the user asks
// the document (CanCloseFrame) when it is the document's last frame, and
// then closes the document. Its client holds the view between two rulers,
// hidden until the view shows them.

#include <QMdiSubWindow>

#include "framework/commands/command_table.h"

namespace zv::docview {

class CDocument;
class CView;
}  // namespace zv::docview

namespace zv::rulers {
class RulerClient;
}

namespace zv::docview {

class CChildFrame : public QMdiSubWindow, public cmd::CommandTarget {
 public:
  CChildFrame(CDocument* document, CView* view);
  ~CChildFrame() override;

  CDocument* GetActiveDocument() const { return document_; }
  CView* GetActiveView() const { return view_; }
  std::string_view CommandClass() const override { return "CChildFrame"; }

  // The rulers round the view: 14 pixels wide when shown, none when hidden.
  void ShowRulers(int show);
  // The view's origin, cursor and zoom for both rulers (the two sizes are
  // the view's and not used by the rulers).
  void UpdateRulers(int mode, double originX, double originY, int cursorX, int cursorY, int width, int height,
                    float zoom);
  rulers::RulerClient* Rulers() const { return rulers_; }

  // Closes without asking (the document's own close step).
  void CloseFromDocument();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class CDocument;
  CDocument* document_;
  CView* view_;
  rulers::RulerClient* rulers_;
  bool closingFromDocument_ = false;
};

}  // namespace zv::docview
