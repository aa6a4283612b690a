#pragma once
// The steps every database chart run of the section view shares:
//  - PlanChartRun checks the data source (false when it fails: the run ends
//    without a refresh, its message shown), asks for the save folder (cancel:
//    "没有设置保存路径，请手工保存文件！！！" and no saving) and the holes
//    (cancel: no holes);
//  - RunChartHoles draws the holes in list order and saves each drawn hole
//    when a folder was chosen; a hole that fails shows its message and the
//    next one is drawn; the view is refreshed at the end.

#include <functional>
#include <string>
#include <vector>

#include "platform/view/gis_edit_view.h"

namespace zv::chart {

struct ChartRunPlan {
  std::string dataSource;
  std::string folder;  // empty: nothing is saved
  std::string mine;
  float scaleFactor = 1.0f;
  std::vector<std::string> holes;
};

bool PlanChartRun(CGisEditView* view, ChartRunPlan* plan);

using HoleStep = std::function<bool(const std::string& hole, std::string* error)>;
void RunChartHoles(CGisEditView* view, const ChartRunPlan& plan, const HoleStep& draw, const HoleStep& save);

// The view's own clears of its point, line and region areas.
std::function<void()> ViewClears(CGisEditView* view);

// The chart tools' right button: the view's interaction ends, and the
// release goes on to the view's selection while the right-click selection
// switch ("seclect") is on.
void EndChartToolOnRightButton(CGisEditView* view, unsigned flags, CPoint point);

// Shows a chart message through the prompts seam.
void TellChart(const std::string& message, bool stop = false);

}  // namespace zv::chart
