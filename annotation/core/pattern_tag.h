#pragma once
// The tag of pattern entities: the long attribute field "花纹" holding the
// id of the entity a pattern fills (its plain id; the work area is not
// recorded). A fill tags what it draws; deletion finds a pattern by it.
//
// TaggingSink appends what a hatch engine makes to work areas, as
// panels::WorkAreaHatchSink does, and writes the tag into every point, line
// and region it appends (not into a region's arcs).

#include <cstdint>

#include "panels/core/hatch_engine.h"
#include "platform/data/attributes.h"
#include "platform/data/work_area.h"

namespace zv::annot {

inline constexpr char kPatternTagName[] = "花纹";

// The field header: long (3), length 8, edit flag 2, at the end.
CFIELD_HEAD PatternTag();

// Gives the entity type of the area the field unless it has one of that
// name already; false when the area refuses it.
bool EnsurePatternTag(WorkAreaHandle area, int entityType);

// The tag of an entity: 0 when it has no record, no such field, or 0 in it.
int32_t ReadPatternTag(WorkAreaHandle area, int entityType, int32_t id);

bool WritePatternTag(WorkAreaHandle area, int entityType, int32_t id, int32_t tag);

class TaggingSink : public panels::WorkAreaHatchSink {
 public:
  TaggingSink(WorkAreaHandle points, WorkAreaHandle lines, WorkAreaHandle regions, int32_t tag)
      : WorkAreaHatchSink(points, lines, regions), points_(points), lines_(lines), regions_(regions), tag_(tag) {}
  void Line(const std::vector<D_DOT>& vertices, const LIN_INFO& info) override;
  void Region(const std::vector<D_DOT>& arc, const LIN_INFO& arcInfo, const REG_INFO& info) override;
  void Point(const D_DOT& position, const PNT_INFO& info) override;

 private:
  void TagLast(WorkAreaHandle area, int entityType, int32_t boundBefore);
  WorkAreaHandle points_, lines_, regions_;
  int32_t tag_;
};

}  // namespace zv::annot
