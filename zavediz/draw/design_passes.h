#pragma once
// The design boreholes and trenches of a straight section, read from the
// section data's tables: each borehole in the section (its hole along the
// apparent inclination, collar symbol, name, bottom tick and depth in
// metres) and in the plan strip; the outlines and names of the first ten
// trenches; and for every trench the ground cut open over it (the trench
// line and its two walls).
//
// A trench is drawn as far as it lies on the profile: the drawing tells the
// user of a trench cut short at the profile's end and of one wholly off it,
// which the section then lacks.
//
// A design record's base y is the plan strip's centre line once the
// section is cut: the boreholes' plan symbols sit on it and the trench
// outlines hang 2 mm under it.

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

// What follows the trench's name in the two texts.
inline constexpr const char* kTrenchOffProfileMessage = "不在勘探线范围之内，没有画入剖面！";
inline constexpr const char* kTrenchCutShortMessage = "超出勘探线范围，只画范围之内的部分！";

void DrawDesignBoreholes(ZavedizSheet& sheet);
void DrawDesignTrenches(ZavedizSheet& sheet);
void DrawTrenchProfiles(ZavedizSheet& sheet);

// The bottom of a hole of length `length` (section mm) from `collar`, with
// the hole's azimuth and inclination in degrees on a section line of
// direction `direction` (radians).
D_DOT BoreholeBottom(const D_DOT& collar, double length, double azimuth, double inclination, double direction);

}  // namespace zv::zavediz
