#include "tests/platform/raster/image_readers.h"

#include <gif_lib.h>
#include <tiffio.h>

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace zv::test {

ReadImage ReadGif(const std::string& path) {
  ReadImage image;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif) return image;
  if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
    const ColorMapObject* map = gif->SavedImages[0].ImageDesc.ColorMap ? gif->SavedImages[0].ImageDesc.ColorMap
                                                                         : gif->SColorMap;
    image.width = gif->SWidth;
    image.height = gif->SHeight;
    image.channels = 3;
    image.paletteSize = map ? map->ColorCount : 0;
    const GifByteType* raster = gif->SavedImages[0].RasterBits;
    for (int i = 0; map && i < image.width * image.height; ++i) {
      const GifColorType c = map->Colors[raster[i]];
      image.samples.insert(image.samples.end(), {c.Red, c.Green, c.Blue});
    }
    image.ok = map != nullptr;
  }
  DGifCloseFile(gif, &error);
  return image;
}

namespace {
struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};
void JumpOut(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }

bool DecodeJpeg(FILE* file, ReadImage& image) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOut;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  image.channels = info.output_components;
  image.dpi = info.density_unit == 1 && info.X_density == info.Y_density ? info.X_density : 0;
  image.samples.resize(static_cast<std::size_t>(image.width) * image.height * image.channels);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.samples.data() + static_cast<std::size_t>(info.output_scanline) * image.width * image.channels;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}
}  // namespace

ReadImage ReadJpeg(const std::string& path) {
  ReadImage image;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return image;
  image.ok = DecodeJpeg(file, image);
  std::fclose(file);
  return image;
}

ReadImage ReadTiff(const std::string& path) {
  ReadImage image;
  TIFF* tiff = TIFFOpen(path.c_str(), "r");
  if (!tiff) return image;
  uint32_t width = 0, height = 0;
  uint16_t spp = 0, unit = 0;
  float xres = 0;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetField(tiff, TIFFTAG_SAMPLESPERPIXEL, &spp);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_RESOLUTIONUNIT, &unit);
  if (TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &xres) && unit == RESUNIT_INCH) image.dpi = xres;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  image.channels = spp;
  image.samples.resize(static_cast<std::size_t>(width) * height * spp);
  image.ok = true;
  for (uint32_t y = 0; y < height && image.ok; ++y)
    image.ok = TIFFReadScanline(tiff, image.samples.data() + static_cast<std::size_t>(y) * width * spp, y, 0) == 1;
  TIFFClose(tiff);
  return image;
}

}  // namespace zv::test
