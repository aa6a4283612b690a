#pragma once
// The platform's font numbers and the installed families that stand in for
// them (Debian fonts-noto-cjk and fonts-arphic-ukai):
//   1 宋体 Song      -> Noto Serif CJK SC
//   2 仿宋 FangSong  -> Noto Serif CJK SC (no FangSong face is installed)
//   3 黑体 Hei       -> Noto Sans CJK SC
//   4 楷体 Kai       -> AR PL UKai CN
//   any other number -> as 1.
// The layout value of a point record holds the Chinese font number in its low
// 16 bits and the western font number in its high 16 bits; a western number of
// 0 takes the Chinese font.

#include <QString>
#include <cstdint>

namespace zv::display {

QString FontFamily(int fontNumber);

// The font numbers in a layout value.
inline int ChineseFontOf(std::uint32_t layout) { return static_cast<int>(layout & 0xFFFF); }
inline int WesternFontOf(std::uint32_t layout) {
  const int western = static_cast<int>(layout >> 16);
  return western != 0 ? western : ChineseFontOf(layout);
}

}  // namespace zv::display
