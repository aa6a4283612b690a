#include "exchange/dxf/dxf_colour.h"

#include <array>

namespace zv::dxf {
namespace {

uint32_t Pack(int r, int g, int b) {
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

// Rows 10..249: 24 hues 15° apart; within a hue five brightness levels, each
// as a full colour (even rows) and a half-saturated one (odd rows).
uint32_t HueRow(int aci) {
  static constexpr int kBrightness[5] = {255, 204, 153, 127, 76};
  const int hue = (aci - 10) / 10;
  const int step = (aci - 10) % 10;
  const int top = kBrightness[step / 2];
  const int bottom = step % 2 ? top / 2 : 0;
  const int sector = hue / 4;
  const double f = (hue % 4) / 4.0;
  const auto mix = [&](double t) { return bottom + static_cast<int>((top - bottom) * t); };
  const int rising = mix(f);
  const int falling = mix(1.0 - f);
  switch (sector) {
    case 0: return Pack(top, rising, bottom);
    case 1: return Pack(falling, top, bottom);
    case 2: return Pack(bottom, top, rising);
    case 3: return Pack(bottom, falling, top);
    case 4: return Pack(rising, bottom, top);
    default: return Pack(top, bottom, falling);
  }
}

std::array<uint32_t, 256> BuildAciTable() {
  std::array<uint32_t, 256> t{};
  static constexpr uint32_t kFirstRows[10] = {0xFFFFFF, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                              0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
  static constexpr int kGreys[6] = {51, 91, 132, 173, 214, 255};
  for (int i = 0; i < 10; ++i) t[i] = kFirstRows[i];
  for (int i = 10; i < 250; ++i) t[i] = HueRow(i);
  for (int i = 0; i < 6; ++i) t[250 + i] = Pack(kGreys[i], kGreys[i], kGreys[i]);
  return t;
}

}  // namespace

std::optional<DxfColour> EntityColourFromAci(int32_t value) {
  if (value == 0) return DxfColour::ByBlock();
  if (value == 256) return DxfColour::ByLayer();
  if (value >= 1 && value <= 255) return DxfColour::Aci(value);
  return std::nullopt;
}

uint32_t AciToRgb(int32_t aci) {
  static const std::array<uint32_t, 256> table = BuildAciTable();
  if (aci < 0 || aci > 255) return 0xFFFFFF;
  return table[static_cast<std::size_t>(aci)];
}

uint32_t ColourToRgb(const DxfColour& colour) {
  switch (colour.kind) {
    case DxfColour::Kind::Aci: return AciToRgb(colour.value);
    case DxfColour::Kind::Rgb: return static_cast<uint32_t>(colour.value) & 0xFFFFFF;
    default: return 0xFFFFFF;
  }
}

DxfColour ResolveColour(const std::optional<DxfColour>& own, const DxfColour& layerColour,
                        const std::optional<DxfColour>& blockColour) {
  if (!own || own->kind == DxfColour::Kind::ByLayer) return layerColour;
  if (own->kind == DxfColour::Kind::ByBlock) return blockColour ? *blockColour : layerColour;
  return *own;
}

int32_t ResolveWeight(const std::optional<int32_t>& own, int32_t layerWeight,
                      const std::optional<int32_t>& blockWeight) {
  const int32_t layer = layerWeight < 0 ? kDefaultWeight : layerWeight;
  if (!own || *own == kWeightByLayer) return layer;
  if (*own == kWeightByBlock) return blockWeight ? *blockWeight : layer;
  if (*own < 0) return kDefaultWeight;
  return *own;
}

}  // namespace zv::dxf
