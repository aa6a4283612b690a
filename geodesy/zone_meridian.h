#pragma once
// The 3-degree zone of a longitude, for the frame dialogs and the geodetic
// point alike. A longitude exactly 1.5° past a multiple of 3 belongs to the
// zone to the east.

#include <string_view>

namespace zv::geodesy {

// The central meridian in whole degrees (3 × zone) of the zone holding
// `degrees`; −1.0 for a negative, undefined or beyond-360° longitude.
double ThreeDegreeZoneMeridianOf(double degrees);

// The same for a longitude typed as packed DDDMMSS (degrees × 10000 +
// minutes × 100 + seconds, read in the C locale): the meridian as a DDDMMSS
// number, so "1170315" gives 1170000 (zone 39). −1.0 for text that is no
// number or a longitude the zone rule refuses; the caller tells the user
// ("数据错误").
double ZoneCentralMeridian(std::string_view text);

}  // namespace zv::geodesy
