// The editing views' read-out on a mouse move with 10,000 selected entities
// spread over a 200-item project: the counts and the project-item flags,
// kept by StatusCache (what a move costs) and computed afresh (what a
// change of the selection costs).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "views/core/status_readout.h"

namespace zv::views {
namespace {

struct Fixture {
  MapProject* project = nullptr;
  std::vector<ENTITY_MSG> pool;

  Fixture() {
    const std::string folder = std::filesystem::temp_directory_path().string() + "/zv_bench_status";
    std::filesystem::create_directories(folder);
    project = PrjCreate(0);
    for (int i = 0; i < 200; ++i) {
      const char* ext = i % 3 == 0 ? ".wt" : i % 3 == 1 ? ".wl" : ".wp";
      PrjAddItem(project, folder + "/f" + std::to_string(i) + ext);
    }
    for (int n = 0; n < 10000; ++n) {
      const int item = n % 200;
      const WorkAreaHandle area = PrjGetItemArea(project, item);
      if (item % 3 == 0) {
        PNT_INFO info;
        info.setKind(static_cast<uint8_t>(n % 2));
        pool.push_back({area, kPointEntity, BasAppendPoint(area, {1.0 * n, 2.0}, "t", info)});
      } else {
        const std::vector<D_DOT> v{{0, 0}, {1.0 * n, 1}};
        pool.push_back({area, kLineEntity, BasAppendLine(area, v, LIN_INFO{})});
      }
    }
  }
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_StatusPerMoveCached(benchmark::State& state) {
  Fixture& f = Shared();
  StatusCache cache;
  ItemFlags flags{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(cache.Counts(f.pool, 1));
    benchmark::DoNotOptimize(cache.ItemMarks(f.project, f.pool, 1, flags));
  }
}
BENCHMARK(BM_StatusPerMoveCached)->Unit(benchmark::kMicrosecond);

void BM_StatusAfterSelectionChange(benchmark::State& state) {
  Fixture& f = Shared();
  ItemFlags flags{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountPool(f.pool));
    benchmark::DoNotOptimize(MarkSelectedProjectItems(f.project, f.pool, flags));
  }
}
BENCHMARK(BM_StatusAfterSelectionChange)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zv::views

BENCHMARK_MAIN();
