// DXF export speed and memory on a generated project:
//   bench_dxf_export [FOLDER]
// The project holds 100,000 lines of 10 vertices, 100,000 notes, 10,000
// regions with a hole and 10,000 sub-graph points. Prints the export's time,
// MB/s and peak memory (in a process of its own, after the project is
// built), then our one-pass import of the written file and GDAL's
// `ogrinfo -al -so` on it when installed.
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/dxf/bench_support.h"
#include "exchange/dxf/dxf_import.h"
#include "exchange/dxf/dxf_writer.h"
#include "framework/paths/app_folder.h"
#include "platform/project/map_project.h"

namespace {

namespace fs = std::filesystem;
using zv::bench::External;
using zv::bench::HaveProgram;
using zv::bench::PeakMegabytes;
using zv::bench::Seconds;

constexpr int kLines = 100000;
constexpr int kNotes = 100000;
constexpr int kRegions = 10000;
constexpr int kSymbols = 10000;

void BuildProject(zv::MapProject* project, const std::string& folder) {
  using namespace zv;
  const WorkAreaHandle lines = PrjGetItemArea(project, PrjAddItem(project, folder + "/断层.WL"));
  const WorkAreaHandle points = PrjGetItemArea(project, PrjAddItem(project, folder + "/注释.WT"));
  const WorkAreaHandle regions = PrjGetItemArea(project, PrjAddItem(project, folder + "/地层.WP"));
  BasBeginBatch(lines);
  LIN_INFO line;
  line.setStyle(1);
  std::vector<D_DOT> vertices(10);
  for (int i = 0; i < kLines; ++i) {
    line.setColour(1 + i % 20);
    for (int v = 0; v < 10; ++v) vertices[v] = {i * 0.37 + v * 12.5, std::sin(i + v) * 1000.0 + i * 0.01};
    BasAppendLine(lines, vertices, line);
  }
  BasEndBatch(lines);
  BasBeginBatch(points);
  PNT_INFO note;
  note.setKind(0);
  note.setCharHeight(3);
  note.setCharWidth(3);
  for (int i = 0; i < kNotes; ++i) {
    note.setColour(1 + i % 20);
    BasAppendPoint(points, {i * 1.5, i * 0.5}, "地层" + std::to_string(i) + "#+2#=", note);
  }
  PNT_INFO symbol;
  symbol.setKind(1);
  symbol.setSymbolWidth(2);
  symbol.setSymbolHeight(2);
  for (int i = 0; i < kSymbols; ++i) {
    symbol.setSymbolNumber(1 + i % 30);
    BasAppendPoint(points, {i * 2.0, -i * 1.0}, "", symbol);
  }
  BasEndBatch(points);
  BasBeginBatch(regions);
  REG_INFO fill;
  LIN_INFO arc;
  arc.setStyle(1);
  for (int i = 0; i < kRegions; ++i) {
    const double x = (i % 100) * 20.0, y = (i / 100) * 20.0;
    const int32_t outer = BasAppendLine(
        regions, std::vector<D_DOT>{{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}, {x, y}}, arc);
    const int32_t hole =
        BasAppendLine(regions, std::vector<D_DOT>{{x + 2, y + 2}, {x + 4, y + 2}, {x + 4, y + 4}, {x + 2, y + 2}}, arc);
    fill.Set<int32_t>(reg::kFillColour, 2 + i % 10);
    BasAppendRegion(regions, std::vector<int32_t>{0, outer, 0, hole}, fill);
  }
  BasEndBatch(regions);
}

int Export(const std::string& folder) {
  zv::MapProject* project = zv::PrjCreate();
  zv::PrjSetPath(project, folder + "/BENCH.MPJ");
  BuildProject(project, folder);
  const double before = PeakMegabytes(RUSAGE_SELF);
  zv::dxf::CDxfWriter writer;
  zv::dxf::DxfExportResult result;
  const double seconds = Seconds([&] {
    result = writer.ExportDxf((fs::path(zv::paths::ShippedDataFolder()) / "dxf2004.dxf").string(), *project);
  });
  if (!result.written) {
    std::printf("export failed: %s\n", result.messages.empty() ? "" : result.messages.back().c_str());
    return 1;
  }
  const double megabytes = static_cast<double>(fs::file_size(result.target)) / (1024.0 * 1024.0);
  std::printf("%-28s %8.2f s %8.1f MB/s  %.1f MB written, peak %7.1f MB (%.1f MB with the project built)\n",
              "export", seconds, megabytes / seconds, megabytes, PeakMegabytes(RUSAGE_SELF), before);
  zv::PrjClose(project);
  return 0;
}

int Import(const std::string& path) {
  const double megabytes = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  const zv::dxf::DxfTargets targets{zv::BasCreatePointWorkArea(set), zv::BasCreateLineWorkArea(set),
                                    zv::BasCreateRegionWorkArea(set)};
  zv::dxf::DxfReader reader(zv::dxf::CadMap{}, zv::dxf::CadMap{});
  int64_t entities = 0;
  const double seconds = Seconds([&] { entities = zv::dxf::ImportDxfFile(reader, path, targets).entities; });
  std::printf("%-28s %8.2f s %8.1f MB/s  %lld entities, peak %7.1f MB\n", "one-pass import of it", seconds,
              megabytes / seconds, static_cast<long long>(entities), PeakMegabytes(RUSAGE_SELF));
  zv::BasFreeWorkAreaSet(set);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : (fs::temp_directory_path() / "zv_bench_dxf_export").string();
  if (argc > 2) return std::string(argv[2]) == "export" ? Export(folder) : Import(folder + "/BENCH.dxf");
  fs::create_directories(folder);
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  for (const char* mode : {"export", "import"})
    if (std::system(("'" + self + "' '" + folder + "' " + mode).c_str()) != 0) return 1;
  const std::string path = folder + "/BENCH.dxf";
  const double megabytes = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
  if (HaveProgram("command -v ogrinfo")) External("GDAL ogrinfo -al -so", "ogrinfo -ro -al -so '" + path + "'", megabytes);
  else std::printf("GDAL ogrinfo not installed\n");
  return 0;
}
