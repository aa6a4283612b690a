#pragma once
// What the three range maps share: texts, lines and regions with the map
// parameters, angle labels and the date and applicant block.
#include <string>
#include <vector>

#include "geodesy/block/range_maps.h"

namespace zv::block::parts {

void Text(WorkAreaHandle points, double x, double y, const std::string& text, double size = 3.0);
int32_t Line(WorkAreaHandle lines, const std::vector<D_DOT>& vertices, double width);
void Rectangle(WorkAreaHandle lines, double x0, double y0, double x1, double y1, double width);
// Whole degrees and minutes of an angle in seconds: "116°30′" (degrees only
// or minutes only with the flags).
std::string AngleLabel(double seconds, bool degrees = true, bool minutes = true);
// Each ring as a closed line of width 0.2 into `lines` and as an arc into
// `regions`, and one region of all the arcs. Corners map to (sx·(λ″ − x0),
// sx·(φ″ − y0)), each with its number written at it.
void BlockRings(const MapAreas& map, const std::vector<Ring>& rings, double scale, double x0, double y0,
                double textSize, const REG_INFO& fill);
// The block count and area texts and the applicant and seal texts of maps
// (二) and (三).
void ApplicationTexts(WorkAreaHandle points);
// Year, month and day at three places of one line.
void Date3(WorkAreaHandle points, Date today, double x1, double x2, double x3, double y);

}  // namespace zv::block::parts
