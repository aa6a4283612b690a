#pragma once
// National topographic map-sheet numbers at the eight scales 1:5000 to
// 1:1000000, in the new scheme (fixed width, e.g. J50G096096) and the old one
// (hyphenated, e.g. J-50-144-(64)-a). Angles are decimal degrees, longitude
// east and latitude north; the series covers longitudes 0°-180° and latitudes
// 0°-88° (row letters A to V).
//
// A point on a sheet line belongs to the sheet north and east of it, in both
// schemes alike: a point less than kLineToleranceSeconds south or west of a
// line counts as on the line, so that values such as 39.375 or 114.5625 that
// decimal arithmetic cannot hold exactly still fall on their line.

#include <cstdint>
#include <string>
#include <string_view>

// A sheet's true extent in seconds of arc.
struct SheetExtentSeconds {
  double west = 0.0;
  double south = 0.0;
  double east = 0.0;
  double north = 0.0;
};

class CMapSheet {
 public:
  static constexpr double kLineToleranceSeconds = 1e-5;

  virtual ~CMapSheet() = default;

  // Sheet numbers of a point at one of the eight scales; empty for another
  // scale or a point outside the series.
  static std::string NewSheetNumber(double lon, double lat, int32_t scale);
  static std::string OldSheetNumber(double lon, double lat, int32_t scale);

  // Sheet size of a scale; any other scale gets the 1:1000000 size.
  static double SheetWidthSeconds(int32_t scale);
  static double SheetHeightSeconds(int32_t scale);

  // The new number of an old one, kept in this object until the next call;
  // empty when the old number is malformed.
  const std::string& OldToNewNumber(std::string_view oldNumber);

  // Scale denominator of a well-formed old number and its scale letter
  // ('A' 1:1000000 .. 'H' 1:5000); 0 (letter untouched) for anything else.
  static int32_t ClassifyOldNumber(std::string_view oldNumber, char* scaleLetter);

  // The corner that the block maps build on: the north-west corner for a
  // 1:1000000 number, the south-east corner for every other scale. False
  // (outputs untouched) for a malformed number.
  static bool NewNumberToCorner(std::string_view number, double* lon, double* lat);

  // One minute west and north of (lon, lat): inside the sheet whose
  // south-east corner that is.
  static void StepInside(double lon, double lat, double* lonInside, double* latInside);

  // The old number of the sheet a new number names; empty when malformed.
  static std::string NewToOldNumber(std::string_view number);

  // Scale denominator of a well-formed new number and its scale letter; 0
  // (letter untouched) for anything else.
  static int32_t ScaleOfNewNumber(std::string_view number, char* scaleLetter);

  // The true extent of the sheet a new number names, at every scale. False
  // (extent untouched) for a malformed number.
  static bool SheetExtent(std::string_view number, SheetExtentSeconds* extent);

 private:
  std::string newNumber_;
};
