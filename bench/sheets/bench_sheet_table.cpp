// Drawn tables at field scale: a selection of 1,000 × 20 and 10,000 × 20
// bordered cells with texts drawn as a map table (cells/s; the growth should
// be near-linear), the drawn 1,000 × 20 table copied back to a sheet from its
// lines and from its notes alone (its 20,000 notes), beside the plain
// object-model read of every displayed text of the same sheet.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "exchange/sheets/sheet_table.h"
#include "exchange/sheets/table_export.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_data.h"

namespace {

using namespace zv;

constexpr int kColumns = 20;

// A sheet of `rows` × 20 cells, each bordered on every edge and holding a
// text or a number.
struct BorderedSheet {
  std::shared_ptr<workbook::Session> session = std::make_shared<workbook::Session>();
  workbook::Worksheet sheet;
  explicit BorderedSheet(int rows)
      : sheet(workbook::Application(session, workbook::Flavour::kExcel).Workbooks().Add().Sheets().Item(1)) {
    const workbook::Range cells = sheet.Cells();
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= kColumns; ++c)
        cells.SetItem(r, c, c % 2 ? "ZK" + std::to_string(r) : std::to_string(r * 0.5 + c));
    workbook::WorkbookData& data = *sheet.GetBook()->data;
    workbook::BorderData all;
    all.left = all.top = all.bottom = all.right = workbook::line::kContinuous;
    data.borders.push_back(all);
    workbook::CellFormat format;
    format.border = static_cast<std::uint32_t>(data.borders.size() - 1);
    const std::uint32_t bordered = data.AddFormat(format);
    for (workbook::Cell& cell : sheet.Data()->cells) cell.format = bordered;
  }
  workbook::Extent Extent(int rows) const { return {rows, kColumns, 1, 1}; }
};

struct Areas {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle points = BasCreatePointWorkArea(set);
  WorkAreaHandle lines = BasCreateLineWorkArea(set);
  ~Areas() { BasFreeWorkAreaSet(set); }
};

void BM_DrawTable(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const BorderedSheet sheet(rows);
  for (auto _ : state) {
    Areas areas;
    sheets::DrawnTable drawn;
    sheets::DrawSheetTable(sheet.sheet, sheet.Extent(rows), sheets::kSelectionTable, {0, 0}, {}, areas.lines,
                           areas.points, drawn);
    benchmark::DoNotOptimize(drawn.points.size());
  }
  state.counters["cells/s"] = benchmark::Counter(double(rows) * kColumns, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawTable)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadDisplayedTexts(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const BorderedSheet sheet(rows);
  for (auto _ : state) {
    const workbook::Range cells = sheet.sheet.Cells();
    std::size_t bytes = 0;
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= kColumns; ++c) bytes += cells.Item(r, c).Text().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["cells/s"] = benchmark::Counter(double(rows) * kColumns, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReadDisplayedTexts)->Arg(1000)->Unit(benchmark::kMillisecond);

// The drawn 1,000 × 20 table copied back, from its lines (true) or its notes.
void BM_CopyTableBack(benchmark::State& state) {
  constexpr int kRows = 1000;
  const bool fromLines = state.range(0) != 0;
  const BorderedSheet sheet(kRows);
  Areas areas;
  sheets::DrawnTable drawn;
  sheets::DrawSheetTable(sheet.sheet, sheet.Extent(kRows), sheets::kSelectionTable, {0, 0}, {}, areas.lines,
                         areas.points, drawn);
  std::vector<ENTITY_MSG> pool;
  for (int32_t id : drawn.lines) pool.push_back({areas.lines, kLineEntity, id});
  for (int32_t id : drawn.points) pool.push_back({areas.points, kPointEntity, id});
  const D_DOT corner{-1, 1}, opposite{kColumns * sheets::CellWidthMm(8.43) + 1, -kRows * sheets::CellHeightMm(15) - 1};
  for (auto _ : state) {
    const sheets::SheetTable table =
        fromLines ? sheets::TableFromLines(pool, corner, opposite) : sheets::TableFromNotes(pool, corner, opposite);
    benchmark::DoNotOptimize(table.cells.size());
  }
  state.counters["notes/s"] =
      benchmark::Counter(double(drawn.points.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CopyTableBack)->ArgName("fromLines")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
