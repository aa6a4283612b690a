#include "zavediz/draw/zavediz_drawing.h"

#include <span>

#include "zavediz/draw/design_passes.h"
#include "zavediz/draw/grid_passes.h"
#include "zavediz/draw/overburden_passes.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/sheet_passes.h"
#include "zavediz/draw/strata_pass.h"

namespace zv::zavediz {
namespace {

using Pass = void (*)(ZavedizSheet&);

void LeftLabels(ZavedizSheet& sheet) { DrawElevationLabels(sheet, true); }
void RightLabels(ZavedizSheet& sheet) { DrawElevationLabels(sheet, false); }

constexpr Pass kStraight[] = {DrawZavedizEnds,     DrawPlanStripBorders, DrawZavedizFrame,   DrawTitleBlock,
                              DrawGridTicks,       DrawElevationLines,   DrawDesignBoreholes, DrawDesignTrenches,
                              DrawTrenchProfiles,  DrawZavedizLegend,    DrawPlanStrip,      LeftLabels,
                              RightLabels,         DrawOverburdenBase,   DrawTrenchSections, DrawStrata};
constexpr Pass kProjected[] = {DrawTerrainPolyline, DrawZavedizEnds,   DrawZavedizFrame, DrawTitleBlock,
                               DrawElevationLines,  DrawZavedizLegend, DrawPlanStrip,    LeftLabels,
                               RightLabels};
constexpr Pass kFolded[] = {DrawTerrainPolyline, DrawZavedizEnds,    DrawPlanStripBorders, DrawZavedizFrame,
                            DrawTitleBlock,      DrawGridTicks,      DrawElevationLines,   DrawZavedizLegend,
                            DrawPlanStrip,       LeftLabels,         RightLabels};
constexpr Pass kSurvey[] = {DrawSurveyStations, DrawSurveyProfile, DrawZavedizEnds,    DrawZavedizFrame,
                            DrawTitleBlock,     DrawGridTicks,     DrawElevationLines, DrawZavedizLegend,
                            DrawPlanStrip,      LeftLabels,        RightLabels};

// Each operation's passes; the first of 3, 4 and 10 is part of its data check.
struct Sequence {
  int operation;
  bool polyline;
  std::span<const Pass> passes;
};
constexpr Sequence kSequences[] = {
    {kDrawStraight, false, kStraight},
    {kDrawProjected, true, kProjected},
    {kDrawFolded, true, kFolded},
    {kDrawSurvey, true, kSurvey},
};

const Sequence* SequenceOf(int operation) {
  for (const Sequence& s : kSequences) {
    if (s.operation == operation) return &s;
  }
  return nullptr;
}

bool DataUsable(const SectionData& data) {
  return data.headerSet && !data.terrain.IsEmpty() && data.sectionScale >= 10;
}

}  // namespace

ZavedizSheet::ZavedizSheet(const SectionData& data, ZavedizAreas areas, SheetOptions options, Tell tell)
    : data(data),
      out(areas),
      options(options),
      tell(std::move(tell)),
      start(data.sectionStart),
      end(data.sectionEnd),
      h(options.ichnography * 0.5),
      d(VerticalProjection() ? 50.0 : 0.0),
      lineParams(*BasGetDefaultLineParam()),
      textParams(*BasGetDefaultPointParam(0)) {}

bool IsDrawingOperation(int operation) { return SequenceOf(operation) != nullptr; }

bool DrawZavedizSheet(int operation, const SectionData& data, ZavedizAreas areas, const SheetOptions& options,
                      const Tell& tell) {
  const Sequence* sequence = SequenceOf(operation);
  if (sequence == nullptr) return false;
  if (!DataUsable(data)) {
    tell(kNoBaseDataMessage);
    return false;
  }
  ZavedizSheet sheet(data, areas, options, tell);
  sheet.polyline = sequence->polyline;
  for (Pass pass : sequence->passes) pass(sheet);
  return true;
}

}  // namespace zv::zavediz
