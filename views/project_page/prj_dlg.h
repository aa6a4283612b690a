#pragma once
// CPrjDlg: the project page of the side panel. It hosts one
// CSecPrjListView that fills it, and takes private message 0x465 from the
// documents: lParam (or wParam) 1 empties the list (a project document is
// closing); otherwise the list shows the active document's project, when it
// has one, read afresh.
#include <QWidget>

namespace zv::projectpage {

class CSecPrjListView;

class CPrjDlg : public QWidget {
  Q_OBJECT
 public:
  // Records the page for 0x465 and creates the list.
  explicit CPrjDlg(QWidget* parent = nullptr);

  CSecPrjListView* view() const { return view_; }

 protected:
  bool event(QEvent* event) override;

 private:
  CSecPrjListView* view_;
};

}  // namespace zv::projectpage
