#pragma once
// The synthetic geological map the display and raster benchmarks draw:
// 400 patterned regions, 2,000 styled lines (a quarter of them curves),
// 1,000 texts and sub-graphs over 1000 x 560 map units, and a line file of
// 1,000,000 vertices (100 lines of 10,000). Built once, on first use.

#include "platform/data/work_area.h"

namespace zv::bench {

inline constexpr double kMapWidth = 1000, kMapHeight = 560;

struct SampleMap {
  WorkAreaSetHandle set = 0;
  WorkAreaHandle regions = 0;
  WorkAreaHandle lines = 0;
  WorkAreaHandle points = 0;
  WorkAreaHandle dense = 0;
};

const SampleMap& Map();

}  // namespace zv::bench
