#pragma once
// One parsed entity of the ENTITIES section, as the entity parsers give it
// and the writers turn it into platform entities.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_colour.h"

namespace zv::dxf {

// What every entity kind carries.
struct DxfEntityHead {
  std::string typeName;  // the DXF name as read ("LINE", "LWPOLYLINE" ...)
  std::string nameText;  // group 6 (line type) for the linear kinds, UTF-8
  std::string layer;     // group 8, UTF-8
  std::optional<DxfColour> colour;  // the last group 62 or 420
  std::optional<int32_t> weight;    // group 370 (kinds that read it)
  bool mirrored = false;            // group 230 below 0
};

struct DxfLineRecord {
  DxfEntityHead head;
  double x1 = 0, y1 = 0, z1 = 0;
  double x2 = 0, y2 = 0, z2 = 0;
};

// LWPOLYLINE and POLYLINE alike.
struct DxfPolylineRecord {
  DxfEntityHead head;
  std::vector<BulgeVertex> vertices;  // as read, x and bulges mirrored already
  int32_t flags = 0;                  // group 70: 1 closed, 8 3-D polyline, 16 mesh, 64 polyface
  double constantWidth = 0;           // group 43 (LWPOLYLINE)
  double startWidth = 0;              // the last non-zero group 40
  double endWidth = 0;                // the last non-zero group 41
  double elevation = 0;               // group 38 (LWPOLYLINE), the last group 30 (POLYLINE)
  bool complete = true;               // false when the file ended inside the entity
  bool closed() const { return (flags & 1) != 0; }
};

}  // namespace zv::dxf
