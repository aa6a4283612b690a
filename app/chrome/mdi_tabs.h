#pragma once
// The tab list of open windows in the frame's TabBar: one tab per child
// window, titled with its document's name (as the frame names it), added when the window is first
// activated and removed when it goes. A click activates the tab's window; a
// right click activates it and toggles maximised and restored; a
// double-click activates it and closes it. Unknown windows change nothing.

#include <QTabBar>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace zv::chrome {

inline constexpr int kTabBarHeight = 24;

class MdiTabs : public QTabBar {
 public:
  // `titleOf` names a window when it is first activated.
  using TitleFn = std::function<QString(QMdiSubWindow*)>;
  MdiTabs(QMdiArea& area, TitleFn titleOf, QWidget* parent = nullptr);

  void AddWindow(QMdiSubWindow* window, const QString& title);
  void SelectWindow(QMdiSubWindow* window);
  void RemoveWindow(QMdiSubWindow* window);
  // The tab of a window, −1 when it has none.
  int IndexOf(const QMdiSubWindow* window) const;
  QMdiSubWindow* WindowAt(int index) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QMdiArea& area_;
};

}  // namespace zv::chrome
