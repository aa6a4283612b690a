#pragma once
// The standard rectangular frame: the rectangle of two kilometre ranges at a
// scale, with its corner ticks and labels, two outer borders and the
// kilometre grid. Lengths are millimetres on paper (km × 1,000,000 / scale);
// lines go to the target's line area, labels to its point area.
//
// Drawing order: the inner frame (one line P0 P1 P2 P3 P0, P0 the lower
// left corner, anticlockwise); per corner P0..P3 the horizontal tick and its
// northing label (small part, large part), then the vertical tick and its
// easting label; the borders 10 mm (0.1) and 11 mm (0.5) outside; the
// northing grid lines bottom to top, each followed by its left and right
// labels; the easting grid lines left to right, each with its bottom and top
// labels. Grid lines lie every scale × 0.0001 km strictly inside the frame.

#include <optional>
#include <string>

#include "tools/frame/frame_writer.h"

namespace zv::frame {

struct StandardFrame {
  // The corner values in kilometres as typed: labels show the text, the
  // geometry reads it as a C-locale number.
  std::string x1, x2, y1, y2;
  long scale = 5000;
  // Put before the small part of every easting label.
  std::optional<int> zone;
};

struct FrameResult {
  std::string error;  // the user's message when nothing was drawn
  FrameDrawn drawn;
};

// Draws the frame. Refused, with nothing drawn, for a scale not above zero,
// a corner value that is no finite number or lies beyond what paper
// millimetres can hold, or a grid wider than kMaxGridLines.
FrameResult DrawStandardFrame(const FrameTarget& target, const StandardFrame& frame);

}  // namespace zv::frame
