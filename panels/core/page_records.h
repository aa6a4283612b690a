#pragma once
// What a pick on a side page does to the platform's current default records
// and to the pick mode the editing views read (common/globals).

#include <cstdint>
#include <string>

#include "panels/core/page_settings.h"
#include "platform/data/work_area.h"

namespace zv::panels {

// The draw value of each page's pick mode; modify is its negative.
inline constexpr int16_t kSubgraphPick = 1;
inline constexpr int16_t kLinePick = 2;
inline constexpr int16_t kRegionPick = 3;
inline constexpr int16_t kColourPick = -4;

// The draw value when the operation type is 0, its negative for any other.
int16_t PickMode(int16_t drawValue, int16_t opType);

// A line style as the pages write it, "type-sub-style".
struct LineStyleNo {
  int type = 0;
  int subStyle = 0;
  friend bool operator==(const LineStyleNo&, const LineStyleNo&) = default;
};
// Split at the first "-", each side read as atoi reads it ("12-3" → 12, 3).
LineStyleNo ParseLineStyle(const std::string& text);
std::string FormatLineStyle(int type, int subStyle);

// The default record of each kind filled from a page's values.
void FillLineRecord(const LineValues& values, LIN_INFO& record);
void FillRegionRecord(const RegionValues& values, REG_INFO& record);  // the pattern's low 16 bits
void FillSubgraphRecord(const SubgraphValues& values, PNT_INFO& record);

// A colour value 0 .. 255 as the colour page shows it, in percent.
int CmykPercent(int value);

}  // namespace zv::panels
