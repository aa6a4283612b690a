#pragma once
// A child frame's client with rulers: a corner, a horizontal ruler along
// the top, a vertical ruler down the left, and the view. The rulers start
// hidden (0 pixels) and are shown and fed by the editing views; they never
// keep the focus. A click on the corner tells the section editing view
// (kDocumentRequest code 5) and hides the rulers.

#include <QWidget>

#include "framework/rulers/ruler_scale.h"

namespace zv::rulers {

// One ruler: the ticks of its view's origin and zoom, and an inverted
// cursor line that a second draw at the same place removes.
class CRulerView : public QWidget {
 public:
  CRulerView(bool horizontal, QWidget* parent = nullptr);

  bool horizontal() const { return horizontal_; }
  // Origin and zoom of the view; mode 3 moves only the cursor line, mode 2
  // (horizontal ruler) and 1 (vertical) redraw at once, any other mode
  // redraws later.
  void UpdateRuler(int mode, double originX, double originY, int cursorX, int cursorY, double zoom);
  // The cursor line's position now (0 after a repaint).
  int cursorPosition() const { return cursor_; }
  double zoom() const { return zoom_; }
  double origin() const { return horizontal_ ? originX_ : originY_; }
  int repaints() const { return repaints_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void MoveCursorMark(int x, int y);

  bool horizontal_;
  double originX_ = 0, originY_ = 0, zoom_ = 1;
  int cursor_ = 0;
  int repaints_ = 0;
  bool cursorOnly_ = false;
  int erase_ = -1;
};

class RulerClient : public QWidget {
 public:
  // `view` becomes the client's view pane.
  RulerClient(QWidget* view, QWidget* parent = nullptr);

  QWidget* view() const { return view_; }
  CRulerView* horizontalRuler() const { return horizontal_; }
  CRulerView* verticalRuler() const { return vertical_; }
  QWidget* corner() const { return corner_; }

  void ShowRulers(bool show);
  bool rulersShown() const { return shown_; }
  void UpdateRulers(int mode, double originX, double originY, int cursorX, int cursorY, double zoom);

 private:
  QWidget* view_;
  QWidget* corner_;
  CRulerView* horizontal_;
  CRulerView* vertical_;
  bool shown_ = false;
};

}  // namespace zv::rulers
