#pragma once
// The ground line and the overburden band of a straight section: the
// overburden base in runs between named profile points (trench ends,
// boundary points, stations), and between the trenches the ground line
// with, when the section has an overburden, one filled region per span.

#include <vector>

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

void DrawOverburdenBase(ZavedizSheet& sheet);
void DrawTrenchSections(ZavedizSheet& sheet);
// The ground line between distances a and b and its overburden region.
void DrawOverburdenSpan(ZavedizSheet& sheet, double a, double b);

// Appends to `arcs` every overburden arc of the sheet lying between the
// distances a and b (to 0.001), in the order they were drawn.
void AppendOverburdenArcsWithin(const ZavedizSheet& sheet, double a, double b, std::vector<int32_t>& arcs);

// The design trenches in use that lie on the profile, each cut to its
// stretch there (start before end), by ascending start distance (equal
// starts keep their slot order).
std::vector<DesignTrenchRec> SortTrenches(const SectionData& data);

}  // namespace zv::zavediz
