// The borehole database's sections through the SQLite ODBC driver, each
// beside the plain record-set read of the same rows in the same run:
//  - the survey road's reads and profile of a line of 100,000 stations
//    (TPMK00 and TPMK001; the dialogs are left out);
//  - drilled holes drawn into a section: 10 and 100 holes of 100 surveys
//    and 400 samples each. Time per hole staying flat from 10 to 100 holes
//    shows the drawing near-linear in rows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/support/sqlite_rows.h"
#include "framework/odbc/odbc_recordset.h"
#include "platform/data/work_area.h"
#include "zavediz/data/borehole_section.h"
#include "zavediz/data/survey_line.h"
#include "zavediz/plan/section_geometry.h"

namespace {

namespace fs = std::filesystem;
using namespace zv;
using namespace zv::bench;
using namespace zv::zavediz;

constexpr int kStations = 100000;
constexpr int kMostHoles = 100;
constexpr int kSurveys = 100;
constexpr int kSamples = 400;
const char* kMine = "B001";

std::string HoleId(int h) { return "BH" + std::to_string(1000 + h).substr(1); }



void Generate(const fs::path& file) {
  std::ifstream in(ZV_BOREHOLE_FIXTURE);
  std::stringstream script;
  script << in.rdbuf();
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  Exec(db, "BEGIN");
  Exec(db, script.str());
  Exec(db, "INSERT INTO TPMK00 (矿区代码, 勘探线号, 起点Y, 起点X, 终点Y, 终点X, 右2) VALUES "
           "('B001', 'L1', '0', '0', '0', '100000', '1000')");
  InsertRows(db, "INSERT INTO TPMK001 (序号, 点名, 相对平距, 高程, 矿区代码, 勘探线号) VALUES (?, ?, ?, ?, 'B001', 'L1')",
             kStations, [](sqlite3_stmt* s, int i) {
               Bind(s, 1, std::to_string(i + 1));
               Bind(s, 2, "P" + std::to_string(i));
               sqlite3_bind_double(s, 3, i * 1.0);
               Bind(s, 4, std::to_string(1000 + (i % 200) * 0.5));
             });
  // Holes every 20 m along the line, 400 m deep, leaning a little east.
  InsertRows(db, "INSERT INTO zkinfok (工程编号, X, Y, H, 终孔深度, 矿区代码) VALUES (?, '0', ?, '1000', '400', 'B001')",
             kMostHoles, [](sqlite3_stmt* s, int h) {
               Bind(s, 1, HoleId(h));
               Bind(s, 2, std::to_string(100 + 20 * h));
             });
  InsertRows(db, "INSERT INTO drilmeas (矿区代码, 工程编号, 测量次序, 孔深, 天顶角, 方位角) VALUES ('B001', ?, ?, ?, ?, '90°')",
             kMostHoles * kSurveys, [](sqlite3_stmt* s, int i) {
               const int h = i / kSurveys, k = i % kSurveys;
               Bind(s, 1, HoleId(h));
               Bind(s, 2, std::to_string(k + 1));
               sqlite3_bind_double(s, 3, (k + 1) * 3.5);
               Bind(s, 4, std::to_string(k % 10) + "°30′");
             });
  InsertRows(db, "INSERT INTO drilsamh (矿区代码, 工程编号, 样号, 自孔深, 至孔深) VALUES ('B001', ?, ?, ?, ?)",
             kMostHoles * kSamples, [](sqlite3_stmt* s, int i) {
               const int h = i / kSamples, k = i % kSamples;
               Bind(s, 1, HoleId(h));
               Bind(s, 2, "H" + std::to_string(k + 1));
               Bind(s, 3, std::to_string(k * 0.9));
               Bind(s, 4, std::to_string(k * 0.9 + 0.9));
             });
  Exec(db, "CREATE INDEX tpmk001_line ON TPMK001 (矿区代码, 勘探线号, 相对平距)");
  Exec(db, "CREATE INDEX zkinfok_hole ON zkinfok (矿区代码, 工程编号)");
  Exec(db, "CREATE INDEX drilmeas_hole ON drilmeas (矿区代码, 工程编号, 孔深)");
  Exec(db, "CREATE INDEX drilsamh_hole ON drilsamh (矿区代码, 工程编号)");
  Exec(db, "COMMIT");
  sqlite3_close(db);
}

void Setup() {
  static const bool done = [] {
    const fs::path root = fs::temp_directory_path() / "zavediz-bench-section";
    fs::remove_all(root);
    fs::create_directories(root);
    std::ofstream(root / "odbcinst.ini") << "[SQLite3]\nDriver=" << ZV_SQLITE3_ODBC_DRIVER << "\n";
    const std::string file = (root / "kof.sqlite").string();
    std::ofstream(root / "odbc.ini") << "[kof]\nDriver=SQLite3\nDatabase=" << file << "\nDBQ=" << file << "\n";
    setenv("ODBCSYSINI", root.c_str(), 1);
    setenv("ODBCINI", (root / "odbc.ini").c_str(), 1);
    Generate(file);
    return true;
  }();
  (void)done;
}

// Every row of the query, its fields read as text.
std::size_t PlainRead(odbc::Connection& db, const char* sql, const std::vector<std::string>& keys, int fields) {
  odbc::Recordset rs;
  if (!rs.Open(db, sql, keys)) std::abort();
  std::size_t rows = 0;
  std::string value;
  while (rs.Next()) {
    for (int f = 0; f < fields; ++f) rs.GetFieldValue(f, &value);
    ++rows;
  }
  return rows;
}

void SurveyRoad(benchmark::State& state) {
  Setup();
  for (auto _ : state) {
    SectionData data;
    std::string error;
    const std::optional<SurveyLineHeader> header = ReadSurveyHeader("kof", kMine, "L1", &error);
    data.sectionScale = 1000;
    data.groundStart = header->groundStart;
    data.groundEnd = header->groundEnd;
    StoreZavedizGeometry(data);
    std::vector<SurveyStation> stations;
    ReadSurveyStations("kof", kMine, "L1", &stations, &error);
    AppendSurveyProfile(stations, data.sectionScale, data.terrain);
    if (data.terrain.GetCount() != kStations) std::abort();
  }
}
BENCHMARK(SurveyRoad)->Unit(benchmark::kMillisecond)->Iterations(3);

void SurveyPlainRead(benchmark::State& state) {
  Setup();
  for (auto _ : state) {
    odbc::Connection db;
    db.Open("DSN=kof");
    PlainRead(db, "select * from TPMK00 where 矿区代码=? and \t\t\t勘探线号=? ", {kMine, "L1"}, 26);
    if (PlainRead(db, "select * from TPMK001 where 矿区代码=? and \t\t\t勘探线号=? order by 相对平距", {kMine, "L1"}, 4) !=
        kStations)
      std::abort();
  }
}
BENCHMARK(SurveyPlainRead)->Unit(benchmark::kMillisecond)->Iterations(3);

// A section of the line at 1:1000 as the cut leaves it, 100 km long.
void CutLine(SectionData& data) {
  data.sectionScale = 1000;
  data.groundStart = {0, 0};
  data.groundEnd = {100000, 0};
  StoreZavedizGeometry(data);
  data.terrain.InsertAt(1, 0, 0, 1000, "", 0);
  data.terrain.InsertAt(2, 0, 100000, 1000, "", 0);
  data.sectionStart = data.bottomLeft = {0, 500};
  data.bottomRight = {100000, 500};
}

void DrawHoles(benchmark::State& state) {
  Setup();
  const int holes = static_cast<int>(state.range(0));
  std::vector<std::string> ids;
  for (int h = 0; h < holes; ++h) ids.push_back(HoleId(h));
  SectionData data;
  CutLine(data);
  for (auto _ : state) {
    const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
    const BoreholeTarget target{&data, true,
                                ZavedizAreas{BasCreateLineWorkArea(set), BasCreatePointWorkArea(set),
                                             BasCreateRegionWorkArea(set)},
                                30.0};
    int refused = 0;
    DrawBoreholes("kof", kMine, ids, target, [&](const std::string&) { ++refused; });
    int32_t live = 0, bound = 0;
    BasGetRegionCount(target.areas.region, &live, &bound);
    if (refused != 0 || live == 0) std::abort();
    state.PauseTiming();
    BasFreeWorkAreaSet(set);
    state.ResumeTiming();
  }
  state.counters["s/hole"] = benchmark::Counter(holes, benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(DrawHoles)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(2);

void HolesPlainRead(benchmark::State& state) {
  Setup();
  const int holes = static_cast<int>(state.range(0));
  for (auto _ : state) {
    odbc::Connection db;
    db.Open("DSN=kof;UID=admin;PWD=");
    for (int h = 0; h < holes; ++h) {
      const std::vector<std::string> key = {kMine, HoleId(h)};
      PlainRead(db, "select * from zkinfok where 矿区代码=? \t\t\t  and 工程编号=?", key, 10);
      PlainRead(db, "select * from DRILMEAS where 矿区代码=? \t\t\t  and 工程编号=? order by 孔深", key, 6);
      PlainRead(db, "select * from DRILSAMH where 矿区代码=? \t\t\t  and 工程编号=?", key, 5);
    }
  }
  state.counters["s/hole"] = benchmark::Counter(holes, benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}
BENCHMARK(HolesPlainRead)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
