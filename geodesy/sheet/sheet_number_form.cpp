#include "geodesy/sheet/sheet_number_form.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "geodesy/map_sheet.h"
#include "geodesy/point_text.h"
#include "geodesy/sheet/sheet_names.h"
#include "platform/projection/dms.h"

namespace zv::sheet {
namespace {

constexpr int32_t kScales[] = {5000, 10000, 25000, 50000, 100000, 250000, 500000, 1000000};

int32_t ScaleOf(const std::string& text) {
  const int32_t scale = num::ParseInt(text);
  for (int32_t s : kScales)
    if (s == scale && num::FormatInt(s) == text) return s;
  return 0;
}

}  // namespace

std::string AngleText(double seconds) {
  const long long centi = std::llround(std::abs(seconds) * 100);
  const long long degrees = centi / 360000;
  const long long minutes = centi % 360000 / 6000;
  const double rest = static_cast<double>(centi % 6000) / 100;
  return num::Format("%lld°%lld′%.2f″", degrees, minutes, rest);
}

std::string PackedText(double degrees) { return num::FormatFixed(ProjSecondsToDms(degrees * 3600), 6); }

std::optional<double> PackedDegrees(const std::string& packed) {
  const std::optional<double> value = point_text::ParseNumber(packed);
  if (!value) return std::nullopt;
  double seconds = *value;
  if (!ProjDmsToSeconds(&seconds)) return std::nullopt;
  return seconds / 3600;
}

std::optional<std::string> ComputeSheet(SheetForm& form, SheetInput mode) {
  SheetForm out = form;
  switch (mode) {
    case SheetInput::Packed: {
      const auto lon = PackedDegrees(form.lonPacked);
      const auto lat = PackedDegrees(form.latPacked);
      if (!lon || !lat) return "经纬度格式不正确！";
      out.lon = *lon;
      out.lat = *lat;
      [[fallthrough]];
    }
    case SheetInput::Degrees: {
      const int32_t scale = ScaleOf(out.scale);
      if (scale == 0) return "比例尺不正确！";
      out.newNumber = CMapSheet::NewSheetNumber(out.lon, out.lat, scale);
      out.oldNumber = CMapSheet::OldSheetNumber(out.lon, out.lat, scale);
      if (out.newNumber.empty() || out.oldNumber.empty()) return "经纬度超出图幅范围！";
      break;
    }
    case SheetInput::NewNumber: {
      char letter = 0;
      const int32_t scale = CMapSheet::ScaleOfNewNumber(form.newNumber, &letter);
      out.oldNumber = CMapSheet::NewToOldNumber(form.newNumber);
      if (scale == 0 || out.oldNumber.empty()) return "新图幅号不正确！";
      out.scale = num::FormatInt(scale);
      break;
    }
    case SheetInput::OldNumber: {
      char letter = 0;
      CMapSheet sheet;
      const int32_t scale = CMapSheet::ClassifyOldNumber(form.oldNumber, &letter);
      out.newNumber = scale == 0 ? std::string() : sheet.OldToNewNumber(form.oldNumber);
      if (out.newNumber.empty()) return "旧图幅号不正确！";
      out.scale = num::FormatInt(scale);
      break;
    }
  }
  SheetExtentSeconds extent;
  if (!CMapSheet::SheetExtent(out.newNumber, &extent)) return "新图幅号不正确！";
  if (mode == SheetInput::NewNumber || mode == SheetInput::OldNumber) {
    // One minute inside the south-east corner: inside the sheet at every scale.
    out.lon = (extent.east - 60) / 3600;
    out.lat = (extent.south + 60) / 3600;
  }
  out.lonPacked = PackedText(out.lon);
  out.latPacked = PackedText(out.lat);
  out.lonRange = AngleText(extent.west) + "--" + AngleText(extent.east);
  out.latRange = AngleText(extent.south) + "--" + AngleText(extent.north);
  out.lonDifference = AngleText(extent.east - extent.west);
  out.latDifference = AngleText(extent.north - extent.south);
  if (auto name = LookUpSheetName(out.scale, out.newNumber)) out.name = *name;
  form = out;
  return std::nullopt;
}

}  // namespace zv::sheet
