#pragma once
// The display base of the editing views: a widget that shows a map through
// its display window, on a picture it keeps.
//
// Pictures: the map is drawn into a cached image on a full redraw
// (_UpdateWindow), which then becomes the picture shown, and the view's own
// drawing (_OwnerDraw, _UserDraw) and the installed tool's DrawHook are
// drawn over it, in that order. Drawing between redraws goes onto the same
// picture through the context of _GetMyDC: plain drawing stays until the
// next full redraw, toggling drawing (XOR, not-XOR, invert) removes itself
// when drawn again.
//
// Repaints: a change to the map redraws the cache whole (_UpdateWindow) or
// only a rectangle of it (RedrawMapRect); either way the picture is then made
// again from the cache with the overlay drawn over it, so what the view and
// the tool draw in their hooks survives, as it does a pan or a zoom.
//
// Flashing: the entities given to _StartFlash blink (drawn and undrawn in a
// toggling mode) until _StopFlash.

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/view/base_gis_tool.h"
#include "platform/display/kernel_driver.h"
#include "platform/display/entity_display.h"
#include "platform/view/win_org.h"

namespace zv {

class CGisView : public QWidget {
 public:
  explicit CGisView(QWidget* parent = nullptr);
  ~CGisView() override;

  // ---- Display window
  void _UpdateWindow();
  WIN_ORG _GetWinDispParam() const;
  void _GetWinDispParam(WIN_ORG* org) const;
  // False (nothing changed) for a record that cannot be shown.
  bool _SetWinDispParam(const WIN_ORG& org);
  // The map rectangle the window shows.
  D_RECT _GetWinDispRect() const;
  // The rectangle of everything the view shows when all is shown.
  D_RECT _GetWinMapRange() const;
  double _GetWinDispRate() const;

  D_DOT _WpToLp(CPoint point) const;
  D_DOT _WpToLp(double x, double y) const;
  void _WpToLp(CPoint point, D_DOT* out) const { *out = _WpToLp(point); }
  CPoint _LpToWp(const D_DOT& p) const;
  void _LpToWp(const D_DOT& p, long* x, long* y) const;
  void _LpToWp(const D_DOT& p, double* x, double* y) const;
  D_DOT _LpToDp(const D_DOT& p) const;
  D_DOT _WpToDp(CPoint point) const;
  D_DOT _DpToLp(const D_DOT& p) const;

  // Zoom in or out about a window point (by `factor`, 2 by default) and pan
  // the window by a pixel offset (the map moves the other way).
  void _EnlargeWindowLxy(CPoint at, double factor = 2.0);
  void _ReduceWindowLxy(CPoint at, double factor = 2.0);
  void _MoveWindowLxy(int dx, int dy);
  // Moves the map under the window by (dx, dy) map units (the window goes
  // the other way: a positive dy shows what lies below) and redraws.
  void _MoveWindowFxy(double dx, double dy);
  // Shows the whole map and redraws.
  virtual void OnRestoreWindow();

  // ---- Drawing outside a redraw
  // A context on the view's picture; give it back with _DeleteMyDC. Nested
  // requests get the same context.
  KernelDriver* _GetMyDC();
  void _DeleteMyDC(KernelDriver* dc);
  void _DrawXORLine(int x1, int y1, int x2, int y2);
  void _DrawXORRect(int x1, int y1, int x2, int y2);
  // The view's own drawing after each redraw; derived views add theirs.
  virtual void _OwnerDraw(KernelDriver* dc);
  virtual void _UserDraw(KernelDriver* dc);

  // ---- Flashing
  void _StartFlash(const ENTITY_MSG* entries, int count);
  // −1 stops all; an index stops that entry.
  void _StopFlash(int which = -1);
  bool IsFlashing() const { return !flash_.empty(); }
  // One blink by hand (the timer does this every few hundred milliseconds).
  void FlashStep();

  // ---- Flags
  long _GetCommandFlag() const { return commandFlag_; }
  // Returns the previous flag.
  long _SetCommandFlag(long flag);
  // Off: the wheel neither zooms nor pans the view and goes on to its parent.
  void _SetEnableScrollFlag(int on) { scrollEnabled_ = on != 0; }
  void _SetEnablePopMnFlag(int on) { popupMenuEnabled_ = on != 0; }
  void _SetSmartWndFlag(int on) { smartWindow_ = on != 0; }
  bool scrollEnabled() const { return scrollEnabled_; }
  bool popupMenuEnabled() const { return popupMenuEnabled_; }

  // The background colour number; 0 asks the user for one.
  void EditWndBkFace(long colour);
  long BackgroundColour() const { return background_; }

  // The picture as shown (tests and image output read it).
  const QImage& Picture() const { return picture_; }
  // How many full redraws ran, and how many partial ones.
  int RedrawCount() const { return redraws_; }
  int PartialRedrawCount() const { return partialRedraws_; }

  // Redraws the map inside a map rectangle (with a margin of a few pixels),
  // or the whole view when that rectangle is a large part of it.
  void RedrawMapRect(const D_RECT& rect);

 protected:
  // The map itself, in drawing order, over a cleared background.
  virtual void DrawMap(KernelDriver& dc, const D_RECT& visible);
  // The rectangle of the view's content; false when there is none.
  virtual bool ContentExtent(D_RECT* extent) const;
  // Drawn after _OwnerDraw on each redraw (the edit view's tool hook).
  virtual void DrawAfterOwner(KernelDriver& dc);
  // After each full redraw of the map.
  virtual void OnMapRedrawn();
  // Draws the picture again from the cached map, without drawing the map
  // (after an interaction ends, to drop what it drew).
  void RefreshOverlay();

  // Gives a context the view's window.
  void SetWindowOf(KernelDriver& dc) const;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SyncClientSize();
  void DrawFlash();

  DisplayWindow window_;
  QImage cache_;
  QImage picture_;
  std::unique_ptr<QPainter> dcPainter_;
  std::unique_ptr<KernelDriver> dc_;
  int dcRefs_ = 0;
  std::vector<ENTITY_MSG> flash_;
  bool flashShown_ = false;
  QTimer flashTimer_;
  long commandFlag_ = 0;
  long background_ = 0;
  bool scrollEnabled_ = true;
  bool popupMenuEnabled_ = true;
  bool smartWindow_ = false;
  int redraws_ = 0;
  int partialRedraws_ = 0;
};

}  // namespace zv
