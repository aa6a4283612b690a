// Reading a sheet of 100,000 rows x 10 columns (numbers and texts): cells
// per second for the file alone, and through the object model as the
// exchange commands read it (every cell's displayed text). When GDAL's
// ogrinfo is installed, the same file read by its XLSX driver, in the same
// run, for comparison.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/workbook/object_model.h"
#include "framework/workbook/xlsx_reader.h"
#include "framework/workbook/xlsx_writer.h"

namespace {

using namespace zv::workbook;

constexpr int kRows = 100000;
constexpr int kColumns = 10;
constexpr double kCells = static_cast<double>(kRows) * kColumns;

const std::string& SheetFile() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "zavediz-bench-100k.xlsx").string();
    WorkbookData book;
    auto sheet = std::make_shared<SheetData>();
    sheet->name = "数据";
    sheet->cells.reserve(static_cast<std::size_t>(kCells));
    for (int row = 1; row <= kRows; ++row) {
      for (int column = 1; column <= kColumns; ++column) {
        Cell cell;
        cell.row = row;
        cell.column = column;
        if (column % 2 == 1) {
          cell.kind = CellKind::kNumber;
          cell.number = row * 1000.0 + column + 0.125;
        } else {
          cell.kind = CellKind::kText;
          cell.text = book.AddText({"ZK" + std::to_string(row) + "-" + std::to_string(column), {}});
        }
        sheet->cells.push_back(cell);
      }
    }
    book.sheets.push_back(sheet);
    WriteXlsx(book, file);
    return file;
  }();
  return path;
}

void ReadFile(benchmark::State& state) {
  const std::string& file = SheetFile();
  for (auto _ : state) {
    auto book = ReadXlsxFile(file);
    benchmark::DoNotOptimize(book->sheets.front()->cells.size());
  }
  state.counters["cells/s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
}

void ReadEveryCellText(benchmark::State& state) {
  const std::string& file = SheetFile();
  for (auto _ : state) {
    auto session = std::make_shared<Session>();
    const Application app(session, Flavour::kExcel);
    app.Workbooks().Open(file);
    const Worksheet sheet = *app.ActiveSheet();
    const Extent extent = ExtentOf(sheet.UsedRange());
    const Range cells = sheet.Cells();
    std::size_t bytes = 0;
    for (long r = 0; r < extent.rows; ++r)
      for (long c = 0; c < extent.columns; ++c)
        bytes += cells.Item(extent.firstRow + static_cast<int>(r), extent.firstColumn + static_cast<int>(c)).Text().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["cells/s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
}

// GDAL's XLSX driver reading every feature of the same file.
void GdalOgrinfo(benchmark::State& state) {
  if (std::system("command -v ogrinfo >/dev/null 2>&1") != 0) {
    state.SkipWithError("ogrinfo is not installed (gdal-bin)");
    return;
  }
  const std::string command = "OGR_XLSX_HEADERS=DISABLE ogrinfo -ro -al -q '" + SheetFile() + "' >/dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("ogrinfo failed");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["cells/s"] = benchmark::Counter(kCells, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(ReadFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReadEveryCellText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GdalOgrinfo)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
