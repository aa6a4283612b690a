#include "geodesy/frame/frame_values.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "geodesy/zone_meridian.h"
#include "platform/projection/dms.h"

namespace zv::geodesy {
namespace {

constexpr const char* kNotWhole = "请输入一个整数。";
constexpr const char* kNotNumber = "请输入一个数字。";
constexpr const char* kBadInterval = "公里网间隔必须大于0！";
constexpr const char* kBadAngle = "经纬度数据错误！";
constexpr const char* kBadZone = "数据错误";

constexpr uint8_t kGeographic = 1, kPackedDms = 5, kXian80 = 2;
constexpr uint8_t kProjectedPlane = 3, kMillimetres = 0, kGaussKruger = 5;
constexpr double kGraticuleScale = 10000.0;
constexpr double kZoneWidth = 30000.0;  // 3° as DDDMMSS

std::optional<FrameRefusal> Refuse(const char* field, std::string message) {
  return FrameRefusal{field, std::move(message)};
}

void ClearHeights(MapParams& record) {
  record.Set(mapp::kGeoidSeparation, 0.0);
  record.Set(mapp::kPlaneHeight, 0.0);
}

}  // namespace

std::optional<FrameRefusal> CheckStandardFrame(const StandardFrameTexts& texts, StandardFrameValues* values) {
  const std::optional<long> scale = num::ParseTypedWhole(texts.scale);
  if (!scale) return Refuse("scale", kNotWhole);
  if (*scale < kFrameScaleMin || *scale > kFrameScaleMax)
    return Refuse("scale", num::Format("请输入一个介于 %ld 和 %ld 之间的整数。", kFrameScaleMin, kFrameScaleMax));
  const std::optional<long> zone = num::ParseTypedWhole(texts.zone);
  if (texts.zoneFlag && !zone) return Refuse("zone", kNotWhole);
  const struct {
    const char* field;
    const std::string& text;
  } kilometres[] = {{"x1", texts.x1}, {"x2", texts.x2}, {"y1", texts.y1}, {"y2", texts.y2}};
  for (const auto& k : kilometres)
    if (!num::ParseTypedReal(k.text)) return Refuse(k.field, kNotNumber);
  *values = {*scale, texts.zoneFlag, zone.value_or(values->zone), texts.x1, texts.x2, texts.y1, texts.y2};
  return std::nullopt;
}

std::optional<FrameRefusal> CheckGraticule(const GraticuleValues& texts, double* interval) {
  const std::optional<double> km = num::ParseTypedReal(texts.interval);
  if (!km || !(*km > 0.0) || !std::isfinite(*km)) return Refuse("interval", kBadInterval);
  const struct {
    const char* field;
    const std::string& text;
  } angles[] = {{"maxLatitude", texts.maxLatitude},
                {"maxLongitude", texts.maxLongitude},
                {"minLatitude", texts.minLatitude},
                {"minLongitude", texts.minLongitude}};
  for (const auto& a : angles) {
    const std::optional<double> value = ParseTypedDms(a.text);
    if (!value || *value < 0.0) return Refuse(a.field, kBadAngle);
  }
  if (ZoneCentralMeridian(texts.minLongitude) < 0.0) return Refuse("minLongitude", kBadZone);
  *interval = *km;
  return std::nullopt;
}

void SetGraticuleAngleRecord(ProjParams& params) {
  MapParams record;
  ProjGetAngleParams(params, &record);
  record.setCoordKind(kGeographic);
  record.setUnit(kPackedDms);
  record.setEllipsoid(kXian80);
  ClearHeights(record);
  ProjSetAngleParams(params, record);
}

double SetGraticuleMapRecord(ProjParams& params, const std::string& minLongitude) {
  MapParams record;
  ProjGetMapParams(params, &record);
  record.setCoordKind(kProjectedPlane);
  record.setUnit(kMillimetres);
  record.setProjection(kGaussKruger);
  record.setEllipsoid(kXian80);
  record.setScale(kGraticuleScale);
  const double meridian = ZoneCentralMeridian(minLongitude);
  record.setCentralMeridian(meridian);
  ClearHeights(record);
  ProjSetZone(params, static_cast<int>(std::trunc(meridian / kZoneWidth)));
  ProjSetMapParams(params, record);
  return meridian;
}

}  // namespace zv::geodesy
