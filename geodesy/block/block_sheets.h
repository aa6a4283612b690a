#pragma once
// The 1:50000 sheets a block touches: those whose interior the block's rings
// overlap (a shared edge or corner alone does not count), in the order a
// walk over the corners first reaches them (a corner reaches each such sheet
// whose closed extent holds it), then the sheets no corner reaches, rows
// from the north, each from west to east. Sheet lines lie on whole minutes,
// as block corners often do, so a corner on a line reaches the sheets on
// both sides and only the overlap decides.
#include <string>
#include <vector>

#include "geodesy/block/block_corners.h"

namespace zv::block {

inline constexpr int kSheetSlots = 4;

struct TouchedSheet {
  std::string newNumber;  // J50E001010
  std::string oldNumber;  // J-50-1-A
};

std::vector<TouchedSheet> TouchedSheets(const std::vector<Ring>& rings);

// The 1:1000000 number of a 1:50000 number ("J50").
std::string MillionSheetOf(const std::string& newNumber);

}  // namespace zv::block
