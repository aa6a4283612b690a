#pragma once
// The drawing context a view hands out (_GetMyDC) and passes to the drawing
// hooks: a QPainter on the view's picture, with the view's window (map
// units to window pixels), a colour number and the platform's drawing mode.
// It offers what the platform's drawing context offers the callers of the
// view, with the same names, so callers keep working when the display
// library's context takes its place.
//
// Drawing modes: 7 XOR and 10 not-XOR mix the pen into the picture, 6
// inverts what it covers; in these three, drawing the same thing twice at
// the same place restores the picture. Any other mode draws plainly.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QTransform>
#include <vector>

namespace zv {

enum ViewDrawMode : int { kViewDrawInvert = 6, kViewDrawXor = 7, kViewDrawNotXor = 10, kViewDrawCopy = 13 };

class ViewDC {
 public:
  // `mapToDevice` maps map units to the device's pixels.
  ViewDC(QPainter& painter, const QTransform& mapToDevice);
  ~ViewDC();
  ViewDC(const ViewDC&) = delete;
  ViewDC& operator=(const ViewDC&) = delete;

  QTransform MapToDevice() const { return transform_; }
  QPointF ToDevice(double x, double y) const { return transform_.map(QPointF(x, y)); }

  void SetColor(long colourNumber);
  long Color() const { return colour_; }
  void SetDrawMode(int mode);
  int DrawMode() const { return mode_; }
  bool Toggles() const;

  // The RGB of a colour number (a fixed table until the system library's
  // colour table serves the views).
  static QColor ColorOf(long colourNumber);

  // Device-pixel primitives, one pixel wide, in the current colour and mode.
  void _Line(int x1, int y1, int x2, int y2, int style = 0);
  void _Rect(int x1, int y1, int x2, int y2, int style = 0);
  // Map-unit primitives.
  void Line(double x1, double y1, double x2, double y2);
  void Polyline(const std::vector<QPointF>& mapPoints);

  QPainter& Painter() { return painter_; }

 private:
  void ApplyPen();

  QPainter& painter_;
  QTransform transform_;
  long colour_ = 1;
  int mode_ = kViewDrawCopy;
};

}  // namespace zv
