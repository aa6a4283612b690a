#pragma once
// RGB ↔ CMYK by the plain device formula, without colour management:
//   K = 255 − max(R, G, B);
//   C = (255 − R − K) · 255 / (255 − K), likewise M from G and Y from B
//   (C = M = Y = 0 for black, K = 255);
// and back R = (255 − C) · (255 − K) / 255, rounded. Pure red (255, 0, 0)
// gives C 0, M 255, Y 255, K 0; white gives all 0. 0 is no ink, 255 full ink.

#include <cstdint>

namespace zv::raster {

struct Cmyk {
  uint8_t c = 0, m = 0, y = 0, k = 0;
  friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

inline Cmyk ToCmyk(uint8_t r, uint8_t g, uint8_t b) {
  const int most = r > g ? (r > b ? r : b) : (g > b ? g : b);
  const int k = 255 - most;
  if (most == 0) return {0, 0, 0, 255};
  auto ink = [&](int v) { return static_cast<uint8_t>(((255 - v - k) * 255 + most / 2) / most); };
  return {ink(r), ink(g), ink(b), static_cast<uint8_t>(k)};
}

inline uint8_t InkToRgb(uint8_t ink, uint8_t k) { return static_cast<uint8_t>(((255 - ink) * (255 - k) + 127) / 255); }

// RGB rows (3 bytes a pixel) to CMYK rows (4 bytes a pixel).
inline void RgbToCmykRow(const uint8_t* rgb, uint8_t* cmyk, int64_t pixels) {
  for (int64_t i = 0; i < pixels; ++i, rgb += 3, cmyk += 4) {
    const Cmyk c = ToCmyk(rgb[0], rgb[1], rgb[2]);
    cmyk[0] = c.c;
    cmyk[1] = c.m;
    cmyk[2] = c.y;
    cmyk[3] = c.k;
  }
}

}  // namespace zv::raster
