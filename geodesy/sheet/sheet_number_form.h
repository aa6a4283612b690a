#pragma once
// The values of the sheet-number dialog ("新旧图幅号转换") and its "计算":
// from a point (in degrees or packed DDDMMSS.ss), a new or an old sheet
// number, the other forms, the sheet's extent and size, and its name from
// the scale's sheet-name table. Qt-free; the dialog only moves texts.
#include <optional>
#include <string>

namespace zv::sheet {

enum class SheetInput { Degrees, Packed, NewNumber, OldNumber };

struct SheetForm {
  std::string scale = "10000";
  double lon = 114.5625;
  double lat = 39.375;
  std::string lonPacked, latPacked;
  std::string newNumber, oldNumber;
  std::string lonRange, latRange, lonDifference, latDifference;
  std::string name;
};

// "计算" for the input mode. A refusal (unknown scale, a point outside the
// series, a number not recognised, a packed text the projection library
// rejects) is returned as the message to show, with the form unchanged.
std::optional<std::string> ComputeSheet(SheetForm& form, SheetInput mode);

// Seconds of arc as "114°33′45.00″": rounded to 0.01″ and carried, so
// never "60.00″".
std::string AngleText(double seconds);
// Degrees as the packed text "%f" of DDDMMSS.ss.
std::string PackedText(double degrees);
// A packed text to degrees; none when it is no number or is rejected.
std::optional<double> PackedDegrees(const std::string& packed);

}  // namespace zv::sheet
