#pragma once
// The custom borehole chart tool of the section view. Its work happens in
// the constructor, by mode: -1, 0, 1 and any other mode the chart run (the
// column layout from 栏目选择1); 10 draws a default chart header into the
// view, 11 saves the view's texts and lines as the header file, 12 pastes
// the header file into the view. Modes 20 and 21 are not made yet.
// Afterwards the right button cancels the view's interaction (and passes
// the click on to the selection when [OTHER] "seclect" is set) and Stop
// clears the selection pool and the flashing.
//
// The tool factory makes it as "CSecCustomChartTool"; the section tool
// view's launch rows start it, and RegisterCustomChartCommands puts their
// items under "&C地质绘图" ▸ "柱状图(ACCESS)" of the section menu.

#include "platform/view/base_gis_tool.h"
#include "zavediz/chart/custom_chart_layout.h"

namespace zv::chart {

class CSecCustomChartTool : public BaseGisTool {
 public:
  CSecCustomChartTool(CGisEditView* view, int16_t mode);

  int OnLButtonDown(unsigned flags, CPoint point) override { return 1; }
  void OnMouseMove(unsigned flags, CPoint point) override {}
  int OnLButtonUp(unsigned flags, CPoint point) override { return 1; }
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override { return 1; }
  void DrawHook(KernelDriver* dc) override {}
  void Stop() override;

 private:
  void Run();
  void InitChartHeader();
  void SaveChartHeader();
  void ReadChartHeader();

  CustomChartLayout layout_;
};

inline constexpr const char* kCustomChartTool = "CSecCustomChartTool";

// True for the modes the tool makes (all but 20 and 21).
bool CustomChartMode(int16_t mode);

void RegisterCustomChartCommands();

}  // namespace zv::chart
