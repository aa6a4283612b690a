#pragma once
// What the two tool views (CSecToolView over the section editing view,
// CSecPrjToolView over the project editing view) share: the state of their
// pick modes, snapping, ortho, middle-button pan and calculator, and the
// few things in which they differ (the work areas they search, and whether
// the select keys end the running interaction first). The behaviour lives
// in free functions of views/tool_view_*.cpp; the classes only forward
// their events there.

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "views/edit_view_shared.h"
#include "views/snap/snap_search.h"
#include "views/tool_core/measure_readout.h"
#include "views/tool_core/pick_geometry.h"
#include "views/tool_input/pick_digitiser.h"

namespace zv {

class ToolViewShared {
 public:
  explicit ToolViewShared(SecEditViewShared& edit) : edit_(edit) {}
  virtual ~ToolViewShared() = default;
  ToolViewShared(const ToolViewShared&) = delete;
  ToolViewShared& operator=(const ToolViewShared&) = delete;

  SecEditViewShared& Edit() const { return edit_; }
  CGisEditView& View() const { return edit_.EditView(); }

  // The plan view: select keys do not cancel first, its right double click
  // restarts the select mode without a second cancel.
  virtual bool IsPlan() const = 0;
  // The work areas of one entity type (0 line, 1 point, 2 region) the view
  // searches: the current one in the section view, every file of that kind
  // of the project in the plan view (none without a project).
  virtual std::vector<WorkAreaHandle> AreasOfType(int type) const = 0;
  // The work areas the snapping searches.
  virtual std::vector<WorkAreaHandle> SnapAreas() const = 0;
  // Request 7 of the section view: an open work area becomes the current
  // one of its type (the plan view has no such request).
  virtual void SetCurrentArea(WorkAreaHandle /*area*/) {}

  // ---- Pick modes and digitising
  toolview::PickDigitiser digitiser;
  // The rubber segment of the figure being digitised (window points), while
  // drawn, and the length-and-bearing read-out written last.
  std::optional<std::pair<CPoint, CPoint>> rubber;
  QString readout;
  // A left click selects anything and then takes it up (command 33538).
  bool pickEntity = false;

  // ---- Presses, ortho and snapping
  // Where the last left press landed (none before the view's first press).
  std::optional<D_DOT> lastPressed;
  toolview::OrthoState ortho;
  snap::SnapEngine snap;
  // The hover box ("seclect"), where it is drawn now.
  std::optional<CPoint> hoverBox;

  // ---- Middle-button pan
  bool middleDown = false;
  CPoint middlePressedAt;
  // The view's cursor while the hand shows.
  QCursor classCursor;

  // ---- The measurement read-out: the sums of the pool, taken again when
  // the pool's revision moves past the one they were taken at.
  toolview::MeasureSums readoutSums;
  std::optional<uint64_t> readoutPoolRevision;

  // ---- The modeless calculator (33381), null when closed.
  QPointer<QWidget> calculator;

  // The editor's own ortho switch as it was at the initial update (request 6
  // puts it back when the program's ortho goes off).
  int savedEditorOrtho = 0;

 private:
  SecEditViewShared& edit_;
};

// The tool view a command runs in (null for other targets).
ToolViewShared* ToolViewOf(cmd::CommandTarget& target);

// Runs a command as a menu item would: along the main frame's route when
// the view sits in one, else in the view alone. A bound-later command
// gives its notice.
void RunToolViewCommand(ToolViewShared& tv, int id);
// The edit-aid tool in a mode, by the launch rule; a mode not built yet
// leaves the running tool alone and says so in the status bar.
void StartEditAid(ToolViewShared& tv, int16_t mode, bool cancelFirst, int32_t flag);

}  // namespace zv
