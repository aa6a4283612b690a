#pragma once
// Places the characters of a text in their cells, before any font is chosen.
// Text space: map units relative to the insertion point, x along the text, y
// up, before the text's angle is applied.
//   - A Chinese character (two bytes in GBK) takes a cell of the character
//     width w, an ASCII character one of w / 2; the spacing g follows every
//     character but the last, so a plain text is DspTextLength * w +
//     (DspTextCharCount - 1) * g long.
//   - Horizontal texts sit on the insertion point (it is the lower left
//     corner of the first cell). Vertical texts hang from it: each character
//     takes one cell of height h, the next h + g lower.
//   - "#+" raises and "#-" lowers the characters after it (at 0.6 of the
//     size), "#=" returns to normal; the codes take no room.
//   - "/a/b/" is a two-level label: a above b, each at half size, in the room
//     of the longer of the two.
//   - A text block fills lines of the box width from the top left corner of
//     its box down, one line every h + line spacing; a line breaks before a
//     character that would pass the box width, and at a line feed.

#include <string>
#include <string_view>
#include <vector>

namespace zv::display {

struct TextStyle {
  double height = 3.0;   // h
  double width = 3.0;    // w
  double spacing = 0.0;  // g
  double angle = 0.0;    // degrees, anticlockwise
  int slant = 0;         // 0 upright; 1 and 2 the two italic forms
  bool vertical = false;
  bool block = false;    // a text block wrapped in its box
  double boxWidth = 0.0;
  double lineSpacing = 0.0;
};

struct GlyphCell {
  std::string text;  // one character
  bool fullWidth = false;
  double x = 0.0;    // lower left corner of the cell, text space
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;
};

struct TextLayout {
  std::vector<GlyphCell> cells;
  double width = 0.0;  // extent along x
  double height = 0.0; // extent along y
  int lineCount = 0;
  int characterCount = 0;  // characters placed; a two-level label counts one
};

TextLayout LayoutText(std::string_view utf8, const TextStyle& style);

}  // namespace zv::display
