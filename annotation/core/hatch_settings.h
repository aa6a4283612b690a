#pragma once
// The hatch settings a pattern fill works with (the hatch pattern dialog's
// choices), the work areas it draws into, and the record of its lines.

#include <cmath>
#include <string>

#include "platform/data/param_records.h"
#include "platform/data/work_area.h"

namespace zv::annot {

// The dialog's choices as the fill uses them.
struct HatchSettings {
  std::string patternFile;
  std::string patternName;
  double angle = 0.0;  // degrees
  double startAngle = 0.0, endAngle = 0.0;
  int patternColor = 1;
  double scaleX = 5.0, scaleY = 5.0;
  float lineWidth = 0.05f;
  int patternSource = 1;  // nonzero: hatch-pattern file; 0: library entry
  int angleKind = 1;      // nonzero: single angle; 0: gradient
  int patternIndex = -1;  // library position, −1 none chosen

  // The angle within one turn. Every rotation of a fill takes it from here:
  // a typed angle of many turns would lose its direction to rounding, and
  // differently in the turn there and the turn back.
  double Turn() const { return std::fmod(angle, 360.0); }
};

// The pattern line record: plain line (style 1), the pattern colour and
// width, X and Y coefficients 10.
LIN_INFO PatternLineInfo(const HatchSettings& settings);

struct FillTargets {
  WorkAreaHandle points = 0, lines = 0, regions = 0;
};

}  // namespace zv::annot
