#include "zavediz/draw/plan_strip.h"

#include <cmath>

#include "platform/data/geometry.h"
#include "platform/data/scratch_set.h"
#include "platform/topology/topology.h"

namespace zv::zavediz {
namespace {

// What the clip keeps within, plan mm: a vertex this close to the corridor's
// edge still counts as inside.
constexpr double kClipTolerance = 0.01;
constexpr double kDegreesPerRadian = 57.29577951308232;

using Clip = int32_t (*)(WorkAreaHandle, WorkAreaHandle, WorkAreaHandle, double, int);

D_DOT PlanOf(const D_DOT& ground, double k) { return {ground.x * k, ground.y * k}; }

}  // namespace

void OffsetSegment(const D_DOT& p0, const D_DOT& p1, std::array<D_DOT, 2>& left, std::array<D_DOT, 2>& right,
                   double d) {
  const double a0 = BasSegmentAngle(p1, p0);
  left[0] = {p0.x - std::sin(a0) * d, p0.y + std::cos(a0) * d};
  right[0] = {p0.x + std::sin(a0) * d, p0.y - std::cos(a0) * d};
  const double a1 = BasSegmentAngle(p0, p1);
  left[1] = {p1.x + std::sin(a1) * d, p1.y - std::cos(a1) * d};
  right[1] = {p1.x - std::sin(a1) * d, p1.y + std::cos(a1) * d};
}

std::array<D_DOT, 5> PlanStripCorridor(const SectionData& data, double ichnography) {
  const double k = 1000.0 / data.planScale;
  const double f = static_cast<double>(data.planScale) / data.sectionScale;
  std::array<D_DOT, 2> left{}, right{};
  OffsetSegment(PlanOf(data.groundStart, k), PlanOf(data.groundEnd, k), left, right, ichnography / 2 / f);
  return {left[0], left[1], right[1], right[0], left[0]};
}

std::string ReadPlanDataForZavediz(const SectionData* data, const PlanStripSources& sources, double ichnography,
                                   const ZavedizAreas& into) {
  // The header refuses such scales; data without them was never drawn.
  if (data == nullptr || data->planScale < 1 || data->sectionScale < 1) return kNoSectionInfoMessage;
  if (data->terrain.IsEmpty()) return kNoTerrainDataMessage;
  const double k = 1000.0 / data->planScale;
  const double f = static_cast<double>(data->planScale) / data->sectionScale;

  const ScratchSet scratch;
  const WorkAreaHandle corridor = scratch.Create(kLineArea);
  const std::array<D_DOT, 5> ring = PlanStripCorridor(*data, ichnography);
  BasAppendLine(corridor, ring.data(), static_cast<int32_t>(ring.size()), *BasGetDefaultLineParam());

  struct Kind {
    const std::vector<WorkAreaHandle>& sources;
    WorkAreaHandle clipped;
    Clip clip;
  };
  const Kind kinds[] = {{sources.points, scratch.Create(kPointArea), TopoClipPoints},
                        {sources.lines, scratch.Create(kLineArea), TopoClipLines},
                        {sources.regions, scratch.Create(kRegionArea), TopoClipRegions}};
  const D_DOT start = PlanOf(data->groundStart, k);
  for (const Kind& kind : kinds) {
    for (const WorkAreaHandle source : kind.sources) kind.clip(corridor, source, kind.clipped, kClipTolerance, kTopoKeepInside);
    BasTransformWorkArea(kind.clipped, kTransformMove, -start.x, -start.y);
    BasTransformWorkArea(kind.clipped, kTransformRotate, -data->direction * kDegreesPerRadian, 0.0);
    BasTransformWorkArea(kind.clipped, kTransformScale, f, f);
    BasTransformWorkArea(kind.clipped, kTransformMove, 0.0, data->bottomLeft.y);
  }
  BasCopyPoints(kinds[0].clipped, into.point);
  BasCopyLines(kinds[1].clipped, into.line);
  BasCopyRegions(kinds[2].clipped, into.region);
  return {};
}

}  // namespace zv::zavediz
