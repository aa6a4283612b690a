// Legend item files are copied between users' disks: any bytes must read
// without a crash, an item that reads must write back to the same bytes it
// was read from up to the end of its regions, and its body must append to
// work areas.
#include <cstdint>
#include <string_view>

#include "panels/core/legend_item_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zv::panels::LegendItem item;
  if (!zv::panels::DecodeLegendItem(bytes, &item)) return 0;
  const std::string written =
      zv::panels::EncodeLegendHeader(item.header) + zv::panels::EncodeLegendBody(item.body);
  zv::panels::LegendItem again;
  if (!zv::panels::DecodeLegendItem(written, &again)) __builtin_trap();
  if (zv::panels::EncodeLegendHeader(again.header) + zv::panels::EncodeLegendBody(again.body) != written)
    __builtin_trap();
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet();
  const zv::panels::LegendAreas areas{zv::BasCreatePointWorkArea(set), zv::BasCreateLineWorkArea(set),
                                      zv::BasCreateRegionWorkArea(set)};
  zv::panels::AppendLegendBody(item.body, areas);
  zv::BasFreeWorkAreaSet(set);
  return 0;
}
