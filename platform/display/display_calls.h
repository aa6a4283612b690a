#pragma once
// The display library's calls that the program makes by name, over the
// current system library (system_library.h). Counts are the highest number
// + 1, so loops run 1 .. count - 1.

#include <cstdint>

namespace zv::display {

int DspGetSubgraphCount();
int DspGetPatternCount();
int DspGetLineTypeCount();
// Sub-styles of a line type, numbered from 0.
int DspGetSubStyleCount(long lineType);
int DspGetColorCount();

// The nearest colour number of an RGB value.
int DspRgbToColorIndex(int red, int green, int blue);
// The RGB of a colour number as it draws (colour 0 as colour 1, see
// DrawnColour); unknown numbers are black.
void DspColorToRgb(long colour, int* red, int* green, int* blue);
// The CMYK of a colour number (0 .. 255), delivered as K, C, M, Y.
void DspColorToCmyk(long colour, int* k, int* c, int* m, int* y);

}  // namespace zv::display
