#pragma once
// GPS track files (GPX) read into the work areas: one point per track
// point, in plane coordinates of a national datum, and one line per file.
//
// Reading: the file is XML, in UTF-8 (with or without a byte-order mark),
// UTF-16 with its mark, or else GB18030 (names written by a GB2312
// receiver); a track point is a `trkpt` element with `lat`
// and `lon` attributes (degrees, in any order), an optional `ele` (metres)
// and an optional `time`; it counts once its element closes. Of the track
// (`trk`) the reader takes `name`, `number`, `length`, `area`, `starttime`
// and `endtime` where the receiver wrote them. A file cut short or
// malformed keeps the points that closed before the fault, and says so.
//
// Conversion: WGS-84 geodetic → earth-centred → minus the shift → geodetic
// on the target ellipsoid (54 Krassovsky, 80 IAG-75) → Gauss-Krueger on the
// meridian of the 3-degree zone holding the longitude: x north, y east with
// 500 km false easting, h the height on the target ellipsoid.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::gpx {

struct TrackPoint {
  double lat = 0;
  double lon = 0;
  double ele = 0;
  std::string time;
};

struct Track {
  std::string name;
  int32_t number = 0;
  double length = 0;
  double area = 0;
  std::string startTime;
  std::string endTime;
  std::vector<TrackPoint> points;
  std::string fault;  // empty when the whole file read
};

Track ReadTrack(std::string_view bytes);

struct TrackDatum {
  double dx = 0, dy = 0, dz = 0;  // WGS-84 minus local, metres
  int ellipsoid = 80;             // 54 or 80
  int32_t scale = 10000;
};

struct PlanePoint {
  double x = 0;  // north
  double y = 0;  // east, with 500 km
  double h = 0;
};

// None when the longitude has no 3-degree zone (negative, beyond 360°) or
// the point's numbers make no position (a latitude beyond ±90°, no number).
std::optional<PlanePoint> ToPlane(const TrackPoint& point, const TrackDatum& datum);

struct Placement {
  std::vector<int32_t> points;
  int32_t line = 0;     // 0 when fewer than two points were placed
  int skipped = 0;      // points without a zone or a position
};

// Ensures the fields ("X", "Y", "H", "时间" of the points; "name",
// "number", "length", "area", "starttime", "endtime" of the line) next to
// the areas' own, then appends the points at (y·1000/s, x·1000/s) with the
// default point parameters and the line through them.
Placement PlaceTrack(const Track& track, const TrackDatum& datum, WorkAreaHandle pointArea, WorkAreaHandle lineArea,
                     const PNT_INFO& pointInfo, const LIN_INFO& lineInfo);

}  // namespace zv::gpx
