// A drag line breaking the 300 lines it crosses (the clip tool's mode 2,
// without its view) on maps of 10,000 and 100,000 lines. The crossed lines
// are the same 300 on both maps; the others only grow in number, so the
// time per break should hardly grow with them.
//
// The map is 400 rows of columns of ten-vertex zigzag lines, one per cell;
// the drag line runs down the middle column across rows 50 to 349. Each
// break, one undo step, meets a map of its own built just before it, as a
// map read from its file; the maps are freed only at the end (a map freed
// just before a break leaves the allocator a freed map to sort through,
// which no user's break meets). "find_ms" is the search for the crossed
// lines, "replace_ms" the cutting and replacing. The area's line-box index
// is built at the first rectangle question after a load and then only kept
// up to date: "index_build_ms" times that first build on its own, before the
// break, and the break's figures leave it out.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/view/gis_undo.h"
#include "tools/clip/core/break_lines.h"

namespace zv::tools {
namespace {

constexpr int kRows = 400;
constexpr double kCellWidth = 100, kRowHeight = 10;

void FillMap(WorkAreaHandle area, int lines) {
  const int columns = lines / kRows;
  LIN_INFO info;
  Polyline zigzag(10);
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < kRows; ++r) {
      for (int k = 0; k < 10; ++k)
        zigzag[k] = {c * kCellWidth + 5 + 10 * k, r * kRowHeight + (k % 2 == 0 ? 2 : 8)};
      BasAppendLine(area, zigzag, info);
    }
  }
}

Polyline DragLine(int lines) {
  const double x = (lines / kRows / 2) * kCellWidth + 50;
  return {{x, 50 * kRowHeight}, {x + 3, 200 * kRowHeight}, {x, 350 * kRowHeight}};
}

void BM_DragLineBreak(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const Polyline cutter = DragLine(lines);
  std::vector<WorkAreaSetHandle> maps;
  double finding = 0, replacing = 0, indexing = 0;
  std::size_t crossed = 0, pieces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    maps.push_back(BasCreateWorkAreaSet());
    const WorkAreaHandle area = BasCreateLineWorkArea(maps.back());
    FillMap(area, lines);
    GisUndo undo;
    const auto indexStart = std::chrono::steady_clock::now();
    std::vector<int32_t> none;
    BasGetLinesMeetingRect(area, D_RECT{-1, -1, -1, -1}, &none);
    indexing += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - indexStart).count();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    const std::vector<int32_t> ids = LinesCrossedBy(area, cutter, 0);
    const auto found = std::chrono::steady_clock::now();
    undo.BeginStep();
    const std::vector<std::vector<int32_t>> added = BreakLinesAtCrossings(undo, area, ids, cutter);
    undo.EndStep();
    const auto done = std::chrono::steady_clock::now();
    finding += std::chrono::duration<double, std::milli>(found - start).count();
    replacing += std::chrono::duration<double, std::milli>(done - found).count();
    crossed = ids.size();
    pieces = 0;
    for (const std::vector<int32_t>& piecesOfLine : added) pieces += piecesOfLine.size();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["lines"] = lines;
  state.counters["crossed"] = static_cast<double>(crossed);
  state.counters["pieces"] = static_cast<double>(pieces);
  state.counters["find_ms"] = finding / n;
  state.counters["replace_ms"] = replacing / n;
  state.counters["index_build_ms"] = indexing / n;
  for (const WorkAreaSetHandle set : maps) BasFreeWorkAreaSet(set);
}

BENCHMARK(BM_DragLineBreak)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace zv::tools

BENCHMARK_MAIN();
