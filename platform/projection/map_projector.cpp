#include "platform/projection/map_projector.h"

#include <proj.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "platform/projection/dms.h"

namespace zv {
namespace {

constexpr int kGaussKruger = 5;
constexpr double kZoneMillions = 1'000'000.0;
constexpr double kStandardFalseEasting = 500'000.0;

struct Ellipsoid {
  int code;
  const char* proj;
};
constexpr std::array<Ellipsoid, 3> kEllipsoids = {{
    {1, "+ellps=krass"},                    // Beijing 1954
    {2, "+a=6378140 +rf=298.257"},          // Xi'an 1980 (IAG-75)
    {7, "+ellps=WGS84"},                    // WGS 84
}};

const char* EllipsoidOf(int code) {
  for (const Ellipsoid& e : kEllipsoids)
    if (e.code == code) return e.proj;
  return nullptr;
}

void SetError(std::string* error, const char* text) {
  if (error != nullptr) *error = text;
}

}  // namespace

struct MapProjector::Handles {
  PJ_CONTEXT* context = nullptr;
  PJ* operation = nullptr;
  ~Handles() {
    if (operation != nullptr) proj_destroy(operation);
    if (context != nullptr) proj_context_destroy(context);
  }
};

std::string ProjDefinitionOf(const MapParams& params, std::string* error) {
  if (params.projection() != kGaussKruger) {
    SetError(error, "不支持该投影方式，无法换算经纬度！");
    return {};
  }
  const char* ellipsoid = EllipsoidOf(params.ellipsoid());
  if (ellipsoid == nullptr) {
    SetError(error, "不支持该椭球参数，无法换算经纬度！");
    return {};
  }
  double meridian = params.centralMeridian();
  if (!ProjDmsToSeconds(&meridian)) {
    SetError(error, "中央经线参数错误，无法换算经纬度！");
    return {};
  }
  double falseEasting = std::fmod(params.falseEasting(), kZoneMillions);
  if (!std::isfinite(falseEasting) || falseEasting == 0.0) falseEasting = kStandardFalseEasting;
  double falseNorthing = params.falseNorthing();
  if (!std::isfinite(falseNorthing)) falseNorthing = 0.0;
  char text[256];
  std::snprintf(text, sizeof text, "+proj=tmerc +lat_0=0 +lon_0=%.12g +k=1 +x_0=%.12g +y_0=%.12g %s +units=m +no_defs",
                meridian / 3600.0, falseEasting, falseNorthing, ellipsoid);
  return text;
}

std::unique_ptr<MapProjector> MapProjector::FromMapParams(const MapParams& params, std::string* error) {
  std::string definition = ProjDefinitionOf(params, error);
  if (definition.empty()) return nullptr;
  auto handles = std::make_unique<Handles>();
  handles->context = proj_context_create();
  // Same ellipsoid, geographic: the datum does not change.
  const std::string target = std::string("+proj=longlat ") + EllipsoidOf(params.ellipsoid()) + " +no_defs";
  PJ* raw = proj_create_crs_to_crs(handles->context, definition.c_str(), target.c_str(), nullptr);
  if (raw != nullptr) {
    handles->operation = proj_normalize_for_visualization(handles->context, raw);
    proj_destroy(raw);
  }
  if (handles->operation == nullptr) {
    SetError(error, "投影参数无法建立，无法换算经纬度！");
    return nullptr;
  }
  std::unique_ptr<MapProjector> projector(new MapProjector);
  projector->handles_ = std::move(handles);
  projector->definition_ = std::move(definition);
  return projector;
}

MapProjector::~MapProjector() = default;

namespace {

bool Transform(PJ* operation, PJ_DIRECTION direction, double& a, double& b) {
  PJ_COORD c = proj_coord(a, b, 0, 0);
  proj_errno_reset(operation);
  c = proj_trans(operation, direction, c);
  if (proj_errno(operation) != 0 || !std::isfinite(c.xy.x) || !std::isfinite(c.xy.y)) return false;
  a = c.xy.x;
  b = c.xy.y;
  return true;
}

}  // namespace

bool MapProjector::ToGeographic(double& e, double& n) const { return Transform(handles_->operation, PJ_FWD, e, n); }

bool MapProjector::ToPlane(double& lon, double& lat) const { return Transform(handles_->operation, PJ_INV, lon, lat); }

std::optional<double> AngleInDegrees(double value, int unit) {
  constexpr double kPi = 3.14159265358979323846;
  switch (unit) {
    case 3: return value / 3600.0;
    case 4: return value;
    case 5: return ProjDmsToSeconds(&value) ? std::optional<double>(value / 3600.0) : std::nullopt;
    case 7: return value / 60.0;
    case 8: return value * 180.0 / kPi;
    case 9: return value * 0.9;
    default: return std::nullopt;
  }
}

}  // namespace zv
