#pragma once
// The values of the two frame dialogs and the checks OK makes, without Qt.
// Each check takes the texts as typed and gives the values, or the first
// field (in the dialog's order) that is refused, with its message.

#include <optional>
#include <string>

#include "platform/projection/proj_params.h"

namespace zv::geodesy {

struct FrameRefusal {
  std::string field;  // the control's object name
  std::string message;
};

// "标准矩形图框": the kilometre values stay text, as labels show them.
struct StandardFrameValues {
  long scale = 5000;
  bool zoneFlag = true;
  long zone = 39;
  std::string x1 = "621.387";
  std::string x2 = "623.414";
  std::string y1 = "2863.651";
  std::string y2 = "2866.000";
};
inline constexpr long kFrameScaleMin = 1000;
inline constexpr long kFrameScaleMax = 1000000;

struct StandardFrameTexts {
  std::string scale, zone, x1, x2, y1, y2;
  bool zoneFlag = true;
};

// The scale a whole number from 1000 to 1000000; the zone, while the flag
// is set, a whole number; the four kilometre values numbers.
std::optional<FrameRefusal> CheckStandardFrame(const StandardFrameTexts& texts, StandardFrameValues* values);

// "绘制经纬网": angles as packed DDDMMSS texts, the interval in km.
struct GraticuleValues {
  std::string interval = "1";
  std::string maxLatitude = "254845";
  std::string maxLongitude = "1170830";
  std::string minLatitude = "254400";
  std::string minLongitude = "1170315";
};

// The interval a number above 0; the four angles non-negative packed
// angles; the minimum longitude one whose zone is known.
std::optional<FrameRefusal> CheckGraticule(const GraticuleValues& texts, double* interval);

// The angle-unit record as the graticule needs it: geographic (1), packed
// DMS (5), Xi'an 1980 (2); the other bytes stay.
void SetGraticuleAngleRecord(ProjParams& params);

// The map-projection record: a Gauss-Krüger plane (3, millimetres, 5) on
// Xi'an 1980 at 1:10,000 about the zone meridian of `minLongitude`, and the
// zone. Returns that meridian (DDDMMSS), −1.0 when the longitude is refused:
// −1.0 is then written as the meridian, as the user is told ("数据错误").
double SetGraticuleMapRecord(ProjParams& params, const std::string& minLongitude);

}  // namespace zv::geodesy
