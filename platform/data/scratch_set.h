#pragma once
// A work-area set for the length of one operation: its areas are released
// with it, whatever path the operation leaves by.

#include "platform/data/work_area.h"

namespace zv {

class ScratchSet {
 public:
  ScratchSet() : set_(BasCreateWorkAreaSet()) {}
  ~ScratchSet() { BasFreeWorkAreaSet(set_); }
  ScratchSet(const ScratchSet&) = delete;
  ScratchSet& operator=(const ScratchSet&) = delete;

  // A new empty area of a work-area type (0 line, 1 point, 2 region).
  WorkAreaHandle Create(int type) const { return BasCreateWorkArea(set_, type); }
  WorkAreaSetHandle handle() const { return set_; }

 private:
  WorkAreaSetHandle set_;
};

}  // namespace zv
