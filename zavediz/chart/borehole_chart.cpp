#include "zavediz/chart/borehole_chart.h"

#include <filesystem>
#include <span>

#include "zavediz/project_files/area_project.h"
#include "zavediz/chart/chart_header.h"
#include "zavediz/chart/chart_settings.h"
#include "zavediz/chart/description_column.h"
#include "zavediz/chart/hydrogeology_columns.h"
#include "zavediz/chart/ore_body_column.h"
#include "zavediz/chart/point_columns.h"
#include "zavediz/chart/sampling_columns.h"
#include "zavediz/chart/signature_block.h"
#include "zavediz/chart/strata_columns.h"
#include "zavediz/chart/survey_tables.h"

namespace zv::chart {
namespace {

using Drawer = void (*)(ChartContext&);

struct ColumnDrawer {
  int row;
  Drawer draw;
};

constexpr ColumnDrawer kColumnDrawers[] = {
    {31, DrawStrataCodeColumn},
    {0, DrawLayerTable},
    {5, DrawLithologySampleColumn},
};

// After the descriptions.
constexpr ColumnDrawer kLaterColumnDrawers[] = {
    {8, DrawMarkerPlaneColumn},
    {9, DrawSpecimenColumn},
    {10, DrawSamplingColumns},
    {21, DrawOreBodyColumn},
};

// Drawn on every chart, the survey tables in the layout the chart's width
// allows (370 exactly is wide).
constexpr float kWideTables = 370.0f;
constexpr Drawer kNarrowTail[] = {DrawHydrogeologyColumns, DrawChartSignatureBlock, DrawNarrowHoleDeviationTable,
                                  DrawNarrowDepthCheckTable};
constexpr Drawer kWideTail[] = {DrawHydrogeologyColumns, DrawChartSignatureBlock, DrawHoleDeviationTable,
                                DrawDepthCheckTable};

Drawer DescriptionDrawer(int16_t mode) {
  switch (mode) {
    case -1: return DrawDescriptionsDownward;
    case 0: return DrawDescriptionsEvenly;
    case 1: return DrawDescriptionsUpward;
    default: return nullptr;
  }
}

constexpr int kDescriptionRow = 7;

}  // namespace

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char ch : name)
    if (ch == '/' || ch < 0x20 || ch == 0x7F) return false;
  return true;
}

BoreholeChart::BoreholeChart(ChartAreas areas, int16_t mode, std::string dataSource, long subNo,
                             std::function<void()> clearPools)
    : writer_(areas), dataSource_(std::move(dataSource)), clearPools_(std::move(clearPools)) {
  state_.mode = mode;
  state_.subNo = subNo;
}

void BoreholeChart::ClearChartPools() { ClearChartAreas(writer_.areas(), clearPools_); }

void ClearChartAreas(const ChartAreas& areas, const std::function<void()>& viewClears) {
  if (viewClears) {
    viewClears();
    return;
  }
  BasClearWorkArea(areas.point);
  BasClearWorkArea(areas.line);
  BasClearWorkArea(areas.region);
}

bool BoreholeChart::DrawColumns(float scaleFactor, const std::string& mine, const std::string& hole,
                                std::string* error) {
  ClearChartPools();
  writer_.ResetCurve();
  chosenHole_ = hole;
  state_.holeName.clear();
  const HoleRef ref{dataSource_, scaleFactor, mine, hole};
  ChartContext context{state_, writer_, ref};
  try {
    ReadMineChartSettings(state_, dataSource_, mine);
    LoadChartParameters(state_, dataSource_, scaleFactor, mine, hole);
    DrawChartHeader(state_, writer_, dataSource_, mine, hole);
    for (const ColumnDrawer& column : kColumnDrawers)
      if (state_.Draws(column.row)) column.draw(context);
    if (state_.Draws(kDescriptionRow))
      if (Drawer draw = DescriptionDrawer(state_.mode)) draw(context);
    for (const ColumnDrawer& column : kLaterColumnDrawers)
      if (state_.Draws(column.row)) column.draw(context);
    for (Drawer draw : state_.chartWidth < kWideTables ? std::span<const Drawer>(kNarrowTail) : kWideTail)
      draw(context);
  } catch (const ChartReadError& e) {
    if (error) *error = e.what();
    return false;
  }
  return true;
}

bool BoreholeChart::CreateChartProject(const std::string& folder, std::string* error) {
  return SaveChartFiles(writer_.areas(), folder, state_.holeName, chosenHole_, zavediz::kRegionsLinesPoints, error);
}

bool SaveChartFiles(const ChartAreas& areas, const std::string& folder, const std::string& shown,
                    const std::string& chosen, const zavediz::MemberOrder& members, std::string* error) {
  // The header's name is cut to its column's width: holes sharing those first
  // bytes would write over each other's files, so the whole id names them;
  // a hole missing from zkinfok has no number, so its chosen id names it.
  const std::string name = shown.empty() || chosen.starts_with(shown) ? chosen : shown;
  if (!IsPlainFileName(name)) {
    if (error) *error = "钻孔编号“" + name + "”不能用作文件名，没有保存文件。";
    return false;
  }
  const std::string base = (std::filesystem::path(folder) / name).string();
  return zavediz::SaveAreasAsProject(areas, base, error, members);
}

}  // namespace zv::chart
