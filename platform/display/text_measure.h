#pragma once
// The platform's text measures. A text's width is counted in character
// cells: a Chinese character takes a full cell (the character width w), an
// ASCII character half a cell, so a horizontal text with spacing g is
// DspTextLength(text, layout, 0) * w + (DspTextCharCount(text) - 1) * g long.
// The measures count the text as it stands: the text codes "#+", "#-", "#="
// count like any other characters (callers that skip them subtract them).

#include <cstdint>
#include <string_view>

namespace zv::display {

// Direction of a measure: along the text's line, or down a vertical text,
// where every character takes one full cell of the character height.
enum TextDirection : int { kAlongX = 0, kAlongY = 1 };

// Width in character cells. `layout` is the 32-bit value of the point record
// that holds the Chinese and the western font numbers; the cells do not
// depend on the fonts.
double DspTextLength(std::string_view utf8, std::uint32_t layout, int direction);

// The number of characters; every character counts one.
int DspTextCharCount(std::string_view utf8);

// DspTextLength along x, for callers that have no layout value.
double DspStringWidth(std::string_view utf8);

// The same measure under the names other callers use.
inline double DspTextWidth(std::string_view utf8, std::uint32_t layout, int direction) {
  return DspTextLength(utf8, layout, direction);
}
inline double DspTextWidthUnits(std::string_view utf8, std::uint32_t layout, int direction) {
  return DspTextLength(utf8, layout, direction);
}

}  // namespace zv::display
