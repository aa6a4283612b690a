#include "app/chrome/tab_geometry.h"

namespace zv::chrome {
namespace {

constexpr int kIconExtra = 18;
constexpr int kTabPadding = 6;
constexpr int kBandHeight = 22;
constexpr int kMaxCuts = 10;

}  // namespace

TabRect StripPageRect(const TabRect& c) { return {c.left - 2, c.top - 2, c.right + 2, c.bottom - 21}; }

int NaturalTabWidth(int captionWidth, bool hasIcon) { return captionWidth + (hasIcon ? kIconExtra : 0) + kTabPadding; }

std::vector<TabRect> LayoutTabs(const TabRect& window, const std::vector<int>& natural) {
  std::vector<TabRect> tabs;
  if (natural.empty()) return tabs;
  const int left = window.left + 2;
  const int right = window.right - 2;
  const int bottom = window.bottom - 1;
  const int top = bottom - kBandHeight;
  const int equal = (right - left) / static_cast<int>(natural.size());
  int x = left;
  for (int width : natural) {
    tabs.push_back({x, top, x + width - 1, bottom});
    x += width;
  }
  if (x <= right) return tabs;
  // Too wide: a tab wider than the one before it is cut to the equal share.
  tabs.clear();
  x = left;
  int previous = natural.back();
  for (int width : natural) {
    if (width > previous) width = equal;
    tabs.push_back({x, top, x + width, bottom});
    x += width + 1;
    previous = width;
  }
  return tabs;
}

std::u32string CutCaption(std::u32string caption, int room, const std::function<int(const std::u32string&)>& widthOf) {
  bool cut = false;
  for (int i = 0; i < kMaxCuts && !caption.empty() && widthOf(caption) > room; ++i) {
    caption.resize(caption.size() >= 2 ? caption.size() - 2 : 0);
    cut = true;
  }
  if (!cut) return caption;
  caption.resize(caption.size() >= 2 ? caption.size() - 2 : 0);
  return caption + U"...";
}

}  // namespace zv::chrome
