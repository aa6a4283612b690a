#pragma once
// One parsed entity of the ENTITIES section, as the entity parsers give it
// and the writers turn it into platform entities.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_colour.h"
#include "exchange/dxf/dxf_import_sink.h"

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

struct DxfPointRecord {
  DxfEntityHead head;
  double x = 0, y = 0, z = 0;
};

// CIRCLE and ARC (a circle runs from 0 to 360 degrees).
struct DxfCircleRecord {
  DxfEntityHead head;
  double cx = 0, cy = 0, z = 0;
  double radius = 0;
  double startDegrees = 0, endDegrees = 0;
  bool isArc = false;
};

struct DxfEllipseRecord {
  DxfEntityHead head;
  double cx = 0, cy = 0, z = 0;
  double majorX = 0, majorY = 0;  // end of the major axis, relative to the centre
  double ratio = 0;               // minor to major
  double startParameter = 0, endParameter = 0;  // radians
};

struct DxfSplineRecord {
  DxfEntityHead head;
  std::vector<D_DOT> samples;  // the curve as sampled from its control points
  int32_t flags = 0;           // group 70: 1 closed
  double z = 0;
};

// TEXT, ATTRIB and MTEXT; the head's name text is group 1 as read.
struct DxfTextRecord {
  DxfEntityHead head;
  std::string text;  // converted: TEXT specials, or MTEXT chunks and codes
  double x = 0, y = 0, z = 0;
  double height = 3.0;
  double widthFactor = 1.0;     // MTEXT: the reference width (41), 0 when absent
  double rotationDegrees = 0;
  int32_t attachment = 1;       // MTEXT group 71
  double lineSpacingFactor = 1.0;  // MTEXT group 44
  bool isMText = false;
  // TEXT and ATTRIB justification: horizontal (72), vertical (73, ATTRIB 74)
  // and the alignment point (11/21) they refer to.
  int32_t horizontal = 0;
  int32_t vertical = 0;
  std::optional<D_DOT> alignmentPoint;
};

struct DxfInsertRecord {
  DxfEntityHead head;  // the name text is the block name
  double x = 0, y = 0, z = 0;
  double scaleX = 1.0, scaleY = 1.0;
  double rotationDegrees = 0;
  // A grid of copies (groups 70, 71, 44, 45): the spacings run along the
  // reference's rotated axes.
  int32_t columns = 1, rows = 1;
  double columnSpacing = 0, rowSpacing = 0;
};

// A HATCH with the boundary paths it could use, each already turned into
// vertices (in object coordinates), grouped into regions by the path flags.
struct DxfHatchRecord {
  DxfEntityHead head;  // the name text is the pattern name
  std::vector<std::vector<DxfRing>> regions;
  double patternScale = 1.0;
  double patternAngle = 0;
  int32_t solidFill = 0;
};

struct DxfSolidRecord {
  DxfEntityHead head;
  std::vector<D_DOT> corners;  // outline order, 3 or 4 corners
  double z = 0;
};

// Any parsed entity, as blocks keep them.
using DxfRecord = std::variant<DxfLineRecord, DxfPolylineRecord, DxfPointRecord, DxfCircleRecord, DxfEllipseRecord,
                               DxfSplineRecord, DxfTextRecord, DxfInsertRecord, DxfHatchRecord, DxfSolidRecord>;

}  // namespace zv::dxf
