#pragma once
// Packed degree-minute-second values of the projection library: ±DDDMMSS.ss,
// degrees × 10000 + minutes × 100 + seconds, so 1173000 is 117°30′00″ and
// 392230.5 is 39°22′30.5″. These are a different packing from the geodetic
// dialogs' ddd.mmss (geodesy/dms.h); the two are never mixed.

#include <optional>
#include <string_view>

namespace zv {

// Seconds of arc to a packed value. Seconds that round up to 60 within
// 1e-9″ carry into the minutes (and 60 minutes into the degrees), so a
// value never shows 60 seconds or minutes. The sign is kept.
double ProjSecondsToDms(double seconds);

// A packed value, converted in place to seconds of arc. False, with the
// value left as it was, when it is not finite or its minutes or seconds are
// 60 or more.
bool ProjDmsToSeconds(double* value);

// The parts of a packed value; the sign goes apart, the parts are of the
// magnitude.
struct DmsParts {
  bool negative = false;
  int degrees = 0;
  int minutes = 0;
  double seconds = 0;
};
DmsParts ProjSplitDms(double packed);

// A packed value typed as text (the whole text one C-locale number, blanks
// around it allowed); none when it is no number or ProjDmsToSeconds refuses
// it.
std::optional<double> ParseTypedDms(std::string_view text);

}  // namespace zv
