#include "zavediz/data/borehole_section.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "framework/text/numbers.h"
#include "platform/data/geometry.h"
#include "platform/data/work_area.h"

namespace zv::zavediz {
namespace {

// The key clauses keep the white space of the program's query texts.
constexpr const char* kStationsSql = "select * from DRILMEAS where 矿区代码=? \t\t\t  and 工程编号=? order by 孔深";
constexpr const char* kSamplesSql = "select * from DRILSAMH where 矿区代码=? \t\t\t  and 工程编号=?";

constexpr int32_t kStripCollarSymbol = 1016;
constexpr int32_t kSectionCollarSymbol = 319;
constexpr float kCollarSize = 5.0f;
constexpr float kDepthSize = 3.0f;
constexpr float kNoteSpacing = 0.2f;
constexpr int16_t kNoteFont = 1;
constexpr float kSampleLabelSize = 2.0f;
constexpr float kBoxLineWidth = 0.1f;
const LineLook kTraceLook{1, 5, 0.2f};

void Note(ZavedizWriter& out, const D_DOT& at, const std::string& text, float size) {
  out.AppendZavedizNote(at, text, size, size, kNoteSpacing, 0, kNoteFont);
}

void DrawSample(ZavedizWriter& out, const SamplePlace& place, const std::string& number) {
  const ZavedizAreas& areas = out.areas();
  LIN_INFO outline = *BasGetDefaultLineParam();
  outline.setWidth(kBoxLineWidth);
  BasAppendLine(areas.line, place.box, outline);
  const int32_t arc = BasAppendLine(areas.region, place.box, outline);
  REG_INFO fill = *BasGetDefaultRegionParam();
  const int32_t region = BasAppendRegion(areas.region, std::vector<int32_t>{5, arc}, fill);
  fill.setFillColour(place.colour);
  BasWriteRegionParam(areas.region, region, fill);
  if (!place.labelled) return;
  PNT_INFO label = *BasGetDefaultPointParam(0);
  label.setCharHeight(kSampleLabelSize);
  label.setCharWidth(kSampleLabelSize);
  label.setCharSpacing(0.0f);
  BasAppendPoint(areas.point, D_DOT{place.top.x + 1.2, place.top.y - 2.0}, number, label);
}

// An elevation, depth or angle beyond what paper can hold (a huge number
// scaled to mm overflows) would put the hole at no place at all.
bool AllFinite(const std::vector<D_DOT>& points) {
  return std::all_of(points.begin(), points.end(),
                     [](const D_DOT& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

bool SectionDrawn(const BoreholeTarget& target) {
  return target.drawn && target.data != nullptr && !target.data->terrain.IsEmpty();
}

}  // namespace

HoleRecords ReadHoleRecords(chart::ChartDb& db, const std::string& mineCode, const std::string& hole) {
  HoleRecords records;
  const std::vector<std::string> key = {mineCode, hole};
  const auto collars = db.Query("zkinfok", chart::sql::kZkinfokHeader, key, {{2}, {3}, {4}, {9}});
  if (!collars.empty()) {
    const chart::ChartRow& v = collars.back();
    records.found = true;
    records.collar = {chart::NumOf(v[0]), chart::NumOf(v[1]), chart::NumOf(v[2]), chart::NumOf(v[3])};
  }
  for (const chart::ChartRow& v : db.Query("DRILMEAS", kStationsSql, key, {{3}, {4}, {5}}))
    records.stations.push_back({chart::NumOf(v[0]), v[1], v[2]});
  // A depth column kept as text sorts "1000" before "50": the trace needs
  // the stations by their depths as numbers.
  std::stable_sort(records.stations.begin(), records.stations.end(),
                   [](const HoleStation& a, const HoleStation& b) { return a.depth < b.depth; });
  for (const chart::ChartRow& v : db.Query("DRILSAMH", kSamplesSql, key, {{2}, {3}, {4}}))
    records.samples.push_back({v[0], chart::NumOf(v[1]), chart::NumOf(v[2])});
  return records;
}

HoleStatus DrawHole(ZavedizWriter& out, const SectionData& data, const std::string& hole, const HoleRecords& records,
                    double stripWidth) {
  if (!records.found) return HoleStatus::kOffSection;
  const std::optional<D_DOT> q = PlaceHoleCollar(data, records.collar, stripWidth);
  if (!q) return HoleStatus::kOffSection;
  const double h = records.collar.h * 1000.0 / data.sectionScale;
  const HoleTraces traces = TraceHole(data, *q, h, records.collar.depth, records.stations);
  if (!AllFinite(traces.section) || !AllFinite(traces.plan)) return HoleStatus::kOffSection;

  out.AppendZavedizSubGraph(*q, "", kCollarSize, kCollarSize, kStripCollarSymbol);
  Note(out, D_DOT{q->x - 7.5, q->y + 2.0}, hole, kCollarSize);
  out.AppendZavedizSubGraph(D_DOT{q->x, h}, "", kCollarSize, kCollarSize, kSectionCollarSymbol);
  Note(out, D_DOT{q->x - 7.5, h + 5.0}, hole, kCollarSize);

  out.AppendLookLine(traces.section, kTraceLook);
  out.AppendLookLine(traces.plan, kTraceLook);
  const D_DOT& bottom = traces.section.back();
  Note(out, D_DOT{bottom.x - 1.0, bottom.y - 3.0}, num::Format("%6.2f", records.collar.depth) + "m", kDepthSize);

  for (const SamplePlace& place : PlaceSamples(traces.section, records.samples, data.sectionScale))
    DrawSample(out, place, records.samples[place.sample].number);
  return HoleStatus::kDrawn;
}

void DrawBoreholes(const std::string& dataSource, const std::string& mineCode, const std::vector<std::string>& holes,
                   const BoreholeTarget& target, const std::function<void(const std::string&)>& tell) {
  ZavedizWriter out(target.areas);
  std::unique_ptr<chart::ChartDb> db;
  for (const std::string& hole : holes) {
    if (!SectionDrawn(target)) {
      tell(kNoSectionMessage);
      continue;
    }
    HoleRecords records;
    try {
      if (!db) db = std::make_unique<chart::ChartDb>(dataSource);
      records = ReadHoleRecords(*db, mineCode, hole);
    } catch (const chart::ChartReadError& failure) {
      tell(failure.what());
      return;
    }
    if (DrawHole(out, *target.data, hole, records, target.stripWidth) == HoleStatus::kOffSection)
      tell(kOffSectionMessage);
  }
}

}  // namespace zv::zavediz
