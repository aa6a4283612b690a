#pragma once
// Local Gauss-Krueger plane points to WGS-84 and a GPX 1.1 waypoint
// document. Datum codes: 54 Krassovsky, 80 IAG-75, 84 WGS-84; the target is
// always WGS-84. The shift DX, DY, DZ (metres) is WGS-84 minus local, added
// to the local earth-centred coordinates. Angles typed by users (L0, B, L)
// are packed ddd.mmss; latitudes and longitudes out are decimal degrees.
#include <chrono>
#include <string>
#include <vector>

#include "geodesy/point_text.h"

namespace zv::gpx {

struct Shift {
  double dx = -104.3, dy = -55.2, dz = 5.8;
};

// The ellipsoid of a datum code (anything but 54 and 84 is IAG-75).
struct GeodeticPoint {
  double lat = 0, lon = 0;  // degrees
};
GeodeticPoint PlaneToGeodetic(double x, double y, double l0, double h, const Shift& shift, int datum);

// The shift that takes the plane point (x, y, plane height) to the WGS-84
// point (B, L packed, geodetic height).
Shift ComputeShift(double x, double y, double b, double l, double l0, double hPlane, double hGeodetic, int datum);

// The central meridian of the 6-degree zone of a longitude, as "计算" takes
// it: 6·trunc(L/6) − 3 when L is a whole multiple of 6, else
// 6·(trunc(L/6) + 1) − 3 (116.333498 → 117, 114 → 111).
double SixDegreeMeridian(double l);

struct Waypoint {
  std::string name;
  double lat = 0, lon = 0;
};

// What "生成GPX" applies to every listed point.
struct PlaneParameters {
  double l0 = 120, h = 0;
  Shift shift;
  int datum = 80;
};

// The waypoints of list rows (number, X, Y). A parameter that is not
// finite, or a row whose X or Y is blank or not a finite number, or whose
// point has no finite latitude and longitude, gives no waypoint at all and
// `error` naming the first such value: a file with "nan" or a point at 0°
// would send a user to a place that does not exist.
struct Waypoints {
  std::vector<Waypoint> points;
  std::string error;
};
Waypoints RowsToWaypoints(const std::vector<point_text::Fields>& rows, const PlaneParameters& parameters);

// The document, lines ended by LF: declaration (UTF-8), gpx 1.1 with
// creator "Zavediz", metadata with the time given (UTC) and the waypoints'
// bounds (left out for no waypoint), then one wpt per point ("%0.14f",
// names escaped, symbol "Waypoint").
std::string GpxDocument(const std::vector<Waypoint>& points, std::chrono::system_clock::time_point now);

// The text with every LF as CR LF, as the file is saved.
std::string WithCrLf(const std::string& text);

}  // namespace zv::gpx
