#include "annotation/core/legend_place_files.h"

#include "panels/core/legend_item_file.h"
#include "platform/data/scratch_set.h"

namespace zv::annot {

LegendFilesPlaced PlaceLegendFiles(LegendLayout& layout, const LegendTargets& targets, const D_DOT& origin,
                                   std::span<const std::string> paths) {
  LegendFilesPlaced out;
  LegendPlacement placement(layout, targets, origin);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    ScratchSet set;
    LegendItemData item;
    item.points = set.Create(kPointArea);
    item.lines = set.Create(kLineArea);
    item.regions = set.Create(kRegionArea);
    panels::LegendHeader header;
    std::string message;
    if (!panels::ReadLegendItemInto(paths[i], {item.points, item.lines, item.regions}, &header, &message)) {
      out.messages.push_back(message);
      continue;
    }
    item.number = header.number;
    item.name = header.name;
    item.annotation = header.annotation;
    item.height = header.height;
    item.width = header.width;
    if (!placement.Place(item, static_cast<int>(i), &message)) out.messages.push_back(message);
  }
  placement.Finish();
  out.ids = placement.ids();
  return out;
}

}  // namespace zv::annot
