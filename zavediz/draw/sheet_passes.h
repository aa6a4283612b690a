#pragma once
// The passes that draw the sheet around a section: end posts and base
// line, plan-strip borders, the double frame, the title block, the legend
// column, the sheet title with the scale, the plan-strip caption and end
// labels, and the elevation labels at both ends. Each reads the section
// data and writes through the sheet's writer; the profile is not empty.

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

void DrawZavedizEnds(ZavedizSheet& sheet);
void DrawPlanStripBorders(ZavedizSheet& sheet);
// The plan strip's borders, caption box and right end, without the line.
void DrawPlanStripOutline(ZavedizSheet& sheet);
void DrawZavedizFrame(ZavedizSheet& sheet);
void DrawTitleBlock(ZavedizSheet& sheet);
void DrawZavedizLegend(ZavedizSheet& sheet);
void DrawPlanStrip(ZavedizSheet& sheet);
// Left end (`left`) or right end.
void DrawElevationLabels(ZavedizSheet& sheet, bool left);

// The title's size for the band width w = (xe + 130 − xs) × 0.15.
double TitleSize(double w);

}  // namespace zv::zavediz
