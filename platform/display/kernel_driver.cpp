#include "platform/display/kernel_driver.h"

#include <QPaintEngine>
#include <QPolygonF>
#include <algorithm>

namespace zv::display {

KernelDriver::KernelDriver(QPaintDevice& device, const SystemLibrary& library)
    : ownPainter_(std::make_unique<QPainter>(&device)),
      painter_(ownPainter_.get()),
      library_(&library),
      size_(device.width(), device.height()) {
  rasterOps_ = painter_->isActive() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  ApplyPen();
}

KernelDriver::KernelDriver(QPainter& painter, QSize deviceSize, const SystemLibrary& library)
    : painter_(&painter), library_(&library), size_(deviceSize) {
  rasterOps_ = painter_->isActive() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  ApplyPen();
}

KernelDriver::~KernelDriver() {
  if (!ownPainter_ && painter_->isActive()) painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void KernelDriver::SetWindow(double originX, double originY, double factor) {
  originX_ = originX;
  originY_ = originY;
  factor_ = factor > 0 ? factor : 1.0;
}

QTransform KernelDriver::MapToDevice() const {
  return QTransform(factor_, 0, 0, -factor_, -originX_ * factor_, size_.height() + originY_ * factor_);
}

QPointF KernelDriver::ToDevice(double x, double y) const {
  return {(x - originX_) * factor_, size_.height() - (y - originY_) * factor_};
}

QPointF KernelDriver::ToMap(QPointF device) const {
  return {originX_ + device.x() / factor_, originY_ + (size_.height() - device.y()) / factor_};
}

QRectF KernelDriver::VisibleMapRect() const {
  if (clip_.isEmpty()) return QRectF(originX_, originY_, size_.width() / factor_, size_.height() / factor_);
  const QRect wide = clip_.adjusted(-cullMargin_, -cullMargin_, cullMargin_, cullMargin_);
  return QRectF(ToMap(wide.bottomLeft() + QPoint(0, 1)), ToMap(wide.topRight() + QPoint(1, 0))).normalized();
}

void KernelDriver::ClipToDevice(const QRect& pixels, int cullMargin) {
  clip_ = pixels;
  cullMargin_ = cullMargin;
  painter_->setClipRect(pixels);
}

void KernelDriver::SetColor(long colourNumber) {
  colour_ = colourNumber;
  ApplyPen();
}

void KernelDriver::SetDrawMode(int mode) {
  mode_ = mode;
  ApplyPen();
}

bool KernelDriver::Toggles() const {
  return rasterOps_ && (mode_ == kDrawXor || mode_ == kDrawNotXor || mode_ == kDrawInvert);
}

QColor KernelDriver::ColorOf(long colourNumber) const {
  const Rgb rgb = library_->Colours().ToRgb(colourNumber);
  return QColor(rgb.r, rgb.g, rgb.b);
}

void KernelDriver::ApplyPen() {
  if (!painter_->isActive()) return;
  QColor colour = ColorOf(colour_);
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
  if (Toggles()) {
    if (mode_ == kDrawXor) composition = QPainter::RasterOp_SourceXorDestination;
    if (mode_ == kDrawNotXor) composition = QPainter::RasterOp_NotSourceXorDestination;
    if (mode_ == kDrawInvert) {
      composition = QPainter::RasterOp_SourceXorDestination;
      colour = Qt::white;  // XOR with white inverts
    }
  }
  painter_->setCompositionMode(composition);
  // The context's own primitives are one-pixel lines on whole pixels, and a
  // toggle must touch every pixel exactly once: no antialiasing.
  painter_->setRenderHint(QPainter::Antialiasing, false);
  QPen pen(colour, 0);
  pen.setCapStyle(Qt::FlatCap);
  painter_->setPen(pen);
  painter_->setBrush(Qt::NoBrush);
}

void KernelDriver::_Line(int x1, int y1, int x2, int y2, int) {
  ApplyPen();
  painter_->drawLine(x1, y1, x2, y2);
}

void KernelDriver::_Rect(int x1, int y1, int x2, int y2, int) {
  ApplyPen();
  const QPolygon outline({QPoint(x1, y1), QPoint(x2, y1), QPoint(x2, y2), QPoint(x1, y2)});
  painter_->drawPolygon(outline);
}

namespace {

bool IsPlain32BitImage(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

void WriteRectOutline(QImage& image, const QRect& bounds, const QRect& rect, QRgb pixel) {
  const int x0 = rect.x(), y0 = rect.y(), x1 = rect.x() + rect.width(), y1 = rect.y() + rect.height();
  const auto row = [&](int y) {
    if (y < bounds.top() || y > bounds.bottom()) return;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = std::max(x0, bounds.left()), end = std::min(x1, bounds.right()); x <= end; ++x) line[x] = pixel;
  };
  const auto column = [&](int x) {
    if (x < bounds.left() || x > bounds.right()) return;
    for (int y = std::max(y0 + 1, bounds.top()), end = std::min(y1 - 1, bounds.bottom()); y <= end; ++y)
      reinterpret_cast<QRgb*>(image.scanLine(y))[x] = pixel;
  };
  row(y0);
  if (y1 != y0) row(y1);
  column(x0);
  if (x1 != x0) column(x1);
}

}  // namespace

QImage* KernelDriver::DirectImage(QRect* bounds) const {
  if (Toggles() || !painter_->isActive() || painter_->device() == nullptr ||
      painter_->device()->devType() != QInternal::Image || !painter_->worldTransform().isIdentity())
    return nullptr;
  auto* image = static_cast<QImage*>(painter_->device());
  // Writing into an image shared with a copy would detach it from the
  // painter's own pixels.
  if (!IsPlain32BitImage(*image) || !image->isDetached()) return nullptr;
  *bounds = image->rect();
  if (painter_->hasClipping()) {
    const QRegion clip = painter_->clipRegion();
    if (clip.rectCount() > 1) return nullptr;
    *bounds &= clip.boundingRect();
  }
  return image;
}

void KernelDriver::_Rects(std::span<const QRect> rects) {
  ApplyPen();
  // Thousands of small squares (selected vertices) go straight into the
  // pixels: the painter's outline path costs far more than the writes.
  QRect bounds;
  if (QImage* image = DirectImage(&bounds)) {
    const QRgb pixel = painter_->pen().color().rgba();
    for (const QRect& rect : rects)
      if (!rect.isEmpty()) WriteRectOutline(*image, bounds, rect, pixel);
    return;
  }
  painter_->drawRects(rects.data(), static_cast<int>(rects.size()));
}

void KernelDriver::Line(double x1, double y1, double x2, double y2) {
  ApplyPen();
  painter_->drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void KernelDriver::Polyline(const std::vector<QPointF>& mapPoints) {
  ApplyPen();
  QPolygonF device;
  device.reserve(static_cast<qsizetype>(mapPoints.size()));
  for (const auto& p : mapPoints) device << ToDevice(p.x(), p.y());
  painter_->drawPolyline(device);
}

void KernelDriver::Clear(long colourNumber) {
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(QRect(QPoint(0, 0), size_), ColorOf(colourNumber));
  painter_->restore();
}

}  // namespace zv::display
