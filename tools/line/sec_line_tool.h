#pragma once
// The line tool: intermediate contours between two selected lines (mode 0),
// between clicked stretches of two lines or between four free clicks (−1),
// fill lines in selected lines (1) or regions (−2), and turning and
// stretching a line to a typed direction and length (2). A view command
// makes it with the view and the mode; the constructor runs the mode's
// action on the current selection at once, and the action runs again after
// each selecting click. The right button ends the tool (except in mode 2,
// where it only clears the selection).
//
// Every action that changes the map is one undo step. The program-wide
// values come from contour_settings.h.

#include <vector>

#include "include/zavediz/records.h"
#include "platform/view/base_gis_tool.h"

namespace zv::tools {

class CSecLineTool : public BaseGisTool {
 public:
  CSecLineTool(CGisEditView* view, int16_t mode);
  ~CSecLineTool() override;

  // The modes that are built (the factory offers them).
  static bool IsBuilt(int16_t mode);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;

  int clickCount() const { return static_cast<int>(clicks_.size()); }

 private:
  // ---- contours (line_contours.cpp)
  void InsertContours();
  void FourPointStep();
  void InsertFreeContours();
  void ShowCross(CPoint point);
  // Appends the lines with `info` into `area` as one undo step.
  void AppendLines(WorkAreaHandle area, const std::vector<std::vector<D_DOT>>& lines, const LIN_INFO& info);

  // ---- fill lines and the typed direction (line_fill.cpp)
  void FillSelectedLines();
  void FillSelectedRegions();
  void FillSelected(int type);
  void ModifyDistanceAngle();

  void RunAfterSelect();

  bool twoLines_ = false;
  bool confirmed_ = false;
  std::vector<D_DOT> line1_, line2_;
  std::vector<CPoint> clicks_;
};

}  // namespace zv::tools
