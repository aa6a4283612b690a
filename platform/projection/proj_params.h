#pragma once
// The projection parameters a frame dialog hands to its drawing: two
// map-parameter records and a zone number. The angle-unit record says how
// geographic values are typed (byte offsets as MapParams has them); the
// map-projection record is the plane the map is drawn on, in millimetres at
// its scale. A new object holds DefaultMapParams() in both and zone 0; its
// owner (the dialog that made it, or whoever takes it after OK) frees it
// with its destruction, so nothing outlives a cancelled dialog.

#include <memory>
#include <string>

#include "platform/data/map_params.h"
#include "platform/projection/map_projector.h"

namespace zv {

struct ProjParams {
  MapParams angle = DefaultMapParams();
  MapParams map = DefaultMapParams();
  int zone = 0;
};

inline void ProjGetAngleParams(const ProjParams& params, MapParams* out) { *out = params.angle; }
inline void ProjSetAngleParams(ProjParams& params, const MapParams& record) { params.angle = record; }
inline void ProjGetMapParams(const ProjParams& params, MapParams* out) { *out = params.map; }
inline void ProjSetMapParams(ProjParams& params, const MapParams& record) { params.map = record; }
inline void ProjSetZone(ProjParams& params, int zone) { params.zone = zone; }
inline int ProjGetZone(const ProjParams& params) { return params.zone; }

// Geographic points typed as packed DDDMMSS (degrees × 10000 + minutes × 100
// + seconds) to map millimetres of a map-projection record: the record's
// Gauss-Krüger plane (false easting without zone millions, see
// MapProjector), x = easting × 1000 / scale, y = northing × 1000 / scale.
// Made once for many points.
class GeographicToMap {
 public:
  // A projector, or null with `error` set to the user's message.
  static std::unique_ptr<GeographicToMap> FromMapParams(const MapParams& record, std::string* error = nullptr);
  // (longitude, latitude) DDDMMSS → (x, y) mm; false (outputs untouched)
  // for a value that is no packed angle or a point PROJ cannot take.
  bool Project(double longitude, double latitude, double* x, double* y) const;

 private:
  std::unique_ptr<MapProjector> plane_;
  double scale_ = 1.0;
};

// Mode 1, the only one: *x, *y hold packed DDDMMSS longitude and latitude
// and become map millimetres through the map-projection record. False with
// `error` set (values untouched) when the record or the point is refused or
// the mode is another.
bool ProjProjectPoint(const ProjParams& params, int mode, double* x, double* y, std::string* error = nullptr);

}  // namespace zv
