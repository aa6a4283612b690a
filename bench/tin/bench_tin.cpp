// A million random elevation points: how long the TIN build takes (qhull,
// duplicates dropped, triangles oriented) against GEOS's
// GEOSDelaunayTriangulation on the same points (triangle polygons out), and
// how long tracing 50 contour levels on the TIN takes. Peak memory of one
// run is measured in a child process (its maximum resident size, in MiB), so
// the two triangulations are weighed alike.
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "bench/support/child_run.h"
#include "platform/tin/tin.h"
#include "platform/tin/tin_contours.h"

namespace zv::tin {
namespace {

constexpr int kPoints = 1'000'000;

const std::vector<TinPoint>& Points() {
  static const std::vector<TinPoint> points = [] {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> coordinate(0.0, 10000.0);
    std::vector<TinPoint> out(kPoints);
    for (TinPoint& p : out) {
      p.x = 3500000.0 + coordinate(random);
      p.y = 4200000.0 + coordinate(random);
      p.z = 500.0 + 100.0 * std::sin(p.x / 700.0) * std::cos(p.y / 900.0);
    }
    return out;
  }();
  return points;
}

size_t GeosTriangles() {
  GEOSContextHandle_t context = GEOS_init_r();
  const std::vector<TinPoint>& points = Points();
  GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(context, points.size(), 2);
  for (unsigned i = 0; i < points.size(); ++i) GEOSCoordSeq_setXY_r(context, sequence, i, points[i].x, points[i].y);
  GEOSGeometry* vertices = GEOSGeom_createLineString_r(context, sequence);
  GEOSGeometry* triangles = GEOSDelaunayTriangulation_r(context, vertices, 0.0, 0);
  const size_t count = triangles ? static_cast<size_t>(GEOSGetNumGeometries_r(context, triangles)) : 0;
  if (triangles) GEOSGeom_destroy_r(context, triangles);
  GEOSGeom_destroy_r(context, vertices);
  GEOS_finish_r(context);
  return count;
}

size_t OurTriangles() {
  const TinBuild build = BuildTin(Points());
  return build.tin ? build.tin->triangles().size() : 0;
}

// The peak resident size of one run of `work` in a child process, in MiB,
// above the size at the fork.
double PeakMiB(const std::function<void()>& work) {
  return bench::InChild([&] {
           work();
           return std::vector<double>{0};
         }).addedMiB;
}

void BM_TinBuildQhull(benchmark::State& state) {
  Points();
  size_t triangles = 0;
  for (auto _ : state) benchmark::DoNotOptimize(triangles = OurTriangles());
  state.counters["triangles"] = static_cast<double>(triangles);
  state.counters["peak_MiB"] = PeakMiB([] { OurTriangles(); });
}

void BM_DelaunayGeos(benchmark::State& state) {
  Points();
  size_t triangles = 0;
  for (auto _ : state) benchmark::DoNotOptimize(triangles = GeosTriangles());
  state.counters["triangles"] = static_cast<double>(triangles);
  state.counters["peak_MiB"] = PeakMiB([] { GeosTriangles(); });
}

void BM_Contours50Levels(benchmark::State& state) {
  const TinBuild build = BuildTin(Points());
  const double step = (build.tin->zMax() - build.tin->zMin()) / 51;
  std::vector<double> levels;
  for (int i = 1; i <= 50; ++i) levels.push_back(build.tin->zMin() + i * step);
  size_t lines = 0;
  for (auto _ : state) benchmark::DoNotOptimize(lines = TraceContours(*build.tin, levels).size());
  state.counters["levels"] = static_cast<double>(levels.size());
  state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_TinBuildQhull)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DelaunayGeos)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Contours50Levels)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace zv::tin

BENCHMARK_MAIN();
