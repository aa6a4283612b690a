#pragma once
// Colours of workbook files resolved to the object model's 0x00BBGGRR:
// explicit ARGB, the indexed palette and theme colours with their tint.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zv::workbook {

// RRGGBB as the file writes it -> 0x00BBGGRR.
std::uint32_t BgrFromRgb(std::uint32_t rgb);

// "FFRRGGBB" or "RRGGBB" -> 0x00BBGGRR; 0 (black) for text that is no colour.
std::uint32_t BgrFromHex(std::string_view hex);

// The workbook's indexed palette (the default one unless the file has its own).
class IndexedPalette {
 public:
  IndexedPalette();
  void Override(const std::vector<std::uint32_t>& bgrColours);
  // Index 64 is the system text colour (black), 65 the window colour (white).
  std::uint32_t Bgr(int index) const;

 private:
  std::vector<std::uint32_t> bgr_;
};

// The twelve colours of a theme in the order of a cell's theme index
// (light 1, dark 1, light 2, dark 2, accents 1-6, hyperlink, followed link).
using ThemeColours = std::array<std::uint32_t, 12>;
ThemeColours DefaultThemeColours();

// A tint from -1 (darker) to 1 (lighter) applied to the lightness.
std::uint32_t ApplyTint(std::uint32_t bgr, double tint);

}  // namespace zv::workbook
