#include "zavediz/chart/custom_chart.h"

#include <span>

#include "zavediz/chart/borehole_chart.h"
#include "zavediz/chart/custom_first_columns.h"
#include "zavediz/chart/custom_hole_header.h"
#include "zavediz/chart/survey_tables.h"

namespace zv::chart {
namespace {

using ColumnDrawer = void (*)(CustomChartContext&, int index);

// Column drawers by code; codes not listed draw nothing.
struct CodeDrawer {
  int first, last;
  ColumnDrawer draw;
};
constexpr CodeDrawer kCodeDrawers[] = {
    {0, 0, DrawLayerNameColumn},
    {1, 6, DrawStrataColumns},
    {7, 7, DrawLithologyColumn},
};

ColumnDrawer DrawerOf(int code) {
  for (const CodeDrawer& drawer : kCodeDrawers)
    if (code >= drawer.first && code <= drawer.last) return drawer.draw;
  return nullptr;
}

constexpr float kWideTables = 370.0f;
using TableDrawer = void (*)(ChartContext&);
constexpr TableDrawer kWideTableDrawers[] = {DrawHoleDeviationTable, DrawDepthCheckTable};
constexpr TableDrawer kNarrowTables[] = {DrawNarrowHoleDeviationTable, DrawNarrowDepthCheckTable};

}  // namespace

CustomChart::CustomChart(ChartAreas areas, int16_t mode, std::string dataSource, const CustomChartSettings& settings,
                         std::string headerPath, CustomChartHooks hooks)
    : writer_(areas),
      mode_(mode),
      dataSource_(std::move(dataSource)),
      subNo_(settings.subNo),
      headerPath_(std::move(headerPath)),
      hooks_(std::move(hooks)) {
  writer_.SetLineWidths(settings.innerWidth, settings.outerWidth);
  if (!hooks_.tell) hooks_.tell = [](const std::string&) {};
}

bool CustomChart::DrawColumns(float scaleFactor, const std::string& mine, const std::string& hole,
                              std::string* error) {
  ClearChartAreas(writer_.areas(), hooks_.clearPools);
  // The cleared areas hand their ids out again: the chain starts anew.
  writer_.ResetCurve();
  chosenHole_ = hole;
  layout_.holeName.clear();
  if (const auto top = ReadChartHeader(headerPath_, writer_.areas(), hooks_.tell)) layout_.headerTop = *top;
  const HoleRef ref{dataSource_, scaleFactor, mine, hole};
  CustomChartContext chart{layout_, writer_, ref, mode_, subNo_};
  try {
    ReadChartParameters(layout_, dataSource_, scaleFactor, mine, hole);
    DrawHoleHeader(chart);
    for (int i = 0; i < kChartColumns; ++i) {
      const ChartColumn& column = layout_.columns[i];
      if (column.Int(ChartColumn::kShown) == 0) continue;
      if (ColumnDrawer draw = DrawerOf(column.Int(ChartColumn::kCode))) draw(chart, i);
    }
    DrawChartTitleBlock(chart, hooks_.askTitleBlock);
    ChartState tableState;
    tableState.chartWidth = layout_.chartWidth;
    tableState.holeLength = layout_.chartDepth;
    ChartContext tables{tableState, writer_, ref};
    for (TableDrawer draw : layout_.chartWidth >= kWideTables ? std::span<const TableDrawer>(kWideTableDrawers)
                                                              : std::span<const TableDrawer>(kNarrowTables))
      draw(tables);
  } catch (const ChartReadError& e) {
    if (error) *error = e.what();
    return false;
  }
  return true;
}

bool CustomChart::SaveChart(const std::string& folder, std::string* error) const {
  return SaveChartFiles(writer_.areas(), folder, layout_.holeName, chosenHole_, zavediz::kRegionsPointsLines, error);
}

}  // namespace zv::chart
