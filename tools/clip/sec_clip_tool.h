#pragma once
// The clip tool: one tool class for clipping by an outline, breaking,
// dividing and splitting lines and regions, block deletion, and the two map
// frames, told apart by a signed 16-bit mode. A view command makes it with
// the view and the mode and installs it with CGisEditView::SetExtTool; the
// tool reads the view's current point, line and region work areas once, at
// construction.
//
// The modes are rows of one table (clip_modes.cpp): the command that starts
// the mode, its menu places in the plan and section menus, whether the command cancels
// the running interaction first, and the routine its constructor runs. A
// row without a routine is a mode whose work is not built yet (its command
// is not offered); a mode without a row is a tool that does nothing. The
// frame modes (502, 503) do their whole work in the constructor and leave
// an idle tool.

#include <span>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/view/base_gis_tool.h"

namespace zv::tools {

class CSecClipTool : public BaseGisTool {
 public:
  CSecClipTool(CGisEditView* view, int16_t mode);
  ~CSecClipTool() override;

  using Routine = void (CSecClipTool::*)();
  struct ModeRow {
    int16_t mode;
    int command;           // 0: no command starts the mode
    const char* planPath;     // the item's place in the plan menu
    const char* sectionPath;  // in the section menu; null: as in the plan menu
    bool cancels;          // the command cancels the running interaction
    Routine start;         // null: not built yet
  };
  static std::span<const ModeRow> Modes();
  // The row of a mode, or null for a tool that does nothing.
  static const ModeRow* FindMode(int16_t mode);
  // True when the mode's work is built (its command may be offered).
  static bool IsBuilt(int16_t mode);

 private:
  // ---- the frames (clip_frames.cpp): 502, 503
  void DrawStandardFrame();
  void DrawGraticuleFrame();

  // The tool record: rubber-band anchor and end (window points), drawing
  // flag, outline vertices (map units), drag-line flag and output folder,
  // for the outline and drag-line modes.
  CPoint anchor_{};
  CPoint end_{};
  int16_t drawing_ = 0;
  std::vector<D_DOT> vertices_;
  uint8_t dragLine_ = 0;
  std::string folder_;
};

}  // namespace zv::tools
