// Platform tables and the attribute calculation at field scale: EXCEL->WB
// of a 100,000 × 10 sheet and WB->EXCEL of the table (rows/s), beside the
// object model's plain read of every cell of the same sheet in the same run;
// "=" and "#" over 100,000 and 10,000 entities (entities/s; the growth
// should be near-linear).
#include <benchmark/benchmark.h>

#include <string>

#include "annotation/core/field_expression.h"
#include "exchange/sheets/attribute_calculation.h"
#include "exchange/sheets/platform_table.h"
#include "framework/workbook/object_model.h"
#include "platform/data/table_area.h"

namespace {

using namespace zv;

constexpr int kRows = 100000;
constexpr int kColumns = 10;

struct Sheet {
  std::shared_ptr<workbook::Session> session = std::make_shared<workbook::Session>();
  workbook::Application app{session, workbook::Flavour::kExcel};
  workbook::Worksheet sheet = app.Workbooks().Add().Sheets().Item(1);
  Sheet() {
    const workbook::Range cells = sheet.Cells();
    for (int c = 1; c <= kColumns; ++c) cells.SetItem(1, c, workbook::CellValue::Text("列" + std::to_string(c)));
    for (int r = 2; r <= kRows + 1; ++r)
      for (int c = 1; c <= kColumns; ++c)
        cells.SetItem(r, c, c % 2 ? workbook::CellValue::Text("ZK" + std::to_string(r)) : workbook::CellValue::Number(r * 0.5 + c));
  }
};

const Sheet& TheSheet() {
  static const Sheet sheet;
  return sheet;
}

void ReadEveryCell(benchmark::State& state) {
  const workbook::Worksheet& sheet = TheSheet().sheet;
  for (auto _ : state) {
    std::size_t bytes = 0;
    const workbook::Range cells = sheet.Cells();
    for (int r = 1; r <= kRows + 1; ++r)
      for (int c = 1; c <= kColumns; ++c) bytes += cells.Item(r, c).Text().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

void ExcelToTable(benchmark::State& state) {
  const workbook::Worksheet& sheet = TheSheet().sheet;
  for (auto _ : state) {
    const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
    sheets::FillTableFromSheet(sheet, workbook::ExtentOf(sheet.UsedRange()), BasCreateWorkArea(set, kTableArea));
    BasFreeWorkAreaSet(set);
  }
  state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

void TableToExcel(benchmark::State& state) {
  const workbook::Worksheet& sheet = TheSheet().sheet;
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle table = BasCreateWorkArea(set, kTableArea);
  sheets::FillTableFromSheet(sheet, workbook::ExtentOf(sheet.UsedRange()), table);
  for (auto _ : state) {
    auto session = std::make_shared<workbook::Session>();
    const workbook::Application app(session, workbook::Flavour::kExcel);
    sheets::WriteTableToSheet(table, app.Workbooks().Add().Sheets().Item(1));
  }
  BasFreeWorkAreaSet(set);
  state.counters["rows/s"] = benchmark::Counter(kRows, benchmark::Counter::kIsIterationInvariantRate);
}

// A point area of `count` points with 深度, 高度 (doubles), 孔号 (text) and 结果.
struct Points {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle area = BasCreatePointWorkArea(set);
  explicit Points(int count) {
    CATT_STRU structure;
    const std::pair<const char*, uint8_t> fields[] = {
        {"深度", kFieldDouble}, {"高度", kFieldDouble}, {"孔号", kFieldString}, {"结果", kFieldDouble}, {"标注", kFieldString}};
    for (const auto& [name, type] : fields) {
      CFIELD_HEAD field;
      field.name = name;
      field.type = type;
      field.length = 20;
      structure.fields.push_back(field);
    }
    BasSetAttributeStructure(area, kPointEntity, structure);
    BasBeginBatch(area);
    AttributeRecord record;
    for (int i = 1; i <= count; ++i) {
      const int32_t id = BasAppendPoint(area, D_DOT{double(i), double(i)}, "", *BasGetDefaultPointParam(1));
      BasReadAttribute(area, kPointEntity, id, &record);
      BasSetFieldByName(record, "深度", i * 0.5);
      BasSetFieldByName(record, "高度", i % 97);
      BasSetFieldByName(record, "孔号", std::string_view("ZK" + std::to_string(i)));
      BasWriteAttribute(area, kPointEntity, id, record);
    }
    BasEndBatch(area);
  }
  ~Points() { BasFreeWorkAreaSet(set); }
};

void Expression(benchmark::State& state) {
  const Points points(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(annot::BasEvaluateFieldExpression(points.area, "结果", "深度*2+sqrt(高度)-(高度>50)", 0).written);
  state.counters["entities/s"] = benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}

void Template(benchmark::State& state) {
  const Points points(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(sheets::FillFieldFromTemplate(points.area, "标注", "(孔号)-(深度)").changed);
  state.counters["entities/s"] = benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(ReadEveryCell)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ExcelToTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TableToExcel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Expression)->Arg(100000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Template)->Arg(100000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
