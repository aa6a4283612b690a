#pragma once
// Placing legend item files: each file read and checked whole into a work
// area set of its own before anything of it reaches the map, then placed by
// LegendPlacement; the list text last. A file that cannot be read or is
// malformed is told and uses no cell, as a refused size does.

#include <span>
#include <string>
#include <vector>

#include "annotation/core/legend_place.h"

namespace zv::annot {

struct LegendFilesPlaced {
  PlacedLegendIds ids;
  std::vector<std::string> messages;  // for the user, in item order
};

LegendFilesPlaced PlaceLegendFiles(LegendLayout& layout, const LegendTargets& targets, const D_DOT& origin,
                                   std::span<const std::string> paths);

}  // namespace zv::annot
