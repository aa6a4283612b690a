#pragma once
// The line tool's program-wide values, kept for the program's run (never
// saved) and written only by the OK of the contour parameter dialog, with
// the checks that OK runs. No Qt.

#include <cstdint>
#include <optional>
#include <string>

namespace zv::tools {

struct ContourSettings {
  int32_t colour = 7;
  int32_t layer = 9;
  int32_t contours = 4;     // intermediate lines between two lines
  int32_t vertexCount = 0;  // resampling count; 0: derived from the two lines
  double fillAngle = 20.0;  // degrees clockwise from the x axis
  double fillSpacing = 10.0;
  int algorithm = 2;  // 1, 2 or 3
};

// The one set of values of the running program.
ContourSettings& CurrentContourSettings();

// Bounds of the typed counts: every contour holds the resampled vertices, so
// larger values (2147483647 contours never ended) only exhaust memory.
inline constexpr int32_t kMostContours = 10'000;
inline constexpr int32_t kMostContourVertices = 1'000'000;

// The refusal of OK, naming the field and saying why; none when the values
// are sound: a layer that does not fit the line record's 16-bit field, a
// fill spacing ≤ 0, a fill angle that is not a finite number
// ("nan" turned every outline into nothing), a vertex count below 0, equal
// to 1 or above kMostContourVertices, more than kMostContours contours.
struct ContourRefusal {
  const char* field;
  std::string message;
};
std::optional<ContourRefusal> CheckContourSettings(const ContourSettings& values);

}  // namespace zv::tools
