#include "platform/raster/raster_formats.h"

#include <cmath>

namespace zv::raster {

namespace {

// Classic TIFF addresses its strips with 32-bit offsets.
constexpr int64_t kLargestTiffBytes = (int64_t{1} << 32) - (int64_t{1} << 20);

}  // namespace

int64_t LargestSide(ImageFormat format) { return format == ImageFormat::kJpeg ? 65500 : 65535; }

const char* FormatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::kGif: return "GIF";
    case ImageFormat::kJpeg: return "JPEG";
    case ImageFormat::kTiff: return "TIFF";
    case ImageFormat::kNv1: return "NV1";
  }
  return "";
}

std::string CheckImageSpec(const ImageSpec& spec) {
  if (!std::isfinite(spec.dpi) || spec.dpi <= 0 || (spec.format == ImageFormat::kJpeg && spec.dpi > 65535))
    return "分辨率无效，没有生成图像。";
  if (spec.width < 1 || spec.height < 1) return "图形范围为空，没有生成图像。";
  const int64_t side = LargestSide(spec.format);
  if (spec.width > side || spec.height > side) {
    return std::string("图像太大：") + FormatName(spec.format) + "图像每边最多 " + std::to_string(side) +
           " 像素，所需为 " + std::to_string(spec.width) + " × " + std::to_string(spec.height) +
           " 像素。请降低分辨率。";
  }
  if (spec.format == ImageFormat::kTiff && spec.width * spec.height * Channels(spec.colour) > kLargestTiffBytes)
    return "图像太大：TIFF图像的数据不能超过 4 GB。请降低分辨率。";
  return {};
}

}  // namespace zv::raster
