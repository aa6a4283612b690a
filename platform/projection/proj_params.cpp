#include "platform/projection/proj_params.h"

#include <cmath>
#include <optional>


namespace zv {
namespace {

constexpr int kGeographicToMapMode = 1;
constexpr const char* kBadScale = "比例尺参数错误，无法换算经纬度！";
constexpr const char* kBadPoint = "经纬度数据错误，无法换算！";

constexpr int kPackedDmsUnit = 5;

}  // namespace

std::unique_ptr<GeographicToMap> GeographicToMap::FromMapParams(const MapParams& record, std::string* error) {
  const double scale = record.scale();
  if (!std::isfinite(scale) || scale <= 0.0) {
    if (error != nullptr) *error = kBadScale;
    return nullptr;
  }
  std::unique_ptr<MapProjector> plane = MapProjector::FromMapParams(record, error);
  if (!plane) return nullptr;
  std::unique_ptr<GeographicToMap> projector(new GeographicToMap);
  projector->plane_ = std::move(plane);
  projector->scale_ = scale;
  return projector;
}

bool GeographicToMap::Project(double longitude, double latitude, double* x, double* y) const {
  const std::optional<double> lon = AngleInDegrees(longitude, kPackedDmsUnit);
  const std::optional<double> lat = AngleInDegrees(latitude, kPackedDmsUnit);
  if (!lon || !lat) return false;
  double e = *lon, n = *lat;
  if (!plane_->ToPlane(e, n)) return false;
  *x = e * 1000.0 / scale_;
  *y = n * 1000.0 / scale_;
  return true;
}

bool ProjProjectPoint(const ProjParams& params, int mode, double* x, double* y, std::string* error) {
  if (mode != kGeographicToMapMode) {
    if (error != nullptr) *error = "不支持该投影变换方式！";
    return false;
  }
  const std::unique_ptr<GeographicToMap> projector = GeographicToMap::FromMapParams(params.map, error);
  if (!projector) return false;
  if (projector->Project(*x, *y, x, y)) return true;
  if (error != nullptr) *error = kBadPoint;
  return false;
}

}  // namespace zv
