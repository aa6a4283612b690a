#pragma once
// Cursor snapping of the tool views: on every mouse move the search finds
// the nearest snap target among point entities, line vertices, nearest
// points on lines, crossings, perpendicular feet and segment midpoints, and
// tells the view where to show or remove its marker; on a left press near
// the marked target it takes the target's exact world coordinates.
//
// Distances are world units. The tolerance is 8 pixels in world units
// (SnapTolerance); the best distance starts at 100.0 world units, so
// nothing farther is ever a target. Candidates are tried in a fixed order
// (point entity, vertex, nearest point, crossing, perpendicular foot,
// midpoint) and a later one replaces the choice only when strictly nearer.
//
// The line walk visits the line areas of the list in order and their lines
// in id order. With the spatial index (the default) only lines with a
// segment that may lie within 100.0 of the cursor are read; the result is
// the same as reading every line (SetUseIndex(false), kept for tests and
// the benchmark).

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"
#include "views/snap/snap_line_index.h"

namespace zv::snap {

// Snap kinds, the number the marker's colour goes by.
enum SnapKind : int16_t {
  kNoSnap = 0,
  kSnapPointEntity = 1,
  kSnapVertex = 2,
  kSnapNearest = 3,
  kSnapCrossing = 4,
  kSnapPerpendicular = 5,
  kSnapMidpoint = 6,
};

// The six switches in the views' order (keys U I Y O P [, commands 33430 ..
// 33435): nodes and end points, crossing points, point entities,
// perpendicular foot, nearest point, midpoint. On at start: the first and
// the third.
enum SnapSwitch : int { kSwitchVertex, kSwitchCrossing, kSwitchPointEntity, kSwitchPerpendicular, kSwitchNearest, kSwitchMidpoint };
struct SnapSwitches {
  std::array<uint8_t, 6> on{1, 0, 1, 0, 0, 0};
  bool Any() const;
  void Flip(int which) { on.at(which) = on.at(which) ? 0 : 1; }
};

// The world distance the search starts from.
inline constexpr double kSnapStartDistance = 100.0;
// 8 pixels in world units at a display rate (pixels per world unit).
double SnapTolerance(double displayRate);

// The marker's pen colour of a kind (R, G, B).
struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb SnapColour(int16_t kind);

// True when the perpendicular from q onto the line through a and b falls
// between them (neither angle at a nor at b of the triangle is obtuse).
bool IsPerpendicularFootInside(const D_DOT& q, const D_DOT& a, const D_DOT& b);
// The orthogonal projection of q onto the line through a and b (a itself
// when a and b coincide).
D_DOT PerpendicularFoot(const D_DOT& q, const D_DOT& a, const D_DOT& b);

// The line candidates, in the order vertex, nearest point, crossing point,
// perpendicular foot, midpoint.
enum LineCandidate : int { kCandVertex, kCandNearest, kCandCrossing, kCandPerpendicular, kCandMidpoint };
struct LineCandidates {
  std::array<bool, 5> found{};
  std::array<D_DOT, 5> point{};
};
// The line candidates of p over the line areas (type 0) of `areas`; the
// perpendicular foot is that of `previous`. `indexes` null: every line read.
LineCandidates FindLineCandidates(std::span<const WorkAreaHandle> areas, const D_DOT& p, const D_DOT& previous,
                                  LineIndexes* indexes);

// A marker to draw or remove (drawing it again removes it).
struct SnapMarker {
  D_DOT at{};
  int16_t kind = kNoSnap;
  friend bool operator==(const SnapMarker& a, const SnapMarker& b) {
    return a.at.x == b.at.x && a.at.y == b.at.y && a.kind == b.kind;
  }
};

// One view's snapping state.
class SnapEngine {
 public:
  SnapSwitches& switches() { return switches_; }
  const SnapSwitches& switches() const { return switches_; }

  struct MoveResult {
    std::optional<SnapMarker> erase;  // remove this marker
    std::optional<SnapMarker> draw;   // then draw this one
  };
  // The search on a mouse move at world point p. Nothing happens with every
  // switch off.
  MoveResult Move(const D_DOT& p, double tolerance, std::span<const WorkAreaHandle> areas);
  // The snap on a left press at world point q: when a marker is shown and q
  // lies within the tolerance of its target, SnappedPoint takes the target,
  // SnapState becomes kSnapWaiting, the previous point becomes the target,
  // and the target comes back (the view moves the cursor there). Otherwise
  // nothing changes.
  std::optional<D_DOT> Press(const D_DOT& q, double tolerance);

  // The point the perpendicular snap is measured from (every left press).
  void SetPrevious(const D_DOT& p) { previous_ = p; }
  const D_DOT& previous() const { return previous_; }

  // The marker shown now, if any.
  std::optional<SnapMarker> marker() const;
  // The kind of the last choice (0 when none was chosen).
  int16_t kind() const { return kind_; }
  // Forgets the marker without drawing (after a full redraw drew nothing of it).
  void DropMarker() { shown_ = false; }

  void SetUseIndex(bool on) { useIndex_ = on; }

 private:
  SnapSwitches switches_;
  int16_t kind_ = kNoSnap;
  bool shown_ = false;
  SnapMarker marker_;
  D_DOT previous_{};
  bool useIndex_ = true;
  LineIndexes indexes_;
};

}  // namespace zv::snap
