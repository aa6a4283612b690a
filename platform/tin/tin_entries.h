#pragma once
// The numbers the TIN commands ask for, and the checks their dialogs' OK
// applies: the contour levels (lowest level and interval) and the grid step.
// Texts are read as in the C locale; no widgets.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/tin/tin.h"
#include "platform/tin/tin_grid.h"

namespace zv::tin {

// A refused entry: the index of the first bad field and what to tell.
struct EntryError {
  int field = 0;
  std::string message;
};

// The offer: the lowest value of the surface and a tenth of its range (1
// for a flat one).
std::vector<double> DefaultContourEntry(const Tin& tin);
// The levels the texts give on the surface; refused when a text is not a
// number, the interval is not above zero, there are too many levels or none
// within the surface's range.
std::variant<std::vector<double>, EntryError> CheckContourEntry(const std::vector<std::string>& texts, const Tin& tin);

std::vector<double> DefaultGridEntry(const D_RECT& extent);
std::variant<GridSpec, EntryError> CheckGridEntry(const std::vector<std::string>& texts, const D_RECT& extent);

// The levels of the bands the oblique and banded drawings fill: the default
// contour levels of the surface.
std::vector<double> DefaultBandLevels(const Tin& tin);

}  // namespace zv::tin
