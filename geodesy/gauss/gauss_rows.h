#pragma once
// The Gauss projection dialog's lists as plain rows, and what its buttons do
// to them: forward, inverse and zone-change computation, the angle-notation
// conversions, point files and clipboard text. Qt-free.
//
// Angles in the left list are DDMMSS.ss numbers: degrees × 10000 + minutes
// × 100 + seconds (the packed ddd.mmss value × 10000). Plane x is the
// northing, y the easting with 500000 m and no zone number.
#include <string>
#include <string_view>
#include <vector>

namespace zv::gauss {

struct GaussRow {
  std::string name, first, second;
  friend bool operator==(const GaussRow&, const GaussRow&) = default;
};
using GaussRows = std::vector<GaussRow>;

// Characters a list cell keeps.
inline constexpr std::size_t kCellCharacters = 49;

enum class GaussMode { Forward = 0, Inverse = 1, ZoneChange = 2 };
// Ellipsoid codes of this dialog: 0 Krassovsky, 1 IAG-75, 2 WGS-84.
struct GaussSettings {
  GaussMode mode = GaussMode::Forward;
  double sourceL0 = 117;  // packed ddd.mmss
  double targetL0 = 120;
  int sourceEllipsoid = 0;
  int targetEllipsoid = 0;
};

// The output rows of "计算" for the input rows of the mode (left list for
// forward and zone change, right list for inverse). Numbers as "%f".
GaussRows ComputeGauss(const GaussSettings& settings, const GaussRows& input);

// Input notations of "→DDMMSS.ss".
enum class AngleNotation { None = 0, DecimalDegrees = 2, Symbols = 3 };
// Columns 1 and 2 to DDMMSS.ss ("%f"): decimal degrees through their total
// seconds rounded to the output's precision and carried (30.7 gives
// 304200.000000); "116°5′3″" read as degrees, minutes and seconds (1160503).
// A cell that is no angle of the notation stays as it is.
void ToDdmmss(GaussRows& rows, AngleNotation notation);
// "×100", "÷100" and "×60" (100 × trunc(v) + frac(v) × 60) on columns 1 and 2.
void ScaleColumns(GaussRows& rows, double factor);
void MinutesToSeconds(GaussRows& rows);

// A point file: one row per line, "number,first,second"; commas after the
// second are dropped from the second value; blank lines are skipped. UTF-8
// when valid, else GB18030.
GaussRows ReadPointFile(std::string_view bytes);
// The rows as "number,first,second" lines ended by CR LF, UTF-8.
std::string PointFileText(const GaussRows& rows);

// Clipboard text: a row ends at LF, CR LF or CR, and a last row without an
// end counts; fields are split at runs of tabs, commas or blanks and the
// first three kept; blank lines give no row.
GaussRows ParseClipboard(std::string_view text);
// One line per row: number, column 1, column 2 separated by tabs, CR LF.
std::string ClipboardText(const GaussRows& rows);

// A cell text cut to kCellCharacters characters.
std::string CutCell(std::string_view text);

}  // namespace zv::gauss
