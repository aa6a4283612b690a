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
// the running interaction first, the routine its constructor runs and the
// mode's handlers of the four mouse slots and the drawing hook. A row
// without a routine or handler is a mode whose work is not built yet (its
// command is not offered); a mode without a row is a tool that does nothing.
// The frame modes (502, 503) do their whole work in the constructor and
// leave an idle tool.
//
// Every change of the map one event makes is one undo step.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/view/base_gis_tool.h"

namespace zv::tools {

struct ClipJob;

class CSecClipTool : public BaseGisTool {
 public:
  CSecClipTool(CGisEditView* view, int16_t mode);
  ~CSecClipTool() override;

  using Routine = void (CSecClipTool::*)();
  using MouseHandler = void (CSecClipTool::*)(unsigned flags, CPoint point);
  struct ModeRow {
    int16_t mode;
    int command;           // 0: no command starts the mode
    const char* planPath;     // the item's place in the plan menu
    const char* sectionPath;  // in the section menu; null: as in the plan menu
    bool cancels;          // the command cancels the running interaction
    Routine start;         // null: nothing at construction
    // The slots' handlers; null: the slot does nothing.
    MouseHandler down = nullptr, up = nullptr, right = nullptr, move = nullptr;
    Routine draw = nullptr;
  };
  static std::span<const ModeRow> Modes();
  // The row of a mode, or null for a tool that does nothing.
  static const ModeRow* FindMode(int16_t mode);
  // True when the mode's work is built (its command may be offered).
  static bool IsBuilt(int16_t mode);

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;

  // The drawn line or drag line in map units.
  const std::vector<D_DOT>& vertices() const { return vertices_; }

 private:
  // ---- shared handlers (clip_modes.cpp)
  void SelectLine(unsigned flags, CPoint point);
  void SelectLineMove(unsigned flags, CPoint point);
  void ClearSelection(unsigned flags, CPoint point);
  void StopHere(unsigned flags, CPoint point);
  // Mode 0 ignores every later event; the interaction is cancelled.
  void End(unsigned flags, CPoint point);
  // The first pool entry when its area is open and it is of `type`.
  const ENTITY_MSG* FirstSelected(int type) const;
  // The drawn polyline: a click adds a vertex, the mouse drags the rubber
  // line from the last one, the hook draws the segments.
  void AddVertex(unsigned flags, CPoint point);
  void RubberBand(unsigned flags, CPoint point);
  void DrawVertices();

  // ---- clipping by an outline (clip_outline_modes.cpp): −1, −6, 6
  void ClipBySelectedLine();
  void ClipAfterSelectLine(unsigned flags, CPoint point);
  void ClipBySelectedRegion();
  void SelectRegion(unsigned flags, CPoint point);
  void SelectRegionMove(unsigned flags, CPoint point);
  void ClipAfterSelectRegion(unsigned flags, CPoint point);
  void ClipByDrawnLine(unsigned flags, CPoint point);
  void DrawOutline();
  // The outline's rings (each closed) clipped into a folder: the project's
  // files when the view shows a project that has items, else the view's
  // current areas.
  void ClipFiles(const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line);
  void ClipProject(const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line);
  // The two dialogs, the overwrite question, the clip and the new project
  // opened.
  void RunClipJob(ClipJob job, const std::vector<std::vector<D_DOT>>& outline, const LIN_INFO& line);

  // ---- breaking (clip_break.cpp): 1, 2, 3
  void BreakLinesBySelectedLine();
  void BreakAfterSelect(unsigned flags, CPoint point);
  void ArmDragLine();
  void AddDragVertex(unsigned flags, CPoint point);
  void DragMove(unsigned flags, CPoint point);
  void FinishDragLine(unsigned flags, CPoint point);
  void DrawDragLine();
  void BreakLinesAtCrossings(const std::vector<int32_t>& ids, const std::vector<D_DOT>& cutter);
  void FirstCorner(unsigned flags, CPoint point);
  void BreakAtNodesAfterSelect(unsigned flags, CPoint point);

  // The window from the first corner to the second.
  D_RECT CornerWindow(const D_DOT& second) const;

  // ---- block delete (clip_block.cpp): −3
  void BlockFirstCorner(unsigned flags, CPoint point);
  void BlockSelectMove(unsigned flags, CPoint point);
  void DeleteBlockAfterSelect(unsigned flags, CPoint point);
  void ForgetCorners(unsigned flags, CPoint point);

  // ---- dividing (clip_divide.cpp): −2
  void DivideSelectedLines();
  void DivideAfterSelect(unsigned flags, CPoint point);

  // ---- splitting regions and cutting self-crossing arcs (clip_split.cpp): −4, 4, 5
  // Every region of `area` the line cuts through is split by a copy of it;
  // what is left of the copies that bounds no region is removed again.
  void SplitRegionsByLine(WorkAreaHandle area, const std::vector<D_DOT>& cut);
  void SplitRegionsByDrawnLine(unsigned flags, CPoint point);
  void DrawSplitLine();
  void SplitRegionsBySelectedLine();
  void SplitAfterSelect(unsigned flags, CPoint point);
  void CutSelfCrossingArc();
  // Lines of line areas and the arcs of region areas.
  void SelectArc(unsigned flags, CPoint point);
  void SelectArcMove(unsigned flags, CPoint point);
  void CutAfterSelectArc(unsigned flags, CPoint point);

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
  std::optional<D_DOT> corner_;  // the first corner of the window of modes 3 and −3
  bool rubberShown_ = false;
  KernelDriver* dc_ = nullptr;  // the context of the running draw hook
};

}  // namespace zv::tools
