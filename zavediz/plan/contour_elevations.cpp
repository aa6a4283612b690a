#include "zavediz/plan/contour_elevations.h"

#include <cmath>
#include <optional>

#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/section_crossings.h"

namespace zv::zavediz {
namespace {

constexpr double kNoElevation = 0.0001;

struct DrawnCrossings {
  std::vector<int32_t> ids;  // in the order the drawn line meets them
  bool crossedTwice = false;
};

DrawnCrossings CrossingsAlong(WorkAreaHandle lines, const D_DOT& start, const D_DOT& end) {
  const SectionPath path({start, end});
  int32_t live = 0, bound = 0;
  BasGetLineCount(lines, &live, &bound);
  std::vector<Crossing> crossings;
  std::vector<D_DOT> vertices;
  DrawnCrossings result;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadLine(lines, id, &vertices, nullptr) <= 0) continue;
    const size_t before = crossings.size();
    FindContourCrossings(path, id, vertices, crossings);
    if (crossings.size() - before > 1) result.crossedTwice = true;
  }
  SortCrossings(crossings);
  for (const Crossing& c : crossings) result.ids.push_back(c.lineId);
  return result;
}

bool SetLineColour(WorkAreaHandle lines, int32_t id, int32_t colour) {
  LIN_INFO info;
  return BasReadLineParam(lines, id, &info) && (info.setColour(colour), BasWriteLineParam(lines, id, info));
}

// Remembers a line's colour before it is marked. A line remembered before
// that shows another colour than the mark now was given its own since (a
// restore, an undo, the user): that one is remembered instead.
void SaveColour(WorkAreaHandle lines, int32_t id, SavedColours& saved) {
  LIN_INFO info;
  if (!BasReadLineParam(lines, id, &info)) return;
  if (!saved.contains(id) || info.colour() != kAssignedColour) saved[id] = info.colour();
}

bool ShowsMark(WorkAreaHandle lines, int32_t id) {
  LIN_INFO info;
  return BasReadLineParam(lines, id, &info) && info.colour() == kAssignedColour;
}

std::optional<double> NumericElevation(const AttributeRecord& record) {
  const int index = BasFindField(*record.structure, kElevationField);
  if (index < 0) return std::nullopt;
  const uint8_t type = record.structure->fields[static_cast<size_t>(index)].type;
  double value = 0.0;
  if ((type != kFieldLong && type != kFieldFloat && type != kFieldDouble) ||
      !BasGetFieldDoubleByIndex(record, index, &value))
    return std::nullopt;
  return value;
}

}  // namespace

bool AddElevationField(WorkAreaHandle lines) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(lines, kLineEntity, &structure)) return false;
  if (BasFindField(structure, kElevationField) >= 0) return true;
  CFIELD_HEAD field;
  field.name = kElevationField;
  field.type = kFieldDouble;
  field.length = 8;
  return BasInsertField(lines, kLineEntity, field) >= 0;
}

bool PrepareElevationField(WorkAreaHandle lines) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(lines, kLineEntity, &structure)) return false;
  const int index = BasFindField(structure, kElevationField);
  if (index < 0) return false;
  CFIELD_HEAD& field = structure.fields[static_cast<size_t>(index)];
  if (field.type == kFieldDouble) return true;
  field.type = kFieldDouble;
  field.length = 8;
  LayOutStructure(structure);
  return BasSetAttributeStructure(lines, kLineEntity, structure) != 0;
}

double FirstCrossedElevation(WorkAreaHandle lines, const D_DOT& start, const D_DOT& end) {
  const DrawnCrossings crossed = CrossingsAlong(lines, start, end);
  if (crossed.crossedTwice || crossed.ids.empty()) return 0.0;
  AttributeRecord record;
  if (!BasReadAttribute(lines, kLineEntity, crossed.ids.front(), &record)) return 0.0;
  return NumericElevation(record).value_or(0.0);
}

std::string AssignContourElevations(WorkAreaHandle lines, const D_DOT& start, const D_DOT& end,
                                    const ElevationRange& range, SavedColours& saved,
                                    const BeforeChange& beforeChange) {
  const DrawnCrossings crossed = CrossingsAlong(lines, start, end);
  if (crossed.crossedTwice) return kCrossedTwiceMessage;
  if (crossed.ids.empty()) return kNoLinesCrossedMessage;
  if (beforeChange) beforeChange(crossed.ids);
  const double step = range.Increasing() ? range.increment : -range.increment;
  double value = range.start;
  for (int32_t id : crossed.ids) {
    AttributeRecord record;
    if (!BasReadAttribute(lines, kLineEntity, id, &record)) continue;
    BasSetFieldByName(record, kElevationField, value);
    BasWriteAttribute(lines, kLineEntity, id, record);
    value += step;
    SaveColour(lines, id, saved);
    SetLineColour(lines, id, kAssignedColour);
  }
  return {};
}

void MarkAssignedContours(WorkAreaHandle lines, bool show, SavedColours& saved, const BeforeChange& beforeChange) {
  std::vector<int32_t> ids;
  if (show) {
    int32_t live = 0, bound = 0;
    BasGetLineCount(lines, &live, &bound);
    for (int32_t id = 1; id < bound; ++id) {
      AttributeRecord record;
      if (!BasReadAttribute(lines, kLineEntity, id, &record)) continue;
      const std::optional<double> value = NumericElevation(record);
      if (value && std::fabs(*value) > kNoElevation) ids.push_back(id);
    }
  } else {
    for (const auto& [id, colour] : saved)
      if (colour != kAssignedColour && ShowsMark(lines, id)) ids.push_back(id);
  }
  if (ids.empty()) return;
  if (beforeChange) beforeChange(ids);
  for (int32_t id : ids) {
    if (show) {
      SaveColour(lines, id, saved);
      SetLineColour(lines, id, kAssignedColour);
    } else {
      SetLineColour(lines, id, saved[id]);
    }
  }
}

}  // namespace zv::zavediz
