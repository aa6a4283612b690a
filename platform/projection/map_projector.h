#pragma once
// A projector made from a map-parameter record: the record is the source,
// the target is the same datum switched to geographic coordinates. The
// transform takes (easting, northing) in metres and gives back longitude in
// the first value and latitude in the second, in decimal degrees.
//
// Gauss-Krüger (projection 5) is a transverse Mercator with scale 1 on the
// record's ellipsoid (1 Beijing 1954 = Krassowsky, 2 Xi'an 1980 = IAG-75,
// 7 WGS 84) about the record's central meridian. The easting handed in is
// the one without its zone millions, so the false easting is the record's
// with its millions removed (500 km when that leaves nothing). Anything PROJ
// cannot be told from the record is refused with a message.
//
// Every projection goes through PROJ's C API; a projector owns its own PROJ
// context and is used on one thread.

#include <memory>
#include <optional>
#include <string>

#include "platform/data/map_params.h"

namespace zv {

class MapProjector {
 public:
  // A projector, or null with `error` set to the user's message.
  static std::unique_ptr<MapProjector> FromMapParams(const MapParams& params, std::string* error = nullptr);
  ~MapProjector();
  MapProjector(const MapProjector&) = delete;
  MapProjector& operator=(const MapProjector&) = delete;

  // (e, n) metres → (longitude, latitude) degrees, in place; false (values
  // untouched) when PROJ cannot transform the point.
  bool ToGeographic(double& e, double& n) const;
  // The forward direction: (longitude, latitude) degrees → (e, n) metres,
  // in place; false (values untouched) when PROJ cannot transform it.
  bool ToPlane(double& lon, double& lat) const;

  // The PROJ definition of the source (for messages and tests).
  const std::string& definition() const { return definition_; }

 private:
  MapProjector() = default;
  struct Handles;
  std::unique_ptr<Handles> handles_;
  std::string definition_;
};

// An angle in a map-parameter record's unit (3 seconds, 4 degrees, 5
// packed ±DDDMMSS.ss, 7 minutes, 8 radians, 9 grads) in decimal degrees;
// none for a unit that is no angle or a packed value that is no angle.
std::optional<double> AngleInDegrees(double value, int unit);

// The PROJ definition of a record's plane coordinates, or empty with `error`
// set when the record names a projection or ellipsoid we cannot express.
std::string ProjDefinitionOf(const MapParams& params, std::string* error = nullptr);

}  // namespace zv
