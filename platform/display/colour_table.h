#pragma once
// The colour table of the system library: colour numbers 1 .. count - 1 with
// their RGB values; CMYK follows from RGB.
//
// File "colortable.txt" (ours; plain ASCII text):
//   line 1      "ZVCOLOR 1"
//   then        one line per colour number: "number red green blue", each
//               value 0 .. 255, numbers 1 .. 32767 in any order;
//               lines that start with "#" and blank lines are ignored.
// The count is the highest number + 1; a number the file does not list is
// black. Colour 0 is no colour: it reads as white.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zv::display {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
  bool operator==(const Rgb&) const = default;
};

// In the order the platform's colour call delivers them: K, C, M, Y (0 .. 255).
struct Kcmy {
  int k = 0;
  int c = 0;
  int m = 0;
  int y = 0;
};

// The colour a number draws in. Colour 0 is no colour, yet many records
// carry it: texts, lines, circles and sub-graph strokes of colour 0 draw in
// colour 1, so they show on a white map; a region fill of colour 0 is no
// fill. Every drawing and the colour calls follow this one rule.
inline long DrawnColour(long colour) { return colour == 0 ? 1 : colour; }

// Removes the grey part as black: K = 255 - max(R, G, B), the rest scaled to
// what is left.
Kcmy RgbToKcmy(Rgb rgb);

class ColourTable {
 public:
  // A small table of the sixteen basic colours, used when the library's table
  // cannot be read.
  static ColourTable Plain();

  // Parses the text of a colour table file; nullopt and a reason when the text
  // is not one.
  static std::optional<ColourTable> Parse(std::string_view text, std::string* error);

  int Count() const { return static_cast<int>(rgb_.size()); }
  bool Has(long number) const;
  Rgb ToRgb(long number) const;
  Kcmy ToKcmy(long number) const { return RgbToKcmy(ToRgb(number)); }

  // The colour number whose RGB is nearest (squared distance), the lowest
  // number on a tie.
  int Nearest(Rgb rgb) const;

 private:
  std::vector<Rgb> rgb_;       // index = number
  std::vector<bool> defined_;  // number listed by the file
  std::unordered_map<std::uint32_t, int> exact_;
};

}  // namespace zv::display
