#pragma once
// Work areas: the platform's in-memory point, line and region files.
//
// Conventions every caller follows:
//  - A work area is named by a handle, a non-zero 16-bit value; callers test
//    "not zero". A released handle is handed out again only after every other
//    handle has been, so a stale handle held by a view or a selection simply
//    reads as invalid. Every call takes any handle: an invalid one makes the
//    call fail by its result (0, false, an empty value), never crash.
//  - Work areas live in work-area sets (BasCreateWorkAreaSet); freeing a set
//    releases its work areas.
//  - Work-area types: 0 line, 1 point, 2 region, 4 the fourth kind. Entity
//    types (ENTITY_MSG and the attribute calls): 0 line, 1 point, 2 region.
//    A region work area holds its arcs as lines (entity type 0) and its
//    regions (entity type 2).
//  - Ids run 1 .. B−1. BasGetPointCount, BasGetLineCount and BasGetRegionCount
//    give two values: the number of live entities N first, then the id bound
//    B, one past the highest id ever given (1 when none was). A deleted id
//    stays counted in B and is never given again until the area is cleared.
//    Reading id 0, an id ≥ B or a deleted id fails. Loops run over ids 1 to
//    B−1 and skip the ids whose read fails.
//  - Reads return exactly 1 on success and 0 on failure.
//  - Region arc lists: entry 0 is the number of points needed to draw all
//    rings closed (the vertex counts of the arcs plus one per ring), then
//    signed arc ids (negative = traversed backwards), 0 between rings; the
//    arcs are the lines of the same region work area. Entry 0 is computed by
//    the library on every read, whatever a caller put there when appending.
//  - Every append, update and delete bumps the work area's revision, marks
//    it modified and tells its listeners which ids changed; inside a batch
//    (BasBeginBatch … BasEndBatch) the changes are told once, at the end.
//  - Attributes: one structure per entity type, "ID" always field 0; new
//    work areas carry the customary fields ("ID"; "长度" for lines and arcs;
//    "面积" and "周长" for regions), and the library keeps "长度", "面积" and
//    "周长" current on every append and update while the structure has them.
//  - Text is UTF-8 in memory; the file codec converts to and from GBK.
//  - One thread: work areas are used from the thread that made them.

#include <any>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/attributes.h"
#include "platform/data/map_params.h"
#include "platform/data/param_records.h"

namespace zv {

using WorkAreaHandle = uint16_t;
using WorkAreaSetHandle = int32_t;

enum WorkAreaType : int { kLineArea = 0, kPointArea = 1, kRegionArea = 2, kFourthKindArea = 4 };
enum EntityType : int16_t { kLineEntity = 0, kPointEntity = 1, kRegionEntity = 2 };

// One entity as the selection pool holds it.
struct ENTITY_MSG {
  WorkAreaHandle area = 0;
  int16_t type = kLineEntity;
  int32_t id = 0;
  friend bool operator==(const ENTITY_MSG&, const ENTITY_MSG&) = default;
};

// ---- Sets and work areas ----------------------------------------------------

// A new set (non-zero). The argument is ignored, as callers pass 0.
WorkAreaSetHandle BasCreateWorkAreaSet(int reserved = 0);
// Releases every work area of the set; false for an unknown set.
bool BasFreeWorkAreaSet(WorkAreaSetHandle set);

// A new empty work area in the set, 0 when the set is unknown or every
// handle is taken.
WorkAreaHandle BasCreatePointWorkArea(WorkAreaSetHandle set);
WorkAreaHandle BasCreateLineWorkArea(WorkAreaSetHandle set);
WorkAreaHandle BasCreateRegionWorkArea(WorkAreaSetHandle set);
WorkAreaHandle BasCreateWorkArea(WorkAreaSetHandle set, int type);

bool BasReleaseWorkArea(WorkAreaHandle area);
// Drops every entity and attribute record; ids start again at 1. The
// structures, parameters, file name and layers stay. The argument is
// ignored, as callers pass 0.
bool BasClearWorkArea(WorkAreaHandle area, int reserved = 0);
// Cleared, with the customary attribute structures again and all layers on.
// What ties the area to its file stays: file name, map parameters, mode,
// state and what the file codec kept.
bool BasResetWorkArea(WorkAreaHandle area);

// Non-zero for a handle of an open work area.
int BasIsWorkAreaValid(WorkAreaHandle area);
// Non-zero when the area holds no live entity (also for an invalid handle).
int BasIsWorkAreaEmpty(WorkAreaHandle area);
// 0 line, 1 point, 2 region, 4 fourth kind; −1 for an invalid handle.
int BasGetWorkAreaType(WorkAreaHandle area);
WorkAreaSetHandle BasGetWorkAreaSet(WorkAreaHandle area);

// ---- Counts -----------------------------------------------------------------

// N (live entities) and B (id bound). 1 on success; on failure both are 0.
int BasGetPointCount(WorkAreaHandle area, int32_t* live, int32_t* bound);
int BasGetLineCount(WorkAreaHandle area, int32_t* live, int32_t* bound);
int BasGetRegionCount(WorkAreaHandle area, int32_t* live, int32_t* bound);
// Lines, points or regions by entity type.
int BasGetEntityCount(WorkAreaHandle area, int entityType, int32_t* live, int32_t* bound);
// Takes the next id as a deleted one, as a file's deleted slot does: it
// counts in B and its reads fail. The id, 0 on failure. Listeners are told
// it was deleted.
int32_t BasAppendDeletedId(WorkAreaHandle area, int entityType);
// Non-zero when the id names a live entity of that type.
int BasIsEntityLive(WorkAreaHandle area, int entityType, int32_t id);

// ---- Refusals ----------------------------------------------------------------

// Why the last append, update or structure change was refused because the
// platform's files could not hold the result, in words for the user (empty
// when that call was not refused for such a reason). Callers show it after a
// failed call; the library refuses rather than let a save cut the data.
std::string BasLastRefusal();

// ---- Points -----------------------------------------------------------------

// The most GBK bytes a point's text may have: the point file stores its
// length in 16 bits. A longer text is refused by append and update.
inline constexpr std::size_t kMaxPointTextBytes = 32767;

// The new id, 0 on failure (not a point area, or a text longer than
// kMaxPointTextBytes: BasLastRefusal says so).
int32_t BasAppendPoint(WorkAreaHandle area, const D_DOT& position, std::string_view text, const PNT_INFO& info);
// Any output may be null.
int BasReadPoint(WorkAreaHandle area, int32_t id, D_DOT* position, std::string* text, PNT_INFO* info);
int BasReadPointPos(WorkAreaHandle area, int32_t id, D_DOT* position);
// Fails, leaving the point as it was, for a text longer than kMaxPointTextBytes.
int BasUpdatePoint(WorkAreaHandle area, int32_t id, const D_DOT& position, std::string_view text, const PNT_INFO& info);
int BasWritePointPos(WorkAreaHandle area, int32_t id, const D_DOT& position);
int BasDeletePoint(WorkAreaHandle area, int32_t id);

// ---- Lines (and the arcs of a region area) ----------------------------------

// The new id, 0 on failure (not a line or region area, or fewer than one vertex).
int32_t BasAppendLine(WorkAreaHandle area, const D_DOT* vertices, int32_t count, const LIN_INFO& info);
int32_t BasAppendLine(WorkAreaHandle area, const std::vector<D_DOT>& vertices, const LIN_INFO& info);
int BasReadLine(WorkAreaHandle area, int32_t id, std::vector<D_DOT>* vertices, LIN_INFO* info);
int BasUpdateLine(WorkAreaHandle area, int32_t id, const D_DOT* vertices, int32_t count, const LIN_INFO& info);
int BasUpdateLine(WorkAreaHandle area, int32_t id, const std::vector<D_DOT>& vertices, const LIN_INFO& info);
int BasDeleteLine(WorkAreaHandle area, int32_t id);

// ---- Regions ----------------------------------------------------------------

// `arcs` in the arc-list form above; entry 0 is ignored. Fails (0) when the
// area is no region area, the list names no arc, or an entry names no live
// line of the area.
int32_t BasAppendRegion(WorkAreaHandle area, const int32_t* arcs, int32_t count, const REG_INFO& info);
int32_t BasAppendRegion(WorkAreaHandle area, const std::vector<int32_t>& arcs, const REG_INFO& info);
// The arc list with entry 0 computed.
int BasReadRegion(WorkAreaHandle area, int32_t id, std::vector<int32_t>* arcs, REG_INFO* info);
int BasUpdateRegion(WorkAreaHandle area, int32_t id, const std::vector<int32_t>& arcs, const REG_INFO& info);
int BasDeleteRegion(WorkAreaHandle area, int32_t id);
// The rings of a region as closed vertex lists (arcs joined, reversed ones
// turned, the shared end points dropped, each ring closed); arcs that are
// missing are skipped. The first ring is the outer boundary.
int BasGetRegionRings(WorkAreaHandle area, int32_t id, std::vector<std::vector<D_DOT>>* rings);

int BasCountRegionRings(WorkAreaHandle area, int32_t id);  // −1 on failure

// The regions on the left and on the right of an arc of a region area, seen
// along the arc's own direction (0 where there is none): the region lies
// inside its outer ring and outside its holes. 1 on success.
int BasReadArcTopology(WorkAreaHandle area, int32_t arc, int32_t* left, int32_t* right);
// The live regions whose arc lists name the arc (either sign), ascending.
std::vector<int32_t> BasGetRegionsUsingArc(WorkAreaHandle area, int32_t arc);
// The same for every arc at once (index = arc id, 0 .. line id bound − 1),
// in one pass over the regions.
struct ArcSides {
  int32_t left = 0;
  int32_t right = 0;
};
std::vector<ArcSides> BasComputeArcTopology(WorkAreaHandle area);

// ---- Bringing a deleted entity back --------------------------------------------

// Everything of one entity that deleting it loses: geometry and text, the
// graphic parameters of its type (the others are ignored), its attribute
// record and its place in the display order.
struct EntityContent {
  D_DOT position{};
  std::string text;
  PNT_INFO pointInfo;
  std::vector<D_DOT> vertices;
  LIN_INFO lineInfo;
  std::vector<int32_t> arcs;
  REG_INFO regionInfo;
  std::optional<AttributeRecord> attribute;  // none: an empty record
  int64_t orderIndex = -1;                   // among the live ids; −1 or past the end: last
};

// Brings a deleted entity back at its own id (ids are given only once, so
// the id is still free) with the content given; listeners are told it was
// appended. A region's arc list follows the rules of BasAppendRegion, so its
// arcs come back first. 1 on success; 0 when the id is live, was never
// given, or the area does not hold the type.
int BasRestoreEntity(WorkAreaHandle area, int entityType, int32_t id, const EntityContent& content);

// ---- Graphic parameters by id -----------------------------------------------

int BasReadPointParam(WorkAreaHandle area, int32_t id, PNT_INFO* info);
int BasReadLineParam(WorkAreaHandle area, int32_t id, LIN_INFO* info);
int BasReadRegionParam(WorkAreaHandle area, int32_t id, REG_INFO* info);
int BasWritePointParam(WorkAreaHandle area, int32_t id, const PNT_INFO& info);
int BasWriteLineParam(WorkAreaHandle area, int32_t id, const LIN_INFO& info);
int BasWriteRegionParam(WorkAreaHandle area, int32_t id, const REG_INFO& info);

// ---- Current defaults (process-wide, one per point kind, one for lines and
// one for regions) ----------------------------------------------------------

// The default record itself, changed in place by callers. Point kinds 0 text,
// 1 sub-graph, 2 circle, 3 arc, 4 image, 5 text block; another kind gives
// the text default.
PNT_INFO* BasGetDefaultPointParam(int kind);
LIN_INFO* BasGetDefaultLineParam(int reserved = 0);
REG_INFO* BasGetDefaultRegionParam(int reserved = 0);
// Copies of the defaults into a caller's record.
void BasGetDefaultPointParam(PNT_INFO* out, int kind);
// Sets the default of the record's own kind (byte 0); false for a kind
// outside 0..5.
bool BasSetDefaultPointParam(const PNT_INFO& info);
void BasSetDefaultLineParam(const LIN_INFO& info);
void BasSetDefaultRegionParam(const REG_INFO& info);
// Back to the built-in defaults.
void BasResetDefaultParams();

// ---- Attributes ---------------------------------------------------------------

// The structure of an entity type of the area (a point area has type 1, a
// line area type 0, a region area types 2 and 0).
int BasReadAttributeStructure(WorkAreaHandle area, int entityType, CATT_STRU* structure);
// Replaces the structure (laid out by LayOutStructure, so "ID" is field 0);
// every record keeps the values of fields whose names stay. Refused (0, and
// BasLastRefusal says why) when a record would be longer than
// kMaxAttributeRecordLength; the old structure and records then stay.
int BasSetAttributeStructure(WorkAreaHandle area, int entityType, const CATT_STRU& structure);
// The same, keeping the given offsets and record length (a file's layout);
// used by the file codec.
int BasAdoptAttributeStructure(WorkAreaHandle area, int entityType, const CATT_STRU& structure);
// Adds one field at its `position` (−1 or past the end: at the end; never
// before "ID"). The new field's index, −1 on failure (refused as above when
// the record would grow too long).
int BasInsertField(WorkAreaHandle area, int entityType, const CFIELD_HEAD& field);
// Adds the field (as BasInsertField) unless the structure already has a
// field of its name, which then stays as it is. False when the area has no
// such entity type or refuses the field.
bool EnsureField(WorkAreaHandle area, int entityType, const CFIELD_HEAD& field);
// Deletes a field by index; field 0 ("ID") cannot be deleted.
int BasDeleteField(WorkAreaHandle area, int entityType, int index);
// The id bound B of the entity type (ids 1 .. B−1). 1 on success.
int BasGetAttributeInfo(WorkAreaHandle area, int entityType, int32_t* bound);
// The record of a live entity, with the area's structure.
int BasReadAttribute(WorkAreaHandle area, int entityType, int32_t id, AttributeRecord* record);
// Stores a record for a live entity; a record of another structure is
// converted by field names first. The customary measures stay computed.
int BasWriteAttribute(WorkAreaHandle area, int entityType, int32_t id, const AttributeRecord& record);

// ---- Copies -------------------------------------------------------------------

// Append every live entity of `from` to `to` (new ids in id order) with
// parameters and attributes (converted by field names). Copying regions
// also copies the arcs they use. The number copied, −1 on failure.
int32_t BasCopyPoints(WorkAreaHandle from, WorkAreaHandle to);
int32_t BasCopyLines(WorkAreaHandle from, WorkAreaHandle to);
int32_t BasCopyRegions(WorkAreaHandle from, WorkAreaHandle to);
// One entity; its new id in `to`, 0 on failure.
int32_t BasCopyEntity(WorkAreaHandle from, int entityType, int32_t id, WorkAreaHandle to);
// Several entities of one type, in the order given; regions that share an
// arc keep sharing its copy. The number copied, −1 on failure.
int32_t BasCopyEntities(WorkAreaHandle from, int entityType, std::span<const int32_t> ids, WorkAreaHandle to);

// ---- Batches --------------------------------------------------------------------

// Long append loops: changes inside are told to listeners once, at the end.
// Batches nest; the outermost end tells.
int BasBeginBatch(WorkAreaHandle area);
// One step of the loop; 1 while the batch may go on.
int BasBatchStep(WorkAreaHandle area);
int BasEndBatch(WorkAreaHandle area);

// ---- Change notification -----------------------------------------------------------

// Reordered: the display order changed (ids: the entities moved).
// Attributes: only the attribute records changed; nothing drawn changes.
enum class ChangeKind : uint8_t { Appended, Updated, Deleted, Cleared, Reordered, Attributes };

struct WorkAreaChange {
  WorkAreaHandle area = 0;
  int entityType = kLineEntity;
  ChangeKind kind = ChangeKind::Appended;
  std::vector<int32_t> ids;  // ascending; empty for Cleared
  uint64_t revision = 0;     // the area's revision after the change
};

using ChangeListener = std::function<void(const WorkAreaChange&)>;

// A listener id (non-zero, never given twice, so removing a listener of an
// area that was released is harmless), 0 for an invalid handle. Listeners are called in
// the order they were added; they may read the area and remove themselves.
int BasAddChangeListener(WorkAreaHandle area, ChangeListener listener);
bool BasRemoveChangeListener(WorkAreaHandle area, int listenerId);
// Grows by one on every change; 0 for an invalid handle.
uint64_t BasGetRevision(WorkAreaHandle area);

// ---- Area state -----------------------------------------------------------------

int BasIsWorkAreaModified(WorkAreaHandle area);
bool BasSetWorkAreaModified(WorkAreaHandle area, bool modified);
// The mode callers set before writing an area back (1) and its state; state 2
// means the area may not be saved.
int BasGetWorkAreaMode(WorkAreaHandle area);
bool BasSetWorkAreaMode(WorkAreaHandle area, int mode);
int BasGetWorkAreaState(WorkAreaHandle area);
bool BasSetWorkAreaState(WorkAreaHandle area, int state);
inline constexpr int kWorkAreaStateNoSave = 2;

// The path of the file the area was loaded from or last saved as; empty
// when none (or for an invalid handle).
std::string BasGetWorkAreaFileName(WorkAreaHandle area);
bool BasSetWorkAreaFileName(WorkAreaHandle area, const std::string& path);

int BasGetMapParams(WorkAreaHandle area, MapParams* params);
int BasSetMapParams(WorkAreaHandle area, const MapParams& params);

// What the file codec keeps of the file an area came from (bytes it does not
// interpret), handed back when it writes the area again.
bool BasSetWorkAreaFileState(WorkAreaHandle area, std::any state);
const std::any* BasGetWorkAreaFileState(WorkAreaHandle area);
// The same per entity: kept through updates, dropped on delete.
bool BasSetEntityFileBytes(WorkAreaHandle area, int entityType, int32_t id, std::vector<uint8_t> bytes);
const std::vector<uint8_t>* BasGetEntityFileBytes(WorkAreaHandle area, int entityType, int32_t id);

// ---- Layers ---------------------------------------------------------------------

// Layers are the 16-bit layer numbers of the parameters; all are on in a new
// area. Switching changes only display and selection, never the entities.
bool BasSetLayersOn(WorkAreaHandle area, int on);
bool BasSetLayerOn(WorkAreaHandle area, int layer, int on);
int BasIsLayerOn(WorkAreaHandle area, int layer);
// Bytes of the layer bit set: enough for the highest layer in use (at least 1).
int BasGetLayerByteCount(WorkAreaHandle area);
// Non-zero when a live entity of the area lies on the layer.
int BasIsLayerUsed(WorkAreaHandle area, int layer);

// ---- Display order -------------------------------------------------------------

// Live ids of an entity type in drawing order (first drawn first). New
// entities go to the end; deleted ones leave. Separate from ids: moving an
// entity in the order never changes its id.
std::vector<int32_t> BasGetDisplayOrder(WorkAreaHandle area, int entityType);
// The place of each id in that list (−1 for an id that is not live), without
// reading the whole order: an undo record of a few entities of a large area
// costs little.
std::vector<int64_t> BasGetOrderPlaces(WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids);
// A new order: a permutation of the live ids; false otherwise.
bool BasSetDisplayOrder(WorkAreaHandle area, int entityType, const std::vector<int32_t>& order);
bool BasBringToFront(WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids);
bool BasSendToBack(WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids);

// ---- Entity extents ----------------------------------------------------------------

// The rectangle of a point: the position for sub-graphs (grown by half the
// symbol size), the text's box for texts (character width × the text's width
// in character units and height, rotated), the circle or arc's square, the
// image's size.
int BasGetPointRect(WorkAreaHandle area, int32_t id, D_RECT* rect);
int BasGetLineRect(WorkAreaHandle area, int32_t id, D_RECT* rect);
int BasGetRegionRect(WorkAreaHandle area, int32_t id, D_RECT* rect);
// The ids of the live lines whose rectangle meets `rect` (edges included),
// ascending; 0 when the area holds no lines. Costs about the lines near the
// rectangle, not all of them.
int BasGetLinesMeetingRect(WorkAreaHandle area, const D_RECT& rect, std::vector<int32_t>* ids);
// The rectangle of all live entities; 0 when the area is empty.
int BasGetWorkAreaRect(WorkAreaHandle area, D_RECT* rect);
double BasGetLineLength(WorkAreaHandle area, int32_t id);  // −1 on failure
double BasRegionArea(WorkAreaHandle area, int32_t id);     // −1 on failure

// ---- Moving and scaling ----------------------------------------------------------

// The operation codes stored files and every caller use: move by (a, b),
// rotate about the origin by a degrees (counter-clockwise), scale about the
// origin by (a, b). Applied to every live point position and line vertex;
// point parameters are unchanged. 0 for an unknown code or area.
inline constexpr int kTransformMove = 1;
inline constexpr int kTransformRotate = 2;
inline constexpr int kTransformScale = 3;
int BasTransformWorkArea(WorkAreaHandle area, int operation, double a, double b);

// ---- File kinds ----------------------------------------------------------------------

// By the extension of the path, without regard to case: ".wl" 0, ".wt" 1,
// ".wp" 2, ".mpj" 9; −1 otherwise.
int BasGetFileKind(std::string_view path);
// The extension of a work-area type (".wl", ".wt", ".wp"), empty otherwise.
const char* WorkAreaExtension(int type);

}  // namespace zv
