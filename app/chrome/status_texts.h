#pragma once
// What the status bar's five panes show: their widths from the screen's
// available width, their first texts, and the cursor read-out the editing
// views feed (numbers in the C locale whatever the user's locale).
//
// Map units are millimetres: with scale denominator S the plane read-out's
// X (northing) is S·y·0.001 and its Y (easting) S·x·0.001 metres. The
// geographic read-out hands (e, n) = (S·x·0.001, S·y·0.001) to the projector
// with the zone millions taken off e whenever e holds them (e ≥ 1,000,000).

#include <array>
#include <functional>
#include <string>

namespace zv::chrome {

inline constexpr int kPaneCount = 5;
inline constexpr int kStatusMinHeight = 20;

// Pane widths for a screen's available width W: 0.22, 0.16, 0.22, 0.22,
// 0.18 of W, each truncated.
std::array<int, kPaneCount> StatusPaneWidths(int availableWidth);

// The panes' texts before the first read-out.
const std::array<const char*, kPaneCount>& InitialPaneTexts();

// (e, n) metres → (longitude, latitude) degrees in place; false when it fails.
using GeographicFn = std::function<bool(double& e, double& n)>;

struct ReadOut {
  double x = 0, y = 0;  // map coordinates
  int texts = 0, subGraphs = 0, lines = 0, regions = 0;
  std::string layer;
};

struct ReadOutState {
  long scaleDenominator = 0;  // 0: not set
  bool latLong = false;
  GeographicFn toGeographic;  // used when latLong
};

// The texts of panes 1 to 4 (pane 0 is the message pane and keeps its own).
std::array<std::string, kPaneCount> ReadOutTexts(const ReadOut& readOut, const ReadOutState& state);

// Pane 2 alone.
std::string RealCoordinateText(double x, double y, const ReadOutState& state);

}  // namespace zv::chrome
