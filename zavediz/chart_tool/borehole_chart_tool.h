#pragma once
// The borehole column chart tool. Its whole run happens in the constructor:
// the data source is checked, the save folder asked (cancel: the charts are
// drawn, no files written), the holes chosen, then each hole drawn into the
// view's current areas and, with a folder, written as a project before the
// next hole starts; the view is then refreshed. Afterwards the tool only
// answers the right button (which ends it) and the stop request.
//
// The tool factory makes it as "CSecBoreholeChartTool" in the modes of its
// launch rows (BoreholeChartLaunches), the section tool view's menu commands
// that start it; LaunchBoreholeChart runs one by the factory's launch rule.

#include <span>

#include "platform/view/base_gis_tool.h"

namespace zv::chart {

class CSecBoreholeChartTool : public BaseGisTool {
 public:
  CSecBoreholeChartTool(CGisEditView* view, int16_t mode);

  int OnLButtonDown(unsigned flags, CPoint point) override { return 1; }
  void OnMouseMove(unsigned flags, CPoint point) override {}
  int OnLButtonUp(unsigned flags, CPoint point) override { return 1; }
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override { return 1; }
  const char* OperationName() const override;

 private:
  void Run();
};

struct ChartLaunch {
  int id;
  int16_t mode;
  const char* menuPath;  // the item in the section menu
  const char* prompt;    // the status-bar prompt
};

inline constexpr const char* kBoreholeChartTool = "CSecBoreholeChartTool";

std::span<const ChartLaunch> BoreholeChartLaunches();
// True for the modes of the launch rows.
bool BoreholeChartMode(int16_t mode);
// Cancels the view's interaction and installs the chart tool of the launch
// row `id`; false for an id that is not one.
bool LaunchBoreholeChart(CGisEditView& view, int id);

}  // namespace zv::chart
