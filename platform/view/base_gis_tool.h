#pragma once
// The base of every interactive tool. A tool is made with the view it works
// in and a signed 16-bit mode, installed with CGisEditView::SetExtTool, and
// from then on owned by the view, which deletes it when another tool is
// installed, when the interaction is cancelled, or when the view closes. The
// view calls the slots below for its mouse and key events; a tool may
// replace or cancel itself from inside any of them.

#include <cstdint>

#include "platform/data/work_area.h"

namespace zv::display {
class KernelDriver;
}

namespace zv {

// The drawing context the view hands to tools and draws its map with.
using display::KernelDriver;

class CGisEditView;

// A window point in pixels.
struct CPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const CPoint&, const CPoint&) = default;
};

// Mouse-event flags of the slots (the keys and buttons held).
enum MouseFlag : unsigned {
  MK_LBUTTON = 0x0001,
  MK_RBUTTON = 0x0002,
  MK_SHIFT = 0x0004,
  MK_CONTROL = 0x0008,
  MK_MBUTTON = 0x0010,
};

// The mouse messages a picking tool forwards to the view's select calls.
enum SelectMessage : unsigned {
  WM_MOUSEMOVE = 512,
  WM_LBUTTONDOWN = 513,
  WM_LBUTTONUP = 514,
  WM_RBUTTONUP = 517,
};

// A queued window message, as slot 10 receives it.
struct tagMSG {
  unsigned message = 0;
  intptr_t wParam = 0;
  intptr_t lParam = 0;
  CPoint pt;
};

class BaseGisTool {
 public:
  // Reads the view's current point, line and region work areas.
  BaseGisTool(CGisEditView* view, int16_t mode);
  virtual ~BaseGisTool();
  BaseGisTool(const BaseGisTool&) = delete;
  BaseGisTool& operator=(const BaseGisTool&) = delete;

  // Slots 1..10. The results of 1, 3 and 5 tell the view the event was
  // taken (nonzero); the view does nothing more with it either way.
  virtual int OnLButtonDown(unsigned flags, CPoint point);
  virtual void OnMouseMove(unsigned flags, CPoint point);
  virtual int OnLButtonUp(unsigned flags, CPoint point);
  virtual void OnRButtonUp(unsigned flags, CPoint point);
  virtual int OnKeyDown(unsigned key, unsigned repeat, unsigned flags);
  // After every full redraw, over the map and the view's own drawing.
  virtual void DrawHook(KernelDriver* dc);
  // Before the map when the view redraws: a tool's background.
  virtual void DrawBackGround(KernelDriver* dc);
  // −1 nothing pending, 0 waiting for the first click, 1 a figure in
  // progress. The default follows the mouse: 1 from a left press until the
  // right button ends the figure.
  virtual int Running();
  // Ends the tool's work: clears the view's selection pool and stops all
  // flashing.
  virtual void Stop();
  virtual void RelayEvent(const tagMSG& message);
  // The state line of the view ("当前状态: …").
  virtual const char* OperationName() const;

  CGisEditView* view() const { return m_pView; }
  int16_t mode() const { return m_nMode; }

 protected:
  CGisEditView* m_pView;
  int16_t m_nMode;
  WorkAreaHandle m_pntAi = 0;
  WorkAreaHandle m_linAi = 0;
  WorkAreaHandle m_regAi = 0;

 private:
  friend class CGisEditView;
  bool figureInProgress_ = false;
};

// The default drawing hook, which draws nothing.
void IgnoreDrawHook(KernelDriver* dc);
// The mouse handler of a mode that ignores the event.
void IgnoreMessage(unsigned flags, CPoint point);
// The right-button handler of a mode whose right button only ends the
// interaction: the tool's own Stop.
void StopActiveTool(BaseGisTool& tool, unsigned flags, CPoint point);

}  // namespace zv
