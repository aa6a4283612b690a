#pragma once
// The display window of a view: which part of the map it shows and how.
//
// WIN_ORG is the platform's record of it, read and written whole by callers
// (_GetWinDispParam / _SetWinDispParam) and addressed by byte offsets:
//   0  x, 8 y      the map coordinate shown at the window's lower-left corner
//   16 width, 24 height   the map extent across the window
//   32 xFactor, 40 yFactor  map-unit factors, 1.0 unless a caller sets them;
//                           kept with the record, not used by the transforms
//   48 scale       pixels per map unit: the zoom
//   56 rotation    degrees counter-clockwise of the map in the window
//   64 rate        the display rate: pixels per map unit, as callers divide
//                  pixel tolerances by it (equal to scale)
//
// Coordinates: "Wp" are window pixels (origin at the top-left of the client
// area, y downward), "Lp" map units (y upward), "Dp" the device coordinates
// of a drawing context on the view: window pixels as doubles, not rounded.

#include <cstddef>

#include "include/zavediz/records.h"

namespace zv {

struct WIN_ORG {
  double x = 0.0;
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;
  double xFactor = 1.0;
  double yFactor = 1.0;
  double scale = 1.0;
  double rotation = 0.0;
  double rate = 1.0;
};

static_assert(offsetof(WIN_ORG, x) == 0 && offsetof(WIN_ORG, y) == 8 && offsetof(WIN_ORG, scale) == 48 &&
              offsetof(WIN_ORG, rate) == 64 && sizeof(WIN_ORG) == 72);

// A window of the given pixel size over the map, with the transforms and the
// zoom and pan operations. The smallest and largest scale keep the numbers
// finite whatever the user does.
class DisplayWindow {
 public:
  static constexpr double kMinScale = 1e-9;
  static constexpr double kMaxScale = 1e9;

  DisplayWindow();

  // The client size in pixels (at least 1 × 1).
  void SetClientSize(int width, int height);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }

  // The record with the extents and rate filled from the client size.
  WIN_ORG Get() const;
  // Takes origin, scale, factors and rotation; a record whose scale is not
  // positive but whose width and height are instead fits that extent into
  // the window. False (nothing changed) for a record that gives neither, or
  // any value that is not finite.
  bool Set(const WIN_ORG& org);

  D_DOT WpToLp(double wx, double wy) const;
  D_DOT LpToWp(const D_DOT& p) const;     // window pixels as doubles
  D_DOT LpToDp(const D_DOT& p) const { return LpToWp(p); }
  D_DOT DpToLp(const D_DOT& p) const { return WpToLp(p.x, p.y); }
  L_DOT LpToWpLong(const D_DOT& p) const; // truncated toward zero, as callers store longs

  // The map rectangle the window shows (the bounding box when rotated).
  D_RECT DisplayRect() const;

  // Zooms by `factor` (> 1 enlarges) keeping the map point under the window
  // point (wx, wy) where it is.
  void ZoomAbout(double wx, double wy, double factor);
  // Moves the view by a window-pixel offset: the map follows the offset.
  void PanPixels(double dx, double dy);
  // Shows the whole rectangle, centred, with `marginFraction` of free space
  // around it; an empty or degenerate rectangle keeps the scale and centres.
  void ShowAll(const D_RECT& extent, double marginFraction = 0.05);
  // Centres the window on a map point at the current scale.
  void CentreOn(const D_DOT& p);

 private:
  double cosR() const;
  double sinR() const;

  WIN_ORG org_;
  int clientWidth_ = 1;
  int clientHeight_ = 1;
};

}  // namespace zv
