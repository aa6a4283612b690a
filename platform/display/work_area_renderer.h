#pragma once
// Draws a work area into a KernelDriver: entities in the area's display
// order, skipping those on layers that are switched off, and only those whose
// rectangle meets the device's view. The rectangles sit in a grid index that
// follows the area through its change notification, so a redraw after an
// edit reads only what changed.
//
// A region area draws its regions first, then its arcs (the lines of the
// area). With the "show arcs" switch the arcs are drawn again over
// everything, thin, in colour 6.

#include <QRectF>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/display/entity_display.h"

namespace zv::display {

// The map rectangle an entity covers now, as the renderer places it (texts
// by their layout); false when the entity cannot be read.
bool EntityExtent(zv::WorkAreaHandle area, int entityType, std::int32_t id, QRectF* extent);

class WorkAreaRenderer {
 public:
  explicit WorkAreaRenderer(zv::WorkAreaHandle area);
  ~WorkAreaRenderer();
  WorkAreaRenderer(const WorkAreaRenderer&) = delete;
  WorkAreaRenderer& operator=(const WorkAreaRenderer&) = delete;

  zv::WorkAreaHandle Area() const { return area_; }

  void Draw(KernelDriver& driver, const DisplaySwitches& switches = DefaultSwitches());

  // Entities drawn by the last Draw (for tests and benchmarks).
  int DrawnCount() const { return drawn_; }

  // The extent of an entity as this renderer last drew it (before changes
  // since); false when it does not know one.
  bool DrawnExtent(int entityType, std::int32_t id, QRectF* extent) const;

 private:
  struct TypeIndex {
    explicit TypeIndex(int type) : entityType(type) {}
    int entityType = 0;
    std::unordered_map<std::int32_t, QRectF> rects;
    std::unordered_set<std::int32_t> dirty;
    bool all = true;  // every rectangle must be read again
    // Grid of cells over `bounds`; each cell lists the ids that meet it.
    QRectF bounds;
    bool hasBounds = false;
    int columns = 0, rows = 0;
    std::vector<std::vector<std::int32_t>> cells;
    bool gridStale = true;
  };

  void OnChange(const zv::WorkAreaChange& change);
  void Refresh(TypeIndex& index);
  void RebuildGrid(TypeIndex& index);
  std::vector<std::int32_t> VisibleInOrder(TypeIndex& index, const QRectF& view);
  void DrawType(KernelDriver& driver, TypeIndex& index, const QRectF& view, const DisplaySwitches& switches,
                bool arcOverlay);
  TypeIndex& IndexOf(int entityType);

  zv::WorkAreaHandle area_;
  int listener_ = 0;
  TypeIndex points_{zv::kPointEntity};
  TypeIndex lines_{zv::kLineEntity};
  TypeIndex regions_{zv::kRegionEntity};
  int drawn_ = 0;
};

}  // namespace zv::display
