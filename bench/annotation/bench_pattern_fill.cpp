// The map's pattern fill over 1,000 generated regions (200 outer vertices
// and two holes each, metres near (500000, 3500000)) with a two-family and
// a dashed pattern: the first fill and the refill of the same selection
// (which deletes the first pattern by its tag), in seconds and pieces per
// second; GEOS intersecting the same generated segments with the prepared
// polygons, for comparison; and library tiling of one 10,000-vertex region
// with 50 holes against GEOS clipping each cell; and one region of 10,000
// vertices, 40 km across, filled with the default pattern (80,000 lines).
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "annotation/core/area_ids.h"
#include "annotation/core/library_tiling.h"
#include "annotation/core/map_family_lines.h"
#include "annotation/core/pattern_delete.h"
#include "annotation/core/pattern_fill.h"
#include "annotation/core/ring_clipper.h"

namespace zv::annot {
namespace {

constexpr double kX = 500000, kY = 3500000;

Ring Circle(double cx, double cy, double r, int n, bool clockwise) {
  Ring ring;
  for (int i = 0; i <= n; ++i) {
    const double a = 2 * std::numbers::pi * (clockwise ? n - i : i) / n;
    // A wavy outline, so lines cross it many times.
    const double rr = r * (1 + 0.08 * std::sin(7 * a));
    ring.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  ring.back() = ring.front();
  return ring;
}

Rings RegionRings(int i) {
  const double cx = kX + (i % 40) * 120, cy = kY + (i / 40) * 120;
  return {Circle(cx, cy, 50, 200, false), Circle(cx - 20, cy, 8, 24, true), Circle(cx + 20, cy + 5, 6, 24, true)};
}

struct Map {
  WorkAreaSetHandle set = BasCreateWorkAreaSet();
  FillTargets areas{BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
  std::vector<int32_t> regions;
  Map() {
    for (int i = 0; i < 1000; ++i) {
      std::vector<int32_t> arcs = {0};
      for (const Ring& r : RegionRings(i)) {
        if (arcs.size() > 1) arcs.push_back(0);
        arcs.push_back(BasAppendLine(areas.regions, r, LIN_INFO{}));
      }
      regions.push_back(BasAppendRegion(areas.regions, arcs, REG_INFO{}));
    }
  }
  ~Map() { BasFreeWorkAreaSet(set); }
};

HatchSettings Settings() {
  const std::string path = (std::filesystem::temp_directory_path() / "zv_bench_fill.pat").string();
  std::ofstream(path, std::ios::binary) << "*BENCH\n45, 0,0, 0,10\n45, 1.768,0, 0,10\n0, 0,0, 3,15, 20,-5,0,-5\n";
  HatchSettings s;
  s.patternFile = path;
  s.patternName = "*BENCH";
  s.angle = 30;
  return s;
}

double FillAll(Map& map, const HatchSettings& s, const FillSource& source) {
  double pieces = 0;
  for (int32_t id : map.regions) {
    const Rings rings = EntityRings(map.areas.regions, kRegionEntity, id);
    pieces += static_cast<double>(FillRings(s, source, rings, id, {}, map.areas).lines.size());
  }
  return pieces;
}

FillSource Source(const HatchSettings& s) {
  std::string error;
  return *LoadFillSource(s, &error);
}

void ReportPieces(benchmark::State& state, double pieces) {
  state.counters["pieces"] = pieces;
  state.counters["pieces_per_s"] = benchmark::Counter(pieces, benchmark::Counter::kIsIterationInvariantRate);
}

// Argument 0: the first fill; 1: the refill of the same selection, which
// finds and deletes the first pattern before drawing again.
void BM_FillThousandRegions(benchmark::State& state) {
  const bool refill = state.range(0) == 1;
  const HatchSettings s = Settings();
  const FillSource source = Source(s);
  double pieces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Map map;
    std::vector<ENTITY_MSG> selection;
    for (int32_t id : map.regions) selection.push_back({map.areas.regions, kRegionEntity, id});
    if (refill) FillAll(map, s, source);
    state.ResumeTiming();
    if (refill) DeletePatterns(FindPatterns(selection, kRegionEntity, map.areas), map.areas);
    pieces = FillAll(map, s, source);
  }
  ReportPieces(state, pieces);
}
BENCHMARK(BM_FillThousandRegions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);

// The shipped default pattern (a line every pattern unit, half a metre at
// the default Y scale) over one 10,000-vertex region 40 km across.
void BM_FillBigRegionDefaultPattern(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "zv_bench_default.pat").string();
  std::ofstream(path, std::ios::binary) << "*ZV_BEDDING,水平层理\n0, 0,0, 0,1\n";
  HatchSettings s;
  s.patternFile = path;
  s.patternName = "*ZV_BEDDING,水平层理";
  const FillSource source = Source(s);
  const Rings rings = {Circle(kX, kY, 20000, 10000, false)};
  double pieces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    const FillTargets areas{BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
    state.ResumeTiming();
    pieces = static_cast<double>(FillRings(s, source, rings, 1, {}, areas).lines.size());
    state.PauseTiming();
    BasFreeWorkAreaSet(set);
    state.ResumeTiming();
  }
  ReportPieces(state, pieces);
}
BENCHMARK(BM_FillBigRegionDefaultPattern)->Unit(benchmark::kMillisecond)->Iterations(1);

// The engine's own clipping of the segments it generates, and GEOS
// intersecting the same segments with the prepared polygons.
struct Segments {
  std::vector<Rings> rings;
  std::vector<std::vector<Segment>> raw;
  Segments() {
    const FillSource source = Source(Settings());
    for (int i = 0; i < 1000; ++i) {
      Rings r = RegionRings(i);
      double h = 0;
      const D_DOT c = RotatedBoxCentre(r, 0, &h);
      MoveRotateRings(r, c.x, c.y, 0);
      std::vector<Segment> segments;
      GenerateMapHatchSegments(source.families, r, MapHatchOptions{},
                               [&](const D_DOT& a, const D_DOT& b, bool) { segments.push_back({a, b}); });
      rings.push_back(std::move(r));
      raw.push_back(std::move(segments));
    }
  }
};
const Segments& SharedSegments() {
  static const Segments segments;
  return segments;
}

void BM_ClipSegmentsOurs(benchmark::State& state) {
  const Segments& all = SharedSegments();
  double pieces = 0;
  for (auto _ : state) {
    pieces = 0;
    for (std::size_t i = 0; i < all.rings.size(); ++i) {
      RingClipper clipper(all.rings[i]);
      for (const Segment& s : all.raw[i]) pieces += static_cast<double>(clipper.Stretches(s.first, s.second).size());
    }
    benchmark::DoNotOptimize(pieces);
  }
  state.counters["pieces_per_s"] = benchmark::Counter(pieces, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ClipSegmentsOurs)->Unit(benchmark::kMillisecond);

GEOSGeometry* Polygon(GEOSContextHandle_t c, const Rings& rings) {
  std::vector<GEOSGeometry*> linear;
  for (const Ring& r : rings) {
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c, static_cast<unsigned>(r.size()), 2);
    for (std::size_t i = 0; i < r.size(); ++i) GEOSCoordSeq_setXY_r(c, seq, static_cast<unsigned>(i), r[i].x, r[i].y);
    linear.push_back(GEOSGeom_createLinearRing_r(c, seq));
  }
  return GEOSGeom_createPolygon_r(c, linear[0], linear.data() + 1, static_cast<unsigned>(linear.size() - 1));
}

void BM_ClipSegmentsGeos(benchmark::State& state) {
  const Segments& all = SharedSegments();
  GEOSContextHandle_t c = GEOS_init_r();
  std::vector<GEOSGeometry*> shapes;
  std::vector<const GEOSPreparedGeometry*> prepared;
  for (const Rings& r : all.rings) {
    shapes.push_back(Polygon(c, r));
    prepared.push_back(GEOSPrepare_r(c, shapes.back()));
  }
  double pieces = 0;
  for (auto _ : state) {
    pieces = 0;
    for (std::size_t i = 0; i < all.rings.size(); ++i)
      for (const Segment& s : all.raw[i]) {
        GEOSCoordSequence* seq = GEOSCoordSeq_create_r(c, 2, 2);
        GEOSCoordSeq_setXY_r(c, seq, 0, s.first.x, s.first.y);
        GEOSCoordSeq_setXY_r(c, seq, 1, s.second.x, s.second.y);
        GEOSGeometry* line = GEOSGeom_createLineString_r(c, seq);
        if (GEOSPreparedIntersects_r(c, prepared[i], line) == 1) {
          GEOSGeometry* cut = GEOSIntersection_r(c, shapes[i], line);
          pieces += GEOSGetNumGeometries_r(c, cut);
          GEOSGeom_destroy_r(c, cut);
        }
        GEOSGeom_destroy_r(c, line);
      }
  }
  state.counters["pieces_per_s"] = benchmark::Counter(pieces, benchmark::Counter::kIsIterationInvariantRate);
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    GEOSPreparedGeom_destroy_r(c, prepared[i]);
    GEOSGeom_destroy_r(c, shapes[i]);
  }
  GEOS_finish_r(c);
}
BENCHMARK(BM_ClipSegmentsGeos)->Unit(benchmark::kMillisecond);

// One 10,000-vertex region with 50 holes, tiled with a one-square cell.
Rings BigRegion() {
  Rings rings = {Circle(kX, kY, 1000, 10000, false)};
  for (int i = 0; i < 50; ++i) rings.push_back(Circle(kX - 600 + (i % 10) * 130, kY - 300 + (i / 10) * 130, 30, 20, true));
  return rings;
}

display::SymbolEntry SquareCell() {
  display::SymbolElement e;
  e.kind = 0;
  e.colourA = 3;
  e.parts = {{{0.1, 0.1}, {0.9, 0.1}, {0.9, 0.9}, {0.1, 0.9}, {0.1, 0.1}}};
  return {{e}};
}

void BM_TileBigRegion(benchmark::State& state) {
  const Rings rings = BigRegion();
  HatchSettings s;
  s.scaleX = s.scaleY = 40;
  const display::SymbolEntry entry = SquareCell();
  const double cells = LibraryPieces(entry, s, rings, true);
  for (auto _ : state) {
    state.PauseTiming();
    const WorkAreaSetHandle set = BasCreateWorkAreaSet();
    const FillTargets areas{BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
    state.ResumeTiming();
    DrawLibraryPattern(entry, s, rings, PatternLineInfo(s), 1, true, areas);
    state.PauseTiming();
    BasFreeWorkAreaSet(set);
    state.ResumeTiming();
  }
  state.counters["cells_per_s"] = benchmark::Counter(cells, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TileBigRegion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TileBigRegionGeosCells(benchmark::State& state) {
  const Rings rings = BigRegion();
  GEOSContextHandle_t c = GEOS_init_r();
  GEOSGeometry* shape = Polygon(c, rings);
  const GEOSPreparedGeometry* prepared = GEOSPrepare_r(c, shape);
  double cells = 0;
  for (auto _ : state) {
    cells = 0;
    for (double y = kY - 1100; y < kY + 1100; y += 40)
      for (double x = kX - 1100; x < kX + 1100; x += 40) {
        const Rings cell = {{{x + 4, y + 4}, {x + 36, y + 4}, {x + 36, y + 36}, {x + 4, y + 36}, {x + 4, y + 4}}};
        GEOSGeometry* square = Polygon(c, cell);
        if (GEOSPreparedIntersects_r(c, prepared, square) == 1) GEOSGeom_destroy_r(c, GEOSIntersection_r(c, shape, square));
        GEOSGeom_destroy_r(c, square);
        ++cells;
      }
  }
  state.counters["cells_per_s"] = benchmark::Counter(cells, benchmark::Counter::kIsIterationInvariantRate);
  GEOSPreparedGeom_destroy_r(c, prepared);
  GEOSGeom_destroy_r(c, shape);
  GEOS_finish_r(c);
}
BENCHMARK(BM_TileBigRegionGeosCells)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace zv::annot

BENCHMARK_MAIN();
