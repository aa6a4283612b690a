#pragma once
// The import sink that writes into the platform's point, line and region
// work areas: each entity is appended with the platform's current default
// parameters of its kind, filled in place with what the DXF entity gives,
// and gets the three DXF attributes.

#include <functional>

#include "exchange/dxf/dxf_import_sink.h"
#include "platform/data/work_area.h"

namespace zv::dxf {

inline constexpr const char* kEntityNameField = "DXF图元名";
inline constexpr const char* kLayerNameField = "DXF图层名";
inline constexpr const char* kElevationField = "高程";

// The platform colour number nearest to an RGB value 0xRRGGBB.
using RgbToColourNumber = std::function<int32_t(uint32_t rgb)>;

// The DXF attribute structure ("ID" in front, then "DXF图元名" and
// "DXF图层名" as 50-character strings and "高程" as a double of 15 digits
// with 6 decimals) given to the area's entities (a region area's regions).
void SetDxfAttributeStructure(WorkAreaHandle area);

// The display library's nearest colour number (DspRgbToColorIndex).
int32_t DisplayNearestColour(uint32_t rgb);

// The platform colour of a DXF colour: the nearest colour number, 9 taken
// as 1.
int32_t DxfColourNumber(uint32_t rgb, const RgbToColourNumber& nearest);
// The fill colour of a region: as DxfColourNumber, then 1 and 9 swapped.
int32_t DxfRegionColourNumber(uint32_t rgb, const RgbToColourNumber& nearest);

struct DxfTargets {
  WorkAreaHandle point = 0;
  WorkAreaHandle line = 0;
  WorkAreaHandle region = 0;
};

class DxfWorkAreaSink : public DxfImportSink {
 public:
  explicit DxfWorkAreaSink(DxfTargets targets, RgbToColourNumber nearest = DisplayNearestColour);

  // Empties the three areas and gives them the DXF attribute structure.
  void BeginImport() override;
  void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                  const DxfEntityAttributes& attributes) override;
  void AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) override;
  // Each arc is a line of the region area with the current default line
  // parameters and its curve flag; the region's arc list names them ring by
  // ring, 0 between rings (the library computes entry 0).
  void AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                    const DxfEntityAttributes& attributes) override;

 private:
  void WriteAttributes(WorkAreaHandle area, int entityType, int32_t id, const DxfEntityAttributes& attributes);

  DxfTargets targets_;
  RgbToColourNumber nearest_;
};

}  // namespace zv::dxf
