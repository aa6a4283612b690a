#include "framework/workbook/colours.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zv::workbook {

namespace {

constexpr std::uint32_t kDefaultPaletteRgb[64] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

struct Hls {
  double h, l, s;
};

Hls ToHls(double r, double g, double b) {
  const double maxC = std::max({r, g, b});
  const double minC = std::min({r, g, b});
  Hls hls{0.0, (maxC + minC) / 2.0, 0.0};
  const double delta = maxC - minC;
  if (delta == 0.0) return hls;
  hls.s = hls.l <= 0.5 ? delta / (maxC + minC) : delta / (2.0 - maxC - minC);
  if (maxC == r) hls.h = (g - b) / delta;
  else if (maxC == g) hls.h = 2.0 + (b - r) / delta;
  else hls.h = 4.0 + (r - g) / delta;
  hls.h /= 6.0;
  if (hls.h < 0) hls.h += 1.0;
  return hls;
}

double HueToChannel(double m1, double m2, double h) {
  if (h < 0) h += 1.0;
  if (h > 1) h -= 1.0;
  if (h < 1.0 / 6.0) return m1 + (m2 - m1) * h * 6.0;
  if (h < 0.5) return m2;
  if (h < 2.0 / 3.0) return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6.0;
  return m1;
}

std::uint32_t Channel(double v) {
  return static_cast<std::uint32_t>(std::clamp(std::lround(v * 255.0), 0L, 255L));
}

}  // namespace

std::uint32_t BgrFromRgb(std::uint32_t rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::uint32_t BgrFromHex(std::string_view hex) {
  if (hex.size() == 8) hex.remove_prefix(2);
  std::uint32_t rgb = 0;
  const auto result = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
  if (hex.size() != 6 || result.ec != std::errc() || result.ptr != hex.data() + hex.size()) return 0;
  return BgrFromRgb(rgb);
}

IndexedPalette::IndexedPalette() {
  for (std::uint32_t rgb : kDefaultPaletteRgb) bgr_.push_back(BgrFromRgb(rgb));
}

void IndexedPalette::Override(const std::vector<std::uint32_t>& bgrColours) {
  for (std::size_t i = 0; i < bgrColours.size() && i < bgr_.size(); ++i) bgr_[i] = bgrColours[i];
}

std::uint32_t IndexedPalette::Bgr(int index) const {
  if (index >= 0 && index < static_cast<int>(bgr_.size())) return bgr_[static_cast<std::size_t>(index)];
  return index == 65 ? 0xFFFFFF : 0x000000;
}

ThemeColours DefaultThemeColours() {
  const std::uint32_t rgb[12] = {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D,
                                 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646, 0x0000FF, 0x800080};
  ThemeColours colours{};
  for (std::size_t i = 0; i < 12; ++i) colours[i] = BgrFromRgb(rgb[i]);
  return colours;
}

std::uint32_t ApplyTint(std::uint32_t bgr, double tint) {
  if (tint == 0.0) return bgr;
  const double r = (bgr & 0xFF) / 255.0;
  const double g = ((bgr >> 8) & 0xFF) / 255.0;
  const double b = ((bgr >> 16) & 0xFF) / 255.0;
  Hls hls = ToHls(r, g, b);
  hls.l = tint < 0 ? hls.l * (1.0 + tint) : hls.l * (1.0 - tint) + tint;
  hls.l = std::clamp(hls.l, 0.0, 1.0);
  double rr = hls.l, gg = hls.l, bb = hls.l;
  if (hls.s != 0.0) {
    const double m2 = hls.l <= 0.5 ? hls.l * (1.0 + hls.s) : hls.l + hls.s - hls.l * hls.s;
    const double m1 = 2.0 * hls.l - m2;
    rr = HueToChannel(m1, m2, hls.h + 1.0 / 3.0);
    gg = HueToChannel(m1, m2, hls.h);
    bb = HueToChannel(m1, m2, hls.h - 1.0 / 3.0);
  }
  return Channel(rr) | (Channel(gg) << 8) | (Channel(bb) << 16);
}

}  // namespace zv::workbook
