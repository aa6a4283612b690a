#pragma once
// Printing a whole project: its shown items, drawn by the project renderer
// so that the extent of all its work areas fills the printable page with the
// same scale across and down, centred.

#include <QRectF>
#include <QSize>
#include <optional>

#include "platform/project/map_project.h"

class QImage;
class QPrinter;

namespace zv::prjview {

// The union of the rectangles of the project's work areas (map units);
// nothing when no item has an area with entities.
std::optional<QRectF> ProjectExtent(const MapProject& project);

// The window that shows `extent` whole and centred on a device of `size`
// pixels: the map point at the lower left corner and the pixels per map unit.
struct PageWindow {
  double originX = 0.0;
  double originY = 0.0;
  double factor = 1.0;
};
PageWindow FitExtent(const QRectF& extent, QSize size);

// The project drawn whole and centred on a white image of `size` pixels
// (the image stays white when the project has nothing to draw).
QImage ProjectImage(const MapProject& project, QSize size);

// Draws the project on the printer's page; false when there is nothing to
// draw or the printer cannot be started.
bool PrintProject(const MapProject& project, QPrinter& printer);

}  // namespace zv::prjview
