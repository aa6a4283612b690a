#include "zavediz/data/survey_line.h"

#include <algorithm>

#include "zavediz/chart/chart_db.h"

namespace zv::zavediz {
namespace {

// The key clauses keep the white space of the program's query texts.
constexpr const char* kHeaderSql = "select * from TPMK00 where 矿区代码=? and \t\t\t勘探线号=? ";
constexpr const char* kStationsSql = "select * from TPMK001 where 矿区代码=? and \t\t\t勘探线号=? order by 相对平距";

constexpr chart::FieldSpec kHeaderFields[] = {{3},  {4},  {6},  {7},  {13}, {14}, {15}, {16}, {17},
                                             {18}, {19}, {20}, {21}, {22}, {23}, {24}, {25}};
constexpr chart::FieldSpec kStationFields[] = {{1}, {2}, {3}};

constexpr int32_t kSurveyPlanScale = 1000;

template <class Read>
bool Guarded(std::string* error, Read read) {
  try {
    read();
    return true;
  } catch (const chart::ChartReadError& failure) {
    *error = failure.what();
    return false;
  }
}

}  // namespace

std::optional<SurveyLineHeader> ReadSurveyHeader(const std::string& dataSource, const std::string& mineCode,
                                                 const std::string& line, std::string* error) {
  error->clear();
  std::vector<chart::ChartRow> rows;
  if (!Guarded(error, [&] {
        chart::ChartDb db(dataSource, chart::ChartDb::Login::kStored);
        rows = db.Query("TPMK00", kHeaderSql, {mineCode, line}, kHeaderFields);
      }))
    return std::nullopt;
  if (rows.empty()) return std::nullopt;
  const chart::ChartRow& v = rows.back();
  SurveyLineHeader header;
  header.groundStart = D_DOT{chart::NumOf(v[1]), chart::NumOf(v[0])};
  header.groundEnd = D_DOT{chart::NumOf(v[3]), chart::NumOf(v[2])};
  header.preset.title = v[4];
  header.preset.unit = v[5];
  for (std::size_t row = 0; row < header.preset.column1.size(); ++row) header.preset.column1[row] = v[6 + row];
  for (std::size_t row = 0; row < header.preset.column2.size(); ++row) header.preset.column2[row] = v[12 + row];
  header.preset.planScale = kSurveyPlanScale;
  return header;
}

bool ReadSurveyStations(const std::string& dataSource, const std::string& mineCode, const std::string& line,
                        std::vector<SurveyStation>* stations, std::string* error) {
  error->clear();
  const bool read = Guarded(error, [&] {
    chart::ChartDb db(dataSource, chart::ChartDb::Login::kStored);
    for (const chart::ChartRow& v : db.Query("TPMK001", kStationsSql, {mineCode, line}, kStationFields))
      stations->push_back({v[0], chart::NumOf(v[1]), chart::NumOf(v[2])});
  });
  // A distance column kept as text sorts "1000" before "50": the profile
  // runs along the line only with the stations in numeric order.
  std::stable_sort(stations->begin(), stations->end(),
                   [](const SurveyStation& a, const SurveyStation& b) { return a.distance < b.distance; });
  return read;
}

void AppendSurveyProfile(std::vector<SurveyStation> stations, int32_t sectionScale, CPointRecList& terrain) {
  std::stable_sort(stations.begin(), stations.end(),
                   [](const SurveyStation& a, const SurveyStation& b) { return a.distance < b.distance; });
  for (const SurveyStation& station : stations)
    terrain.InsertAt(terrain.GetCount() + 1, 0, station.distance * 1000.0 / sectionScale,
                     station.elevation * 1000.0 / sectionScale, station.name, 0.0);
}

}  // namespace zv::zavediz
