#include "tools/clip/core/split_regions.h"

#include <algorithm>
#include <set>

#include "platform/data/geometry.h"

namespace zv::tools {
namespace {

}  // namespace

TopoReport UndoReport(GisUndo& undo, WorkAreaHandle area) {
  return [&undo, area](int entityType, int32_t id, TopoEvent event) {
    if (event == TopoEvent::kChanging) {
      // A changed entity keeps its place in the drawing order, so its
      // snapshot need not look the place up (a search of the whole order).
      if (auto snapshot = CaptureEntity({area, static_cast<int16_t>(entityType), id}, nullptr))
        undo.PushSnapshots({std::move(*snapshot)}, GisUndo::kChanged);
      return;
    }
    undo.PushList(area, entityType, &id, 1, event == TopoEvent::kAppended ? GisUndo::kAppended : GisUndo::kDeleted);
  };
}

TopoEditOutcome SplitRegions(GisUndo& undo, WorkAreaHandle area, const std::vector<D_DOT>& cut) {
  TopoEditOutcome outcome;
  int32_t live = 0, bound = 0;
  D_RECT lineBox;
  if (cut.size() < 2 || BasGetWorkAreaType(area) != kRegionArea || !BasGetRegionCount(area, &live, &bound) ||
      live < 1 || !BasVerticesRect(cut.data(), static_cast<int32_t>(cut.size()), &lineBox))
    return outcome;
  const LIN_INFO info = *BasGetDefaultLineParam();
  const TopoReport record = UndoReport(undo, area);
  // Lines that came of the cutting line: only these are cleaned up after.
  std::vector<int32_t> fromLine;
  // A line cuts a region through only by crossing its arcs: the regions of
  // the arcs whose boxes meet the line's are all that may be split.
  std::set<int32_t> candidates;
  const D_RECT near{lineBox.xmin - kSplitTolerance, lineBox.ymin - kSplitTolerance, lineBox.xmax + kSplitTolerance,
                    lineBox.ymax + kSplitTolerance};
  std::vector<int32_t> arcs;
  BasGetLinesMeetingRect(area, near, &arcs);
  for (const int32_t arc : arcs) {
    for (const int32_t region : BasGetRegionsUsingArc(area, arc))
      if (region < bound) candidates.insert(region);
  }
  BasBeginBatch(area);
  for (const int32_t region : candidates) {
    const int32_t copy = BasAppendLine(area, cut, info);
    if (copy == 0) break;
    // The copy enters the undo record only once the split uses it.
    bool recorded = false;
    std::vector<int32_t> appendedLines;
    const TopoReport report = [&](int entityType, int32_t id, TopoEvent event) {
      if (!recorded) undo.PushList(area, kLineEntity, &copy, 1, GisUndo::kAppended);
      recorded = true;
      if (entityType == kLineEntity && event == TopoEvent::kAppended) appendedLines.push_back(id);
      record(entityType, id, event);
    };
    std::string message;
    const int32_t pieces = TopoSplitRegion(area, copy, region, kSplitTolerance, report, &message);
    if (pieces < 0 && outcome.error.empty()) outcome.error = message;
    if (pieces > 1) ++outcome.changed;
    if (!recorded) {
      BasDeleteLine(area, copy);
      continue;
    }
    fromLine.push_back(copy);
    // Pieces of the copy; pieces of boundary arcs always bound a region.
    fromLine.insert(fromLine.end(), appendedLines.begin(), appendedLines.end());
  }
  for (const int32_t id : fromLine) {
    if (!BasIsEntityLive(area, kLineEntity, id) || !BasGetRegionsUsingArc(area, id).empty()) continue;
    record(kLineEntity, id, TopoEvent::kDeleting);
    BasDeleteLine(area, id);
  }
  BasEndBatch(area);
  return outcome;
}

TopoEditOutcome CutSelfCrossings(GisUndo& undo, WorkAreaHandle area, int32_t id) {
  TopoEditOutcome outcome;
  const int32_t pieces = TopoCutSelfCrossingArc(area, id, kSelfCrossingTolerance, 1, UndoReport(undo, area), &outcome.error);
  outcome.changed = pieces > 1 ? 1 : 0;
  return outcome;
}

}  // namespace zv::tools
