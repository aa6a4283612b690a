#include "zavediz/plan/plan_section.h"

#include <cmath>

#include "platform/data/geometry.h"
#include "zavediz/plan/plan_messages.h"
#include "zavediz/plan/section_crossings.h"
#include "zavediz/plan/section_geometry.h"
#include "zavediz/plan/terrain_profile.h"

namespace zv::zavediz {
namespace {

constexpr double kShortestLine = 10.0;  // plan units
constexpr int kMostFieldsOffered = 20;

}  // namespace

void BeginSectionLine(PlanSection& plan, SectionData& data) {
  ResetZavedizData(data, false);
  plan.crossings.RemoveAll();
  plan.geologyRead = false;
}

std::vector<std::string> NumericFieldNames(WorkAreaHandle lineArea, int* preselected) {
  std::vector<std::string> names;
  *preselected = 0;
  CATT_STRU structure;
  if (!BasReadAttributeStructure(lineArea, kLineEntity, &structure)) return names;
  for (const CFIELD_HEAD& field : structure.fields) {
    if (field.type != kFieldLong && field.type != kFieldFloat && field.type != kFieldDouble) continue;
    if (static_cast<int>(names.size()) == kMostFieldsOffered) break;
    names.push_back(field.name);
  }
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].starts_with("高")) {
      *preselected = static_cast<int>(i);
      break;
    }
  }
  return names;
}

StoreOutcome StoreTerrainData(PlanSection& plan, SectionData& data, WorkAreaHandle lineArea,
                              const ElevationFieldChooser& chooseField) {
  if (std::fabs(BasPointDistance(plan.start, plan.end)) < kShortestLine) return {false, kLineTooShortMessage};
  int32_t live = 0, bound = 0;
  BasGetLineCount(lineArea, &live, &bound);
  if (live == 0) return {false, kNoContoursMessage};

  const SectionPath path(plan.vertices);
  std::vector<Crossing> crossings;
  std::vector<D_DOT> contour;
  for (int32_t id = 1; id < bound; ++id) {
    if (BasReadLine(lineArea, id, &contour, nullptr) <= 0) continue;
    FindContourCrossings(path, id, contour, crossings);
  }
  if (crossings.empty()) return {false, kNothingCrossedMessage};
  SortCrossings(crossings);
  FillCrossingList(path, crossings, plan.crossings);

  int preselected = 0;
  const std::vector<std::string> names = NumericFieldNames(lineArea, &preselected);
  if (names.empty()) return {false, kNoElevationFieldMessage};
  const std::optional<std::string> field = chooseField(names, preselected);
  if (!field || field->empty()) return {};

  const ContourElevation elevationOf = [&](int32_t id) -> std::optional<double> {
    AttributeRecord record;
    double value = 0.0;
    if (!BasReadAttribute(lineArea, kLineEntity, id, &record) || !BasGetFieldDouble(record, *field, &value))
      return std::nullopt;
    return value;
  };
  if (!BuildTerrainProfile(plan.crossings, plan.start, plan.end, data.planScale, data.sectionScale, elevationOf,
                           data.terrain))
    return {false, kTooFewProfilePointsMessage};

  data.groundStart = GroundPoint(plan.start, data.planScale);
  data.groundEnd = GroundPoint(plan.end, data.planScale);
  StoreZavedizGeometry(data);
  plan.overlayStart = D_DOT{data.groundStart.x * 1000.0 / data.planScale, data.groundStart.y * 1000.0 / data.planScale};
  plan.overlayEnd = D_DOT{data.groundEnd.x * 1000.0 / data.planScale, data.groundEnd.y * 1000.0 / data.planScale};
  plan.overlayShown = true;
  return {true, kTerrainStoredMessage};
}

}  // namespace zv::zavediz
