#include "platform/raster/row_encoder.h"

namespace zv::raster {

std::unique_ptr<RowEncoder> OpenEncoder(const std::string& path, const ImageSpec& spec, const GifPalette* palette,
                                        std::string* error) {
  if (const std::string refusal = CheckImageSpec(spec); !refusal.empty()) {
    if (error) *error = refusal;
    return nullptr;
  }
  switch (spec.format) {
    case ImageFormat::kGif:
      if (palette) return OpenGifEncoder(path, spec, *palette, error);
      break;
    case ImageFormat::kJpeg: return OpenJpegEncoder(path, spec, error);
    case ImageFormat::kTiff: return OpenTiffEncoder(path, spec, error);
    case ImageFormat::kNv1: return OpenNv1Encoder(path, spec, error);
  }
  if (error) *error = "GIF图像缺少调色板。";
  return nullptr;
}

}  // namespace zv::raster
