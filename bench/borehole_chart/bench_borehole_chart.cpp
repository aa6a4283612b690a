// Borehole column charts from a generated database of 100 holes (200 layers
// and 400 samples each) read through the SQLite ODBC driver: all 100 drawn
// and saved as one chart command does (holes per second), and the chart's
// reading steps alone over the same holes, whose time over the first's is
// the share of the run spent in ODBC calls.
//
// The custom chart (栏目选择1, columns of codes 0 to 7, the title block with
// the dialog's rows confirmed) over the first database's holes, drawn and
// saved, beside its reading steps alone: their time over the drawing's is
// the share spent in connects and queries.
//
// The full chart: a second database ("full") with every column on and, per
// hole, also 50 ore bodies, 200 water levels, 30 deviation surveys and 30
// depth checks, marker planes, specimens and hydrogeological notes: 100
// holes drawn and saved, and each drawer's share of the drawing.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/support/sqlite_rows.h"
#include "platform/data/work_area.h"
#include "zavediz/chart/borehole_chart.h"
#include "zavediz/chart/chart_db.h"
#include "zavediz/chart/chart_header.h"
#include "zavediz/chart/chart_settings.h"
#include "zavediz/chart/custom_chart.h"
#include "zavediz/chart/custom_chart_layout.h"
#include "zavediz/dialogs/title_block_rows.h"
#include "zavediz/chart/description_column.h"
#include "zavediz/chart/hydrogeology_columns.h"
#include "zavediz/chart/ore_body_column.h"
#include "zavediz/chart/point_columns.h"
#include "zavediz/chart/sampling_columns.h"
#include "zavediz/chart/signature_block.h"
#include "zavediz/chart/strata_columns.h"
#include "zavediz/chart/survey_tables.h"

namespace {

namespace fs = std::filesystem;
using namespace zv;
using namespace zv::bench;
using namespace zv::chart;

constexpr int kHoles = 100;
constexpr int kLayers = 200;
constexpr int kSamples = 400;
constexpr float kScaleFactor = 500 * 0.005f;
const char* kMine = "B001";

std::string HoleId(int h) { return "BH" + std::to_string(1000 + h).substr(1); }



std::string Num(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", v);
  return buffer;
}

std::string ReadScript(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream script;
  script << in.rdbuf();
  return script.str();
}

void AddLaterColumns(sqlite3* db);

// One generated database: the fixture's tables and the mine B001's holes;
// with `full` every column on and the later columns' rows.
void Generate(const fs::path& file, bool full) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  Exec(db, "BEGIN");
  Exec(db, ReadScript(ZV_BOREHOLE_FIXTURE));
  Exec(db, "INSERT INTO minefile (矿区代码, 矿区名称, 矿区类别, 图宽) VALUES ('B001', '基准矿区', '1', '400')");
  InsertRows(db,
             "INSERT INTO zkinfok (工程编号, 勘探线号, X, Y, H, 开孔日期, 终孔日期, 终孔方位, 终孔倾角, 终孔深度, "
             "分层数, 图名, 校正孔深, 矿区代码) VALUES (?, '7', '3512345.6', '40512345.6', '1200.5', '2024-01-01', "
             "'2024-02-01', '135', '80°30′', ?, ?, ?, ?, 'B001')",
             kHoles, [](sqlite3_stmt* s, int h) {
               Bind(s, 1, HoleId(h));
               Bind(s, 2, Num(kLayers * 2.5));
               Bind(s, 3, std::to_string(kLayers));
               Bind(s, 4, "基准矿区" + HoleId(h) + "号钻孔柱状图");
               Bind(s, 5, Num(kLayers * 2.5));
             });
  const std::string description =
      "灰色中细粒砂岩，块状构造，主要成分为石英、长石及少量岩屑，裂隙发育，见方解石细脉充填，局部黄铁矿化。";
  InsertRows(db,
             "INSERT INTO drilgeo2 (矿区代码, 工程编号, 岩石名称, 花纹号, 层号, 地质描述, 花纹高, 自孔深, 至孔深, "
             "岩心长, 界线类型, 校正自孔深, 校正至孔深) VALUES ('B001', ?, '砂岩', ?, ?, ?, '5', ?, ?, ?, ?, ?, ?)",
             kHoles * kLayers, [&](sqlite3_stmt* s, int i) {
               const int h = i / kLayers, k = i % kLayers;
               const double from = k * 2.5, to = from + (k % 3 == 0 ? 0.4 : 2.1 + (k % 4) * 0.4 - 0.4 * (k % 3));
               Bind(s, 1, HoleId(h));
               Bind(s, 2, std::to_string(100 + k % 20));
               Bind(s, 3, std::to_string(k + 1));
               Bind(s, 4, description.substr(0, 30 + (k % 5) * 24));
               Bind(s, 5, Num(from));
               Bind(s, 6, Num(std::min(to, (k + 1) * 2.5)));
               Bind(s, 7, Num((to - from) * 0.9));
               Bind(s, 8, k % 7 == 0 ? "80" : "0");
               Bind(s, 9, Num(from));
               Bind(s, 10, Num(std::min(to, (k + 1) * 2.5)));
             });
  InsertRows(db,
             "INSERT INTO drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深, 岩心长, 校正自孔深, 校正至孔深) "
             "VALUES ('B001', ?, ?, ?, ?, ?, ?, ?)",
             kHoles * kSamples, [](sqlite3_stmt* s, int i) {
               const int h = i / kSamples, k = i % kSamples;
               Bind(s, 1, HoleId(h));
               Bind(s, 2, "H" + std::to_string(k + 1));
               Bind(s, 3, Num(k * 1.25));
               Bind(s, 4, Num(k * 1.25 + 1.25));
               Bind(s, 5, "1.10");
               Bind(s, 6, Num(k * 1.25));
               Bind(s, 7, Num(k * 1.25 + 1.25));
             });
  InsertRows(db,
             "INSERT INTO geolayercolor (序号, 自孔深, 至孔深, 地层代号, 颜色, 校正自孔深, 校正至孔深, 矿区代码, 工程编号) "
             "VALUES (?, ?, ?, 'J2', '31', ?, ?, 'B001', ?)",
             kHoles * 10, [](sqlite3_stmt* s, int i) {
               const int h = i / 10, k = i % 10;
               Bind(s, 1, std::to_string(k + 1));
               Bind(s, 2, Num(k * 50.0));
               Bind(s, 3, Num(k * 50.0 + 50));
               Bind(s, 4, Num(k * 50.0));
               Bind(s, 5, Num(k * 50.0 + 50));
               Bind(s, 6, HoleId(h));
             });
  // The layout's own rows run part one's columns; the full database every
  // column.
  if (full) {
    Exec(db, ReadScript(ZV_BOREHOLE_FULL_LAYOUT));
    AddLaterColumns(db);
  } else {
    Exec(db, "UPDATE 栏目选择 SET 右边='400' WHERE 序号='7'");
  }
  Exec(db, "CREATE INDEX drilgeo2_hole ON drilgeo2 (矿区代码, 工程编号, 自孔深)");
  Exec(db, "CREATE INDEX drilsamh_hole ON drilsamh (矿区代码, 工程编号, 自孔深)");
  Exec(db, "COMMIT");
  sqlite3_close(db);
}

// The generated databases: kof.sqlite (data source "kof") and full.sqlite
// ("full").
const std::string& Setup() {
  static const std::string folder = [] {
    const fs::path root = fs::temp_directory_path() / "zavediz-bench-borehole";
    fs::remove_all(root);
    fs::create_directories(root / "out");
    {
      std::ofstream(root / "odbcinst.ini") << "[SQLite3]\nDriver=" << ZV_SQLITE3_ODBC_DRIVER << "\n";
      std::ofstream ini(root / "odbc.ini");
      for (const char* name : {"kof", "full"}) {
        const std::string file = (root / (std::string(name) + ".sqlite")).string();
        ini << "[" << name << "]\nDriver=SQLite3\nDatabase=" << file << "\nDBQ=" << file << "\n";
      }
    }
    setenv("ODBCSYSINI", root.c_str(), 1);
    setenv("ODBCINI", (root / "odbc.ini").c_str(), 1);
    for (const bool full : {false, true}) Generate(root / (full ? "full.sqlite" : "kof.sqlite"), full);
    return (root / "out").string();
  }();
  return folder;
}

constexpr int kOres = 50;
constexpr int kLevels = 200;
constexpr int kSurveys = 30;
constexpr int kMarks = 20;

// Per hole: analyses of the samples, ore bodies, marker planes, specimens,
// water levels, water-bearing boxes and notes, surveys and depth checks.
void AddLaterColumns(sqlite3* db) {
  Exec(db, "UPDATE drilsamh SET 元素1 = '0.35', 元素2 = '1.20', 元素3 = '8.5', c24 = '0.02'");
  Exec(db, "UPDATE zkinfok SET 上图名 = '基准地质勘查院', 拟编 = '张三', 审核 = '李四', 计算机成图 = '王五',"
           " 项目负责 = '赵六', 总工程师 = '钱七', 队长 = '孙八', 资料来源 = '基准矿区详查报告'");
  Exec(db, "INSERT INTO element (元素1, 元素2, 元素3, 单位1, 单位2, 单位3, 矿区代码) VALUES ('Cu', 'Au', 'Ag', '%', 'g/t', 'g/t', 'B001')");
  InsertRows(db,
             "INSERT INTO drilore (矿区代码, 工程编号, 矿体编号, 自孔深, 至孔深, 标注, 矿种, 校正自孔深, 校正至孔深)"
             " VALUES ('B001', ?, ?, ?, ?, '/2.10/1.35/', ?, ?, ?)",
             kHoles * kOres, [](sqlite3_stmt* s, int i) {
               const int h = i / kOres, k = i % kOres;
               const double from = k * 10.0, to = from + (k % 3 == 0 ? 0.8 : 3.0);
               Bind(s, 1, HoleId(h));
               Bind(s, 2, std::to_string(k + 1));
               Bind(s, 3, Num(from));
               Bind(s, 4, Num(to));
               Bind(s, 5, std::to_string(k % 3));
               Bind(s, 6, Num(from));
               Bind(s, 7, Num(to));
             });
  InsertRows(db, "INSERT INTO drilhydr (矿区代码, 工程编号, 孔深, 水位A, 水位B, 校正孔深) VALUES ('B001', ?, ?, ?, ?, ?)",
             kHoles * kLevels, [](sqlite3_stmt* s, int i) {
               const int h = i / kLevels, k = i % kLevels;
               Bind(s, 1, HoleId(h));
               Bind(s, 2, Num(k * 2.5));
               Bind(s, 3, Num(10 + k % 13 * 0.5));
               Bind(s, 4, Num(12 + k % 7 * 0.25));
               Bind(s, 5, Num(k * 2.5));
             });
  for (const char* table : {"drilflag (矿区代码, 工程编号, 深度, 夹角, 校正深度) VALUES ('B001', ?, ?, '35', ?)",
                            "drilspec (矿区代码, 工程编号, 深度, 标本号, 校正深度) VALUES ('B001', ?, ?, 'B1', ?)"})
    InsertRows(db, (std::string("INSERT INTO ") + table).c_str(), kHoles * kMarks, [](sqlite3_stmt* s, int i) {
      Bind(s, 1, HoleId(i / kMarks));
      Bind(s, 2, Num(i % kMarks * 24.5));
      Bind(s, 3, Num(i % kMarks * 24.5));
    });
  for (const char* table : {"drilhydr01", "drilhydr02", "drilhydr03"})
    InsertRows(db,
               (std::string("INSERT INTO ") + table +
                " (矿区代码, 工程编号, 孔深, 至孔深, 内容, 校正孔深, 校正至孔深) VALUES ('B001', ?, ?, ?, ?, ?, ?)")
                   .c_str(),
               kHoles * 10, [](sqlite3_stmt* s, int i) {
                 const int h = i / 10, k = i % 10;
                 Bind(s, 1, HoleId(h));
                 Bind(s, 2, Num(k * 50.0));
                 Bind(s, 3, Num(k * 50.0 + 50));
                 Bind(s, 4, k % 2 ? "601" : "基岩裂隙水，冲洗液局部漏失，水位下降明显。");
                 Bind(s, 5, Num(k * 50.0));
                 Bind(s, 6, Num(k * 50.0 + 50));
               });
  InsertRows(db, "INSERT INTO drilmeas (矿区代码, 工程编号, 测量次序, 孔深, 天顶角, 方位角) VALUES ('B001', ?, ?, ?, '2°30′', '135°')",
             kHoles * kSurveys, [](sqlite3_stmt* s, int i) {
               Bind(s, 1, HoleId(i / kSurveys));
               Bind(s, 2, std::to_string(i % kSurveys + 1));
               Bind(s, 3, Num(i % kSurveys * 16.5));
             });
  InsertRows(db, "INSERT INTO drilmeam (矿区代码, 工程编号, 检查次序, 记录孔深, 校测孔深) VALUES ('B001', ?, ?, ?, ?)",
             kHoles * kSurveys, [](sqlite3_stmt* s, int i) {
               Bind(s, 1, HoleId(i / kSurveys));
               Bind(s, 2, std::to_string(i % kSurveys + 1));
               Bind(s, 3, Num(i % kSurveys * 16.5));
               Bind(s, 4, Num(i % kSurveys * 16.5 + 0.05));
             });
  for (const char* table : {"drilore", "drilhydr", "drilflag", "drilspec", "drilhydr01", "drilhydr02", "drilhydr03",
                            "drilmeas", "drilmeam"})
    Exec(db, std::string("CREATE INDEX ") + table + "_hole ON " + table + " (矿区代码, 工程编号)");
}

struct Areas {
  Areas() {
    set = BasCreateWorkAreaSet(0);
    areas = {BasCreateLineWorkArea(set), BasCreatePointWorkArea(set), BasCreateRegionWorkArea(set)};
  }
  ~Areas() { BasFreeWorkAreaSet(set); }
  WorkAreaSetHandle set;
  ChartAreas areas;
};

void DrawAndSave100Holes(benchmark::State& state) {
  const std::string& out = Setup();
  Areas areas;
  for (auto _ : state) {
    BoreholeChart chart(areas.areas, -1, "kof", 502);
    for (int h = 0; h < kHoles; ++h) {
      std::string error;
      if (!chart.DrawColumns(kScaleFactor, kMine, HoleId(h), &error) || !chart.CreateChartProject(out, &error)) {
        state.SkipWithError(error.c_str());
        return;
      }
    }
  }
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(DrawAndSave100Holes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The chart's reading steps for every hole: connections, queries and fields,
// as the drawers of the run above make them.
void ReadingSteps100Holes(benchmark::State& state) {
  Setup();
  for (auto _ : state) {
    for (int h = 0; h < kHoles; ++h) {
      const std::string hole = HoleId(h);
      ChartState s;
      ReadMineChartSettings(s, "kof", kMine);
      LoadChartParameters(s, "kof", kScaleFactor, kMine, hole);
      const std::vector<std::string> key = {kMine, hole};
      {
        ChartDb db("kof");
        db.Query("zkinfok", sql::kZkinfokHeader, key,
                 {{0, 9}, {1, 5}, {2, 13}, {3, 13}, {4, 8}, {5, 16}, {6, 16}, {7, 11}, {8, 11}, {9, 8}, {21, 101}});
      }
      {
        ChartDb db("kof");
        db.Query("drilgeo2", sql::kDrilgeo2, key, {{9, 8}, {10, 8}, {24, 8}, {25, 8}});
        db.Query("geolayercolor", sql::kGeolayercolor, key, {{1, 8}, {2, 8}, {13, 8}, {14, 8}, {3, 21}});
      }
      {
        ChartDb db("kof");
        db.Query("drilgeo2", sql::kDrilgeo2, key, {{9, 8}, {10, 8}, {24, 8}, {25, 8}, {11, 8}, {6, 5}});
      }
      {
        ChartDb db("kof");
        db.Query("drilgeo2", sql::kDrilgeo2, key, {{9, 8}, {10, 8}, {24, 8}, {25, 8}, {4, 5}, {8, 3}, {15, 5}});
        db.Query("geolayercolor", sql::kGeolayercolor, key, {{1, 8}, {2, 8}, {13, 8}, {14, 8}, {4, 5}});
        db.Query("drilsamh", sql::kDrilsamh, key, {{3, 8}, {4, 8}, {22, 8}, {23, 8}, {2, 9}});
        db.Query("drilore", sql::kDrilore, key, {{5, 8}, {6, 8}, {22, 8}, {23, 8}, {14, 2}});
      }
      {
        ChartDb db("kof");
        db.Query("drilgeo2", sql::kDrilgeo2, key, {{3, 40}, {6, 4}, {7}, {9, 7}, {10, 7}, {24, 7}, {25, 7}});
      }
    }
  }
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(ReadingSteps100Holes)->Unit(benchmark::kMillisecond)->Iterations(3);

void CustomDrawAndSave100Holes(benchmark::State& state) {
  const std::string& out = Setup();
  Areas areas;
  const auto rows = zavediz::BuildRows(zavediz::DefaultTitleBlock()).rows;
  CustomChartHooks hooks;
  hooks.askTitleBlock = [&rows](const zavediz::TitleBlockPreset&, std::array<TitleRow, kTitleRowCount>& chosen) {
    chosen = rows;
    return true;
  };
  const std::string header = (fs::path(out) / "no-header.sec").string();
  for (auto _ : state) {
    CustomChart chart(areas.areas, -1, "kof", {}, header, hooks);
    for (int h = 0; h < kHoles; ++h) {
      std::string error;
      if (!chart.DrawColumns(kScaleFactor, kMine, HoleId(h), &error) || !chart.SaveChart(out, &error)) {
        state.SkipWithError(error.c_str());
        return;
      }
    }
  }
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(CustomDrawAndSave100Holes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The custom chart's connects and queries for every hole, as its drawers
// make them: the layout, the hole header, one drawer per column of codes 0
// to 7, the title block and the two narrow survey tables.
void CustomReadingSteps100Holes(benchmark::State& state) {
  Setup();
  for (auto _ : state) {
    for (int h = 0; h < kHoles; ++h) {
      const std::string hole = HoleId(h);
      const std::vector<std::string> key = {kMine, hole};
      CustomChartLayout layout;
      ReadChartParameters(layout, "kof", kScaleFactor, kMine, hole);
      ChartDb("kof").Query("zkinfok", sql::kZkinfokHeader, key, {{0, 8}, {1, 4}, {9, 0}, {21, 100}});
      ChartDb("kof").Query("geolayercolor", sql::kGeolayercolor, key, {{1}, {2}, {3, 20}, {13}, {14}});
      for (int column = 1; column <= 6; ++column)
        ChartDb("kof").Query("drilgeo2", sql::kDrilgeo2, key, {{6, 4}, {9}, {10}, {11}, {24}, {25}});
      {
        ChartDb db("kof");
        db.Query("geolayercolor", sql::kGeolayercolor, key, {{1}, {2}, {4, 4}, {13}, {14}});
        db.Query("drilgeo2", sql::kDrilgeo2, key, {{4, 4}, {8, 2}, {9}, {10}, {15, 4}, {24}, {25}});
      }
      {
        ChartDb db("kof");
        db.Query("zkinfok", sql::kZkinfokSignature, key, {{20, 39}, {21, 99}, {22, 7}});
        db.Count("drilmeas", sql::kDrilmeas, key);
        db.Count("drilmeam", sql::kDrilmeamTitle, key);
      }
      ChartDb("kof").Query("drilmeas", sql::kDrilmeas, key, {{2, 4}, {3, 7}, {4, 10}, {5, 10}});
      ChartDb("kof").Query("drilmeam", sql::kDrilmeam, key, {{1, 3}, {2, 7}, {3, 7}});
    }
  }
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(CustomReadingSteps100Holes)->Unit(benchmark::kMillisecond)->Iterations(3);

void DrawAndSave100FullHoles(benchmark::State& state) {
  const std::string& out = Setup();
  Areas areas;
  for (auto _ : state) {
    BoreholeChart chart(areas.areas, -1, "full", 502);
    for (int h = 0; h < kHoles; ++h) {
      std::string error;
      if (!chart.DrawColumns(kScaleFactor, kMine, HoleId(h), &error) || !chart.CreateChartProject(out, &error)) {
        state.SkipWithError(error.c_str());
        return;
      }
    }
  }
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(DrawAndSave100FullHoles)->Unit(benchmark::kMillisecond)->Iterations(2);

// Each step of DrawColumns over the 100 full holes, timed on its own: the
// counters are the steps' shares of the drawing in percent.
void FullChartDrawerShares(benchmark::State& state) {
  Setup();
  Areas areas;
  using Drawer = void (*)(ChartContext&);
  const struct {
    const char* name;
    Drawer draw;
  } drawers[] = {
      {"header", [](ChartContext& c) { DrawChartHeader(c.state, c.writer, c.hole.dataSource, c.hole.mine, c.hole.hole); }},
      {"strata", DrawStrataCodeColumn},       {"layers", DrawLayerTable},
      {"lithology", DrawLithologySampleColumn}, {"descriptions", DrawDescriptionsDownward},
      {"marks", DrawMarkerPlaneColumn},       {"specimens", DrawSpecimenColumn},
      {"sampling", DrawSamplingColumns},      {"ores", DrawOreBodyColumn},
      {"hydrogeology", DrawHydrogeologyColumns}, {"signature", DrawChartSignatureBlock},
      {"deviation", DrawHoleDeviationTable},  {"checks", DrawDepthCheckTable},
  };
  constexpr std::size_t kDrawers = std::size(drawers);
  std::array<double, kDrawers + 1> seconds{};
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    for (int h = 0; h < kHoles; ++h) {
      BasClearWorkArea(areas.areas.point);
      BasClearWorkArea(areas.areas.line);
      BasClearWorkArea(areas.areas.region);
      ChartWriter writer(areas.areas);
      ChartState s;
      const HoleRef hole{"full", kScaleFactor, kMine, HoleId(h)};
      ChartContext context{s, writer, hole};
      auto start = Clock::now();
      ReadMineChartSettings(s, "full", kMine);
      LoadChartParameters(s, "full", kScaleFactor, kMine, hole.hole);
      seconds[kDrawers] += std::chrono::duration<double>(Clock::now() - start).count();
      for (std::size_t d = 0; d < kDrawers; ++d) {
        start = Clock::now();
        drawers[d].draw(context);
        seconds[d] += std::chrono::duration<double>(Clock::now() - start).count();
      }
    }
  }
  double total = 0;
  for (double t : seconds) total += t;
  for (std::size_t d = 0; d < kDrawers; ++d) state.counters[drawers[d].name] = 100 * seconds[d] / total;
  state.counters["settings"] = 100 * seconds[kDrawers] / total;
  state.counters["holes/s"] = benchmark::Counter(kHoles, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(FullChartDrawerShares)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
