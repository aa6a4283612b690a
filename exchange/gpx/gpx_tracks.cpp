#include "exchange/gpx/gpx_tracks.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"

namespace zv::gpx {
namespace {

// WGS-84 as the receivers' conversion writes its eccentricity.
constexpr double kWgs84A = 6378137.0;
constexpr double kWgs84E2 = 0.0066943799013;

bool Named(const pugi::xml_node& node, const char* name) {
  const char* full = node.name();
  const char* colon = std::strrchr(full, ':');
  return std::strcmp(colon ? colon + 1 : full, name) == 0;
}

std::string ChildText(const pugi::xml_node& node, const char* name) {
  for (const pugi::xml_node child : node.children())
    if (Named(child, name)) return child.text().get();
  return {};
}

// True when the element closed by `end`, the offset of the last byte read
// before the fault: its end tag or its self-closing start tag lies there.
bool ClosedBefore(std::string_view bytes, const pugi::xml_node& node, std::ptrdiff_t end) {
  const std::size_t start = static_cast<std::size_t>(node.offset_debug());
  const std::size_t stop = std::min(bytes.size(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(end, 0)) + 1);
  const std::size_t tagEnd = bytes.find('>', start);
  if (tagEnd != std::string_view::npos && tagEnd < stop && bytes[tagEnd - 1] == '/') return true;
  const std::size_t close = bytes.find("</", start);
  for (std::size_t at = close; at != std::string_view::npos && at < stop; at = bytes.find("</", at + 2)) {
    const std::size_t nameEnd = bytes.find('>', at);
    if (nameEnd == std::string_view::npos || nameEnd >= stop) return false;
    std::string_view name = bytes.substr(at + 2, nameEnd - at - 2);
    if (const std::size_t colon = name.rfind(':'); colon != std::string_view::npos) name.remove_prefix(colon + 1);
    if (name == "trkpt") return true;
  }
  return false;
}

// A latitude or longitude that is no number stays no number (NaN), so the
// point is skipped and told, not placed at 0° (the equator or Greenwich).
double Coordinate(const char* text) {
  return num::ParseTypedReal(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

void ReadTrackFields(const pugi::xml_node& trk, Track& track) {
  track.name = ChildText(trk, "name");
  track.number = static_cast<int32_t>(num::ParseLong(ChildText(trk, "number")));
  track.length = num::ParseDouble(ChildText(trk, "length"));
  track.area = num::ParseDouble(ChildText(trk, "area"));
  track.startTime = ChildText(trk, "starttime");
  track.endTime = ChildText(trk, "endtime");
}

void Walk(const pugi::xml_node& node, std::string_view bytes, std::ptrdiff_t end, bool whole, Track& track) {
  for (const pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element) continue;
    if (Named(child, "trk")) ReadTrackFields(child, track);
    if (!Named(child, "trkpt")) {
      Walk(child, bytes, end, whole, track);
      continue;
    }
    const pugi::xml_attribute lat = child.attribute("lat");
    const pugi::xml_attribute lon = child.attribute("lon");
    if (!lat || !lon || (!whole && !ClosedBefore(bytes, child, end))) continue;
    track.points.push_back({Coordinate(lat.value()), Coordinate(lon.value()),
                            num::ParseDouble(ChildText(child, "ele")), ChildText(child, "time")});
  }
}

CFIELD_HEAD Field(const char* name, uint8_t type, int16_t length, int8_t decimals = 0) {
  CFIELD_HEAD field;
  field.name = name;
  field.type = type;
  field.length = length;
  field.decimals = decimals;
  return field;
}

}  // namespace

Track ReadTrack(std::string_view file) {
  // Receivers that write GB2312 (or UTF-16) would otherwise give names of
  // "?"; the text rule of every reader decides, whatever the declaration says.
  const std::string decoded = text::DecodeTextFile(file);
  const std::string_view bytes = decoded;
  Track track;
  pugi::xml_document document;
  const pugi::xml_parse_result result =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
  Walk(document, bytes, result.offset, static_cast<bool>(result), track);
  if (!result) track.fault = std::string(result.description()) + "（第" + std::to_string(result.offset) + "字节）";
  return track;
}

std::optional<PlanePoint> ToPlane(const TrackPoint& point, const TrackDatum& datum) {
  // The longitude is checked as written: through earth-centred coordinates
  // 400° would come back as 40° and place the point in another zone.
  if (!std::isfinite(point.ele) || !(std::abs(point.lat) <= 90) || !(point.lon >= 0 && point.lon <= 360))
    return std::nullopt;
  const Ellipsoid& target = datum.ellipsoid == 54 ? kBeijing54 : kXian80;
  CGeoPoint p;
  p.Set(point.lat * kRadiansPerDegree, point.lon * kRadiansPerDegree, point.ele);
  p.BlhToXyz(kWgs84E2, kWgs84A);
  p.Set(p.X() - datum.dx, p.Y() - datum.dy, p.Z() - datum.dz);
  p.XyzToBlh(target.e2, target.a);
  double b = 0, l = 0, h = 0;
  p.GetCoords(&b, &l, &h, CGeoPoint::kPackedDms);
  p.SetCoords(b, l, h, CGeoPoint::kPackedDms);
  const double meridian = p.ThreeDegreeZoneMeridian();
  if (meridian < 0) return std::nullopt;
  p.GaussForward(target.e2, target.a, meridian * kRadiansPerDegree);
  if (!std::isfinite(p.X()) || !std::isfinite(p.Y()) || !std::isfinite(p.Z())) return std::nullopt;
  return PlanePoint{p.X(), p.Y(), p.Z()};
}

Placement PlaceTrack(const Track& track, const TrackDatum& datum, WorkAreaHandle pointArea, WorkAreaHandle lineArea,
                     const PNT_INFO& pointInfo, const LIN_INFO& lineInfo) {
  for (const CFIELD_HEAD& field : {Field("X", kFieldDouble, 15, 6), Field("Y", kFieldDouble, 15, 6),
                                   Field("H", kFieldDouble, 15, 6), Field("时间", kFieldString, 20)})
    EnsureField(pointArea, kPointEntity, field);
  for (const CFIELD_HEAD& field :
       {Field("name", kFieldString, 20), Field("number", kFieldLong, 10), Field("length", kFieldDouble, 15, 6),
        Field("area", kFieldDouble, 15, 6), Field("starttime", kFieldString, 20), Field("endtime", kFieldString, 20)})
    EnsureField(lineArea, kLineEntity, field);
  Placement placement;
  const double toMap = 1000.0 / (datum.scale != 0 ? datum.scale : 1000);
  std::vector<D_DOT> vertices;
  BasBeginBatch(pointArea);
  AttributeRecord record;
  for (const TrackPoint& point : track.points) {
    BasBatchStep(pointArea);
    const std::optional<PlanePoint> plane = ToPlane(point, datum);
    if (!plane) {
      ++placement.skipped;
      continue;
    }
    const D_DOT at{plane->y * toMap, plane->x * toMap};
    const int32_t id = BasAppendPoint(pointArea, at, "", pointInfo);
    if (id == 0) continue;
    placement.points.push_back(id);
    vertices.push_back(at);
    if (BasReadAttribute(pointArea, kPointEntity, id, &record) != 1) continue;
    BasSetFieldByName(record, "X", plane->x);
    BasSetFieldByName(record, "Y", plane->y);
    BasSetFieldByName(record, "H", plane->h);
    BasSetFieldByName(record, "时间", std::string_view(point.time));
    BasWriteAttribute(pointArea, kPointEntity, id, record);
  }
  BasEndBatch(pointArea);
  if (vertices.size() < 2) return placement;
  placement.line = BasAppendLine(lineArea, vertices, lineInfo);
  if (placement.line != 0 && BasReadAttribute(lineArea, kLineEntity, placement.line, &record) == 1) {
    BasSetFieldByName(record, "name", std::string_view(track.name));
    BasSetFieldByName(record, "number", static_cast<double>(track.number));
    BasSetFieldByName(record, "length", track.length);
    BasSetFieldByName(record, "area", track.area);
    BasSetFieldByName(record, "starttime", std::string_view(track.startTime));
    BasSetFieldByName(record, "endtime", std::string_view(track.endTime));
    BasWriteAttribute(lineArea, kLineEntity, placement.line, record);
  }
  return placement;
}

}  // namespace zv::gpx
