#pragma once
// The edit-aid tool: one tool class for the construction modes and the
// text, batch and picking modes of the editing views, each a signed 16-bit
// mode. A view command makes it with the view, the mode and a flag (1 for
// every menu command) and installs it with CGisEditView::SetExtTool; the
// tool reads the view's current point, line and region work areas once, at
// construction, and works in them until the view replaces it.
//
// Every slot is routed through one table of modes (edit_aid_modes.cpp):
// a mode's row names its start routine and its six slot handlers; a slot
// without a handler does nothing. The right button runs the mode's finishing
// handler and then Stop; the tool stays installed and the next click starts
// a new figure.
//
// Construction figures are held in map units; previews are drawn on the
// view's overlay in window pixels (drawn twice they vanish), so a mouse move
// never redraws the map. Each appended figure is one undo step.

#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/view/base_gis_tool.h"
#include "tools/edit_aid/typed_input.h"

namespace zv::tools {

class CSecEditAidTool : public BaseGisTool {
 public:
  CSecEditAidTool(CGisEditView* view, int16_t mode, int32_t flag = 1);
  ~CSecEditAidTool() override;

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  int OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
  void DrawHook(KernelDriver* dc) override;
  // 1 while a figure holds clicks or vertices, else 0.
  int Running() override;
  const char* OperationName() const override;

  int32_t flag() const { return flag_; }
  // The points of the figure in progress, in map units.
  const std::vector<D_DOT>& vertices() const { return vertices_; }
  const std::string& typedText() const { return typed_.text(); }

  using MouseHandler = void (CSecEditAidTool::*)(unsigned flags, CPoint point);
  using KeyHandler = void (CSecEditAidTool::*)(unsigned key);
  using Routine = void (CSecEditAidTool::*)();
  // A mode's row: null handlers leave their slot idle.
  struct ModeRow {
    int16_t mode;
    const char* name;  // the view's state line, null for the default
    Routine start;
    MouseHandler down, move, up, finish;
    KeyHandler key;
    Routine draw;
  };
  // The row of a mode, or null for a number without one (an idle tool).
  static const ModeRow* FindMode(int16_t mode);
  // True when the mode's row has handlers (its commands may be offered).
  static bool IsBuilt(int16_t mode);

 private:
  // ---- frame (edit_aid_frame.cpp)
  D_DOT MapOf(CPoint point) const;
  D_DOT CursorMap() const;
  // The previews on the overlay: polylines in map units, drawn in toggling
  // mode; ShowPreview removes the ones shown before.
  void ShowPreview(std::vector<std::vector<D_DOT>> lines);
  void HidePreview();
  void TogglePreview();
  // Committed segments drawn plainly over the overlay, as the drawing hook
  // draws them after a redraw.
  void DrawCommitted(KernelDriver& dc, const D_DOT& from, const D_DOT& to);
  void DrawCommittedSegment(const D_DOT& from, const D_DOT& to);
  void DrawCommittedPolyline(KernelDriver& dc);
  void ShowTextLine(int x, int y, const std::string& text);
  void ShowTypedPrompt(const char* label);
  // Appends a line to the current line area with the default parameters,
  // records it for undo and redraws; the new id or 0. A figure that is not
  // DrawableFigure is refused and stays in progress.
  int32_t AppendFigure(const std::vector<D_DOT>& points);
  void ResetFigure();
  // The right button of the modes that abandon the figure in progress.
  void AbandonFigure(unsigned flags, CPoint point);
  // The point a click gives: the typed text read with `kind` (false when it
  // cannot be read; the prompt says so), else `clicked`.
  bool TakeClickPoint(int kind, const D_DOT& clicked, const D_DOT& towards, D_DOT* at);
  void TypedKey(unsigned key);

  // ---- click-driven figures (edit_aid_figures.cpp): 103, 105-110, 112, 118
  void FigureDown(unsigned flags, CPoint point);
  void FigureMove(unsigned flags, CPoint point);
  void FigureDraw();
  std::vector<std::vector<D_DOT>> FigurePreview(const D_DOT& cursor) const;
  // Mode 102: the perpendicular polyline.
  D_DOT SnapPerpendicular(CPoint point) const;
  void PerpendicularDown(unsigned flags, CPoint point);
  void PerpendicularMove(unsigned flags, CPoint point);
  void FinishPerpendicularLine(unsigned flags, CPoint point);
  void PolylineDraw();

  // ---- arrows (edit_aid_arrows.cpp): 115, 116
  void ArrowLineDown(unsigned flags, CPoint point);
  void ArrowMove(unsigned flags, CPoint point);
  void ArrowDraw();
  void HeadOnLineDown(unsigned flags, CPoint point);
  void HeadOnLineUp(unsigned flags, CPoint point);
  std::vector<std::vector<D_DOT>> ArrowPreview(const D_DOT& barb) const;

  // ---- free drawing (edit_aid_freehand.cpp): 100, 101, -10, 114, 117
  void VertexDown(unsigned flags, CPoint point);
  void RubberMove(unsigned flags, CPoint point);
  void StreamMove(unsigned flags, CPoint point);
  void DropLastVertex(unsigned key);
  void FinishLine(unsigned flags, CPoint point);
  void FinishRegion(unsigned flags, CPoint point);
  void BraceDown(unsigned flags, CPoint point);
  void BraceMove(unsigned flags, CPoint point);
  void BraceDraw();
  void StampDown(unsigned flags, CPoint point);
  void StampUp(unsigned flags, CPoint point);
  void StampFinish(unsigned flags, CPoint point);

  // ---- the coordinate dialogs (edit_aid_geodesy.cpp): 16, -12, whole work
  // in the constructor
  void RunBlockMapDialog();
  void RunReserveProject();

  const ModeRow* row_;
  int32_t flag_;
  TypedInput typed_;
  // The figure in progress: clicks made, points fixed so far (map units).
  int clicks_ = 0;
  std::vector<D_DOT> vertices_;
  int sides_ = 0;
  // Mode 115: the pick of click 1 is waiting for its release.
  bool picking_ = false;
  // The last position the view's mouse-move reported (window pixels).
  CPoint cursor_;
  bool cursorKnown_ = false;
  // What the overlay shows: toggled polylines in window pixels.
  std::vector<std::vector<CPoint>> preview_;
  bool previewShown_ = false;
};

}  // namespace zv::tools
