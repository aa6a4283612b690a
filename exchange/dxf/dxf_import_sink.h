#pragma once
// Where the DXF reader puts what it reads: the import into work areas is one
// sink, tests use one that records. Every entity comes with its platform
// parameters and the three attributes "DXF图元名", "DXF图层名" and "高程".

#include <cstdint>
#include <span>
#include <string>

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

class DxfImportSink {
 public:
  virtual ~DxfImportSink() = default;
  // The file has opened and is a DXF file: the targets are emptied now, so
  // that a file that cannot be read leaves them as they were.
  virtual void BeginImport() = 0;
  virtual void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                          const DxfEntityAttributes& attributes) = 0;
};

}  // namespace zv::dxf
