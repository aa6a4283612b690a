#pragma once
// The Gauss dialog's "展点" placed in a view's work areas: for every point a
// sub-graph point whose attribute "点号" holds its name and a text point with
// the name, at (Y × 1000 / S, X × 1000 / S) map units for the plane point
// (X northing, Y easting) and scale denominator S; optionally one line
// through the points in order, closed on request. One undo step.
#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/gauss/gauss_rows.h"
#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"

namespace zv::gauss {

struct HandedOverPoint {
  std::string name;
  double x = 0;  // northing, m
  double y = 0;  // easting, m
};

struct HandOver {
  std::vector<HandedOverPoint> points;
  int32_t scale = 1000;
  int32_t subgraph = 1;  // the sub-graph the points are drawn with
  bool drawLine = false;
  bool closeLine = false;
};

// Every row of the right list, numbers read as in the C locale.
std::vector<HandedOverPoint> HandedOverPoints(const GaussRows& rows);

// Places the points into the point area (and the line into the line area)
// and records them as one undo step. The point area's attribute structure
// gains "点号" when it lacks it; its other fields stay. False, with nothing
// placed, for a scale of 0 or less or an invalid point area.
bool PlaceHandedOverPoints(const HandOver& handOver, WorkAreaHandle pointArea, WorkAreaHandle lineArea, GisUndo& undo);

}  // namespace zv::gauss
