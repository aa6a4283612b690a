#pragma once
// The hatch pattern dialog's preview: the chosen pattern hatched over a fixed
// sample outline into the preview view's point, line and region work areas.
// Lines are drawn with line type 1 in the pattern colour at width 0.05 and
// factors 10, whatever width the dialog holds; the outline itself becomes a
// region in the fill colour. Only the single angle is previewed.

#include <string>
#include <vector>

#include "panels/core/hatch_engine.h"
#include "panels/core/hatch_sources.h"
#include "panels/core/preview_areas.h"

namespace zv::panels {

// (-6, 4), (6, 4), (6, -4), (-6, -4), (-6, 4).
const std::vector<D_DOT>& SampleOutline();

struct PreviewRequest {
  PatternSource source = PatternSource::kHatchFile;
  std::string file;       // empty: nothing is chosen, the preview stays empty
  std::string header;     // hatch-pattern files: the pattern's header line
  int position = -1;      // libraries: the list position (pattern position + 1)
  double angle = 0.0;
  int patternColor = 1;
  int fillColor = 9;
  double scaleX = 5.0;
  double scaleY = 5.0;
};

// Empties the three areas, then draws. What could not be read or drawn is in
// the outcome's notes (a file that cannot be read names the file and why).
HatchOutcome PreviewHatchPattern(const PreviewRequest& request, const PreviewAreas& areas);

}  // namespace zv::panels
