#pragma once
// Small geometry routines the entity parsers and writers share: the text
// anchor and the point transform of block references.

#include "include/zavediz/records.h"

namespace zv::dxf {

// Moves a text's insertion point from the DXF attachment point (1..9, as
// MTEXT group 71: top, middle, bottom rows; left, centre, right columns) to
// the platform's anchor, for a text of height h and width w. Any other
// attachment adds h to x and y.
void AlignTextPosition(D_DOT& position, double height, double width, int attachment);

// Scales p about (cx, cy) by (sx, sy), then turns it counter-clockwise by
// the angle in degrees.
void ScaleRotatePoint(double cx, double cy, D_DOT& p, double angleDegrees, double sx, double sy);

}  // namespace zv::dxf
