#pragma once
// The writers every drawing pass of a section goes through: each appends one
// entity to the section's line, point or region work area and returns its id
// (0 or less from the platform is handed back unchecked). Coordinates are
// section mm. Records start zero-filled; lines get style, colour, width,
// curve flag 0 and pattern scales 8.0/8.0 unless a pass asks otherwise;
// texts kind 0 with height, width, spacing, Chinese font, arrangement and
// colour 1; sub-graphs kind 1 with number, height, width and colour 1.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/project_files/area_project.h"

namespace zv::zavediz {

using ZavedizAreas = DrawingAreas;

// How a line is drawn.
struct LineLook {
  int16_t style = 1;
  int32_t colour = 1;
  float width = 0.2f;
  uint8_t curve = 0;
  float xScale = 8.0f;
  float yScale = 8.0f;
};

LIN_INFO LineParams(const LineLook& look);

// A text record: kind 0, colour 1, the fields given.
PNT_INFO NoteParams(float height, float width, float spacing, uint8_t arrangement, int16_t font);

class ZavedizWriter {
 public:
  explicit ZavedizWriter(ZavedizAreas areas) : areas_(areas) {}
  const ZavedizAreas& areas() const { return areas_; }

  int32_t AppendZavedizLine(const D_DOT& a, const D_DOT& b, int16_t style, int32_t colour, float width);
  int32_t AppendZavedizPolyline(const std::vector<D_DOT>& vertices, int16_t style, int32_t colour, float width);
  // A polyline in the line area (or as an arc in the region area).
  int32_t AppendLookLine(const std::vector<D_DOT>& vertices, const LineLook& look);
  int32_t AppendArc(const std::vector<D_DOT>& vertices, const LineLook& look);
  int32_t AppendZavedizNote(const D_DOT& at, const std::string& text, float height, float width, float spacing,
                            uint8_t arrangement, int16_t font);
  int32_t AppendZavedizSubGraph(const D_DOT& at, const std::string& text, float height, float width,
                                int32_t number);
  // A text with the record given; a text of exactly one GBK byte is written
  // with spacing 0.
  int32_t AppendFittedNote(const D_DOT& at, const std::string& text, PNT_INFO params);
  // A survey station: a circle of radius 0.2, colour 1.
  int32_t AppendStationMarker(const D_DOT& at);
  // A region with solid fill over the arc list (entry 0 is the library's).
  int32_t AppendRegion(const std::vector<int32_t>& arcs, int32_t fillColour);

 private:
  ZavedizAreas areas_;
};

}  // namespace zv::zavediz
