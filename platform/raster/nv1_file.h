#pragma once
// NV1: our raster print file, a picture rasterised at a device resolution to
// be printed later at true size. Little-endian throughout:
//
//   offset  size  field
//   0       4     "NV1" followed by 0x1A
//   4       2     version, 1
//   6       2     samples per pixel: 3 RGB, 4 CMYK (cmyk.h; 0 no ink)
//   8       4     width in pixels (1..65,535)
//   12      4     height in pixels (1..65,535)
//   16      8     resolution in dots per inch (IEEE double, 1..2,400)
//   24            the rows, top to bottom: each a 32-bit byte count and then
//                 the row's samples (width × samples bytes, pixel by pixel)
//                 packed as PackBits runs: a control byte n of 0..127 copies
//                 the next n + 1 bytes, 129..255 repeats the next byte
//                 257 − n times, 128 is not used.
//
// The reader never trusts a count: a row must unpack to exactly its length.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/raster/raster_formats.h"

namespace zv::raster {

inline constexpr double kLowestPrintDpi = 1.0;
inline constexpr double kHighestPrintDpi = 2400.0;

struct Nv1Header {
  int channels = 3;
  int width = 0;
  int height = 0;
  double dpi = 0;
};

// PackBits; the unpack fails (false) unless `packed` gives exactly `length`
// bytes.
void PackBits(const uint8_t* bytes, std::size_t length, std::vector<uint8_t>* packed);
bool UnpackBits(const uint8_t* packed, std::size_t packedLength, uint8_t* out, std::size_t length);

// Reads an NV1 file row by row.
class Nv1Reader {
 public:
  // False with the user's message when the file cannot be read or is no NV1
  // file.
  bool Open(const std::string& path, std::string* error);
  const Nv1Header& header() const { return header_; }
  // The next row's samples (width × channels bytes); false with a message
  // when the file ends early or a row is damaged.
  bool ReadRow(std::vector<uint8_t>* samples, std::string* error);
  // Passes over the next row without unpacking it.
  bool SkipRow(std::string* error);

 private:
  std::string path_;
  std::ifstream in_;
  Nv1Header header_;
  bool ReadCount(uint32_t* packedLength, std::string* error);

  std::vector<uint8_t> packed_;
};

}  // namespace zv::raster
