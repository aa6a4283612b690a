#pragma once
// Where the side strip's tabs go: tabs along the bottom of the strip, each
// as wide as its caption (+ 18 with an icon, + 6), all squeezed to an equal
// share when they do not fit; and a caption cut to the room it has
// (pairs of characters dropped, at most ten times, then "...").

#include <functional>
#include <string>
#include <vector>

namespace zv::chrome {

struct TabRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom inclusive
  friend bool operator==(const TabRect&, const TabRect&) = default;
};

// The page area of a strip's client rectangle (tabs at the bottom).
TabRect StripPageRect(const TabRect& client);

// The tab rectangles in the strip's window rectangle (client coordinates)
// for the tabs' natural widths.
std::vector<TabRect> LayoutTabs(const TabRect& window, const std::vector<int>& naturalWidths);

// A tab's natural width for its caption's width.
int NaturalTabWidth(int captionWidth, bool hasIcon);

// The caption shown in `room` pixels, `widthOf` measuring a text.
std::u32string CutCaption(std::u32string caption, int room, const std::function<int(const std::u32string&)>& widthOf);

}  // namespace zv::chrome
