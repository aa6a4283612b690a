#include "platform/raster/image_writer.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/raster/gif_palette.h"
#include "platform/raster/row_encoder.h"

namespace zv::raster {

namespace {

// Pens, symbols and texts reach past an entity's extent: draw what lies up
// to this many pixels, or 10 map units, outside a band.
constexpr int kLeastCullPixels = 64;
constexpr double kCullMapUnits = 10.0;

// Draws the band of `rows` rows starting at `top` into `band` and packs its
// pixels as RGB rows into `rgb`.
void DrawBand(const ImageJob& job, QImage& band, int64_t top, int rows, std::vector<uint8_t>& rgb) {
  band.fill(Qt::white);
  {
    display::KernelDriver driver(band);
    const ImageWindow& w = job.window;
    // The band image's lower edge lies (height − top − band height) rows
    // above the whole image's; a last, shorter band uses its upper rows.
    const double rowsBelow = static_cast<double>(job.spec.height - top - band.height());
    driver.SetWindow(w.originX, w.originY + rowsBelow / w.factor, w.factor);
    const int margin = std::max(kLeastCullPixels, static_cast<int>(std::min(1e6, std::ceil(kCullMapUnits * w.factor))));
    driver.ClipToDevice(QRect(0, 0, band.width(), rows), margin);
    job.draw(driver);
  }
  const std::size_t width = static_cast<std::size_t>(band.width());
  rgb.resize(width * 3 * static_cast<std::size_t>(rows));
  uint8_t* out = rgb.data();
  for (int y = 0; y < rows; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(band.constScanLine(y));
    for (std::size_t x = 0; x < width; ++x) {
      *out++ = static_cast<uint8_t>(qRed(line[x]));
      *out++ = static_cast<uint8_t>(qGreen(line[x]));
      *out++ = static_cast<uint8_t>(qBlue(line[x]));
    }
  }
}

}  // namespace

WriteResult WriteImage(const std::string& path, const ImageJob& job, std::string* message) {
  const ImageSpec& spec = job.spec;
  if (std::string refusal = CheckImageSpec(spec); !refusal.empty()) {
    if (message) *message = std::move(refusal);
    return WriteResult::kRefused;
  }
  if (!std::isfinite(job.window.factor) || job.window.factor <= 0) {
    if (message) *message = "分辨率无效，没有生成图像。";
    return WriteResult::kRefused;
  }
  const int64_t budgetRows = std::max<int64_t>(1, kBandBytes / (spec.width * 4));
  const int bandRows = static_cast<int>(std::min<int64_t>(job.bandRows > 0 ? job.bandRows : budgetRows, spec.height));
  QImage band(static_cast<int>(spec.width), bandRows, QImage::Format_RGB32);
  if (band.isNull()) {
    if (message) *message = "内存不足，没有生成图像。";
    return WriteResult::kFailed;
  }
  const bool gif = spec.format == ImageFormat::kGif;
  const int64_t total = spec.height * (gif ? 2 : 1);
  int64_t done = 0;
  std::vector<uint8_t> rgb;
  auto cancelled = [&](int rows) {
    done += rows;
    if (!job.progress || job.progress(done, total)) return false;
    if (message) *message = "已取消，没有生成图像。";
    return true;
  };

  std::unique_ptr<GifPalette> palette;
  if (gif) {
    ColourCensus census;
    for (int64_t top = 0; top < spec.height; top += bandRows) {
      const int rows = static_cast<int>(std::min<int64_t>(bandRows, spec.height - top));
      DrawBand(job, band, top, rows, rgb);
      census.Add(rgb.data(), spec.width * rows);
      if (cancelled(rows)) return WriteResult::kCancelled;
    }
    palette = std::make_unique<GifPalette>(census);
  }

  std::unique_ptr<RowEncoder> encoder = OpenEncoder(path, spec, palette.get(), message);
  if (!encoder) return WriteResult::kFailed;
  for (int64_t top = 0; top < spec.height; top += bandRows) {
    const int rows = static_cast<int>(std::min<int64_t>(bandRows, spec.height - top));
    DrawBand(job, band, top, rows, rgb);
    if (!encoder->WriteRows(rgb.data(), rows)) break;
    if (cancelled(rows)) return WriteResult::kCancelled;
  }
  return encoder->Finish(message) ? WriteResult::kWritten : WriteResult::kFailed;
}

}  // namespace zv::raster
