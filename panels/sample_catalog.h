#pragma once
// The samples each page shows, from the current system library: every line
// type with each of its sub-styles, the patterns and sub-graphs the library
// holds (numbers without an entry get no cell), every colour 1 .. count − 1.

#include <cstdint>
#include <vector>

#include "panels/core/page_records.h"

namespace zv::panels {

std::vector<LineStyleNo> LineStyleSamples();
std::vector<int32_t> PatternSamples();
std::vector<int32_t> SubgraphSamples();
std::vector<int32_t> ColourSamples();

}  // namespace zv::panels
