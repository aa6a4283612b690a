// Clipping a large map by an irregular outline, inside (4) and outside (5):
// the clip engine end to end (every file clipped and written, the project
// saved), beside GEOS's raw overlay of the same geometries with a prepared
// outline (the floor: no files, no arcs, no attributes) and beside GDAL's
// `ogr2ogr -clipsrc` on a GeoPackage of the same map (written beforehand,
// untimed; outside is clipped by a box around the map with the outline as
// its hole).
//
// The map: 100,000 lines of 10 vertices, 10,000 regions on a 100 × 100 grid
// of shared five-vertex arcs and 100,000 points over 10,000 × 10,000 map
// units; the outline has 50 vertices and covers about half of it.
//
// Each run is made in a child process of its own, so each one's peak
// resident size is its own: "peak_MiB" is the child's whole peak (for the
// engine and the floor, the map they start from included), "added_MiB" what
// it grew by beyond the size it was forked at.
#include <benchmark/benchmark.h>
#include <geos_c.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "bench/support/child_run.h"
#include "platform/data/map_params.h"
#include "platform/data/work_area.h"
#include "platform/files/work_area_file.h"
#include "platform/topology/topology.h"
#include "tools/clip/core/clip_engine.h"

namespace zv::tools {
namespace {

namespace fs = std::filesystem;
using bench::InChild;
using bench::Measured;
using bench::Since;

constexpr int kLines = 100'000, kLineVertices = 10, kGrid = 100, kArcVertices = 5, kPoints = 100'000;
constexpr double kCell = 100, kExtent = kGrid * kCell;

using Ring = std::vector<D_DOT>;

fs::path Folder() { return fs::temp_directory_path() / "zavediz-bench-clip"; }

// ---- the map

struct Map {
  WorkAreaSetHandle set = 0;
  WorkAreaHandle lines = 0, regions = 0, points = 0;
  Ring outline;
};

// The arc from one grid node to the next, its inner vertices a little off
// the straight line, the same for both regions beside it.
Ring GridArc(double x, double y, double dx, double dy) {
  Ring arc;
  for (int k = 0; k < kArcVertices; ++k) {
    const double t = static_cast<double>(k) / (kArcVertices - 1);
    const double off = (k == 0 || k == kArcVertices - 1) ? 0 : 3 * std::sin(x * 0.017 + y * 0.029 + k);
    arc.push_back({x + dx * t + dy / kCell * off, y + dy * t + dx / kCell * off});
  }
  return arc;
}

void AddGridRegions(WorkAreaHandle area) {
  // Horizontal arcs h(i, j) from node (i, j) to (i + 1, j), vertical ones
  // v(i, j) from (i, j) to (i, j + 1).
  std::vector<int32_t> h((kGrid + 1) * (kGrid + 1)), v((kGrid + 1) * (kGrid + 1));
  auto at = [](int i, int j) { return j * (kGrid + 1) + i; };
  LIN_INFO arcInfo;
  for (int j = 0; j <= kGrid; ++j)
    for (int i = 0; i <= kGrid; ++i) {
      if (i < kGrid) h[at(i, j)] = BasAppendLine(area, GridArc(i * kCell, j * kCell, kCell, 0), arcInfo);
      if (j < kGrid) v[at(i, j)] = BasAppendLine(area, GridArc(i * kCell, j * kCell, 0, kCell), arcInfo);
    }
  REG_INFO info;
  for (int j = 0; j < kGrid; ++j)
    for (int i = 0; i < kGrid; ++i)
      BasAppendRegion(area, {0, h[at(i, j)], v[at(i + 1, j)], -h[at(i, j + 1)], -v[at(i, j)]}, info);
}

Ring Outline(std::mt19937_64& random) {
  std::uniform_real_distribution<double> jitter(-0.05, 0.05);
  Ring ring;
  for (int k = 0; k < 50; ++k) {
    const double a = 2 * std::numbers::pi * k / 50;
    const double r = 3950 * (1 + 0.2 * std::sin(3 * a) + jitter(random));
    ring.push_back({kExtent / 2 + r * std::cos(a), kExtent / 2 + r * std::sin(a)});
  }
  ring.push_back(ring.front());
  return ring;
}

const Map& TheMap() {
  static const Map map = [] {
    Map m;
    m.set = BasCreateWorkAreaSet();
    m.lines = BasCreateLineWorkArea(m.set);
    m.regions = BasCreateRegionWorkArea(m.set);
    m.points = BasCreatePointWorkArea(m.set);
    std::mt19937_64 random(35);
    std::uniform_real_distribution<double> anywhere(0, kExtent), step(10, 60), turn(-0.8, 0.8);
    LIN_INFO lineInfo;
    Ring line(kLineVertices);
    for (int n = 0; n < kLines; ++n) {
      line[0] = {anywhere(random), anywhere(random)};
      double heading = anywhere(random);
      for (int k = 1; k < kLineVertices; ++k) {
        heading += turn(random);
        const double s = step(random);
        line[k] = {line[k - 1].x + s * std::cos(heading), line[k - 1].y + s * std::sin(heading)};
      }
      BasAppendLine(m.lines, line, lineInfo);
    }
    AddGridRegions(m.regions);
    PNT_INFO pointInfo;
    for (int n = 0; n < kPoints; ++n) BasAppendPoint(m.points, {anywhere(random), anywhere(random)}, "", pointInfo);
    m.outline = Outline(random);
    fs::remove_all(Folder());
    fs::create_directories(Folder() / "src");
    for (const auto& [area, name] : {std::pair{m.regions, "regions.wp"}, {m.points, "points.wt"}, {m.lines, "lines.wl"}})
      BasSaveWorkArea(area, (Folder() / "src" / name).string(), kSavePathComplete);
    return m;
  }();
  return map;
}

// Every live id of an entity type, and what `each` makes of it.
template <typename Each>
void ForEachLive(WorkAreaHandle area, int type, Each&& each) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, type, &live, &bound);
  for (int32_t id = 1; id < bound; ++id)
    if (BasIsEntityLive(area, type, id)) each(id);
}

void Report(benchmark::State& state, const Measured& m) {
  if (m.values.empty()) {
    state.SkipWithError("the run failed");
    return;
  }
  state.SetIterationTime(m.values[0]);
  state.counters["peak_MiB"] = m.peakMiB;
  state.counters["added_MiB"] = m.addedMiB;
}

int Mode(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// ---- the engine

void BM_ClipEngine(benchmark::State& state) {
  const Map& map = TheMap();
  ClipJob job;
  job.outline = {map.outline};
  job.mode = Mode(state);
  job.folder = (Folder() / (job.mode == kTopoKeepInside ? "in" : "out")).string();
  job.projectName = "BENCH(CJ).mpj";
  job.mapParams = DefaultMapParams();
  job.sources = {{map.regions, (Folder() / "src" / "regions.wp").string()},
                 {map.points, (Folder() / "src" / "points.wt").string()},
                 {map.lines, (Folder() / "src" / "lines.wl").string()}};
  for (auto _ : state) {
    fs::remove_all(job.folder);
    fs::create_directories(job.folder);
    Report(state, InChild([&] {
             const auto start = std::chrono::steady_clock::now();
             const ClipOutcome outcome = RunClip(job, PlanClip(job));
             return outcome.error.empty() ? std::vector<double>{Since(start)} : std::vector<double>{};
           }));
  }
}

// ---- GEOS's own overlay, the floor

GEOSGeometry* Geometry(GEOSContextHandle_t c, const Ring& vertices, bool polygon) {
  GEOSCoordSequence* sequence = GEOSCoordSeq_create_r(c, static_cast<unsigned>(vertices.size()), 2);
  for (unsigned i = 0; i < vertices.size(); ++i) GEOSCoordSeq_setXY_r(c, sequence, i, vertices[i].x, vertices[i].y);
  if (!polygon) return GEOSGeom_createLineString_r(c, sequence);
  return GEOSGeom_createPolygon_r(c, GEOSGeom_createLinearRing_r(c, sequence), nullptr, 0);
}

// The map's lines, regions and points as GEOS geometries.
std::vector<GEOSGeometry*> GeosMap(GEOSContextHandle_t c, const Map& map) {
  std::vector<GEOSGeometry*> all;
  Ring vertices;
  ForEachLive(map.lines, kLineEntity, [&](int32_t id) {
    BasReadLine(map.lines, id, &vertices, nullptr);
    all.push_back(Geometry(c, vertices, false));
  });
  std::vector<Ring> rings;
  ForEachLive(map.regions, kRegionEntity, [&](int32_t id) {
    BasGetRegionRings(map.regions, id, &rings);
    all.push_back(Geometry(c, rings[0], true));
  });
  ForEachLive(map.points, kPointEntity, [&](int32_t id) {
    D_DOT p{};
    BasReadPoint(map.points, id, &p, nullptr, nullptr);
    all.push_back(GEOSGeom_createPointFromXY_r(c, p.x, p.y));
  });
  return all;
}

double GeosOverlay(const Map& map, bool inside, double* parts) {
  const GEOSContextHandle_t c = GEOS_init_r();
  const std::vector<GEOSGeometry*> geometries = GeosMap(c, map);
  GEOSGeometry* outline = Geometry(c, map.outline, true);
  const auto start = std::chrono::steady_clock::now();
  const GEOSPreparedGeometry* prepared = GEOSPrepare_r(c, outline);
  for (GEOSGeometry* g : geometries) {
    const bool meets = GEOSPreparedIntersects_r(c, prepared, g) == 1;
    const bool covered = meets && GEOSPreparedCovers_r(c, prepared, g) == 1;
    if (covered || !meets) {
      *parts += covered == inside ? 1 : 0;
      continue;
    }
    GEOSGeometry* result = inside ? GEOSIntersection_r(c, g, outline) : GEOSDifference_r(c, g, outline);
    *parts += GEOSGetNumGeometries_r(c, result);
    GEOSGeom_destroy_r(c, result);
  }
  GEOSPreparedGeom_destroy_r(c, prepared);
  const double seconds = Since(start);
  for (GEOSGeometry* g : geometries) GEOSGeom_destroy_r(c, g);
  GEOSGeom_destroy_r(c, outline);
  GEOS_finish_r(c);
  return seconds;
}

void BM_GeosOverlay(benchmark::State& state) {
  const Map& map = TheMap();
  for (auto _ : state) {
    const Measured m = InChild([&] {
      double parts = 0;
      const double seconds = GeosOverlay(map, Mode(state) == kTopoKeepInside, &parts);
      return std::vector<double>{seconds, parts};
    });
    Report(state, m);
    if (m.values.size() == 2) state.counters["parts"] = m.values[1];
  }
}

// ---- ogr2ogr -clipsrc

std::string Coordinates(const Ring& ring) {
  std::string out;
  char number[64];
  for (std::size_t i = 0; i < ring.size(); ++i) {
    std::snprintf(number, sizeof number, "%s%.17g %.17g", i == 0 ? "" : ",", ring[i].x, ring[i].y);
    out += number;
  }
  return out;
}

std::string PolygonWkt(const std::vector<Ring>& rings) {
  std::string out = "POLYGON (";
  for (std::size_t r = 0; r < rings.size(); ++r) out += (r == 0 ? "(" : ",(") + Coordinates(rings[r]) + ")";
  return out + ")";
}

bool HaveOgr2ogr() { return std::system("command -v ogr2ogr >/dev/null 2>&1") == 0; }

// The map as a GeoPackage of three layers, written through CSV files of WKT.
std::string GeoPackage(const Map& map) {
  static const std::string path = [&] {
    const fs::path gpkg = Folder() / "map.gpkg";
    struct Layer {
      const char* name;
      std::function<void(std::ofstream&)> rows;
    };
    const Layer layers[] = {
        {"lines",
         [&](std::ofstream& out) {
           Ring v;
           ForEachLive(map.lines, kLineEntity, [&](int32_t id) {
             BasReadLine(map.lines, id, &v, nullptr);
             out << "\"LINESTRING (" << Coordinates(v) << ")\"," << id << '\n';
           });
         }},
        {"regions",
         [&](std::ofstream& out) {
           std::vector<Ring> rings;
           ForEachLive(map.regions, kRegionEntity, [&](int32_t id) {
             BasGetRegionRings(map.regions, id, &rings);
             out << '"' << PolygonWkt(rings) << "\"," << id << '\n';
           });
         }},
        {"points",
         [&](std::ofstream& out) {
           ForEachLive(map.points, kPointEntity, [&](int32_t id) {
             D_DOT p{};
             BasReadPoint(map.points, id, &p, nullptr, nullptr);
             char row[96];
             std::snprintf(row, sizeof row, "\"POINT (%.17g %.17g)\",%d\n", p.x, p.y, id);
             out << row;
           });
         }},
    };
    fs::remove(gpkg);
    for (const Layer& layer : layers) {
      const fs::path csv = Folder() / (std::string(layer.name) + ".csv");
      {
        std::ofstream out(csv);
        out << "WKT,id\n";
        layer.rows(out);
      }
      const std::string command = "ogr2ogr -f GPKG " + std::string(fs::exists(gpkg) ? "-update " : "") + "-nln " +
                                  layer.name + " -oo KEEP_GEOM_COLUMNS=NO '" + gpkg.string() + "' '" + csv.string() +
                                  "' >/dev/null 2>&1";
      if (std::system(command.c_str()) != 0) return std::string();
    }
    return gpkg.string();
  }();
  return path;
}

void BM_Ogr2ogrClipsrc(benchmark::State& state) {
  if (!HaveOgr2ogr()) {
    state.SkipWithError("ogr2ogr is not installed (gdal-bin)");
    return;
  }
  const Map& map = TheMap();
  const std::string gpkg = GeoPackage(map);
  if (gpkg.empty()) {
    state.SkipWithError("the GeoPackage could not be written");
    return;
  }
  const Ring box = {{-1000, -1000}, {kExtent + 1000, -1000}, {kExtent + 1000, kExtent + 1000},
                    {-1000, kExtent + 1000}, {-1000, -1000}};
  const std::string clip = PolygonWkt(Mode(state) == kTopoKeepInside ? std::vector<Ring>{map.outline}
                                                                             : std::vector<Ring>{box, map.outline});
  const std::string out = (Folder() / "clipped.gpkg").string();
  for (auto _ : state) {
    fs::remove(out);
    Report(state, bench::Command("ogr2ogr -f GPKG -gt 65536 -nlt PROMOTE_TO_MULTI -clipsrc '" + clip + "' '" + out + "' '" +
                          gpkg + "' >/dev/null 2>" + (Folder() / "ogr2ogr.log").string()));
  }
}

void Modes(benchmark::internal::Benchmark* b) {
  b->ArgName("mode")->Arg(kTopoKeepInside)->Arg(kTopoKeepOutside);
  b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ClipEngine)->Apply(Modes);
BENCHMARK(BM_GeosOverlay)->Apply(Modes);
BENCHMARK(BM_Ogr2ogrClipsrc)->Apply(Modes);

}  // namespace
}  // namespace zv::tools

BENCHMARK_MAIN();
