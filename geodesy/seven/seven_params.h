#pragma once
// "7参数转换" without widgets: the fit of the datum parameters from common
// points, the transformation of a point list with them, and the parameter
// file. Qt-free.
//
// Rows are (number, three values): B, L as packed ddd.mmss and H in metres,
// or plane x (northing), y (easting with 500000 m, no zone number) and h.
// Ellipsoid codes of this dialog: 1 WGS-84, 2 Krassovsky (BJ54), 3 IAG-75
// (XA80). Forms: 1 BLH->xyh, 2 BLH->BLH, 3 xyh->BLH, 4 xyh->xyh. Models: 1
// seven parameters dx, dy, dz (m), εx, εy, εz (radians), m (scale
// difference), source to target; 2 a shift dx, dy, dz = source − target,
// subtracted.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::seven {

using Row = std::array<std::string, 4>;
using Rows = std::vector<Row>;

// Characters a list cell keeps.
inline constexpr std::size_t kCellCharacters = 49;

struct Settings {
  int source = 1;  // ellipsoid code
  int form = 1;
  int target = 2;
  int model = 1;
  double sourceL0 = 117;  // packed ddd.mmss
  double targetL0 = 117;
};

// The seven parameter texts in the order dx, dy, dz, εx, εy, εz, m.
using Parameters = std::array<std::string, 7>;

struct FitResult {
  Parameters parameters;  // "%.15lf"; model 2 fills the first three only
  std::string error;      // empty on success
};
// "计算参数": model 1 fits the seven parameters from every source row and
// the target row of the same index (at least three common points, neither
// repeated nor on one line); model 2 takes the shift of the first row.
FitResult Fit(const Settings& settings, const Rows& source, const Rows& target);

struct TransformResult {
  Rows rows;          // the target list: each source row's number and values
  std::string error;  // empty on success; no row is made when set
};
// "计算坐标": the source list through the parameters into the target form
// (BLH "%.12f", plane coordinates "%.3f", projected with the target L0).
TransformResult Transform(const Settings& settings, const Parameters& parameters, const Rows& source);

// The parameter file: the seven texts, the source and target L0 ("%f"),
// then the source ellipsoid, form, target ellipsoid and model ("%d"), one a
// line, ended by CR LF.
std::string ParameterFileText(const Settings& settings, const Parameters& parameters);
struct ParameterFile {
  Settings settings;
  Parameters parameters;
};
// Reads a parameter file (UTF-8 or GB18030, any line ends): thirteen lines
// whose numbers parse, ellipsoid codes 1–3, form 1–4 and model 1–2; else
// `error` says what is wrong.
std::optional<ParameterFile> ReadParameterFile(std::string_view bytes, std::string* error);

// Clipboard text of a list: number and values separated by tabs, CR LF.
std::string ClipboardText(const Rows& rows);
// Clipboard text to rows: a row ends at LF, CR LF or CR, and a last row
// without an end counts; fields end at runs of tabs, commas or blanks; four
// are kept, each cut to kCellCharacters characters; missing ones are empty.
Rows ParseClipboard(std::string_view text);

}  // namespace zv::seven
