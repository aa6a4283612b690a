#pragma once
// DXF colours and line weights as entities and layers give them, and how an
// entity's own value combines with its layer's.

#include <cstdint>
#include <optional>

namespace zv::dxf {

// A colour group of an entity or a layer: an AutoCAD Color Index number
// (group 62) or a 24-bit true colour 0xRRGGBB (group 420).
struct DxfColour {
  enum class Kind : uint8_t { Aci, Rgb, ByLayer, ByBlock };
  Kind kind = Kind::Aci;
  int32_t value = 7;

  static DxfColour Aci(int32_t n) { return {Kind::Aci, n}; }
  static DxfColour Rgb(int32_t rgb) { return {Kind::Rgb, rgb & 0xFFFFFF}; }
  static DxfColour ByLayer() { return {Kind::ByLayer, 256}; }
  static DxfColour ByBlock() { return {Kind::ByBlock, 0}; }
  friend bool operator==(const DxfColour&, const DxfColour&) = default;
};

// Group 62 of an entity: 1..255 an ACI number, 256 BYLAYER, 0 BYBLOCK; any
// other value is no colour (nothing, so the previous value stays).
std::optional<DxfColour> EntityColourFromAci(int32_t value);

// The RGB value 0xRRGGBB of an ACI number (0..255; entry 0 is white); values
// outside the table give white.
uint32_t AciToRgb(int32_t aci);

// The RGB value of a resolved colour (Aci or Rgb); ByLayer and ByBlock, which
// callers resolve first, give white.
uint32_t ColourToRgb(const DxfColour& colour);

// An entity's colour: its own (when it has one and it is neither BYLAYER nor
// BYBLOCK), BYBLOCK the inserting reference's inside blocks (the layer's at
// top level, where `blockColour` is empty), otherwise the layer's.
DxfColour ResolveColour(const std::optional<DxfColour>& own, const DxfColour& layerColour,
                        const std::optional<DxfColour>& blockColour = std::nullopt);

// Line weights (group 370, hundredths of a millimetre): −1 BYLAYER, −2
// BYBLOCK, −3 the default (10).
inline constexpr int32_t kWeightByLayer = -1;
inline constexpr int32_t kWeightByBlock = -2;
inline constexpr int32_t kWeightDefault = -3;
inline constexpr int32_t kDefaultWeight = 10;

int32_t ResolveWeight(const std::optional<int32_t>& own, int32_t layerWeight,
                      const std::optional<int32_t>& blockWeight = std::nullopt);

}  // namespace zv::dxf
