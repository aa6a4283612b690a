#pragma once
// The frame of a clipped map: the standard rectangular frame around the
// outline's box, written as its own three files. No Qt.

#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/param_records.h"

namespace zv::tools {

// The value as "%10.3f" writes it, read back: rounded to three decimals.
double RoundTo3Decimals(double value);

// The frame corners in kilometres: the outline's box at the old scale
// (map millimetres × old / 1,000,000), each rounded to three decimals.
struct ClipFrameCorners {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
ClipFrameCorners ClipFrameCornersOf(const std::vector<std::vector<D_DOT>>& outline, long oldScale);

// Draws the standard frame of the corners at the new scale (no zone before
// the eastings) with the line and text records into a set of its own and
// saves its lines, labels and (empty) regions as the three paths. Empty on
// success, else the failed save's reason naming the file.
struct ClipFramePaths {
  std::string lines, points, regions;
};
std::string WriteClipFrame(const std::vector<std::vector<D_DOT>>& outline, long oldScale, long newScale,
                           const LIN_INFO& line, const PNT_INFO& text, const ClipFramePaths& paths);

}  // namespace zv::tools
