#pragma once
// Where the DXF reader puts what it reads: the import into work areas is one
// sink, tests use one that records. Every entity comes with its platform
// parameters and the three attributes "DXF图元名", "DXF图层名" and "高程".

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::dxf {

struct DxfEntityAttributes {
  std::string nameText;   // "DXF图元名": line type, block name, text or pattern name
  std::string layerName;  // "DXF图层名"
  double elevation = 0;   // "高程"
};

// The line parameters the line writers set; everything else stays as the
// platform's current default line parameters have it.
struct DxfLineStyle {
  int16_t lineType = 1;    // from "cad_map.lin"
  uint32_t rgb = 0;        // the DXF colour as 0xRRGGBB; the sink finds the platform colour
  float penWidth = 0;      // millimetres
  uint8_t curveFlag = 0;   // 1 for splines
  int32_t layerNumber = 0; // the DXF layer's number in this reader
};

// The platform point kinds the import writes.
enum class DxfPointKind : uint8_t { Note = 0, SubGraph = 1, Circle = 2, TextBlock = 5 };

// One point with the parameters its kind uses; the others stay as the
// platform's current default of that kind has them.
struct DxfPoint {
  DxfPointKind kind = DxfPointKind::Note;
  D_DOT position{};
  std::string text;         // UTF-8; notes and text blocks only
  uint32_t rgb = 0;
  int32_t layerNumber = 0;
  // Notes, text blocks and sub-graphs: the angle in degrees, counter-clockwise.
  double angle = 0;
  // Notes and text blocks: character height and width; sub-graphs: symbol
  // height and width.
  double height = 0;
  double width = 0;
  bool setsSpacing = false;  // notes of MTEXT entities: character spacing 0
  // Text blocks.
  double lineSpacing = 0;
  double frameWidth = 0;
  // Circles.
  double radius = 0;
  float penWidth = 0;
  // Sub-graphs.
  int32_t subGraph = 0;
};

// One arc of a region ring, in the ring's order; its line parameters are the
// platform's current defaults with only the curve flag set.
struct DxfRegionArc {
  std::vector<D_DOT> vertices;
  uint8_t curveFlag = 0;
};
// The arcs of one closed boundary, end to end.
using DxfRing = std::vector<DxfRegionArc>;

struct DxfRegionStyle {
  uint32_t rgb = 0;
  int32_t layerNumber = 0;
  bool setsPattern = false;  // hatches: pattern number and sizes
  int16_t pattern = 0;
  float patternSize = 0;
};

class DxfImportSink {
 public:
  virtual ~DxfImportSink() = default;
  // The file has opened and is a DXF file: the targets are emptied now, so
  // that a file that cannot be read leaves them as they were.
  virtual void BeginImport() = 0;
  virtual void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                          const DxfEntityAttributes& attributes) = 0;
  virtual void AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) = 0;
  // One region: the first ring its outer boundary, the others its holes.
  virtual void AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                            const DxfEntityAttributes& attributes) = 0;
};

}  // namespace zv::dxf
