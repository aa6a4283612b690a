// Opening plain-text exchange files: a point file of 1,000,000 sub-graph
// points written by our writer, read into a fresh point area, beside loading
// the same points from the platform's binary point file in the same run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/convert/plain_text_reader.h"
#include "platform/convert/plain_text_writer.h"
#include "platform/data/scratch_set.h"
#include "platform/files/work_area_file.h"

namespace {

using namespace zv;

constexpr int kPoints = 1000000;

struct Files {
  std::string text;
  std::string binary;
};

const Files& BenchFiles() {
  static const Files files = [] {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zv_bench_plain_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    Files made{(folder / "points.wat").string(), (folder / "points.wt").string()};
    const ScratchSet set;
    const WorkAreaHandle area = set.Create(kPointArea);
    PNT_INFO info;
    info.setKind(1);
    info.setSymbolNumber(21);
    info.setSymbolHeight(3.0f);
    info.setSymbolWidth(3.0f);
    BasBeginBatch(area);
    for (int i = 0; i < kPoints; ++i) BasAppendPoint(area, {i * 0.25, (i % 977) * 0.5}, "", info);
    BasEndBatch(area);
    convert::SavePlainTextFile(made.text, area, nullptr);
    BasSaveWorkArea(area, made.binary, kSavePathComplete);
    return made;
  }();
  return files;
}

void BM_ReadPlainTextPoints(benchmark::State& state) {
  const Files& files = BenchFiles();
  for (auto _ : state) {
    const ScratchSet set;
    const convert::PlainTextRead read = convert::ReadPlainTextFile(files.text, set.Create(kPointArea));
    if (!read.ok) state.SkipWithError(read.error.c_str());
    benchmark::DoNotOptimize(read.entities);
  }
  state.counters["points/s"] = benchmark::Counter(static_cast<double>(kPoints) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadPlainTextPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadBinaryPoints(benchmark::State& state) {
  const Files& files = BenchFiles();
  for (auto _ : state) {
    const ScratchSet set;
    benchmark::DoNotOptimize(BasLoadWorkArea(set.handle(), files.binary));
  }
  state.counters["points/s"] = benchmark::Counter(static_cast<double>(kPoints) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoadBinaryPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
