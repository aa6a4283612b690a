#pragma once
// What a raster image is asked to be: its format, size in pixels, resolution
// and colour mode, and the sizes each format can hold. Every writer refuses
// a request that fails CheckImageSpec before it touches the target file.
//
// Limits (the largest side a file of the format can name, or a reader of it
// takes):
//   GIF  65,535 pixels a side (16-bit fields);
//   JPEG 65,500 pixels a side (libjpeg's own limit);
//   TIFF 65,535 pixels a side, and the uncompressed samples under 4 GiB, as a
//        classic TIFF's 32-bit offsets cannot address more;
//   NV1  65,535 pixels a side.
// The resolution must be finite and positive; JPEG files hold it as a whole
// number of dots per inch (1..65,535).

#include <cstdint>
#include <string>

namespace zv::raster {

enum class ImageFormat { kGif, kJpeg, kTiff, kNv1 };
enum class ColourMode { kRgb, kCmyk };

struct ImageSpec {
  ImageFormat format = ImageFormat::kGif;
  int64_t width = 0;
  int64_t height = 0;
  double dpi = 300.0;
  ColourMode colour = ColourMode::kRgb;  // GIF is always RGB
};

// The user's message when the request cannot be written, else empty.
std::string CheckImageSpec(const ImageSpec& spec);

// The largest side of the format, in pixels.
int64_t LargestSide(ImageFormat format);

// "GIF", "JPEG", "TIFF", "NV1".
const char* FormatName(ImageFormat format);

// Samples per pixel of the stored image: 3 for RGB, 4 for CMYK.
inline int Channels(ColourMode colour) { return colour == ColourMode::kCmyk ? 4 : 3; }

}  // namespace zv::raster
