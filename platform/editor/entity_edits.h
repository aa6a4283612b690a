#pragma once
// The editing operations of the editor's commands on work-area entities,
// each recorded on the undo store given (a caller running one command
// brackets them into one step). No Qt.

#include <cstdint>
#include <vector>

#include "platform/view/gis_undo.h"

namespace zv::editor {

// Appends with the undo record of an append; the new id, 0 on failure.
int32_t AppendPoint(GisUndo& undo, WorkAreaHandle area, const D_DOT& at, std::string_view text, const PNT_INFO& info);
int32_t AppendLine(GisUndo& undo, WorkAreaHandle area, const std::vector<D_DOT>& vertices, const LIN_INFO& info);

// Deletes the live entities; a region takes with it the arcs no other
// region uses. The number deleted.
int DeleteEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities);
// Moves the live entities by (dx, dy); a region moves its arcs (each once).
int TranslateEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy);
// Copies the live entities moved by (dx, dy) into their own areas (a region
// with copies of its arcs), parameters and attributes included; the copies.
std::vector<ENTITY_MSG> CopyEntities(GisUndo& undo, const std::vector<ENTITY_MSG>& entities, double dx, double dy);

// Puts a new vertex at the foot of `p` on the line's nearest segment.
bool InsertVertexNear(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p);
// Removes the vertex nearest to `p`; a line keeps at least two vertices.
bool DeleteVertexNear(GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& p);
// Turns the line's direction.
bool ReverseLine(GisUndo& undo, WorkAreaHandle area, int32_t line);

// A region of the closed arcs (lines of the region area whose ends meet)
// round `p`: the smallest closed arc that contains it is the outline, the
// largest closed arcs inside that outline that do not contain `p` are its
// holes. 0 when no closed arc contains `p`, or when a region of the same
// outline already holds `p`.
int32_t MakeRegionAt(GisUndo& undo, WorkAreaHandle area, const D_DOT& p, const REG_INFO& info);

}  // namespace zv::editor
