#pragma once
// The platform's text measures. A text's width is counted in character
// cells: a Chinese character takes a full cell (the character width w), an
// ASCII character half a cell, so a horizontal text with spacing g is
// DspTextLength(text, layout, 0) * w + (DspTextCharCount(text) - 1) * g long.
//
// Text codes: by default the measures follow the drawing (TextCodes::kAsDrawn):
// "#+", "#-" and "#=" take no room and are no characters, the characters
// they raise or lower take 0.6 of a cell, and a two-level label "/a/b/"
// takes the room of its longer level at half size and counts as one
// character. So the formula above gives the extent of the drawn text, which
// is what centring, aligning and fitting texts rely on. Vertical texts draw
// no two-level labels: down a vertical text every character placed takes a
// cell, so its character count there is DspTextLength(text, layout, 1).
// TextCodes::kAsWritten measures the text as it stands: every character one,
// at its full cell, codes and slashes included. Callers that take the codes
// out themselves use it: the slant split advances by
//   (DspTextLength(piece, layout, 0) + factor) * w +
//   (DspTextCharCount(piece, kAsWritten) - 2 * count of "#" - 1) * g,
// its length as drawn and its count as written.

#include <cstdint>
#include <string_view>

namespace zv::display {

// Direction of a measure: along the text's line, or down a vertical text,
// where every character takes one full cell of the character height.
enum TextDirection : int { kAlongX = 0, kAlongY = 1 };

enum class TextCodes { kAsDrawn, kAsWritten };

// Width in character cells. `layout` is the 32-bit value of the point record
// that holds the Chinese and the western font numbers; the cells do not
// depend on the fonts.
double DspTextLength(std::string_view utf8, std::uint32_t layout, int direction,
                     TextCodes codes = TextCodes::kAsDrawn);

// The number of characters.
int DspTextCharCount(std::string_view utf8, TextCodes codes = TextCodes::kAsDrawn);

// DspTextLength along x, for callers that have no layout value.
double DspStringWidth(std::string_view utf8, TextCodes codes = TextCodes::kAsDrawn);

// The same measure under the names other callers use.
inline double DspTextWidth(std::string_view utf8, std::uint32_t layout, int direction,
                           TextCodes codes = TextCodes::kAsDrawn) {
  return DspTextLength(utf8, layout, direction, codes);
}
inline double DspTextWidthUnits(std::string_view utf8, std::uint32_t layout, int direction,
                                TextCodes codes = TextCodes::kAsDrawn) {
  return DspTextLength(utf8, layout, direction, codes);
}

}  // namespace zv::display
