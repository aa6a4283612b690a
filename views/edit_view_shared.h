#pragma once
// What the section editing view (CSecGisEditView) and the project editing
// view (CSecPrjEditView) share: the command target each is, the state their
// mouse handling and measurement keep, and the steps both run (settings at
// the initial update, rulers, activation). The behaviour lives in free
// functions of views/edit_view_*.cpp and in views/core; the classes only
// forward their events to them.

#include <QPointer>
#include <cstdint>

#include "framework/docview/child_frame.h"
#include "framework/docview/view.h"
#include "platform/view/gis_edit_view.h"
#include "views/core/measure_figures.h"
#include "views/core/status_readout.h"

namespace zv {

// Command flags of the views' own modes.
inline constexpr long kFlagIdle = 1227;
inline constexpr long kFlagMeasure = 1235;

class SecEditViewShared : public docview::CView {
 public:
  explicit SecEditViewShared(CGisEditView& view) : view_(view) {}

  CGisEditView& EditView() const { return view_; }
  QWidget* Widget() override { return &view_; }

  // Runs when the view's frame becomes the active one (and once after the
  // initial update, as the frame was activated before).
  virtual void OnActivateView() {}
  // The text of the read-out's last pane for the pool now.
  virtual QString StatusText();
  // Runs after the read-out of a mouse move (the plan view marks the
  // project items of the selection).
  virtual void AfterStatus() {}
  // Runs at a right press before the context menus (the plan view hands its
  // selection mode back to the settings).
  virtual void OnRightPress() {}
  // The context sub-menu a plain right click opens: 4 section, 3 plan.
  virtual int GeneralMenu() const = 0;
  // The settings format of the system parameters (447).
  virtual const char* ParameterFormat() const = 0;

  // ---- State of the mouse handling (see edit_view_mouse.cpp)
  // 0 at start and after a right double-click, 2 after a left press, 1 after
  // a right press.
  int16_t mouseState = 0;
  // Clear the selection on the next right click.
  bool pendingClear = false;
  // Wheel angle not yet turned into a zoom step.
  int wheelRest = 0;
  views::MeasurePolyline measure;
  views::StatusCache status;

  // ---- Rulers
  bool rulerBarShown() const { return rulerBarShown_; }
  void SetRulerBarShown(bool shown) { rulerBarShown_ = shown; }
  // The frame that carries the rulers; null until the initial update.
  docview::CChildFrame* RulerFrame() const { return rulerFrame_; }
  void SetRulerFrame(docview::CChildFrame* frame) { rulerFrame_ = frame; }

 private:
  CGisEditView& view_;
  bool rulerBarShown_ = false;
  QPointer<docview::CChildFrame> rulerFrame_;
};

// The shared part of a command target (null for other targets).
SecEditViewShared* SharedOf(cmd::CommandTarget& target);

// ---- Steps both views run (edit_view_shared.cpp)

// Scroll and smart-window flags, [SYSPARA], the display switches and the
// background colour from the settings.
void ApplyViewSettings(CGisEditView& view);
// The frame holding the view, null when it has none.
docview::CChildFrame* FrameOf(QWidget& view);
// Remembers the ruler frame, shows its rulers by the flag, and calls the
// view's OnActivateView whenever its frame becomes active (at once when it
// already is).
void AttachToFrame(SecEditViewShared& shared);
// Sets the tab of the view's frame.
void SetTabName(SecEditViewShared& shared, const QString& name);
// Hands the rulers the display origin, the cursor and the zoom (codes: 3
// moves, 1 then 0 after a redraw).
void SyncRulers(SecEditViewShared& shared, int code, int x, int y);
// 33543: flips the ruler bar, shows or hides the rulers and writes
// "RULEBAR" at once.
void ToggleRulerBar(SecEditViewShared& shared);
// The ruler bar flag as the settings file gives it (hidden when absent).
bool RulerBarSetting();

}  // namespace zv
