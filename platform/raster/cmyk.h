#pragma once
// CMYK samples of the images, by the colour table's plain device formula
// (display::RgbToKcmy, no colour management): K = 255 − max(R, G, B), the
// rest scaled to what is left; pure red (255, 0, 0) gives C 0, M 255, Y 255,
// K 0, white all 0. 0 is no ink, 255 full ink. Back to RGB:
// R = (255 − C) · (255 − K) / 255, rounded.

#include <cstdint>

#include "platform/display/colour_table.h"

namespace zv::raster {

inline uint8_t InkToRgb(uint8_t ink, uint8_t k) { return static_cast<uint8_t>(((255 - ink) * (255 - k) + 127) / 255); }

// RGB rows (3 bytes a pixel) to CMYK rows (4 bytes a pixel, C M Y K).
inline void RgbToCmykRow(const uint8_t* rgb, uint8_t* cmyk, int64_t pixels) {
  for (int64_t i = 0; i < pixels; ++i, rgb += 3, cmyk += 4) {
    const display::Kcmy c = display::RgbToKcmy({rgb[0], rgb[1], rgb[2]});
    cmyk[0] = static_cast<uint8_t>(c.c);
    cmyk[1] = static_cast<uint8_t>(c.m);
    cmyk[2] = static_cast<uint8_t>(c.y);
    cmyk[3] = static_cast<uint8_t>(c.k);
  }
}

}  // namespace zv::raster
