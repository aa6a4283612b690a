#pragma once
// The texts of the map frames. Kilometre labels are split for two text
// sizes; grid labels keep only the last two whole digits; angles typed as
// packed DDDMMSS are written with their degree, minute and second signs.
// Numbers are formatted in the C locale.

#include <string>
#include <string_view>

namespace zv::frame {

struct SplitLabel {
  std::string small;  // everything before the cut
  std::string large;  // the last two whole digits and the fraction
};

// Cut two characters before the decimal point (or the end): "2863.651"
// gives "28" and "63.651"; with fewer than two characters before the point
// the small part is empty.
SplitLabel SplitKilometres(std::string_view text);

// The fewest decimals (at least one, at most six) that show every multiple
// of `step` exactly: 0.5 → 1, 0.25 → 2.
int GridDecimals(double step);

// `value` with `decimals` decimals.
std::string FormatKilometres(double value, int decimals);

// The large part of a grid value's text: 2864.0 gives "64.0".
std::string GridLabel(double value, int decimals);

// "1170315" → "117°03′15″", "254400.5" → "25°44′00.5″": the degree sign
// goes four characters before the decimal point (or the end), the minute
// sign two before it, the second sign at the end. Shorter texts get the
// signs at their start.
std::string FormatDms(std::string_view packed);

// A FormatDms text split after its degree sign: "25°" and "44′00″".
SplitLabel SplitAfterDegrees(std::string_view text);

}  // namespace zv::frame
