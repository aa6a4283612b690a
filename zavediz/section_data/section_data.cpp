#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

void ResetZavedizData(SectionData& data, bool clearHeader) {
  for (auto& slot : data.boreholes) slot.inUse = false;
  for (auto& slot : data.trenches) slot.inUse = false;
  data.xTick.set = false;
  data.yTick.set = false;
  data.lineStored = false;
  if (clearHeader) data.headerSet = false;
  data.bottomLeft = D_DOT{0.0, 0.0};
  data.terrain.RemoveAll();
  data.geologyCrossings.RemoveAll();
  data.geologyBoundary.RemoveAll();
}

}  // namespace zv::zavediz
