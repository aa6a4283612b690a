#pragma once
// Writers of one image file, fed its rows from top to bottom as RGB bytes
// (3 a pixel) and converting them to the file's colour mode. Each writes to
// a temporary file beside the target (framework/fileio) and renames it over
// the target only in Finish, after every row came and was written: a writer
// destroyed before Finish, or one whose Finish fails, leaves an existing
// file untouched and no temporary file behind.
//
// The files:
//   GIF  GIF89a, one image, the palette of gif_palette.h, not interlaced;
//   JPEG baseline, quality 90, the resolution in the JFIF header (dots per
//        inch, rounded). CMYK files carry the Adobe marker and store each
//        sample inverted (255 − ink), as the readers that follow that marker
//        expect; the JFIF header is kept for them too, for its resolution;
//   TIFF strips, LZW, RGB or CMYK (ink set CMYK, 0 no ink), the resolution
//        in dots per inch;
//   NV1  nv1_file.h.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/raster/gif_palette.h"
#include "platform/raster/raster_formats.h"

namespace zv::raster {

class RowEncoder {
 public:
  virtual ~RowEncoder() = default;
  // `rows` rows of spec.width RGB pixels, one after the other. False once a
  // write failed (Finish then says why).
  virtual bool WriteRows(const uint8_t* rgb, int rows) = 0;
  // Ends the file and puts it in place; false with the user's message.
  virtual bool Finish(std::string* error) = 0;
};

// Opens the writer of the spec's format at `path` (the palette is needed for
// GIF only). Null with the message when the temporary file cannot be made or
// the spec is refused (CheckImageSpec).
std::unique_ptr<RowEncoder> OpenEncoder(const std::string& path, const ImageSpec& spec,
                                        const GifPalette* palette, std::string* error);

std::unique_ptr<RowEncoder> OpenGifEncoder(const std::string& path, const ImageSpec& spec,
                                           const GifPalette& palette, std::string* error);
std::unique_ptr<RowEncoder> OpenJpegEncoder(const std::string& path, const ImageSpec& spec, std::string* error);
std::unique_ptr<RowEncoder> OpenTiffEncoder(const std::string& path, const ImageSpec& spec, std::string* error);
std::unique_ptr<RowEncoder> OpenNv1Encoder(const std::string& path, const ImageSpec& spec, std::string* error);

}  // namespace zv::raster
