#pragma once
// The main frame's status bar: five boxed panes (message, entity counts,
// real coordinates, map coordinates, current layer) sized from the screen's
// available width, and the scale button "比例尺" in its last 50 pixels. A
// double-click on a pane is handed to the frame by its index.

#include <QStatusBar>
#include <array>
#include <functional>

#include "app/chrome/status_texts.h"

class QLabel;
class QPushButton;

namespace zv::chrome {

inline constexpr int kScaleButtonId = 33149;
inline constexpr int kScaleButtonWidth = 50;

class CSecStatusBar : public QStatusBar {
 public:
  explicit CSecStatusBar(QWidget* parent = nullptr);

  void SetPaneText(int pane, const QString& text);
  QString PaneText(int pane) const;
  QLabel* Pane(int pane) const { return panes_[pane]; }
  QPushButton* ScaleButton() const { return scaleButton_; }

  // Called with the pane's index on a double-click.
  void SetDoubleClickHandler(std::function<void(int pane)> handler) { onDoubleClick_ = std::move(handler); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, kPaneCount> panes_{};
  QPushButton* scaleButton_;
  std::function<void(int)> onDoubleClick_;
};

}  // namespace zv::chrome
