#pragma once
// The pick modes' small computations: the bearing and the read-out of the
// segment being digitised, and the ortho rule of the tool views' presses.

#include <cstdint>
#include <optional>
#include <string>

#include "include/zavediz/records.h"

namespace zv::toolview {

// The bearing of from → to in degrees: north 0, east 90, south 180, west
// 270, from the segment's direction angle (counter-clockwise from +x).
double PickBearing(const D_DOT& from, const D_DOT& to);
// "线长：%f  ,角度：%f" with the length and the bearing.
std::string PickReadout(double length, double bearing);

// The ortho counters of a tool view and its reference point.
//
// A press with ortho on counts; the first press after a reset is free, each
// later one is replaced by the reference (the constrained point of the last
// move). A press with ortho off marks the counter so that the next ortho
// press is replaced too. The right button resets both counters, not the
// pressed point.
class OrthoState {
 public:
  // Step one of a press: true when the press is to be replaced by the
  // reference (and there is one).
  bool TakePress(bool orthoOn);
  // Step two, after the press point was stored.
  void AfterPress();
  void Reset() { counter_ = 0, presses_ = 0; }

  // The constrained window point of a move: the cursor's x and the press's y
  // when |dx| ≥ |dy|, else the press's x and the cursor's y.
  static D_DOT Constrain(const D_DOT& cursor, const D_DOT& pressed);
  void SetReference(const D_DOT& world) { reference_ = world; }
  const std::optional<D_DOT>& reference() const { return reference_; }
  int16_t counter() const { return counter_; }
  int16_t presses() const { return presses_; }

 private:
  int16_t counter_ = 0;
  int16_t presses_ = 0;
  std::optional<D_DOT> reference_;
};

}  // namespace zv::toolview
