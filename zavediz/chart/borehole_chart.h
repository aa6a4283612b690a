#pragma once
// One chart run over the chart's three work areas: DrawColumns draws a hole
// (the areas emptied first), CreateChartProject writes it as a project with
// its point, line and region files.
//  - A failed read ends that hole's drawing with the message the user is
//    shown; what was drawn stays, no files should be written for it, and the
//    next hole starts afresh.
//  - The output name is the hole number zkinfok gives, else the chosen hole
//    id; a name that is not a plain file name (empty, ".", "..", a "/" or a
//    control character) writes nothing.
//  - Column drawers by 栏目选择 row, each when its flag reads as the integer 1:
//    31 strata codes, 0 layer table, 5 lithology, 7 descriptions (by mode;
//    a mode outside −1..1 draws none), then 8 marker planes, 9 specimens,
//    10 sampling and analyses, 21 ore bodies; on every chart the
//    hydrogeology columns, the signature block and the two survey tables,
//    wide from a chartWidth of 370 on.

#include <functional>
#include <string>

#include "zavediz/chart/chart_context.h"
#include "zavediz/project_files/area_project.h"

namespace zv::chart {

class BoreholeChart {
 public:
  // `clearPools` empties the three areas (the view's clears); by default the
  // areas are cleared directly.
  BoreholeChart(ChartAreas areas, int16_t mode, std::string dataSource, long subNo,
                std::function<void()> clearPools = {});

  bool DrawColumns(float scaleFactor, const std::string& mine, const std::string& hole, std::string* error);
  bool CreateChartProject(const std::string& folder, std::string* error);

  // The [ZK] inner and outer line widths (0.1 and 0.5 until set).
  void SetLineWidths(float inner, float outer) { writer_.SetLineWidths(inner, outer); }

  ChartState& state() { return state_; }
  const ChartWriter& writer() const { return writer_; }

 private:
  void ClearChartPools();

  ChartState state_;
  ChartWriter writer_;
  std::string dataSource_;
  std::function<void()> clearPools_;
  std::string chosenHole_;
};

// Empties a chart's three areas: by the view's own clears when given, else
// directly.
void ClearChartAreas(const ChartAreas& areas, const std::function<void()>& viewClears);

// True when the text can name the chart's files.
bool IsPlainFileName(const std::string& name);

// Writes a chart's areas as a project named after the hole: the number the
// chart shows (`shown`), or the chosen id when the number is empty or the
// id's beginning; nothing for a name that is no plain file name.
bool SaveChartFiles(const ChartAreas& areas, const std::string& folder, const std::string& shown,
                    const std::string& chosen, const zavediz::MemberOrder& members, std::string* error);

}  // namespace zv::chart
