// The attribute exchange at field scale: joining 100,000 entities to a sheet
// of 100,000 rows and of 10,000 rows (the growth should be near-linear),
// exporting 100,000 entities with 10 attributes and saving the workbook
// (cells/s) beside GDAL's ogr2ogr writing the same table from CSV to XLSX,
// and reading 100,000 GPX track points (points/s) beside ogrinfo's summary
// of the same file. The GDAL figures are skipped when gdal-bin is missing.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "exchange/gpx/gpx_tracks.h"
#include "exchange/sheets/attribute_export.h"
#include "exchange/sheets/attribute_join.h"
#include "framework/workbook/object_model.h"

namespace {

using namespace zv;

constexpr int kEntities = 100000;
constexpr int kFields = 10;

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// A point area of `count` points whose field 孔号 reads ZK<id> and whose
// other nine fields hold numbers and texts.
struct Points {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle area = BasCreatePointWorkArea(set);
  explicit Points(int count) {
    CATT_STRU structure;
    for (int f = 0; f < kFields - 1; ++f) {
      CFIELD_HEAD field;
      field.name = f == 0 ? "孔号" : "字段" + std::to_string(f);
      field.type = f % 2 == 0 ? kFieldString : kFieldDouble;
      field.length = 12;
      field.decimals = 3;
      structure.fields.push_back(field);
    }
    BasSetAttributeStructure(area, kPointEntity, structure);
    BasBeginBatch(area);
    AttributeRecord record;
    for (int i = 1; i <= count; ++i) {
      const int32_t id = BasAppendPoint(area, D_DOT{double(i), double(i)}, "", *BasGetDefaultPointParam(1));
      BasReadAttribute(area, kPointEntity, id, &record);
      BasSetFieldByName(record, "ID", double(id));
      for (int f = 1; f < kFields; ++f) {
        const CFIELD_HEAD& field = record.structure->fields[static_cast<std::size_t>(f)];
        if (field.type == kFieldString)
          BasSetFieldByIndex(record, f, std::string_view(f == 1 ? "ZK" + std::to_string(id) : "岩性" + std::to_string(f)));
        else
          BasSetFieldByIndex(record, f, id * 1.5 + f);
      }
      BasWriteAttribute(area, kPointEntity, id, record);
    }
    BasEndBatch(area);
  }
  ~Points() { BasFreeWorkAreaSet(set); }
};

void Join(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Points points(kEntities);
  auto session = std::make_shared<workbook::Session>();
  const workbook::Application app(session, workbook::Flavour::kExcel);
  const workbook::Worksheet sheet = app.Workbooks().Add().Sheets().Item(1);
  const workbook::Range cells = sheet.Cells();
  cells.SetItem(1, 1, workbook::CellValue::Text("孔号"));
  cells.SetItem(1, 2, workbook::CellValue::Text("品位"));
  cells.SetItem(1, 3, workbook::CellValue::Text("岩性"));
  for (int r = 2; r <= rows + 1; ++r) {
    cells.SetItem(r, 1, workbook::CellValue::Text("ZK" + std::to_string((r - 1) * (kEntities / rows))));
    cells.SetItem(r, 2, workbook::CellValue::Number(r * 0.01));
    cells.SetItem(r, 3, workbook::CellValue::Text("砂岩"));
  }
  const workbook::Extent extent = workbook::ExtentOf(sheet.UsedRange());
  const sheets::JoinRequest request{points.area, 1, 1, {{"品位", 2}, {"岩性", 3}}};
  for (auto _ : state) benchmark::DoNotOptimize(sheets::JoinSheetAttributes(sheet, extent, request).changedIds.size());
  state.counters["rows"] = rows;
}

void ExportAndSave(benchmark::State& state) {
  Points points(kEntities);
  const std::string file = TempPath("zavediz-bench-export.xlsx");
  for (auto _ : state) {
    auto session = std::make_shared<workbook::Session>();
    const workbook::Application app(session, workbook::Flavour::kExcel);
    const workbook::Workbook book = app.Workbooks().Add();
    book.Sheets().Add(2);
    sheets::ExportAttributeSheets(book.Sheets(), {points.area, 0, 0});
    book.SaveAs(file);
  }
  state.counters["cells/s"] = benchmark::Counter(double(kEntities) * kFields, benchmark::Counter::kIsIterationInvariantRate);
}

bool HaveGdal() { return std::system("command -v ogr2ogr >/dev/null 2>&1") == 0; }

template <typename Prepare>
void TimeCommand(benchmark::State& state, const std::string& command, Prepare prepare) {
  if (!HaveGdal()) {
    state.SkipWithError("gdal-bin is not installed");
    return;
  }
  prepare();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("the GDAL command failed");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void GdalCsvToXlsx(benchmark::State& state) {
  const std::string csv = TempPath("zavediz-bench-export.csv");
  const std::string xlsx = TempPath("zavediz-bench-ogr.xlsx");
  TimeCommand(state, "ogr2ogr -overwrite -f XLSX '" + xlsx + "' '" + csv + "' >/dev/null 2>&1", [&] {
    std::ofstream out(csv);
    out << "ID,孔号,字段1,字段2,字段3,字段4,字段5,字段6,字段7,字段8\n";
    for (int id = 1; id <= kEntities; ++id) {
      out << id << ",ZK" << id;
      for (int f = 1; f < kFields - 1; ++f) out << "," << (f % 2 == 0 ? "岩性" + std::to_string(f) : std::to_string(id * 1.5 + f));
      out << "\n";
    }
  });
  state.counters["cells/s"] = benchmark::Counter(double(kEntities) * kFields, benchmark::Counter::kIsIterationInvariantRate);
}

const std::string& TrackFile() {
  static const std::string path = [] {
    const std::string file = TempPath("zavediz-bench-track.gpx");
    std::ofstream out(file);
    out << "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
           "<trk><name>测线</name><trkseg>\n";
    for (int i = 0; i < kEntities; ++i)
      out << "<trkpt lat=\"" << 30 + i * 1e-6 << "\" lon=\"" << 117 + i * 1e-6 << "\"><ele>" << i % 500
          << "</ele><time>2024-01-05T08:00:00Z</time></trkpt>\n";
    out << "</trkseg></trk>\n</gpx>\n";
    return file;
  }();
  return path;
}

void ReadTrackPoints(benchmark::State& state) {
  std::ifstream in(TrackFile(), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (auto _ : state) benchmark::DoNotOptimize(gpx::ReadTrack(bytes).points.size());
  state.counters["points/s"] = benchmark::Counter(kEntities, benchmark::Counter::kIsIterationInvariantRate);
}

void GdalOgrinfoTrack(benchmark::State& state) {
  TimeCommand(state, "ogrinfo -ro -al -so '" + TrackFile() + "' >/dev/null 2>&1", [] {});
  state.counters["points/s"] = benchmark::Counter(kEntities, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(Join)->Arg(100000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExportAndSave)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(GdalCsvToXlsx)->Unit(benchmark::kMillisecond)->Iterations(2)->UseManualTime();
BENCHMARK(ReadTrackPoints)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GdalOgrinfoTrack)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
