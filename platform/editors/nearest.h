#pragma once
// Nearest-entity queries on a work area, in map units. Entities on layers
// switched off are skipped, as they are neither drawn nor picked.

#include <cstdint>
#include <limits>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

struct NearestHit {
  int32_t id = 0;  // 0 when nothing was found
  double distance = std::numeric_limits<double>::infinity();
  explicit operator bool() const { return id != 0; }
};

// The point whose position lies nearest to `p` (within `within`).
NearestHit NearestPoint(WorkAreaHandle area, const D_DOT& p,
                        double within = std::numeric_limits<double>::infinity());
// The line (or arc of a region area) whose polyline passes nearest to `p`
// (within `within`: a bound lets the search skip distant lines unread).
NearestHit NearestLine(WorkAreaHandle area, const D_DOT& p, double within = std::numeric_limits<double>::infinity());
// The region that contains `p` (inside its outer ring and outside its
// holes); the one drawn last when several do; 0 when none.
int32_t RegionContaining(WorkAreaHandle area, const D_DOT& p);

struct NearestVertexHit {
  int32_t line = 0;    // 0 when the area holds no vertex
  int32_t index = -1;  // 0-based vertex index
  D_DOT vertex{};
  double distance = std::numeric_limits<double>::infinity();
};
// The vertex of any line of the area nearest to `p`.
NearestVertexHit NearestVertex(WorkAreaHandle area, const D_DOT& p);
// The vertex of one line nearest to `p`.
NearestVertexHit NearestVertexOfLine(WorkAreaHandle area, int32_t line, const D_DOT& p);

// The distance from `p` to a polyline, and the segment it is nearest to.
double DistanceToPolyline(const std::vector<D_DOT>& vertices, const D_DOT& p, int32_t* segment = nullptr);

// Entities of a type whose rectangle lies wholly inside `rect` (box
// selection), in drawing order.
std::vector<int32_t> EntitiesInsideRect(WorkAreaHandle area, int entityType, const D_RECT& rect);

// The layer of an entity as its parameters give it; −1 when unreadable
// (a layer number may itself be negative in a foreign file).
int EntityLayer(WorkAreaHandle area, int entityType, int32_t id);
// Non-zero when the entity is live and its layer is on.
bool EntityVisible(WorkAreaHandle area, int entityType, int32_t id);

}  // namespace zv
