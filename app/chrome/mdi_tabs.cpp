#include "app/chrome/mdi_tabs.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>

namespace zv::chrome {
namespace {
constexpr const char* kWindowProperty = "zvWindow";
}

MdiTabs::MdiTabs(QMdiArea& area, TitleFn titleOf, QWidget* parent) : QTabBar(parent), area_(area) {
  setObjectName(QStringLiteral("mdiTabs"));
  setExpanding(false);
  setDrawBase(false);
  connect(&area, &QMdiArea::subWindowActivated, this, [this, titleOf](QMdiSubWindow* window) {
    if (window == nullptr) return;
    if (IndexOf(window) < 0) AddWindow(window, titleOf(window));
    SelectWindow(window);
  });
}

void MdiTabs::AddWindow(QMdiSubWindow* window, const QString& title) {
  if (window == nullptr || IndexOf(window) >= 0) return;
  const int index = addTab(title);
  setTabData(index, QVariant::fromValue(static_cast<QObject*>(window)));
  connect(window, &QObject::destroyed, this, [this, window] { RemoveWindow(window); });
  connect(window, &QWidget::windowTitleChanged, this, [this, window](const QString& text) {
    const int i = IndexOf(window);
    if (i >= 0) setTabText(i, text);
  });
}

void MdiTabs::SelectWindow(QMdiSubWindow* window) {
  const int index = IndexOf(window);
  if (index >= 0) setCurrentIndex(index);
}

void MdiTabs::RemoveWindow(QMdiSubWindow* window) {
  const int index = IndexOf(window);
  if (index >= 0) removeTab(index);
}

int MdiTabs::IndexOf(const QMdiSubWindow* window) const {
  for (int i = 0; i < count(); ++i)
    if (tabData(i).value<QObject*>() == window) return i;
  return -1;
}

QMdiSubWindow* MdiTabs::WindowAt(int index) const {
  return index >= 0 && index < count() ? static_cast<QMdiSubWindow*>(tabData(index).value<QObject*>()) : nullptr;
}

void MdiTabs::mousePressEvent(QMouseEvent* event) {
  QMdiSubWindow* window = WindowAt(tabAt(event->position().toPoint()));
  if (window == nullptr) return;
  area_.setActiveSubWindow(window);
  if (event->button() == Qt::RightButton) {
    if (window->isMaximized())
      window->showNormal();
    else
      window->showMaximized();
  }
}

void MdiTabs::mouseDoubleClickEvent(QMouseEvent* event) {
  QMdiSubWindow* window = WindowAt(tabAt(event->position().toPoint()));
  if (window == nullptr) return;
  area_.setActiveSubWindow(window);
  area_.closeActiveSubWindow();
}

}  // namespace zv::chrome
