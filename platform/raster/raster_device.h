#pragma once
// The rasterising device: the resolution and colour mode that raster print
// files (NV1) are made with. One for the program, kept while it runs,
// 300 dpi RGB at start; its dialog edits it.

#include "platform/raster/raster_formats.h"

namespace zv::raster {

struct RasterDevice {
  double dpi = 300.0;
  ColourMode colour = ColourMode::kRgb;
};

inline RasterDevice& CurrentRasterDevice() {
  static RasterDevice device;
  return device;
}

}  // namespace zv::raster
