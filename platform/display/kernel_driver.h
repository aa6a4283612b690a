#pragma once
// The drawing context every map drawing goes through: a QPainter on a widget,
// an image, a printer or a view's overlay layer, with the platform's window
// (map units to device pixels), current colour number and drawing mode.
//
// Window: device x = (x - originX) * factor, device y = device height -
// (y - originY) * factor: map y grows upwards, device y downwards.
//
// Drawing modes (the values of the platform's mode call):
//   7  XOR: the pen's colour is XOR-ed into the picture;
//   10 not-XOR: the inverse of the XOR;
//   6  invert: every pixel drawn over is inverted, whatever the colour;
//   anything else: plain drawing.
// In the first three, drawing the same thing twice at the same place restores
// the picture (rubber bands, highlights, cursor squares). They need a raster
// device (an image, a widget's backing store); elsewhere they draw plainly.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <memory>
#include <span>
#include <vector>

#include "platform/display/system_library.h"

namespace zv::display {

enum DrawMode : int { kDrawInvert = 6, kDrawXor = 7, kDrawNotXor = 10, kDrawCopy = 13 };

class KernelDriver {
 public:
  // Draws on a device with a painter of its own, from construction to
  // destruction.
  explicit KernelDriver(QPaintDevice& device, const SystemLibrary& library = CurrentLibrary());
  // Draws with a painter that is already active; `deviceSize` in pixels.
  KernelDriver(QPainter& painter, QSize deviceSize, const SystemLibrary& library = CurrentLibrary());
  ~KernelDriver();
  KernelDriver(const KernelDriver&) = delete;
  KernelDriver& operator=(const KernelDriver&) = delete;

  // The window: the map point at the lower left corner of the device and the
  // number of pixels per map unit (a factor <= 0 is taken as 1).
  void SetWindow(double originX, double originY, double factor);
  double OriginX() const { return originX_; }
  double OriginY() const { return originY_; }
  double Factor() const { return factor_; }
  QSize DeviceSize() const { return size_; }
  QTransform MapToDevice() const;
  QPointF ToDevice(double x, double y) const;
  QPointF ToMap(QPointF device) const;
  // The map rectangle the device shows (the clip's, with a margin, once
  // clipped).
  QRectF VisibleMapRect() const;
  // Draws only inside these device pixels from now on: a partial repaint.
  // Entities are still drawn when their extent lies up to `cullMargin`
  // pixels outside, as pens, line styles and text reach past extents.
  void ClipToDevice(const QRect& pixels, int cullMargin);

  void SetColor(long colourNumber);
  long Color() const { return colour_; }
  void SetDrawMode(int mode);
  int DrawMode() const { return mode_; }
  // True when the current mode toggles (and the device can do it).
  bool Toggles() const;

  // The RGB of a colour number from the library's table.
  QColor ColorOf(long colourNumber) const;

  // Device-pixel primitives in the current colour and mode. The last
  // argument is the platform's pen style; every style draws a one-pixel line
  // (the platform gives them no other meaning we rely on).
  void _Line(int x1, int y1, int x2, int y2, int style = 0);
  void _Rect(int x1, int y1, int x2, int y2, int style = 0);
  // Many _Rect outlines at once (x, y the top-left corner, the outline
  // reaching x + width and y + height), drawn in one call.
  void _Rects(std::span<const QRect> rects);

  // Map-unit primitives in the current colour and mode, one pixel wide.
  void Line(double x1, double y1, double x2, double y2);
  void Polyline(const std::vector<QPointF>& mapPoints);

  // Clears the whole device with a colour number.
  void Clear(long colourNumber);

  QPainter& Painter() { return *painter_; }
  const SystemLibrary& Library() const { return *library_; }

 private:
  // The image to write plain squares into directly, with the pixels the
  // painter may draw on; null when only the painter can draw them.
  QImage* DirectImage(QRect* bounds) const;
  void ApplyPen();

  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_ = nullptr;
  const SystemLibrary* library_ = nullptr;
  QSize size_;
  double originX_ = 0, originY_ = 0, factor_ = 1;
  QRect clip_;  // empty: the whole device
  int cullMargin_ = 0;
  long colour_ = 1;
  int mode_ = kDrawCopy;
  bool rasterOps_ = false;
};

}  // namespace zv::display
