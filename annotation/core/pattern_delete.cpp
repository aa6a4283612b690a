#include "annotation/core/pattern_delete.h"

#include <algorithm>
#include <unordered_map>

#include "annotation/core/pattern_rings.h"
#include "annotation/core/pattern_tag.h"
#include "platform/editors/inside_tests.h"

namespace zv::annot {
namespace {

// The tagged entities of one entity type of an area, by tag.
class TagIndex {
 public:
  TagIndex(WorkAreaHandle area, int entityType) {
    int32_t live = 0, bound = 0;
    if (!area || BasGetEntityCount(area, entityType, &live, &bound) != 1) return;
    for (int32_t id = 1; id < bound; ++id)
      if (const int32_t tag = ReadPatternTag(area, entityType, id); tag != 0) byTag_[tag].push_back(id);
  }
  const std::vector<int32_t>& Of(int32_t tag) const {
    static const std::vector<int32_t> kNone;
    const auto at = byTag_.find(tag);
    return at == byTag_.end() ? kNone : at->second;
  }

 private:
  std::unordered_map<int32_t, std::vector<int32_t>> byTag_;
};

void SortUnique(std::vector<int32_t>& ids) {
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

}  // namespace

PatternEntities FindPatterns(std::span<const ENTITY_MSG> selection, int selectedType, const FillTargets& areas) {
  PatternEntities found;
  if (selection.empty() || !BasIsWorkAreaValid(selection.front().area)) return found;
  const TagIndex lines(areas.lines, kLineEntity), points(areas.points, kPointEntity),
      regions(areas.regions, kRegionEntity);
  for (const ENTITY_MSG& e : selection) {
    if (e.type != selectedType || e.id == 0) continue;
    const Rings outline = EntityRings(e.area, selectedType, e.id);
    if (outline.empty()) continue;
    const InsideTest inside(outline);
    const bool lineSelection = selectedType == kLineEntity;
    for (int32_t k : lines.Of(e.id)) {
      if (lineSelection && e.area == areas.lines && k == e.id) continue;
      std::vector<D_DOT> vertices;
      if (BasReadLine(areas.lines, k, &vertices, nullptr) <= 0) continue;
      if (inside.Line(vertices)) found.lines.push_back(k);
    }
    for (int32_t k : points.Of(e.id)) {
      D_DOT p{};
      if (BasReadPointPos(areas.points, k, &p) > 0 && inside.Point(p)) found.points.push_back(k);
    }
    for (int32_t k : regions.Of(e.id)) {
      if (!lineSelection && e.area == areas.regions && k == e.id) continue;
      std::vector<int32_t> arcs;
      if (BasReadRegion(areas.regions, k, &arcs, nullptr) <= 0) continue;
      if (!inside.Region(EntityRings(areas.regions, kRegionEntity, k))) continue;
      found.regions.push_back(k);
      for (std::size_t i = 1; i < arcs.size(); ++i)
        if (arcs[i] != 0) found.regionArcs.push_back(std::abs(arcs[i]));
    }
  }
  // An entity inside two selected outlines is found once.
  for (std::vector<int32_t>* ids : {&found.lines, &found.points, &found.regions, &found.regionArcs}) SortUnique(*ids);
  return found;
}

void DeletePatterns(const PatternEntities& found, const FillTargets& areas) {
  for (int32_t id : found.regions) BasDeleteRegion(areas.regions, id);
  for (int32_t id : found.regionArcs) BasDeleteLine(areas.regions, id);
  for (int32_t id : found.lines) BasDeleteLine(areas.lines, id);
  for (int32_t id : found.points) BasDeletePoint(areas.points, id);
}

}  // namespace zv::annot
