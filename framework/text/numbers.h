#pragma once
// Numbers written or read as text are formatted and parsed as in the C locale,
// whatever locale the user interface runs in (Qt sets the user's locale at
// start-up, which would otherwise turn "%f" into "0,100000").

#include <optional>
#include <string>
#include <string_view>

namespace zv::num {

// printf in the C locale.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "%d", "%f" and "%.10lf", the forms the program writes most.
std::string FormatInt(long value);
std::string FormatFixed(double value, int decimals = 6);

// atoi/atol/atof in the C locale: leading blanks are skipped, the longest
// leading number is taken, and text that starts with no number gives 0.
int ParseInt(std::string_view text);
// ParseLong held at the int32 ends: a count typed past the range reads as
// the largest (so a check refuses it) instead of wrapping ("4294967300" → 4).
int ParseIntHeld(std::string_view text);
long ParseLong(std::string_view text);
double ParseDouble(std::string_view text);

// A number typed in a box: the whole text, blanks around it allowed, is one
// number in the C locale; none for anything else ("", "1,5", "12abc").
std::optional<long> ParseTypedWhole(std::string_view text);
std::optional<double> ParseTypedReal(std::string_view text);

}  // namespace zv::num
