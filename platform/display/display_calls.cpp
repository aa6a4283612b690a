#include "platform/display/display_calls.h"

#include "platform/display/system_library.h"

namespace zv::display {

int DspGetSubgraphCount() { return CurrentLibrary().SubgraphCount(); }
int DspGetPatternCount() { return CurrentLibrary().PatternCount(); }
int DspGetLineTypeCount() { return CurrentLibrary().LineTypeCount(); }
int DspGetSubStyleCount(long lineType) { return CurrentLibrary().SubStyleCount(lineType); }
int DspGetColorCount() { return CurrentLibrary().ColourCount(); }

int DspRgbToColorIndex(int red, int green, int blue) {
  return CurrentLibrary().Colours().Nearest({red, green, blue});
}

void DspColorToRgb(long colour, int* red, int* green, int* blue) {
  const Rgb rgb = CurrentLibrary().Colours().ToRgb(DrawnColour(colour));
  if (red) *red = rgb.r;
  if (green) *green = rgb.g;
  if (blue) *blue = rgb.b;
}

void DspColorToCmyk(long colour, int* k, int* c, int* m, int* y) {
  const Kcmy v = CurrentLibrary().Colours().ToKcmy(colour);
  if (k) *k = v.k;
  if (c) *c = v.c;
  if (m) *m = v.m;
  if (y) *y = v.y;
}

}  // namespace zv::display
