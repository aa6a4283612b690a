#pragma once
// The map editing view: a CGisView over a point, a line and a region work
// area of its own (and any other work areas made current in it), with the
// selection pool, the undo store, the installed tool and the editor's
// switches.
//
// Events: the view turns its mouse and key events into the installed
// tool's slots. Everything a tool or a command pushes onto the undo store
// while one event or one command (RunCommand) runs is one undo step.
//
// IsInOperate: −1 when nothing is pending (no tool, or one of the view's own
// select modes), otherwise the tool's Running(): 0 while it waits for its
// first click, 1 while a figure is being entered.

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/display/project_renderer.h"
#include "platform/view/area_watch.h"

#include "platform/view/display_params.h"
#include "platform/view/gis_undo.h"
#include "platform/view/gis_view.h"
#include "platform/view/selection_pool.h"
#include "platform/view/tool_owner.h"

namespace zv {

class CGisEditView : public CGisView {
 public:
  explicit CGisEditView(QWidget* parent = nullptr);
  ~CGisEditView() override;

  // ---- Work areas
  WorkAreaHandle GetCurrentPntArea() const { return current_[kPointArea]; }
  WorkAreaHandle GetCurrentLinArea() const { return current_[kLineArea]; }
  WorkAreaHandle GetCurrentRegArea() const { return current_[kRegionArea]; }
  // The current area of a work-area type (0 line, 1 point, 2 region).
  WorkAreaHandle GetEditArea(int type) const;
  // Makes an open work area the current one of its type and shows it.
  bool ChangeCurAi(WorkAreaHandle area, int flag = 1);
  // Every work area the view shows, in drawing order of their types
  // (regions, lines, points).
  virtual std::vector<WorkAreaHandle> ShownAreas() const;
  // Empty the current areas (the undo store forgets what it held, as the
  // cleared ids are given again).
  void ClearPoint();
  void ClearLine();
  void ClearRegion();

  // ---- Layers: the layer new entities go to, and moving picked entities
  int16_t GetCurLayer() const { return curLayer_; }
  void ChangeCurLay(int16_t layer) { curLayer_ = layer; }
  // Puts the picked points, lines or regions on a layer (one undo step).
  int ChangePntLay(int16_t layer);
  int ChangeLinLay(int16_t layer);
  int ChangeRegLay(int16_t layer);

  // ---- Selection pool
  int PoolCount() const { return pool_.count(); }
  const ENTITY_MSG* Pool() const { return pool_.data(); }
  SelectionPool& SelectionPool_() { return pool_; }
  void AddToPool(const ENTITY_MSG* entries, int count);
  virtual void ClearPool();
  void FlashSelectGraphics();
  // The select calls a picking tool forwards its mouse messages to (513
  // down, 512 move, 514 up, 517 right up). A press and release within a few
  // pixels pick the nearest entity within the tolerance; a drag picks what
  // lies wholly inside the box. Shift adds to or takes from the pool,
  // otherwise the pool is replaced. 1 when the release picked something.
  // Virtual so that a test view can record what a tool forwards.
  virtual int SelectAll(unsigned message, unsigned flags, CPoint point);
  int SelectPnt(unsigned message, unsigned flags, CPoint point);
  // `arcMode` 1 picks the arcs of region areas (entity type 0 there) as
  // well as the lines of line areas.
  virtual int SelectLin(unsigned message, unsigned flags, CPoint point, short arcMode = 0);
  virtual int SelectReg(unsigned message, unsigned flags, CPoint point);
  // What a click at a window point picks, of the kinds asked for (points
  // first, then lines, then regions; one entity), without touching the pool.
  // kPickArcs: the arcs of region areas, picked as lines are.
  enum PickKind : unsigned { kPickPoints = 1, kPickLines = 2, kPickRegions = 4, kPickAll = 7, kPickArcs = 8 };
  std::vector<ENTITY_MSG> PickAtPoint(unsigned kinds, CPoint point) const { return PickAt(kinds, point); }
  // The select call of any mix of kinds.
  int SelectKinds(unsigned kinds, unsigned message, unsigned flags, CPoint point) {
    return Select(kinds, message, flags, point);
  }
  int selectTolerance() const { return selectTolerance_; }
  void setSelectTolerance(int pixels) { selectTolerance_ = std::max(1, pixels); }
  // The view's own select modes.
  void SelectGraphics();
  void SelectLine();
  void SelectPoint();
  void SelectRegion();

  // ---- Drag modes on the pool (started at a press; the press then starts
  // the drag). Back to the select mode that ran before when the drag ends.
  void MovePoint();
  void MoveLine();
  void MoveLineDot();
  void MoveGraph();

  // ---- Display order of the picked entities: 1 forward, −1 backward,
  // 2 to the front, −2 to the back.
  void MoveIdxElement(int how);

  // ---- Switches
  int GetSysSelectParm(int16_t* values, int count) const { return selectParms_.Get(values, count); }
  int SetSysSelectParm(const int16_t* values, int count);
  SelectParms& selectParms() { return selectParms_; }
  SystemParms& systemParms() { return systemParms_; }
  // The editor's own ortho switch for its line input (nonzero on). The tool
  // views turn it off while the program's ortho is on, so that one input is
  // never constrained twice.
  int editorOrtho() const { return editorOrtho_; }
  void SetEditorOrtho(int on) { editorOrtho_ = on; }
  // The dialogs of the switches and of the system parameters; false when
  // cancelled.
  bool SelectSysSelectParm();
  bool EditSystemParm();

  // ---- Tools
  // Installs (and owns) the tool; the previous one is deleted.
  void SetExtTool(BaseGisTool* tool);
  BaseGisTool* GetExtTool() const { return tools_.current(); }
  // Ends the running interaction: the tool is removed (the pool stays).
  void CancelInterActive();
  int IsInOperate() const;
  QString GetOperationName(int reserved = 0) const;

  // Drops what was drawn over the map since the last redraw.
  void OnCleanWindow() { RefreshOverlay(); }
  // A small cross (±5 pixels) at a window point, drawn over the picture in
  // the drawing mode `mode` (display::DrawMode). The toggling modes (6, 7,
  // 10) invert the pixels under it, so a second cross at the same point
  // takes it away; the copy mode draws it in colour 6. The next repaint of
  // the picture drops it.
  void Draw_Cross(CPoint point, int mode);

  // ---- Undo
  GisUndo& GetUndo() { return undo_; }
  const GisUndo& GetUndo() const { return undo_; }
  // Takes back the last step, forgets picked entities that are gone and
  // redraws.
  void Undo();
  // Runs a command as one undo step.
  void RunCommand(const std::function<void()>& command);

  // ---- Mouse and keys, as the Qt events deliver them (tests call these
  // with window points).
  void LButtonDown(unsigned flags, CPoint point);
  void MouseMove(unsigned flags, CPoint point);
  void LButtonUp(unsigned flags, CPoint point);
  void RButtonUp(unsigned flags, CPoint point);
  void KeyDown(unsigned key, unsigned repeat, unsigned flags);

 protected:
  void DrawMap(KernelDriver& dc, const D_RECT& visible) override;
  // Draws what the view shows through the renderer that keeps the areas'
  // spatial indexes: the shown areas, in order.
  virtual void DrawAreas(display::AreaListRenderer& renderer, KernelDriver& dc,
                         const display::DisplaySwitches& switches);
  bool ContentExtent(D_RECT* extent) const override;
  void DrawAfterOwner(KernelDriver& dc) override;
  void OnMapRedrawn() override;
  // Listens to the areas the view shows now; with `repaint` the view is also
  // drawn whole at the next turn (the list of areas changed).
  void WatchShownAreas(bool repaint);

  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct DragBox {
    bool active = false;
    bool shown = false;
    CPoint start, end;
  };

  int Select(unsigned kinds, unsigned message, unsigned flags, CPoint point);
  std::vector<ENTITY_MSG> PickAt(unsigned kinds, CPoint point) const;
  std::vector<ENTITY_MSG> PickInside(unsigned kinds, CPoint a, CPoint b) const;
  void ShowDragBox(bool show);
  int ChangeLayerOfPicked(int entityType, int16_t layer);
  void ClearArea(int type);
  template <class Slot>
  void Dispatch(Slot slot);

  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle current_[3] = {0, 0, 0};
  std::vector<WorkAreaHandle> extraAreas_;
  int16_t curLayer_ = 0;
  SelectionPool pool_;
  DragBox dragBox_;
  int selectTolerance_ = 5;
  SelectParms selectParms_;
  SystemParms systemParms_;
  int editorOrtho_ = 0;
  GisUndo undo_;
  display::AreaListRenderer renderer_;
  // Repaints what changes in the shown areas; after the renderer, whose
  // extents it reads, so it goes first.
  AreaWatch watch_;
  ToolOwner<BaseGisTool> tools_;
};

}  // namespace zv
