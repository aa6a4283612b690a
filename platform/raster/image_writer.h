#pragma once
// Draws a map into an image file in horizontal bands: each band is drawn
// into an image of its own and its rows go to the file's writer
// (row_encoder.h) before the next band is drawn, so memory stays at one
// band (about kBandBytes) whatever the image's size; an A0 sheet at 600 dpi
// (about 560 megapixels) needs no more than a small one. A GIF is drawn
// twice: first to count its colours (gif_palette.h), then to write it.
//
// Window: as a KernelDriver's (the map point at the image's lower left
// corner and the pixels per map unit). Each band is drawn with that window
// shifted by the rows above it, and draws what reaches into it from up to
// a cull margin outside, so strokes that cross a band's edge run on without
// a seam.
//
// The file is written to a temporary file and renamed over the target only
// when complete: a refusal (CheckImageSpec), a cancel or a failure leaves an
// existing file as it was.

#include <functional>
#include <string>

#include "platform/display/kernel_driver.h"
#include "platform/raster/raster_formats.h"

namespace zv::raster {

inline constexpr int64_t kBandBytes = 32 << 20;

struct ImageWindow {
  double originX = 0.0;
  double originY = 0.0;
  double factor = 1.0;  // pixels per map unit
};

// Draws the picture into a driver whose window is already set; called once
// per band (and pass).
using DrawFn = std::function<void(display::KernelDriver& driver)>;
// Told the rows done so far of all passes; false cancels.
using ProgressFn = std::function<bool(int64_t done, int64_t total)>;

enum class WriteResult { kWritten, kRefused, kCancelled, kFailed };

struct ImageJob {
  ImageSpec spec;
  ImageWindow window;
  DrawFn draw;
  ProgressFn progress;  // may be empty
  int bandRows = 0;     // 0: as many rows as kBandBytes holds
};

// Writes the image; the message says why when nothing was written.
WriteResult WriteImage(const std::string& path, const ImageJob& job, std::string* message);

}  // namespace zv::raster
