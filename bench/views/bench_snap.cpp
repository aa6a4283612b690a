// Cursor snapping and text search of the tool views on a large contour map:
// 100,000 closed contours of 20 vertices (2,000,000 vertices) around 2,500
// hills on a 20 km square, and 200,000 texts. The snap search per mouse
// move runs through the line index and, in the same run, as the full walk
// over every vertex; a move must stay well under one frame (16 ms). The
// vertex squares are drawn for 10,000 selected contours.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/display/kernel_driver.h"
#include "platform/view/gis_edit_view.h"
#include "views/snap/snap_search.h"
#include "views/tool_core/text_search.h"
#include "views/tool_overlay/tool_overlay.h"

namespace {

constexpr int kHillsPerSide = 50;
constexpr int kRingsPerHill = 40;
constexpr int kVerticesPerRing = 20;
constexpr double kHillSpacing = 400.0;

struct Map {
  zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  zv::WorkAreaHandle lines = zv::BasCreateLineWorkArea(set);
  zv::WorkAreaHandle points = zv::BasCreatePointWorkArea(set);
  std::vector<D_DOT> cursors;
  Map() {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> wobble(-3.0, 3.0);
    zv::LIN_INFO info;
    std::vector<D_DOT> ring(kVerticesPerRing + 1);
    zv::BasBeginBatch(lines);
    for (int hx = 0; hx < kHillsPerSide; ++hx)
      for (int hy = 0; hy < kHillsPerSide; ++hy)
        for (int r = 1; r <= kRingsPerHill; ++r) {
          const double cx = hx * kHillSpacing, cy = hy * kHillSpacing, radius = r * 5.0;
          for (int i = 0; i < kVerticesPerRing; ++i) {
            const double a = 2 * M_PI * i / kVerticesPerRing;
            ring[i] = {cx + (radius + wobble(random)) * std::cos(a), cy + (radius + wobble(random)) * std::sin(a)};
          }
          ring[kVerticesPerRing] = ring[0];
          zv::BasAppendLine(lines, ring, info);
        }
    zv::BasEndBatch(lines);
    zv::PNT_INFO text;
    std::uniform_real_distribution<double> coord(0, kHillsPerSide * kHillSpacing);
    zv::BasBeginBatch(points);
    for (int i = 0; i < 200000; ++i)
      zv::BasAppendPoint(points, {coord(random), coord(random)}, "高程" + std::to_string(100 + i % 900), text);
    zv::BasEndBatch(points);
    for (int i = 0; i < 1000; ++i) cursors.push_back({coord(random), coord(random)});
  }
};

Map& TheMap() {
  static Map map;
  return map;
}

// One mouse move per iteration, all six switches on, at 2 pixels a metre.
void SnapMove(benchmark::State& state, bool index) {
  Map& map = TheMap();
  zv::snap::SnapEngine engine;
  engine.switches().on = {1, 1, 1, 1, 1, 1};
  engine.SetUseIndex(index);
  const zv::WorkAreaHandle areas[] = {map.lines};
  const double tolerance = zv::snap::SnapTolerance(2.0);
  engine.Move(map.cursors[0], tolerance, areas);  // builds the index
  std::size_t i = 0;
  for (auto _ : state) {
    const auto r = engine.Move(map.cursors[i++ % map.cursors.size()], tolerance, areas);
    benchmark::DoNotOptimize(r);
  }
}
void SnapMoveThroughIndex(benchmark::State& state) { SnapMove(state, true); }
void SnapMoveFullWalk(benchmark::State& state) { SnapMove(state, false); }

void BuildLineIndex(benchmark::State& state) {
  Map& map = TheMap();
  for (auto _ : state) {
    zv::snap::LineIndex index(map.lines);
    std::vector<int32_t> ids;
    index.LinesNear({0, 0}, 100, &ids);
    benchmark::DoNotOptimize(ids);
  }
}

void TextSearch(benchmark::State& state) {
  Map& map = TheMap();
  const zv::WorkAreaHandle areas[] = {map.points};
  for (auto _ : state) {
    const auto found = zv::toolview::FindTexts(areas, "高程512");
    benchmark::DoNotOptimize(found);
  }
}

void SelectedVertexMarks(benchmark::State& state) {
  Map& map = TheMap();
  zv::CGisEditView view;
  view.resize(1920, 1080);
  view.show();
  view.ChangeCurAi(map.lines);
  view.OnRestoreWindow();
  std::vector<zv::ENTITY_MSG> pool;
  for (int32_t id = 1; id <= 10000; ++id) pool.push_back({map.lines, zv::kLineEntity, id * 10});
  QImage image(1920, 1080, QImage::Format_RGB32);
  zv::display::KernelDriver dc(image);
  for (auto _ : state) benchmark::DoNotOptimize(zv::toolview::DrawSelectedVertexMarks(view, dc, pool));
}

BENCHMARK(SnapMoveThroughIndex)->Unit(benchmark::kMicrosecond);
BENCHMARK(SnapMoveFullWalk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildLineIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(TextSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(SelectedVertexMarks)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
