#pragma once
// The About dialog (57664 "关于 zavediz"): what the program is, and four
// links: its help page in the data folder and the libraries it is built on.
// A click anywhere but on a link, or any key, closes it.
#include <QDialog>

namespace zv {

class CStaticLink;

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  // The four links in the order shown.
  QList<CStaticLink*> Links() const { return links_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QList<CStaticLink*> links_;
};

}  // namespace zv
