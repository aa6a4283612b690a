#pragma once
// The undo store of a view.
//
// Callers record what they change: PushList after appending entities
// (code 1), and PushSelGraphics before changing (code 2) or deleting
// (code 3) the selected ones; PushList with code 2 or 3 records entities by
// id the same way. Every push made while one command or one event runs
// (between BeginStep and EndStep, which nest; the view brackets each) forms
// one undo step; a push outside any bracket is a step of its own. Undo takes
// back the last step whole: appended entities are deleted, changed and
// deleted ones are put back exactly, at their ids, with their parameters,
// attributes and drawing position. There is no limit on ids or steps.
// PushStructure records an attribute structure with every live record
// before a command adds or changes fields; undo gives them back before the
// step's entities, byte for byte.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/view/entity_snapshot.h"

namespace zv {

class GisUndo {
 public:
  enum Code : int { kAppended = 1, kChanged = 2, kDeleted = 3 };

  // `ids` holds `count` ids of entity kind `kind` (0 line, 1 point, 2
  // region) of `area`. False for an unknown code, a null list or no id.
  bool PushList(WorkAreaHandle area, int kind, const int32_t* ids, int32_t count, int code);
  bool PushList(WorkAreaHandle area, int kind, const std::vector<int32_t>& ids, int code) {
    return PushList(area, kind, ids.data(), static_cast<int32_t>(ids.size()), code);
  }
  // Records the entries before they change (2) or are deleted (3); code 1
  // records them as appended. `flag` is accepted for the callers' sake.
  bool PushSelGraphics(const ENTITY_MSG* entries, int32_t count, int code, int flag = 1);

  // Records entities captured earlier (CaptureEntity), for a change whose
  // outcome was not known before it was made (an editor that writes only
  // when accepted).
  bool PushSnapshots(std::vector<EntitySnapshot> snapshots, int code = kChanged);

  // The structure of the area's entity type and the records of its live
  // entities, as they are now. False when the area has no such type.
  bool PushStructure(WorkAreaHandle area, int entityType);

  void BeginStep();
  void EndStep();

  bool IsEmpty() const { return steps_.empty() && open_.records.empty(); }
  int StepCount() const;
  // Takes back the last step; the entities it touched, or empty when there
  // was nothing to undo.
  std::vector<ENTITY_MSG> Undo();
  void Clear();

 private:
  struct StructureSnapshot {
    WorkAreaHandle area = 0;
    int entityType = 0;
    CATT_STRU structure;
    std::vector<std::pair<int32_t, AttributeRecord>> records;
  };
  struct Record {
    int code = kAppended;
    std::optional<StructureSnapshot> structure;
    std::vector<ENTITY_MSG> appended;
    std::vector<EntitySnapshot> snapshots;
  };
  struct Step {
    std::vector<Record> records;
  };

  void Add(Record record);
  void CloseStep();

  std::vector<Step> steps_;
  Step open_;
  int depth_ = 0;
};

}  // namespace zv
