// Writing and reading the platform's files: a line file of 1,000,000 vertices
// in 100,000 lines and a point file of 100,000 texts, through the codec and
// through a work area, beside plainly reading the file's bytes (the limit).
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "framework/fileio/file_io.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"

namespace {

using namespace zv::files;

constexpr int kLines = 100000;
constexpr int kVerticesPerLine = 10;
constexpr int kPoints = 100000;

std::string BenchPath(const char* name) {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("zv_bench_files_" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return (folder / name).string();
}

VectorFile MakeLineFile() {
  VectorFile file = NewVectorFile(FileKind::Line);
  file.lines.reserve(kLines + 1);
  for (int i = 0; i < kLines; ++i) {
    LineRecord line = LineRecord::New();
    line.bytes[LineRecord::kParamOffset] = 1;
    for (int v = 0; v < kVerticesPerLine; ++v)
      line.vertices.push_back({i * 0.5 + v, std::sin(i + v * 0.1) * 100});
    file.lines.push_back(std::move(line));
  }
  file.attributes.ResizeRecords(file.lines.size());
  for (int i = 1; i <= kLines; ++i) {
    file.attributes.SetRecordLive(i, true);
    SetFieldNumber(file.attributes, i, 0, i);
  }
  return file;
}

VectorFile MakePointFile() {
  VectorFile file = NewVectorFile(FileKind::Point);
  file.points.reserve(kPoints + 1);
  for (int i = 0; i < kPoints; ++i) {
    PointRecord point;
    point.SetLive(true);
    point.SetPosition(i * 0.25, (i % 977) * 0.5);
    point.SetText("钻孔 ZK" + std::to_string(i) + " 高程" + std::to_string(1000 + i % 500));
    file.points.push_back(std::move(point));
  }
  file.attributes.ResizeRecords(file.points.size());
  for (int i = 1; i <= kPoints; ++i) file.attributes.SetRecordLive(i, true);
  return file;
}

const std::string& LineFilePath() {
  static const std::string path = [] {
    const std::string p = BenchPath("BENCH.WL");
    SaveVectorFile(p, MakeLineFile(), nullptr);
    return p;
  }();
  return path;
}

const std::string& PointFilePath() {
  static const std::string path = [] {
    const std::string p = BenchPath("BENCH.WT");
    SaveVectorFile(p, MakePointFile(), nullptr);
    return p;
  }();
  return path;
}

std::int64_t FileSize(const std::string& path) { return static_cast<std::int64_t>(std::filesystem::file_size(path)); }

void Report(benchmark::State& state, const std::string& path, std::int64_t entities) {
  state.SetBytesProcessed(state.iterations() * FileSize(path));
  state.SetItemsProcessed(state.iterations() * entities);
}

void BM_WriteLineFile(benchmark::State& state) {
  const VectorFile file = MakeLineFile();
  const std::string path = BenchPath("WRITE.WL");
  for (auto _ : state) benchmark::DoNotOptimize(SaveVectorFile(path, file, nullptr));
  Report(state, path, kLines);
}

void BM_ReadLineFile(benchmark::State& state) {
  for (auto _ : state) {
    VectorFile file;
    FileReport report;
    benchmark::DoNotOptimize(LoadVectorFile(LineFilePath(), file, report));
  }
  Report(state, LineFilePath(), kLines);
}

void BM_WritePointFile(benchmark::State& state) {
  const VectorFile file = MakePointFile();
  const std::string path = BenchPath("WRITE.WT");
  for (auto _ : state) benchmark::DoNotOptimize(SaveVectorFile(path, file, nullptr));
  Report(state, path, kPoints);
}

void BM_ReadPointFile(benchmark::State& state) {
  for (auto _ : state) {
    VectorFile file;
    FileReport report;
    benchmark::DoNotOptimize(LoadVectorFile(PointFilePath(), file, report));
  }
  Report(state, PointFilePath(), kPoints);
}

template <const std::string& (*Path)(), int Entities>
void BM_ReadBytesOnly(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::uint8_t> bytes;
    benchmark::DoNotOptimize(zv::fileio::ReadWholeFile(Path(), bytes, nullptr));
  }
  Report(state, Path(), Entities);
}

template <const std::string& (*Path)(), int Entities>
void BM_LoadIntoWorkArea(benchmark::State& state) {
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  for (auto _ : state) {
    const zv::WorkAreaHandle area = zv::BasLoadWorkArea(set, Path());
    benchmark::DoNotOptimize(area);
    zv::BasReleaseWorkArea(area);
  }
  zv::BasFreeWorkAreaSet(set);
  Report(state, Path(), Entities);
}

template <const std::string& (*Path)(), int Entities>
void BM_SaveWorkArea(benchmark::State& state) {
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  const zv::WorkAreaHandle area = zv::BasLoadWorkArea(set, Path());
  const std::string out = Path() + ".out";
  for (auto _ : state) benchmark::DoNotOptimize(zv::BasSaveWorkArea(area, out, zv::kSavePathComplete));
  zv::BasFreeWorkAreaSet(set);
  Report(state, out, Entities);
}

BENCHMARK(BM_WriteLineFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLineFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOnly<LineFilePath, kLines>)->Name("BM_ReadLineFileBytesOnly")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoWorkArea<LineFilePath, kLines>)->Name("BM_LoadLineFileIntoWorkArea")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkArea<LineFilePath, kLines>)->Name("BM_SaveLineWorkArea")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePointFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPointFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOnly<PointFilePath, kPoints>)->Name("BM_ReadPointFileBytesOnly")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIntoWorkArea<PointFilePath, kPoints>)->Name("BM_LoadPointFileIntoWorkArea")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkArea<PointFilePath, kPoints>)->Name("BM_SavePointWorkArea")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(std::filesystem::path(BenchPath("x")).parent_path());
  return 0;
}
