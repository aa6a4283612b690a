#include "geodesy/gpx/gpx_waypoints.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"

namespace zv::gpx {
namespace {

const Ellipsoid& EllipsoidOf(int datum) { return datum == 54 ? kBeijing54 : datum == 84 ? kWgs84 : kXian80; }

// The local earth-centred coordinates of a plane point.
CGeoPoint LocalXyz(double x, double y, double l0, double h, int datum) {
  const Ellipsoid& e = EllipsoidOf(datum);
  return PlaneToCartesian(x, y, h, l0, e.e2, e.a);
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // XML 1.0 has no way to write the other control characters, not
        // even escaped: one in a name would make the whole file unreadable.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
    }
  }
  return out;
}

std::string UtcTime(std::chrono::system_clock::time_point now) {
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm utc{};
  gmtime_r(&t, &utc);
  return num::Format("%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                     utc.tm_min, utc.tm_sec);
}

}  // namespace

GeodeticPoint PlaneToGeodetic(double x, double y, double l0, double h, const Shift& shift, int datum) {
  CGeoPoint p = LocalXyz(x, y, l0, h, datum);
  p.Set(p.X() + shift.dx, p.Y() + shift.dy, p.Z() + shift.dz);
  p.XyzToBlh(kWgs84.e2, kWgs84.a);
  double b = 0, l = 0, z = 0;
  p.GetCoords(&b, &l, &z, CGeoPoint::kAsStored);
  return {b * kDegreesPerRadian, l * kDegreesPerRadian};
}

Shift ComputeShift(double x, double y, double b, double l, double l0, double hPlane, double hGeodetic, int datum) {
  const CGeoPoint local = LocalXyz(x, y, l0, hPlane, datum);
  CGeoPoint wgs;
  wgs.SetCoords(b, l, hGeodetic, CGeoPoint::kPackedDms);
  wgs.BlhToXyz(kWgs84.e2, kWgs84.a);
  return {wgs.X() - local.X(), wgs.Y() - local.Y(), wgs.Z() - local.Z()};
}

double SixDegreeMeridian(double l) {
  const double zone = std::trunc(l / 6);
  return l == zone * 6 ? 6 * zone - 3 : 6 * (zone + 1) - 3;
}

Waypoints RowsToWaypoints(const std::vector<point_text::Fields>& rows, const PlaneParameters& p) {
  const std::pair<const char*, double> named[] = {
      {"DX", p.shift.dx}, {"DY", p.shift.dy}, {"DZ", p.shift.dz}, {"中央子午线", p.l0}, {"高程", p.h}};
  for (const auto& [name, value] : named)
    if (!std::isfinite(value)) return {{}, std::string("参数") + name + "不是有效数字，未生成GPX。"};
  Waypoints out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const point_text::Fields& row = rows[i];
    const std::optional<double> x = point_text::ParseNumber(row[1]), y = point_text::ParseNumber(row[2]);
    GeodeticPoint g{NAN, NAN};
    if (x && y && std::isfinite(*x) && std::isfinite(*y)) g = PlaneToGeodetic(*x, *y, p.l0, p.h, p.shift, p.datum);
    if (!std::isfinite(g.lat) || !std::isfinite(g.lon)) {
      return {{},
              num::Format("第%zu行（点编号“%s”）的坐标无效：X“%s”，Y“%s”。坐标须为有限的数字，未生成GPX。", i + 1,
                          row[0].c_str(), row[1].c_str(), row[2].c_str())};
    }
    out.points.push_back({row[0], g.lat, g.lon});
  }
  return out;
}

std::string GpxDocument(const std::vector<Waypoint>& points, std::chrono::system_clock::time_point now) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n";
  out +=
      "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"Zavediz\" version=\"1.1\" "
      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
      "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\n";
  out += "<metadata>\n\t<time>" + UtcTime(now) + "</time>\n";
  if (!points.empty()) {
    double minLat = points[0].lat, maxLat = minLat, minLon = points[0].lon, maxLon = minLon;
    for (const Waypoint& p : points) {
      minLat = std::min(minLat, p.lat);
      maxLat = std::max(maxLat, p.lat);
      minLon = std::min(minLon, p.lon);
      maxLon = std::max(maxLon, p.lon);
    }
    out += num::Format("\t<bounds maxlat=\"%0.14f\" maxlon=\"%0.14f\" minlat=\"%0.14f\" minlon=\"%0.14f\"/>\n", maxLat,
                       maxLon, minLat, minLon);
  }
  out += "</metadata>\n";
  for (const Waypoint& p : points) {
    out += num::Format("<wpt lat=\"%0.14f\" lon=\"%0.14f\">", p.lat, p.lon) + "<name>" + Escape(p.name) +
           "</name><sym>Waypoint</sym></wpt>\n";
  }
  out += "</gpx>\n";
  return out;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace zv::gpx
