// How long 读取平面数据 takes on a large plan: 2,000 wavy contours of about
// 500 vertices (a million line vertices), 10,000 texts and 1,000 square
// regions with a hole each, clipped by the strip's corridor along a section
// line across the whole map, moved, turned, scaled and copied into the
// section's areas; beside it the same clips run bare through GEOS's C API
// on the same geometries built beforehand (a prepared corridor, and an
// intersection for every line and region it meets). Both count the pieces
// they keep; GEOS leaves a closed contour cut at its first vertex in two
// pieces where the clip joins them into one, so its count runs a little
// higher.
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <array>
#include <vector>

#include "bench/zavediz_plan/section_maps.h"
#include "platform/data/geometry.h"
#include "platform/data/work_area.h"
#include "zavediz/draw/plan_strip.h"

namespace zv::zavediz {
namespace {

constexpr double kStripWidth = 30.0;

struct PlanMap {
  Contours lines = WavyRings();
  std::vector<D_DOT> texts;
  std::vector<std::vector<std::vector<D_DOT>>> regions;  // outer ring, hole

  PlanMap() {
    for (int i = 0; i < 100; ++i)
      for (int j = 0; j < 100; ++j) texts.push_back({25 + 50.0 * i, 20 + 40.0 * j});
    for (int i = 0; i < 40; ++i) {
      for (int j = 0; j < 25; ++j) {
        const double x = 30 + 125.0 * i, y = 50 + 160.0 * j;
        regions.push_back({{{x, y}, {x + 60, y}, {x + 60, y + 60}, {x, y + 60}, {x, y}},
                           {{x + 20, y + 20}, {x + 20, y + 40}, {x + 40, y + 40}, {x + 40, y + 20}, {x + 20, y + 20}}});
      }
    }
  }
};

const PlanMap& Map() {
  static const PlanMap map;
  return map;
}

// The section line across the map at 1:10000 on the plan, 1:2000 on the
// section: plan (−20, 30) to (5020, 3970).
void FillSection(SectionData& data) {
  data.headerSet = true;
  data.planScale = 10000;
  data.sectionScale = 2000;
  data.groundStart = {-200, 300};
  data.groundEnd = {50200, 39700};
  data.direction = BasLineDirection(data.groundStart, data.groundEnd);
  data.bottomLeft = {0, -35};
  data.terrain.InsertAt(1, 0, 0.0, 100.0, "", 0.0);
}

void BM_ReadPlanData(benchmark::State& state) {
  const PlanMap& map = Map();
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const PlanStripSources sources{{BasCreatePointWorkArea(set)}, {BasCreateLineWorkArea(set)},
                                 {BasCreateRegionWorkArea(set)}};
  PNT_INFO text = *BasGetDefaultPointParam(0);
  for (const D_DOT& p : map.texts) BasAppendPoint(sources.points[0], p, "钻孔", text);
  for (const auto& line : map.lines) BasAppendLine(sources.lines[0], line, *BasGetDefaultLineParam());
  for (const auto& rings : map.regions) {
    std::vector<int32_t> arcs{0};
    for (const auto& ring : rings) {
      if (arcs.size() > 1) arcs.push_back(0);
      arcs.push_back(BasAppendLine(sources.regions[0], ring, *BasGetDefaultLineParam()));
    }
    BasAppendRegion(sources.regions[0], arcs, *BasGetDefaultRegionParam());
  }
  SectionData data;
  FillSection(data);
  const ZavedizAreas into{BasCreateLineWorkArea(set), BasCreatePointWorkArea(set), BasCreateRegionWorkArea(set)};
  int32_t kept = 0, live = 0, bound = 0;
  for (auto _ : state) {
    state.PauseTiming();
    for (WorkAreaHandle area : {into.line, into.point, into.region}) BasClearWorkArea(area);
    state.ResumeTiming();
    ReadPlanDataForZavediz(&data, sources, kStripWidth, into);
    BasGetPointCount(into.point, &live, &bound);
    kept = live;
    BasGetLineCount(into.line, &live, &bound);
    kept += live;
    BasGetRegionCount(into.region, &live, &bound);
    kept += live;
  }
  state.counters["kept"] = kept;
  BasFreeWorkAreaSet(set);
}
BENCHMARK(BM_ReadPlanData)->Unit(benchmark::kMillisecond);

// ---- The same clips bare through GEOS.

struct Geos {
  GEOSContextHandle_t c = GEOS_init_r();
  std::vector<GEOSGeometry*> points, lines, regions;
  GEOSGeometry* corridor = nullptr;

  GEOSCoordSequence* Sequence(const std::vector<D_DOT>& v) const {
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c, static_cast<unsigned>(v.size()), 2);
    for (size_t i = 0; i < v.size(); ++i) GEOSCoordSeq_setXY_r(c, seq, static_cast<unsigned>(i), v[i].x, v[i].y);
    return seq;
  }
  GEOSGeometry* Polygon(const std::vector<std::vector<D_DOT>>& rings) const {
    std::vector<GEOSGeometry*> holes;
    for (size_t i = 1; i < rings.size(); ++i) holes.push_back(GEOSGeom_createLinearRing_r(c, Sequence(rings[i])));
    return GEOSGeom_createPolygon_r(c, GEOSGeom_createLinearRing_r(c, Sequence(rings[0])), holes.data(),
                                    static_cast<unsigned>(holes.size()));
  }

  explicit Geos(const PlanMap& map, const std::array<D_DOT, 5>& ring) {
    for (const D_DOT& p : map.texts) points.push_back(GEOSGeom_createPointFromXY_r(c, p.x, p.y));
    for (const auto& line : map.lines) lines.push_back(GEOSGeom_createLineString_r(c, Sequence(line)));
    for (const auto& rings : map.regions) regions.push_back(Polygon(rings));
    corridor = Polygon({std::vector<D_DOT>(ring.begin(), ring.end())});
  }
  ~Geos() {
    for (const auto* list : {&points, &lines, &regions})
      for (GEOSGeometry* g : *list) GEOSGeom_destroy_r(c, g);
    GEOSGeom_destroy_r(c, corridor);
    GEOS_finish_r(c);
  }

  // Intersects every geometry the corridor meets; the parts kept.
  int Clip(const GEOSPreparedGeometry* prepared, const std::vector<GEOSGeometry*>& geometries) const {
    int kept = 0;
    for (GEOSGeometry* g : geometries) {
      if (!GEOSPreparedIntersects_r(c, prepared, g)) continue;
      GEOSGeometry* part = GEOSIntersection_r(c, corridor, g);
      kept += GEOSGetNumGeometries_r(c, part);
      GEOSGeom_destroy_r(c, part);
    }
    return kept;
  }
};

void BM_GeosClipsBare(benchmark::State& state) {
  SectionData data;
  FillSection(data);
  const Geos geos(Map(), PlanStripCorridor(data, kStripWidth));
  int kept = 0;
  for (auto _ : state) {
    const GEOSPreparedGeometry* prepared = GEOSPrepare_r(geos.c, geos.corridor);
    kept = 0;
    for (GEOSGeometry* p : geos.points) kept += GEOSPreparedIntersects_r(geos.c, prepared, p) == 1;
    kept += geos.Clip(prepared, geos.lines) + geos.Clip(prepared, geos.regions);
    GEOSPreparedGeom_destroy_r(geos.c, prepared);
  }
  state.counters["kept"] = kept;
}
BENCHMARK(BM_GeosClipsBare)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zv::zavediz
