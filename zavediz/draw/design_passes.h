#pragma once
// The design boreholes and trenches of a straight section, read from the
// section data's tables: each borehole in the section (its hole along the
// apparent inclination, collar symbol, name, bottom tick and depth in
// metres) and in the plan strip; the outlines and names of the first ten
// trenches; and for every trench the ground cut open over it (the trench
// line and its two walls).
//
// A design record's base y is the plan strip's centre line once the
// section is cut: the boreholes' plan symbols sit on it and the trench
// outlines hang 2 mm under it.

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

void DrawDesignBoreholes(ZavedizSheet& sheet);
void DrawDesignTrenches(ZavedizSheet& sheet);
void DrawTrenchProfiles(ZavedizSheet& sheet);

// The bottom of a hole of length `length` (section mm) from `collar`, with
// the hole's azimuth and inclination in degrees on a section line of
// direction `direction` (radians).
D_DOT BoreholeBottom(const D_DOT& collar, double length, double azimuth, double inclination, double direction);

}  // namespace zv::zavediz
