// How long fixing a section line takes on a large contour map: the plan's
// StoreTerrainData (crossings read from the work area, elevation field
// chosen by script, profile built), a plain in-memory loop over every
// section segment × contour segment with the same crossing test (the floor),
// and GEOS's C API (the section against each contour an STRtree offers).
// Every run first checks that the three find the same crossings; the maps
// have no contour touching the section, where GEOS would count otherwise.
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "bench/zavediz_plan/section_maps.h"
#include "zavediz/plan/terrain_profile.h"

namespace zv::zavediz {
namespace {

// ---- The floor: every section segment against every contour segment.

int Orient(const D_DOT& a, const D_DOT& b, const D_DOT& p) {
  const double v = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
  return (v > 0) - (v < 0);
}

size_t PlainLoop(const Map& map) {
  size_t crossings = 0;
  for (size_t i = 1; i < map.section.size(); ++i) {
    const D_DOT& a = map.section[i - 1];
    const D_DOT& b = map.section[i];
    for (const auto& contour : map.contours) {
      for (size_t k = 1; k < contour.size(); ++k) {
        const D_DOT& c = contour[k - 1];
        const D_DOT& d = contour[k];
        if (Orient(a, b, c) * Orient(a, b, d) < 0 && Orient(c, d, a) * Orient(c, d, b) < 0) ++crossings;
      }
    }
  }
  return crossings;
}

// ---- GEOS: the section against the contours an STRtree offers.

struct Geos {
  GEOSContextHandle_t context = GEOS_init_r();
  std::vector<GEOSGeometry*> contours;
  GEOSSTRtree* tree = GEOSSTRtree_create_r(context, 10);
  GEOSGeometry* section = nullptr;

  GEOSGeometry* LineString(const std::vector<D_DOT>& vertices) {
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(context, static_cast<unsigned>(vertices.size()), 2);
    for (size_t i = 0; i < vertices.size(); ++i) GEOSCoordSeq_setXY_r(context, seq, static_cast<unsigned>(i), vertices[i].x, vertices[i].y);
    return GEOSGeom_createLineString_r(context, seq);
  }

  explicit Geos(const Map& map) : sectionVertices(map.section) {
    for (size_t i = 0; i < map.contours.size(); ++i) {
      contours.push_back(LineString(map.contours[i]));
      GEOSSTRtree_insert_r(context, tree, contours.back(), reinterpret_cast<void*>(i));
    }
    section = LineString(map.section);
  }
  ~Geos() {
    GEOSSTRtree_destroy_r(context, tree);
    for (GEOSGeometry* g : contours) GEOSGeom_destroy_r(context, g);
    GEOSGeom_destroy_r(context, section);
    GEOS_finish_r(context);
  }

  size_t Crossings() {
    // Each section segment asks the tree with its own envelope, so the tree
    // prunes even where the whole line's envelope covers the map.
    std::vector<char> offered(contours.size(), 0);
    std::vector<size_t> candidates;
    struct Query {
      std::vector<char>* offered;
      std::vector<size_t>* candidates;
    } query{&offered, &candidates};
    for (size_t i = 1; i < sectionVertices.size(); ++i) {
      GEOSGeometry* segment = LineString({sectionVertices[i - 1], sectionVertices[i]});
      GEOSSTRtree_query_r(
          context, tree, segment,
          [](void* item, void* data) {
            auto* q = static_cast<Query*>(data);
            const size_t index = reinterpret_cast<size_t>(item);
            if (!(*q->offered)[index]) {
              (*q->offered)[index] = 1;
              q->candidates->push_back(index);
            }
          },
          &query);
      GEOSGeom_destroy_r(context, segment);
    }
    const GEOSPreparedGeometry* prepared = GEOSPrepare_r(context, section);
    size_t points = 0;
    for (size_t index : candidates) {
      if (!GEOSPreparedIntersects_r(context, prepared, contours[index])) continue;
      GEOSGeometry* meet = GEOSIntersection_r(context, section, contours[index]);
      points += static_cast<size_t>(GEOSGetNumGeometries_r(context, meet));
      GEOSGeom_destroy_r(context, meet);
    }
    GEOSPreparedGeom_destroy_r(context, prepared);
    return points;
  }

  std::vector<D_DOT> sectionVertices;
};

void BM_StoreTerrainData(benchmark::State& state) {
  const Map map = MakeMap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  PlanStore store(map);
  Geos geos(map);
  const size_t expected = PlainLoop(map);
  if (store.Store() != expected || geos.Crossings() != expected) {
    state.SkipWithError("the three ways find different crossings");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(store.Store());
  state.counters["crossings"] = static_cast<double>(expected);
  state.SetLabel(ShapeName(static_cast<int>(state.range(0))));
}

void BM_PlainLoop(benchmark::State& state) {
  const Map map = MakeMap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  size_t crossings = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crossings = PlainLoop(map));
  state.counters["crossings"] = static_cast<double>(crossings);
  state.SetLabel(ShapeName(static_cast<int>(state.range(0))));
}

void BM_Geos(benchmark::State& state) {
  const Map map = MakeMap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  Geos geos(map);
  size_t crossings = 0;
  for (auto _ : state) benchmark::DoNotOptimize(crossings = geos.Crossings());
  state.counters["crossings"] = static_cast<double>(crossings);
  state.SetLabel(ShapeName(static_cast<int>(state.range(0))));
}

// Shapes (0 lines, 1 rings) × section vertices (2, 50).
#define ZV_SECTION_CASES ->Args({0, 2})->Args({0, 50})->Args({1, 2})->Args({1, 50})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_StoreTerrainData) ZV_SECTION_CASES;
BENCHMARK(BM_PlainLoop) ZV_SECTION_CASES;
BENCHMARK(BM_Geos) ZV_SECTION_CASES;

// The profile from a crossing list of n records: linear in n.
void BM_BuildTerrainProfile(benchmark::State& state) {
  const int32_t n = static_cast<int32_t>(state.range(0));
  CPointRecList crossings;
  for (int32_t i = 0; i < n; ++i) crossings.InsertAt(i + 1, i % 7 == 3 ? 0 : i + 1, i, 0, i % 7 == 3 ? "1" : "0", i);
  const ContourElevation elevation = [](int32_t id) -> std::optional<double> { return 100.0 + id % 50; };
  CPointRecList terrain;
  for (auto _ : state) {
    BuildTerrainProfile(crossings, {0, 0}, {static_cast<double>(n), 0}, 1000, 1000, elevation, terrain);
    benchmark::DoNotOptimize(terrain.GetCount());
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_BuildTerrainProfile)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
}  // namespace zv::zavediz

BENCHMARK_MAIN();
