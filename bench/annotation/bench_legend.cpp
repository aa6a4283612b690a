// Legends on a large map: aligning 2,000 placed legend boxes (a frame and
// nineteen entities each, 40,000 selected entities and 10,000 region arcs)
// horizontally, and gathering one 12 × 8 box from a map of 1,000,000 line
// vertices (10,000 lines of 100 vertices); each beside reading the same
// lines once, the least any frame detection or gathering must do.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "annotation/core/legend_align.h"
#include "annotation/core/legend_gather.h"

namespace zv::annot {
namespace {

constexpr int kBoxes = 2000;

std::vector<D_DOT> Square(double x, double y, double w, double h) {
  return {{x - w / 2, y + h / 2}, {x + w / 2, y + h / 2}, {x + w / 2, y - h / 2}, {x - w / 2, y - h / 2},
          {x - w / 2, y + h / 2}};
}

// 2,000 boxes on a 50 × 40 grid, each with its frame, 8 lines, 6 points and
// 5 one-arc regions, all selected.
struct PlacedLegends {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  WorkAreaHandle pnt = BasCreatePointWorkArea(set), lin = BasCreateLineWorkArea(set), reg = BasCreateRegionWorkArea(set);
  SelectionPool pool;
  PlacedLegends() {
    const LIN_INFO li;
    std::vector<ENTITY_MSG> picked;
    for (int b = 0; b < kBoxes; ++b) {
      const double x = (b % 50) * 40.0, y = (b / 50) * 30.0;
      picked.push_back({lin, kLineEntity, BasAppendLine(lin, Square(x, y, 12, 8), li)});
      for (int i = 0; i < 8; ++i)
        picked.push_back({lin, kLineEntity, BasAppendLine(lin, {{x - 5, y - 3 + i * 0.7}, {x - 1, y - 3 + i * 0.7}}, li)});
      for (int i = 0; i < 6; ++i)
        picked.push_back({pnt, kPointEntity, BasAppendPoint(pnt, {x + i * 0.8, y + 2}, "p", PNT_INFO{})});
      for (int i = 0; i < 5; ++i) {
        const int32_t arc = BasAppendLine(reg, Square(x + 1 + i, y - 2, 0.8, 0.8), li);
        picked.push_back({reg, kRegionEntity, BasAppendRegion(reg, {0, arc}, REG_INFO{})});
      }
    }
    pool.Add(picked.data(), static_cast<int32_t>(picked.size()));
  }
  ~PlacedLegends() { BasFreeWorkAreaSet(set); }
};

void BM_AlignTwoThousandLegendBoxes(benchmark::State& state) {
  PlacedLegends map;
  for (auto _ : state) {
    GisUndo undo;
    std::vector<int32_t> frames = FindLegendFrames(map.pool.entries());
    const D_DOT reference = SortLegendFrames(map.pool.entries(), frames, true);
    benchmark::DoNotOptimize(MoveLegendFrames(map.pool, undo, frames, reference, 15, true));
    if (frames.size() != kBoxes) state.SkipWithError("frames not found");
  }
  state.counters["entities"] = map.pool.count();
}

void BM_ReadTheSelectedLinesOnce(benchmark::State& state) {
  PlacedLegends map;
  for (auto _ : state) {
    std::vector<D_DOT> v;
    for (const ENTITY_MSG& e : map.pool.entries())
      if (e.type == kLineEntity) benchmark::DoNotOptimize(BasReadLine(e.area, e.id, &v, nullptr));
  }
}

// 10,000 wavy lines of 100 vertices across 10 km, in metres.
struct BigMap {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  WorkAreaHandle pnt = BasCreatePointWorkArea(set), lin = BasCreateLineWorkArea(set), reg = BasCreateRegionWorkArea(set);
  BigMap() {
    const LIN_INFO li;
    std::vector<D_DOT> v(100);
    for (int l = 0; l < 10000; ++l) {
      const double y0 = l * 1.0;
      for (int i = 0; i < 100; ++i) v[i] = {i * 100.0, y0 + 3 * std::sin(i * 0.7 + l)};
      BasAppendLine(lin, v, li);
    }
  }
  ~BigMap() { BasFreeWorkAreaSet(set); }
};

void BM_GatherABoxFromAMillionLineVertices(benchmark::State& state) {
  BigMap map;
  const WorkAreaHandle sources[] = {map.pnt, map.lin, map.reg};
  for (auto _ : state) {
    const auto sample = GatherLegendSample(OutlineAroundPoint({5000, 5000}), sources);
    int32_t live = 0, bound = 0;
    BasGetLineCount(sample->lines(), &live, &bound);
    benchmark::DoNotOptimize(live);
    if (live == 0) state.SkipWithError("nothing gathered");
  }
}

void BM_ReadTheMillionLineVerticesOnce(benchmark::State& state) {
  BigMap map;
  for (auto _ : state) {
    std::vector<D_DOT> v;
    for (int32_t id = 1; id <= 10000; ++id) benchmark::DoNotOptimize(BasReadLine(map.lin, id, &v, nullptr));
  }
}

BENCHMARK(BM_AlignTwoThousandLegendBoxes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTheSelectedLinesOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GatherABoxFromAMillionLineVertices)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTheMillionLineVerticesOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zv::annot

BENCHMARK_MAIN();
