#pragma once
// What an editing view hears from the work areas it shows. Every append,
// update, delete, reorder or clear of one of them is gathered until the next
// turn of the event loop, when the view repaints once: only the rectangle of
// the changed entities' old and new extents when few entities changed and
// that rectangle is a small part of the view, the whole view otherwise.
// Changes of attributes alone draw nothing and are ignored; changes inside a
// batch arrive once, at its end, so a thousand appends in one command give
// one repaint.
//
// The watch keeps one listener per area it is told to watch and removes
// them when the list changes and when it dies; a change to an area no view
// watches costs nothing.

#include <QTimer>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/work_area.h"

class QRectF;

namespace zv {

class AreaWatch {
 public:
  // The extent an entity had when it was last drawn; false when unknown.
  using DrawnExtent = std::function<bool(WorkAreaHandle area, int entityType, int32_t id, QRectF* extent)>;
  // A repaint: the whole view, or a map rectangle.
  struct Repaint {
    bool whole = true;
    D_RECT rect{};
  };

  AreaWatch(DrawnExtent drawnExtent, std::function<void(const Repaint&)> repaint);
  ~AreaWatch();
  AreaWatch(const AreaWatch&) = delete;
  AreaWatch& operator=(const AreaWatch&) = delete;

  // Listens to exactly these areas from now on.
  void Watch(const std::vector<WorkAreaHandle>& areas);
  // Asks for a whole repaint at the next turn.
  void RequestWhole();
  // The view drew everything: what is pending is shown already.
  void Discard();
  bool Pending() const { return timer_.isActive(); }

 private:
  void OnChange(const WorkAreaChange& change);
  void Schedule();
  void Fire();

  DrawnExtent drawnExtent_;
  std::function<void(const Repaint&)> repaint_;
  std::map<WorkAreaHandle, int> listeners_;  // area -> listener id
  QTimer timer_;
  bool whole_ = false;
  bool haveRect_ = false;
  D_RECT rect_{};
  std::set<std::tuple<WorkAreaHandle, int, int32_t>> changed_;
};

}  // namespace zv
