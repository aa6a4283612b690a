#pragma once
// Draws the system library's symbols with explicit parameters, in map units:
// sub-graphs, styled lines and filled regions with patterns. The per-entity
// draws read these parameters from the entities' records.

#include <QPointF>
#include <vector>

#include "platform/display/kernel_driver.h"

namespace zv::display {

struct SubgraphStyle {
  long number = 1;
  double height = 3.0;  // map units the symbol's unit size becomes, across
  double width = 3.0;   // and along
  double angle = 0.0;   // degrees, anticlockwise
  long colour = 1;      // for the elements of colour 0
};

// A sub-graph centred on (x, y). A number the library lacks draws nothing; a
// library or entry that cannot be read draws a plain circle.
void DrawSubgraph(KernelDriver& driver, double x, double y, const SubgraphStyle& style);

struct LineStyle {
  int type = 1;                 // 0 draws nothing
  int subStyle = 0;
  double width = 0.0;           // map units; 0 is one pixel
  long colour = 1;
  double xCoefficient = 10.0;   // map units along the line per unit cell
  double yCoefficient = 10.0;   // map units across the line per cell unit
  bool curve = false;           // drawn smooth through the vertices
};

// A line through map points. Types the library lacks, or when it cannot be
// read, draw as continuous lines; when the unit cell is shorter than a few
// pixels the line is drawn continuous as well.
void DrawStyledLine(KernelDriver& driver, const std::vector<QPointF>& points, const LineStyle& style);

// The smooth curve through the vertices (a Catmull-Rom spline, which passes
// through every vertex), `steps` points per segment.
std::vector<QPointF> SmoothThrough(const std::vector<QPointF>& vertices, int steps);

struct RegionStyle {
  long fillColour = 0;          // 0: not filled
  int pattern = 0;              // 0: no pattern
  double patternHeight = 0.0;   // map units of one pattern cell
  double patternWidth = 0.0;
  long patternColour = 1;       // for the pattern elements of colour 0
};

// A region of rings (the first the outline, the others holes: even-odd).
void FillRegion(KernelDriver& driver, const std::vector<std::vector<QPointF>>& rings, const RegionStyle& style);

}  // namespace zv::display
