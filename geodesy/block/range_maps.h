#pragma once
// The three range maps of a mining-right block, drawn into one point, one
// line and one region work area each, in page millimetres from the lower-left
// corner of the map field. The maps are schematic: a fixed number of
// millimetres per arc-second, not a projection.
//  (一) the 1:1000000 sheet as its 24 × 24 sheets of 1:50000 (7 × 5 mm),
//       the touched ones filled;
//  (二) a window of 2 × 2 sheets of 1:50000 from the block's south-west
//       point, 0.1 mm per arc-second, with the block;
//  (三) one touched 1:50000 sheet, 0.2 mm per arc-second, with the block
//       clipped to it.
// Texts take the current default text record, whose character height and
// width are set before each text; lines and regions take copies of the
// default line and region records (colour 1, widths 0.1, 0.2, 0.3); the
// defaults of lines and regions stay as they are.
#include <string>
#include <vector>

#include "geodesy/block/block_corners.h"
#include "geodesy/block/block_sheets.h"
#include "platform/data/work_area.h"

namespace zv::block {

struct MapAreas {
  WorkAreaHandle points = 0, lines = 0, regions = 0;
};

struct Date {
  int year = 2000, month = 1, day = 1;
};

// (一) for the 1:1000000 sheet `million` ("J50"): the sheets are listed, and
// those inside it filled.
void DrawRangeMap1(const MapAreas& map, const std::vector<TouchedSheet>& sheets, const std::string& million,
                   Date today);
// (二) for the block's rings.
void DrawRangeMap2(const MapAreas& map, const std::vector<Ring>& rings, Date today);
// (三) for one sheet, the index-th (from 0) of `count`.
void DrawRangeMap3(const MapAreas& map, const std::vector<Ring>& rings, const TouchedSheet& sheet, int index,
                   int count, Date today);

}  // namespace zv::block
