#pragma once
// The section data a plan document holds while a cross-section is built from
// its plan map: the section header (title-block texts and rows, the two scale
// denominators), the section line and its geometry, the coordinate ticks, the
// design boreholes and trenches, and the three point lists. The plan-side
// commands fill it, the section view only reads it. Plain values: texts are
// UTF-8, lengths are named with their units below. The document owns one
// instance; it is neither copied nor moved (the point lists are not).

#include <array>
#include <cstdint>
#include <string>

#include "common/point_rec_list.h"
#include "zavediz/records.h"

namespace zv::zavediz {

// One row of the title block. A row is in use when `kind` is "0", "1" or "2".
// Sizes are mm; right and bottom are offsets from the block's lower right
// corner. The first row's `contentWidth` is the width of the whole block.
struct TitleRow {
  std::string kind;
  std::string caption;
  std::string content;
  double captionHeight = 0.0;
  double captionWidth = 0.0;
  double contentHeight = 0.0;  // also the row height
  double contentWidth = 0.0;
  double captionRight = 0.0;
  double captionBottom = 0.0;
  double contentRight = 0.0;
  double contentBottom = 0.0;
  bool centred = false;
  double margin = 0.0;
  int16_t font = 0;
};

inline constexpr int kTitleRowCount = 14;

// One coordinate tick on the section's bottom line: the X tick (letter 'X',
// kind 1; `gridValue` the grid x, `lineValue` the line's y there) or the Y
// tick (letter 'Y', kind 2; `lineValue` the line's x, `gridValue` the grid y).
struct CoordinateTick {
  bool set = false;
  char letter = 'X';
  double position = 0.0;  // along the section, mm
  double baseY = 0.0;     // mm
  double gridValue = 0.0;
  double lineValue = 0.0;
  double angle = 0.0;  // radians
  int16_t kind = 1;
  // False when the line runs along this family's grid lines without lying
  // on one: it meets none of them, so the family has no tick.
  bool meetsGrid = true;
};

// A design borehole slot; free while `inUse` is false (the other fields then
// keep their old values and mean nothing).
struct DesignBoreholeRec {
  bool inUse = false;
  std::string name;
  double depth = 0.0;     // section mm
  double azimuth = 0.0;   // degrees
  double dip = 0.0;       // degrees
  double distance = 0.0;  // along the section, mm
  double baseY = 0.0;     // mm
  double groundX = 0.0;   // metres
  double groundY = 0.0;   // metres
  double collarElevation = 0.0;  // section mm
  double h = 0.0;                // metres
  int16_t number = 0;            // 1-based slot number
};

// A design trench slot; free while `inUse` is false.
struct DesignTrenchRec {
  bool inUse = false;
  std::string name;
  double startDistance = 0.0;  // mm
  double startBaseY = 0.0;     // mm
  double endDistance = 0.0;    // mm
  double endBaseY = 0.0;       // mm
  double startGroundX = 0.0;   // metres
  double startGroundY = 0.0;   // metres
  double endGroundX = 0.0;     // metres
  double endGroundY = 0.0;     // metres
  double startElevation = 0.0;  // section mm
  double endElevation = 0.0;    // section mm
  double length = 0.0;          // section mm
  int16_t number = 0;           // 1-based slot number
};

inline constexpr int kDesignSlotCount = 100;

// The line-flag value of a vertical projection.
inline constexpr uint16_t kVerticalProjection = 0xFFFF;

struct SectionData {
  SectionData() = default;
  SectionData(const SectionData&) = delete;
  SectionData& operator=(const SectionData&) = delete;

  std::array<TitleRow, kTitleRowCount> titleRows;

  // Header. Nothing is drawn for a section while `headerSet` is false. The
  // thirteen texts are listed in the order the header stores them.
  bool headerSet = false;
  std::string row1Left;
  std::string row2Left;
  std::string row3Right;
  std::string row3Left;
  std::string row5Left;
  std::string row6Left;
  std::string row4Right;
  int32_t planScale = 0;  // P: plan mm at 1:P; ground metres = plan × P / 1000
  std::string row5Right;
  std::string surveyingUnit;  // 勘查单位
  std::string row4Left;
  std::string row2Right;
  std::string title;  // 图名
  std::string row1Right;
  int32_t sectionScale = 0;     // S: section mm = metres × 1000 / S
  int32_t lowestElevation = -1;  // metres; −1 = not set

  // Section line.
  bool lineStored = false;
  std::string lineName;
  D_DOT sectionStart{0.0, 0.0};  // section mm; x = 0
  D_DOT sectionEnd{0.0, 0.0};    // section mm; x = the section length
  D_DOT groundStart{0.0, 0.0};   // metres
  D_DOT groundEnd{0.0, 0.0};     // metres
  double length = 0.0;           // ground metres
  double direction = 0.0;        // radians, start → end, in (−π, π]
  // 0xFFFF when the line was taken as a vertical projection, else 0; every
  // way of fixing a line sets it.
  uint16_t verticalProjection = 0;

  CoordinateTick xTick{false, 'X', 0.0, 0.0, 0.0, 0.0, 0.0, 1, true};
  CoordinateTick yTick{false, 'Y', 0.0, 0.0, 0.0, 0.0, 0.0, 2, true};

  std::array<DesignBoreholeRec, kDesignSlotCount> boreholes;
  std::array<DesignTrenchRec, kDesignSlotCount> trenches;

  // (0, distance mm, elevation mm, name, 0.0), ascending by distance.
  CPointRecList terrain;
  // (arc id, plan x, plan y), ordered by x, then y.
  CPointRecList geologyCrossings;
  // (arc id, distance mm, elevation mm, "inf").
  CPointRecList geologyBoundary;

  // Ends of the plan strip's centre line at the section's bottom y, mm.
  D_DOT bottomLeft{0.0, 0.0};
  D_DOT bottomRight{0.0, 0.0};
};

// Starts a new section line: frees every design slot, clears the tick flags,
// the line-stored flag and the bottom-left point, and empties the three point
// lists. The header is kept unless `clearHeader` asks to drop it too.
void ResetZavedizData(SectionData& data, bool clearHeader);

}  // namespace zv::zavediz
