#pragma once
// Independent read-back of the images we write, through giflib, libjpeg and
// libtiff themselves: size, resolution, samples, and the pixels as rows.

#include <cstdint>
#include <string>
#include <vector>

namespace zv::test {

struct ReadImage {
  bool ok = false;
  int width = 0;
  int height = 0;
  int channels = 0;   // samples per pixel as stored (GIF: 3 after the palette)
  double dpi = 0;     // 0 when the file has none
  int paletteSize = 0;  // GIF only
  std::vector<uint8_t> samples;  // rows top to bottom, as stored
  const uint8_t* At(int x, int y) const {
    return samples.data() + (static_cast<std::size_t>(y) * width + x) * channels;
  }
};

ReadImage ReadGif(const std::string& path);
ReadImage ReadJpeg(const std::string& path);
ReadImage ReadTiff(const std::string& path);

}  // namespace zv::test
