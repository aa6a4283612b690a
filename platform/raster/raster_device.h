#pragma once
// The rasterising device: the resolution and colour mode that raster print
// files (NV1) are made with, 300 dpi RGB unless the settings say otherwise.

#include "platform/raster/raster_formats.h"

namespace zv::raster {

struct RasterDevice {
  double dpi = 300.0;
  ColourMode colour = ColourMode::kRgb;
};

}  // namespace zv::raster
