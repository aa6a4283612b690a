#pragma once
// The sheet grid behind CMapSheet. Every sheet, at every scale, is held as a
// block of 1:5000 cells inside its 1:1000000 sheet (192 x 192 cells of
// 112.5" x 75"), counted from that sheet's north-west corner; both numbering
// schemes are read from and written to this one form, so they cannot
// disagree about which sheet a point lies in.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sheet_grid {

inline constexpr int kCellsPerMillionSheet = 192;
inline constexpr double kCellWidthSeconds = 112.5;
inline constexpr double kCellHeightSeconds = 75.0;
inline constexpr int kBands = 22;        // row letters A..V, 0°..88°
inline constexpr int kFirstColumn = 31;  // 0°..6° east
inline constexpr int kLastColumn = 60;   // 174°..180° east

struct Scale {
  int32_t denominator;
  char letter;
  int sheetsPerSide;  // per 1:1000000 sheet
  int Cells() const { return kCellsPerMillionSheet / sheetsPerSide; }
};

// The eight scales, 1:1000000 first; null for any other.
const Scale* ScaleByDenominator(int32_t denominator);
const Scale* ScaleByLetter(char letter);

struct Sheet {
  const Scale* scale = nullptr;
  int band = 0;    // latitude band, 0 for 'A'
  int column = 0;  // 1:1000000 column, 31..60
  int north = 0;   // cells from the 1:1000000 sheet's north edge
  int west = 0;    // cells from its west edge
};

// The sheet that holds a point (north-and-east rule on lines); none outside
// the series.
std::optional<Sheet> SheetOfPoint(double lon, double lat, const Scale& scale);

std::optional<Sheet> ParseNew(std::string_view number);
std::optional<Sheet> ParseOld(std::string_view number);
std::string FormatNew(const Sheet& sheet);
std::string FormatOld(const Sheet& sheet);

// West and north edges in seconds of arc.
double WestSeconds(const Sheet& sheet);
double NorthSeconds(const Sheet& sheet);

}  // namespace sheet_grid
