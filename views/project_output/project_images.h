#pragma once
// The project drawn into images, raster print files and printed pages, with
// no questions asked: the commands (project_output_commands.h) ask first.
//
// Images and raster files are drawn in bands (platform/raster) with one
// renderer kept over all bands, under a cancellable progress; a cancel or a
// failure leaves an existing file untouched.
// Printing is at true size: one map unit (mm) is one millimetre of paper,
// over as many pages as the extent needs, row by row from the top left.

#include <string>
#include <vector>

#include "platform/project/map_project.h"
#include "platform/raster/image_writer.h"
#include "views/project_output/output_geometry.h"

class QPrinter;

namespace zv::output {

// Writes the project's image at `path`; the message says why when nothing
// was written.
raster::WriteResult WriteProjectImage(const MapProject& project, const std::string& path, raster::ImageFormat format,
                                      raster::ColourMode colour, double dpi, const ImageGeometry& geometry,
                                      std::string* message);

// The project's extent (its work areas' rectangles joined); an empty
// rectangle when it has none.
D_RECT ProjectRange(const MapProject& project);

// A JPEG (RGB) of every project in the folder tree (FindProjects) beside it,
// each opened as a project of its own and closed again, at true size with a
// margin of 5 on every side. Projects that cannot be read, and images that
// could not be written, are listed; a project without extent is passed over.
struct BatchReport {
  std::vector<std::string> written;
  std::vector<std::string> unreadable;
  std::vector<std::string> failed;  // messages
  bool cancelled = false;
};
BatchReport WriteFolderJpegs(const std::string& root, double dpi);

// Prints `extent` of the project at true size; false with the message when
// nothing was printed (no extent, too many pages, the printer would not
// start).
bool PrintTrueSize(const MapProject& project, const D_RECT& extent, QPrinter& printer, std::string* message);

// Prints an NV1 raster file at true size (its pixels at its resolution).
bool PrintRasterFile(const std::string& path, QPrinter& printer, std::string* message);

}  // namespace zv::output
