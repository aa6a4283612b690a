#pragma once
// Clipping a work area's points, lines or regions by an outline.
//
// The outline is a line work area: each live line of it, closed from its
// last vertex back to its first, bounds a polygon (a self-crossing line
// bounds each of its lobes); several lines are read by the even-odd rule, so
// a ring inside another is a hole (a region's outer ring and its holes given
// as lines bound the region). Lines with fewer than three distinct vertices
// bound nothing.
//
// Each call appends to `target` new entities for what of `source` lies
// inside the outline, its boundary included (mode kTopoKeepInside), or
// outside it (kTopoKeepOutside): the two modes together hold every point, all
// line length and all region area of the source once. The source is never
// changed and what the target held stays. Results carry the graphic parameters, texts
// and attribute values of the entity they came from; the target's attribute
// structure gains, at its end, every field of the source's structure that it
// lacks, so no value is lost ("长度", "面积" and "周长" are measured again).
//
//  - Points: inside when their position lies inside, on the outline or within
//    `tolerance` of it; outside otherwise.
//  - Lines: cut where they cross the outline; each stretch inside (a stretch
//    along the outline counts as inside) becomes one new line running in the
//    source's direction through the source's own vertices. Stretches shorter
//    than `tolerance` are dropped.
//  - Regions: each region (its first ring the boundary, the others holes;
//    a self-crossing one made valid first) intersected with the outline
//    (inside) or less the outline (outside); every polygon of the result
//    becomes one new region with the arc list {total, outer, …, 0, hole, …}
//    (outer ring counter-clockwise, holes clockwise). The arcs of all results
//    are built together: an edge that two results run along is one arc both
//    use, so regions that shared an arc share its pieces. A piece of a
//    source arc keeps that arc's direction, parameters and record; a new arc
//    along the outline takes the parameters of the outline's first line.
//    Polygons smaller than tolerance² are dropped. Arcs that no region uses
//    are cut and kept as lines are.
//  - Snapping: an outline vertex within `tolerance` of a vertex of the
//    source's lines or arcs, and a crossing within it of a vertex of the
//    line or region it cuts, is placed on that vertex; all other results
//    keep the source's and the outline's coordinates exactly.
//
// The number of entities appended (regions for TopoClipRegions), or −1 when
// a handle is invalid, an area has the wrong type (outline: line area;
// source and target: point areas, line areas, region areas), the mode is not
// one of these two, the tolerance is negative or the outline bounds
// nothing.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

// Keep what lies inside the outline, or what lies outside it.
inline constexpr int kTopoKeepInside = 4;
inline constexpr int kTopoKeepOutside = 5;

int32_t TopoClipPoints(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                       int mode);
int32_t TopoClipLines(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                      int mode);
int32_t TopoClipRegions(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                        int mode);

// ---- Changing a region area in place
//
// The calls below change `area` itself. They tell `report` of every entity
// (entity type, id) just before they change or delete it and just after they
// append it, so a caller can record the whole call as one undo step. A GEOS
// failure changes nothing and puts a message naming the entity into
// `*message`; the call then returns −1, as for a bad handle, id or
// tolerance.
enum class TopoEvent { kChanging, kDeleting, kAppended };
using TopoReport = std::function<void(int entityType, int32_t id, TopoEvent event)>;

// Splits a region by a line of the same region area. When the line cuts the
// region through (enters and leaves it), the region becomes its pieces: the
// largest keeps the id, the others are new regions with copies of its
// REG_INFO and record; each hole goes with the piece it lies in. Boundary
// arcs the line crosses are cut there: the first piece keeps the arc's id,
// the others are new arcs with its parameters and record, and every region
// using the arc lists the pieces in its place. The line becomes its pieces
// inside the region (the first keeps its id), each shared by the two
// regions it parts, with the current default line parameters; its stretches
// outside are dropped. `tolerance` snaps: a line vertex or a crossing within
// it of a vertex of the region is placed on that vertex. A line that does not
// cut the region through changes nothing. The number of regions the region
// became (1 when unchanged).
int32_t TopoSplitRegion(WorkAreaHandle area, int32_t line, int32_t region, double tolerance,
                        const TopoReport& report = {}, std::string* message = nullptr);

// Cuts a line of a line area, or an arc of a region area, where it crosses
// or touches itself: the first piece keeps the id, the others are new lines
// with its parameters and record, in the line's direction. A crossing within
// `tolerance` of one of the line's vertices is made at that vertex. With
// `updateRegions` non-zero every region using the arc lists the pieces in
// its place, with the arc's sign (in reverse order for a negative entry), so
// it keeps its shape. The number of pieces (1 when the line does not cross
// itself).
int32_t TopoCutSelfCrossingArc(WorkAreaHandle area, int32_t id, double tolerance, int updateRegions,
                               const TopoReport& report = {}, std::string* message = nullptr);

}  // namespace zv
