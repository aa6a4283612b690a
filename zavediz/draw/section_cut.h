#pragma once
// The cut that completes a section before it is drawn: the bottom line of
// the section, the two coordinate ticks on it, and the trench ends merged
// into the terrain profile. Units: section mm for the section data's
// section points, ground metres for the ground points (section_data.h).

#include <cstdint>
#include <string>

#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

inline constexpr const char* kNoSectionLineMessage = "缺少剖面线数据，请先在地形图上画勘探线。";
inline constexpr const char* kNoSurveyProfileMessage = "缺少剖面线数据，请先在读取测量数据。";
inline constexpr const char* kSheetTooLargeMessage = "剖面图长或高超过1000米，无法绘制，请检查比例尺和剖面线！";

// The longest and the highest section sheet drawn, mm of paper. The drawing
// puts a grid tick every 100 mm along the section and an elevation line
// every 100 mm down to the bottom: a scale typed wrong (1:10 for a plan at
// 1:10⁹) or a line ending far off the map would otherwise ask for hundreds
// of millions of entities.
inline constexpr double kLargestSheet = 1'000'000.0;

// The drawing requests the cut asks for (the section request's operation).
enum ZavedizOperation : int {
  kDrawStraight = 2,
  kDrawProjected = 3,
  kDrawFolded = 4,
  kDrawSurvey = 10,
};

// What a cut did: the operation to request, or 0 with the message to show.
struct CutOutcome {
  int operation = 0;
  std::string message;
};

// Cuts the section of `data`. `lineVertices` is the vertex count of the
// section line on the plan; `ichnography` the plan-strip width, mm. An empty
// profile, or one whose sheet would be longer or higher than kLargestSheet
// (profile top to bottom line), refuses, changing nothing. The trench ends
// that lie on the profile are merged again on every cut: those of an
// earlier cut are taken out first.
CutOutcome CutZavediz(SectionData& data, int lineVertices, double ichnography);

// The cut of a section read from survey data (operation 10): the same
// refusals, bottom line and ticks, nothing merged. The ticks are placed once: a
// second cut of the same line keeps them and only moves them to the bottom.
CutOutcome CutSurveyZavediz(SectionData& data, double ichnography);

// The bottom line and the ticks both cuts place; the bottom y, mm.
double PlaceBottomLine(SectionData& data, double ichnography);

// The section's bottom y, mm: from the header's lowest elevation when set,
// else from the profile's lowest point or the lowest design borehole bottom
// below it, then lowered by half the plan strip. The profile is not empty.
double ZavedizBottomY(const SectionData& data, double ichnography);

// Places the X tick (the first grid line x = const the line meets, in its
// direction of travel) and the Y tick (the same for y = const), grid step
// S div 10 metres. A line along a family's grid lines gets that family's
// tick at its start when it lies on one of them, else none (`meetsGrid`).
void PlaceGridTicks(SectionData& data);

}  // namespace zv::zavediz
