#pragma once
// The colour table of a GIF image. A first pass over the picture counts its
// colours (ColourCensus); the palette then is
//   - exact when the picture has at most 256 distinct colours: those colours,
//     each pixel stored as itself;
//   - else a median cut: the colours, reduced to 5 bits a channel (32,768
//     cells, counted by pixels), are split into 256 boxes, each time the box
//     with the widest channel range along that channel at its pixel median;
//     each box gives the pixel-weighted mean of its colours, and each pixel
//     takes the entry of its cell's nearest colour. No dithering, so flat map
//     areas stay flat.
// Memory is fixed whatever the picture's size: a 32,768-cell histogram and at
// most 257 exact colours.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace zv::raster {

struct PaletteColour {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const PaletteColour&, const PaletteColour&) = default;
};

class ColourCensus {
 public:
  ColourCensus();
  // Counts `pixels` RGB pixels (3 bytes each).
  void Add(const uint8_t* rgb, int64_t pixels);
  // The distinct colours while there are at most 256 of them.
  bool Exact() const { return exact_.size() <= 256; }
  const std::vector<uint32_t>& ExactColours() const { return exact_; }
  const std::vector<uint64_t>& Cells() const { return cells_; }

 private:
  std::vector<uint32_t> exact_;  // 0xRRGGBB, sorted; stops growing past 256
  std::vector<uint64_t> cells_;  // pixel counts of the 5-bit cells
};

class GifPalette {
 public:
  explicit GifPalette(const ColourCensus& census);
  bool exact() const { return exact_; }
  const std::vector<PaletteColour>& colours() const { return colours_; }
  // The palette entry of a colour.
  uint8_t IndexOf(uint8_t r, uint8_t g, uint8_t b) const;

 private:
  bool exact_ = true;
  std::vector<PaletteColour> colours_;
  std::unordered_map<uint32_t, uint8_t> exactIndex_;
  std::vector<uint8_t> cellIndex_;  // 32,768 entries when quantised
};

}  // namespace zv::raster
