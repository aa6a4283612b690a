#pragma once
// The section header and the section line's geometry as the plan document
// keeps them, and the conversions between plan, ground and section units.
//
// Plan units are mm at 1:P, ground units metres (plan × P / 1000), section
// units mm at 1:S (metres × 1000 / S); P and S come from the header.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "zavediz/dialogs/title_block_rows.h"
#include "zavediz/dialogs/title_block_values.h"
#include "zavediz/records.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

// What the title-block dialog gives back on OK. The thirteen texts are in the
// order the header stores them: row 1 left, row 2 left, row 3 right, row 3
// left, row 5 left, row 6 left, row 4 right, row 5 right, surveying unit,
// row 4 left, row 2 right, title, row 1 right.
struct ZavedizHeader {
  std::array<std::string, 13> texts;
  int32_t planScale = 0;
  int32_t sectionScale = 0;
  int32_t lowestElevation = -1;
  std::array<TitleRow, kTitleRowCount> rows;
};

// The header the title-block dialog's values give.
ZavedizHeader HeaderFromTitleBlock(const TitleBlockValues& values, const TitleBlockRows& rows);

// Scales that every later step can divide by and step through: P ≥ 1 and
// S a multiple of 10 from kMinSectionScale on. The sheet puts a grid tick,
// an elevation line and an elevation label every 100 mm of paper and counts
// them in steps of S / 10 metres in whole numbers, which is 100 mm only for
// such S (at 1:15 the ticks labelled a metre apart would stand 1.5 m apart).
inline constexpr int32_t kMinSectionScale = 10;
bool HeaderScalesUsable(const ZavedizHeader& header);

// Copies the header into the section data and marks it set.
void StoreZavedizHeader(SectionData& data, const ZavedizHeader& header);

// A plan point in ground metres.
D_DOT GroundPoint(const D_DOT& plan, int32_t planScale);

// With the ground start and end set: the line is stored as "0线", its length
// and direction (start → end, in (−π, π]) computed, and its section ends put
// at (0, 0) and (length × 1000 / S, 0).
void StoreZavedizGeometry(SectionData& data);

// The section distance (mm) of a plan point: its straight ground distance
// from the section's ground start, not projected onto the line.
double ZavedizDistanceOfPoint(const SectionData& data, double x, double y);

}  // namespace zv::zavediz
