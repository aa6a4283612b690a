#pragma once
// The passes that draw what was measured along the section: the terrain
// polyline, survey stations and their plan strip, the map-grid ticks with
// their labels and grid lines, and the elevation lines under the ground.

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

void DrawTerrainPolyline(ZavedizSheet& sheet);
void DrawSurveyStations(ZavedizSheet& sheet);
void DrawSurveyProfile(ZavedizSheet& sheet);
void DrawGridTicks(ZavedizSheet& sheet);
void DrawElevationLines(ZavedizSheet& sheet);

// Moves each end before `low` or after `high` along the segment's line to
// that bound (a vertical segment only moves across).
void ClipToRange(D_DOT& a, D_DOT& b, double low, double high);

}  // namespace zv::zavediz
