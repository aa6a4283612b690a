// How fast work areas take and give back entities: the cost the file codec,
// the display and the tools pay on top of their own work.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {
namespace {

constexpr int kLines = 100000;
constexpr int kVertices = 10;
constexpr int kPoints = 100000;

std::vector<D_DOT> LineVertices(int i) {
  std::vector<D_DOT> v(kVertices);
  for (int k = 0; k < kVertices; ++k) v[k] = {i + k * 0.5, k * 1.25};
  return v;
}

struct Area {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle handle;
  explicit Area(int type) : handle(BasCreateWorkArea(set, type)) {}
  ~Area() { BasFreeWorkAreaSet(set); }
};

void AppendLines(WorkAreaHandle area) {
  const LIN_INFO info = *BasGetDefaultLineParam();
  BasBeginBatch(area);
  for (int i = 0; i < kLines; ++i) BasAppendLine(area, LineVertices(i), info);
  BasEndBatch(area);
}

void BM_AppendLines(benchmark::State& state) {
  for (auto _ : state) {
    Area area(kLineArea);
    AppendLines(area.handle);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_AppendLines)->Unit(benchmark::kMillisecond);

void BM_ReadLines(benchmark::State& state) {
  Area area(kLineArea);
  AppendLines(area.handle);
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  for (auto _ : state) {
    int32_t bound = 0;
    BasGetLineCount(area.handle, nullptr, &bound);
    for (int32_t id = 1; id < bound; ++id) benchmark::DoNotOptimize(BasReadLine(area.handle, id, &vertices, &info));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_AppendTexts(benchmark::State& state) {
  const PNT_INFO info = *BasGetDefaultPointParam(0);
  for (auto _ : state) {
    Area area(kPointArea);
    BasBeginBatch(area.handle);
    for (int i = 0; i < kPoints; ++i) BasAppendPoint(area.handle, {double(i), 0}, "高程 " + std::to_string(i), info);
    BasEndBatch(area.handle);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_AppendTexts)->Unit(benchmark::kMillisecond);

void BM_ReadLineLengths(benchmark::State& state) {
  Area area(kLineArea);
  AppendLines(area.handle);
  AttributeRecord record;
  for (auto _ : state) {
    double sum = 0;
    for (int32_t id = 1; id <= kLines; ++id) {
      double length = 0;
      if (BasReadAttribute(area.handle, kLineEntity, id, &record) && BasGetFieldDouble(record, "长度", &length))
        sum += length;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ReadLineLengths)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zv

BENCHMARK_MAIN();
