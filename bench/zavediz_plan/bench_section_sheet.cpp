// From a section line across the dense benchmark map to the saved section:
// the profile step (StoreTerrainData) beside the cut, the drawing of a
// straight section (operation 2) into three work areas, and writing the
// section's four files. Profiles of 10,000 and 100,000 points show how the
// drawing grows with the profile.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/zavediz_plan/section_maps.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/zavediz_drawing.h"
#include "zavediz/project_files/area_project.h"

namespace zv::zavediz {
namespace {

const Tell kQuiet = [](const std::string&) {};

// The dense map with the profile stored and cut.
struct CutSection {
  PlanStore store;
  explicit CutSection(size_t lines) : store(DenseMap(lines)) {
    store.Store();
    CutZavediz(store.data, 2, 30.0);
  }
};

void BM_ProfileStep(benchmark::State& state) {
  PlanStore store(DenseMap(static_cast<size_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(store.Store());
  state.counters["points"] = store.data.terrain.GetCount();
}

void BM_Cut(benchmark::State& state) {
  CutSection section(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    section.store.data.xTick.set = false;
    benchmark::DoNotOptimize(CutZavediz(section.store.data, 2, 30.0).operation);
  }
  state.counters["points"] = section.store.data.terrain.GetCount();
}

void BM_DrawStraightSection(benchmark::State& state) {
  CutSection section(static_cast<size_t>(state.range(0)));
  SheetAreas sheet;
  for (auto _ : state) {
    sheet.Clear();
    benchmark::DoNotOptimize(DrawZavedizSheet(kDrawStraight, section.store.data, sheet.areas, SheetOptions{}, kQuiet));
  }
  state.counters["points"] = section.store.data.terrain.GetCount();
  state.SetComplexityN(state.range(0));
}

void BM_WriteSectionFiles(benchmark::State& state) {
  CutSection section(static_cast<size_t>(state.range(0)));
  SheetAreas sheet;
  DrawZavedizSheet(kDrawStraight, section.store.data, sheet.areas, SheetOptions{}, kQuiet);
  const auto folder = std::filesystem::temp_directory_path() / "zavediz_bench_section";
  std::filesystem::create_directories(folder);
  std::string error;
  for (auto _ : state) {
    if (!SaveAreasAsProject(sheet.areas, (folder / "section").string(), &error)) state.SkipWithError(error.c_str());
  }
  std::filesystem::remove_all(folder);
}

#define ZV_PROFILE_SIZES ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ProfileStep) ZV_PROFILE_SIZES;
BENCHMARK(BM_Cut) ZV_PROFILE_SIZES;
BENCHMARK(BM_DrawStraightSection) ZV_PROFILE_SIZES->Complexity();
BENCHMARK(BM_WriteSectionFiles) ZV_PROFILE_SIZES;

}  // namespace
}  // namespace zv::zavediz
