#pragma once
// Fitting texts into the cells and bands of a section sheet, the azimuth
// texts of its ends, and two small helpers of the passes.

#include <cstdint>
#include <string>

#include "platform/data/work_area.h"

namespace zv::zavediz {

// Fits a text of `n` characters and `w` character cells into the width
// `available`: the size s (height when `byHeight`, else width) and spacing
// p of `params` become, when the text does not fit even without spacing
// (w·s > A), size A / w and spacing 0; otherwise the spacing that fills A
// exactly, (A − w·s) / (n − 1). A text of fewer than two characters gets
// spacing 0 (and is shrunk only when it does not fit).
void FitTextToWidth(PNT_INFO& params, int16_t n, double w, double available, bool byHeight);

// The same for a text measured by the platform's text measures.
void FitMeasuredText(PNT_INFO& params, const std::string& text, double available, bool byHeight);

// The spacing that spreads `n` characters of `size` over [y0, y1]; when they
// do not fit, `size` shrinks by 0.05 at a time until the spacing
// (L − size·n) / n is no longer negative. 0 for fewer than two characters.
double FitCaptionSpacing(double n, float& size, double y0, double y1);

// Moves both ends 1.0 towards each other.
void ShortenSegment(D_DOT& a, D_DOT& b);

// The azimuth text of a section end for the line's direction (radians):
// 90° − direction on the right end (`rightEnd`), 270° − direction on the
// left, brought into [0°, 360°), as whole degrees, minutes and seconds, each
// truncated ("240°0′0″").
std::string FormatAzimuth(double radians, bool rightEnd);

// "a/b": the two numbers before and after the slash (read as atof does);
// false, outputs untouched, without a slash.
bool ParseSlashPair(const std::string& text, double& first, double& second);

}  // namespace zv::zavediz
