#include "platform/projectview/project_output.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/display/kernel_driver.h"
#include "platform/display/project_renderer.h"

namespace zv::prjview {

std::optional<QRectF> ProjectExtent(const MapProject& project) {
  std::optional<QRectF> extent;
  for (const WorkAreaHandle area : project.areas) {
    D_RECT rect{};
    if (area == 0 || BasGetWorkAreaRect(area, &rect) != 1) continue;
    const QRectF r(QPointF(rect.xmin, rect.ymin), QPointF(rect.xmax, rect.ymax));
    extent = extent ? extent->united(r) : r;
  }
  return extent;
}

PageWindow FitExtent(const QRectF& extent, QSize size) {
  // A point or a straight line still gets a finite scale.
  const double width = std::max(extent.width(), 1e-9);
  const double height = std::max(extent.height(), 1e-9);
  const double factor = std::min(size.width() / width, size.height() / height);
  const QPointF centre = extent.center();
  return {centre.x() - size.width() / (2.0 * factor), centre.y() - size.height() / (2.0 * factor), factor};
}

QImage ProjectImage(const MapProject& project, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const std::optional<QRectF> extent = ProjectExtent(project);
  if (!extent || size.isEmpty()) return image;
  QPainter painter(&image);
  display::KernelDriver driver(painter, size);
  const PageWindow window = FitExtent(*extent, size);
  driver.SetWindow(window.originX, window.originY, window.factor);
  display::DrawProject(driver, project);
  return image;
}

bool PrintProject(const MapProject& project, QPrinter& printer) {
  const std::optional<QRectF> extent = ProjectExtent(project);
  if (!extent) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QSize size = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  {
    display::KernelDriver driver(painter, size);
    const PageWindow window = FitExtent(*extent, size);
    driver.SetWindow(window.originX, window.originY, window.factor);
    display::DrawProject(driver, project);
  }
  return painter.end();
}

}  // namespace zv::prjview
