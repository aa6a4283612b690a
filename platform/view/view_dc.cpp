#include "platform/view/view_dc.h"

#include <QPaintEngine>
#include <QPolygonF>
#include <array>

namespace zv {

ViewDC::ViewDC(QPainter& painter, const QTransform& mapToDevice) : painter_(painter), transform_(mapToDevice) {
  ApplyPen();
}

ViewDC::~ViewDC() {
  if (painter_.isActive()) painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void ViewDC::SetColor(long colourNumber) {
  colour_ = colourNumber;
  ApplyPen();
}

void ViewDC::SetDrawMode(int mode) {
  mode_ = mode;
  ApplyPen();
}

bool ViewDC::Toggles() const {
  const bool raster = painter_.isActive() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  return raster && (mode_ == kViewDrawXor || mode_ == kViewDrawNotXor || mode_ == kViewDrawInvert);
}

QColor ViewDC::ColorOf(long n) {
  static const std::array<QRgb, 16> kBase = {0xffffff, 0x000000, 0xff0000, 0x00a000, 0x0000ff, 0xff00ff, 0xe0a000,
                                             0x00c0c0, 0x808080, 0xc0c0c0, 0x800000, 0x008000, 0x000080, 0x808000,
                                             0x800080, 0x008080};
  if (n >= 0 && n < static_cast<long>(kBase.size())) return QColor::fromRgb(kBase[static_cast<std::size_t>(n)]);
  return QColor::fromHsv(static_cast<int>((n * 47) % 360), 160 + static_cast<int>(n % 3) * 40, 200);
}

void ViewDC::ApplyPen() {
  if (!painter_.isActive()) return;
  auto composition = QPainter::CompositionMode_SourceOver;
  QColor colour = ColorOf(colour_);
  if (Toggles()) {
    if (mode_ == kViewDrawXor) composition = QPainter::RasterOp_SourceXorDestination;
    if (mode_ == kViewDrawNotXor) composition = QPainter::RasterOp_NotSourceXorDestination;
    if (mode_ == kViewDrawInvert) {
      composition = QPainter::RasterOp_SourceXorDestination;
      colour = QColor(255, 255, 255);
    }
  }
  painter_.setCompositionMode(composition);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(colour);
  pen.setWidth(0);
  pen.setCosmetic(true);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
}

void ViewDC::_Line(int x1, int y1, int x2, int y2, int) { painter_.drawLine(x1, y1, x2, y2); }

void ViewDC::_Rect(int x1, int y1, int x2, int y2, int) {
  // Four edges, each pixel drawn once, so a toggling mode restores exactly.
  const int left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (left == right || top == bottom) {
    painter_.drawLine(left, top, right, bottom);
    return;
  }
  painter_.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void ViewDC::Line(double x1, double y1, double x2, double y2) {
  painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
}

void ViewDC::Polyline(const std::vector<QPointF>& mapPoints) {
  if (mapPoints.size() < 2) return;
  QPolygonF device;
  device.reserve(static_cast<qsizetype>(mapPoints.size()));
  for (const QPointF& p : mapPoints) device << transform_.map(p);
  painter_.drawPolyline(device);
}

}  // namespace zv
