#pragma once
// The map-parameter record (169 bytes): coordinate system, units, projection,
// ellipsoid, scale and origin of a map. Files hold it at byte 91 of their
// header; projects at byte 816. Offsets below are relative to the record's
// start (file offset − 91). Angles are packed DMS doubles
// (DDDMMSS.s, sign on the whole value).

#include <cstddef>
#include <cstdint>

#include "platform/data/byte_fields.h"

namespace zv {

namespace mapp {
inline constexpr std::size_t kCoordKind = 0;          // u8: 0 user, 1 geographic, 2 geodetic, 3 projected plane, 4 geocentric
inline constexpr std::size_t kUnit = 1;               // u8 horizontal unit (0/1 mm, 2 m, ...)
inline constexpr std::size_t kSheetWidth = 2;         // f64
inline constexpr std::size_t kSheetHeight = 10;       // f64
inline constexpr std::size_t kProjection = 18;        // u8 (5 Gauss-Krüger)
inline constexpr std::size_t kEllipsoid = 19;         // u8 (1 Beijing 54, 2 Xi'an 80, 7 WGS 84)
inline constexpr std::size_t kLowerLeftLon = 20;      // f64 DMS
inline constexpr std::size_t kLowerLeftLat = 28;      // f64 DMS
inline constexpr std::size_t kLonSpan = 36;           // f64 DMS
inline constexpr std::size_t kLatSpan = 44;           // f64 DMS
inline constexpr std::size_t kScale = 52;             // f64 scale denominator
inline constexpr std::size_t kCentralMeridian = 60;   // f64 DMS
inline constexpr std::size_t kStdMeridian1 = 68;      // f64 DMS
inline constexpr std::size_t kStdMeridian2 = 76;      // f64 DMS
inline constexpr std::size_t kOriginLat = 84;         // f64 DMS
inline constexpr std::size_t kStdParallel1 = 92;      // f64 DMS
inline constexpr std::size_t kStdParallel2 = 100;     // f64 DMS
inline constexpr std::size_t kFalseEasting = 108;     // f64
inline constexpr std::size_t kFalseNorthing = 116;    // f64
inline constexpr std::size_t kHeightDatum = 124;      // u8
inline constexpr std::size_t kGeoidSeparation = 125;  // f64
inline constexpr std::size_t kPlaneHeight = 133;      // f64
inline constexpr std::size_t kVerticalScale = 141;    // f64
inline constexpr std::size_t kVerticalUnit = 149;     // u8
inline constexpr std::size_t kTicKind = 150;          // u8
inline constexpr std::size_t kTicUnit = 151;          // u8
inline constexpr std::size_t kParamUnit = 152;        // u8
inline constexpr std::size_t kParamXFactor = 153;     // f64, 0 or 1 when new
inline constexpr std::size_t kParamYFactor = 161;     // f64
}  // namespace mapp

// Where the record sits in a vector file's header and in a project's header.
inline constexpr std::size_t kMapParamsFileOffset = 91;
inline constexpr std::size_t kMapParamsProjectOffset = 816;

struct MapParams : bytes::ByteRecord<169> {
  uint8_t coordKind() const { return Get<uint8_t>(mapp::kCoordKind); }
  void setCoordKind(uint8_t v) { Set(mapp::kCoordKind, v); }
  uint8_t unit() const { return Get<uint8_t>(mapp::kUnit); }
  void setUnit(uint8_t v) { Set(mapp::kUnit, v); }
  uint8_t projection() const { return Get<uint8_t>(mapp::kProjection); }
  void setProjection(uint8_t v) { Set(mapp::kProjection, v); }
  uint8_t ellipsoid() const { return Get<uint8_t>(mapp::kEllipsoid); }
  void setEllipsoid(uint8_t v) { Set(mapp::kEllipsoid, v); }
  double scale() const { return Get<double>(mapp::kScale); }
  void setScale(double v) { Set(mapp::kScale, v); }
  double centralMeridian() const { return Get<double>(mapp::kCentralMeridian); }
  void setCentralMeridian(double v) { Set(mapp::kCentralMeridian, v); }
  double falseEasting() const { return Get<double>(mapp::kFalseEasting); }
  void setFalseEasting(double v) { Set(mapp::kFalseEasting, v); }
  double falseNorthing() const { return Get<double>(mapp::kFalseNorthing); }
  void setFalseNorthing(double v) { Set(mapp::kFalseNorthing, v); }
};
static_assert(sizeof(MapParams) == 169);

// The record a new work area or project starts with: a user-defined plane in
// millimetres, scale 1, graphic-unit factors 1.
MapParams DefaultMapParams();

}  // namespace zv
