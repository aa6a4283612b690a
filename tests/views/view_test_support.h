#pragma once
// What the editing-view tests share: a chrome that records what the views
// ask of the frame, and synthetic mouse events sent to a view.

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <vector>

#include "views/view_chrome.h"

namespace zv::test {

class RecordingChrome : public ViewChrome {
 public:
  RecordingChrome() { SetViewChrome(this); }
  ~RecordingChrome() override { SetViewChrome(nullptr); }

  struct Readout {
    views::PoolCounts counts;
    QString text;
  };
  struct Measure {
    std::array<double, 6> values;
    int mode;
  };
  std::vector<int> menus;
  std::vector<Readout> readouts;
  std::vector<Measure> measures;
  std::vector<long> scales;
  long windowScale = 1000;
  long denominator = 0;  // the main window's scale denominator
  int closes = 0;

  void ShowCoordinates(double, double, const views::PoolCounts& counts, const QString& text) override {
    readouts.push_back({counts, text});
  }
  long UpdateMeasureWindow(const std::array<double, 6>& values, int mode) override {
    if (mode != 1) measures.push_back({values, mode});
    return windowScale;
  }
  bool CloseMeasureWindow() override {
    ++closes;
    return true;
  }
  void SetScaleDenominator(long scale) override { scales.push_back(scale); }
  long ScaleDenominator() const override { return denominator; }
  void PopupContextMenu(int subMenu, const QPoint&) override { menus.push_back(subMenu); }
};

inline void SendMouse(QWidget& view, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent e(type, QPointF(at), view.mapToGlobal(QPointF(at)), button, buttons, modifiers);
  QApplication::sendEvent(&view, &e);
}

inline void Click(QWidget& view, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  SendMouse(view, QEvent::MouseButtonPress, at, button, modifiers);
  SendMouse(view, QEvent::MouseButtonRelease, at, button, modifiers);
}

inline void Move(QWidget& view, QPoint at) {
  QMouseEvent e(QEvent::MouseMove, QPointF(at), view.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                Qt::NoModifier);
  QApplication::sendEvent(&view, &e);
}

inline void Wheel(QWidget& view, QPoint at, int delta) {
  QWheelEvent e(QPointF(at), view.mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &e);
}

}  // namespace zv::test
