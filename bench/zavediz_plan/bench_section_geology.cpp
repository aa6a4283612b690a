// The geology of a section: 读取地质信息 over a region area of a million
// arc vertices (20,000 fifty-vertex arcs, 2,000 of them crossing the line),
// as a first reading (boundary points into the profile) and as a later one
// (the crossing list only); and the straight section (operation 2) on the
// dense 100,000-point profile with 1,000 boundary points and 20 trenches,
// beside the same drawing without the geology reading, so the strata pass
// shows as the difference.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench/zavediz_plan/section_maps.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/zavediz_drawing.h"
#include "zavediz/plan/geology_reading.h"
#include "zavediz/plan/terrain_profile.h"

namespace zv::zavediz {
namespace {

const Tell kQuiet = [](const std::string&) {};

constexpr int kArcs = 20000;
constexpr int kCrossingArcs = 2000;
constexpr int kArcVertices = 50;
constexpr double kLineLength = 20000.0;

// A section line along y = 0 from 0 to kLineLength (plan = ground at 1:1000)
// with a flat profile, and a region area of wavy arcs: every tenth one runs
// across the line, the others lie beside it.
struct GeologyMap {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  WorkAreaHandle regions = BasCreateRegionWorkArea(set);
  SectionData data;
  bool geologyRead = false;

  GeologyMap() {
    data.headerSet = true;
    data.lineStored = true;
    data.planScale = 1000;
    data.sectionScale = 1000;
    data.groundStart = D_DOT{0.0, 0.0};
    data.groundEnd = D_DOT{kLineLength, 0.0};
    data.length = kLineLength;
    for (int i = 0; i <= 1000; ++i) data.terrain.InsertAt(i + 1, 0, i * kLineLength / 1000, 300.0, "", 0.0);
    BasBeginBatch(regions);
    std::vector<D_DOT> arc(kArcVertices);
    for (int k = 0; k < kArcs; ++k) {
      const bool crossing = k % (kArcs / kCrossingArcs) == 0;
      const double x0 = (k + 0.5) * kLineLength / kArcs;
      const double y0 = crossing ? -24.5 : 5.0 + (k % 7);
      for (int v = 0; v < kArcVertices; ++v) arc[v] = D_DOT{x0 + 0.3 * std::sin(v * 0.7), y0 + v * (crossing ? 1.0 : 0.1)};
      BasAppendLine(regions, arc, *BasGetDefaultLineParam());
    }
    BasEndBatch(regions);
  }
  ~GeologyMap() { BasFreeWorkAreaSet(set); }
};

void BM_ReadGeologyFirst(benchmark::State& state) {
  GeologyMap map;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadGeologyCrossings(map.data, map.geologyRead, map.regions).refused);
    state.PauseTiming();
    map.data.terrain.RemoveNamed([](const std::string& name) { return name == "inf"; });
    map.geologyRead = false;
    state.ResumeTiming();
  }
  state.counters["crossings"] = map.data.geologyCrossings.GetCount();
}

void BM_ReadGeologyAgain(benchmark::State& state) {
  GeologyMap map;
  ReadGeologyCrossings(map.data, map.geologyRead, map.regions);
  for (auto _ : state) benchmark::DoNotOptimize(ReadGeologyCrossings(map.data, map.geologyRead, map.regions).refused);
  state.counters["crossings"] = map.data.geologyCrossings.GetCount();
}

// The dense profile of 100,000 points, 20 trenches along it, and, with
// `geology`, 1,000 boundary points in the profile and the boundary list
// (every other one with an attitude), then cut.
struct GeologySection {
  PlanStore store{DenseMap(100000)};
  explicit GeologySection(bool geology) {
    store.Store();
    SectionData& data = store.data;
    const double length = 100000.0;
    for (size_t t = 0; t < 20; ++t) {
      DesignTrenchRec& r = data.trenches[t];
      r.inUse = true;
      r.name = "TC" + std::to_string(t + 1);
      r.startDistance = (t + 0.5) * length / 20;
      r.length = 30.0;
      r.endDistance = r.startDistance + r.length;
      r.startElevation = *ElevationAtDistance(data.terrain, r.startDistance);
      r.endElevation = *ElevationAtDistance(data.terrain, r.endDistance);
    }
    if (geology) {
      const int points = 1000;
      for (int i = 0; i <= points + 1; ++i) {
        const double d = i * length / (points + 1);
        const double e = *ElevationAtDistance(data.terrain, d);
        const std::string attitude = i % 2 ? "120/35" : "inf";
        data.geologyBoundary.InsertAt(i + 1, i, d, e, attitude, 0.0);
        if (0 < i && i <= points) data.terrain.AddSorted(i, d, e, attitude);
      }
    }
    CutZavediz(data, 2, 30.0);
  }
};

void BM_DrawDenseSection(benchmark::State& state) {
  const bool geology = state.range(0) != 0;
  GeologySection section(geology);
  SheetAreas sheet;
  for (auto _ : state) {
    sheet.Clear();
    benchmark::DoNotOptimize(DrawZavedizSheet(kDrawStraight, section.store.data, sheet.areas, SheetOptions{}, kQuiet));
  }
  int32_t live = 0, bound = 0;
  BasGetRegionCount(sheet.areas.region, &live, &bound);
  state.counters["regions"] = live;
  state.SetLabel(geology ? "1,000 boundary points, 20 trenches" : "no geology reading, 20 trenches");
}

BENCHMARK(BM_ReadGeologyFirst)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadGeologyAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawDenseSection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zv::zavediz
