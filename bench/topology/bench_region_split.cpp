// A region split by a line through 100 regions (模式 划线分割区's work, with
// its undo records) on a 100-column grid of shared arcs, 10 rows (1,000
// regions) and 100 rows (10,000 regions): the regions the line does not
// touch may cost little, so the time per split should grow at most twice.
// Each split is taken back by its undo step, outside the timing.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/data/work_area.h"
#include "tools/clip/core/split_regions.h"

namespace {

constexpr int kColumns = 100;
constexpr double kCell = 10.0;

// A grid of cells; every cell edge is one arc shared by the cells beside it.
zv::WorkAreaHandle Grid(zv::WorkAreaSetHandle set, int rows) {
  const zv::WorkAreaHandle area = zv::BasCreateRegionWorkArea(set);
  zv::BasBeginBatch(area);
  const zv::LIN_INFO line;
  // horizontal[r][c]: from (c, r) to (c + 1, r); vertical[r][c]: from (c, r) to (c, r + 1).
  std::vector<std::vector<int32_t>> horizontal(rows + 1, std::vector<int32_t>(kColumns)),
      vertical(rows, std::vector<int32_t>(kColumns + 1));
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c < kColumns; ++c)
      horizontal[r][c] = zv::BasAppendLine(area, {{c * kCell, r * kCell}, {(c + 1) * kCell, r * kCell}}, line);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c <= kColumns; ++c)
      vertical[r][c] = zv::BasAppendLine(area, {{c * kCell, r * kCell}, {c * kCell, (r + 1) * kCell}}, line);
  const zv::REG_INFO region;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kColumns; ++c)
      zv::BasAppendRegion(area, {0, horizontal[r][c], vertical[r][c + 1], -horizontal[r + 1][c], -vertical[r][c]}, region);
  zv::BasEndBatch(area);
  return area;
}

void SplitThrough100Regions(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  const zv::WorkAreaHandle area = Grid(set, rows);
  // Along the middle row, crossing every column once.
  const double y = (rows / 2 + 0.53) * kCell;
  const std::vector<D_DOT> cut{{-5, y}, {kColumns * kCell + 5, y + 0.1}};
  zv::GisUndo undo;
  int32_t split = 0;
  for (auto _ : state) {
    undo.BeginStep();
    split = zv::tools::SplitRegions(undo, area, cut).changed;
    undo.EndStep();
    state.PauseTiming();
    undo.Undo();
    state.ResumeTiming();
  }
  state.counters["regions"] = rows * kColumns;
  state.counters["split"] = split;
  zv::BasFreeWorkAreaSet(set);
}
BENCHMARK(SplitThrough100Regions)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
