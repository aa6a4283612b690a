#include "panels/sample_catalog.h"

#include "platform/display/display_calls.h"
#include "platform/display/system_library.h"

namespace zv::panels {
namespace {

std::vector<int32_t> HeldNumbers(const display::SingleLevelLibrary* library) {
  std::vector<int32_t> numbers;
  if (!library) return numbers;
  for (int32_t n = 1; n < library->Count(); ++n)
    if (library->Entry(n)) numbers.push_back(n);
  return numbers;
}

}  // namespace

std::vector<LineStyleNo> LineStyleSamples() {
  std::vector<LineStyleNo> styles;
  const int types = display::DspGetLineTypeCount();
  for (int t = 1; t < types; ++t)
    for (int s = 0; s < display::DspGetSubStyleCount(t); ++s) styles.push_back({t, s});
  return styles;
}

std::vector<int32_t> PatternSamples() { return HeldNumbers(display::CurrentLibrary().Patterns()); }

std::vector<int32_t> SubgraphSamples() { return HeldNumbers(display::CurrentLibrary().Subgraphs()); }

std::vector<int32_t> ColourSamples() {
  std::vector<int32_t> colours;
  for (int32_t c = 1; c < display::DspGetColorCount(); ++c) colours.push_back(c);
  return colours;
}

}  // namespace zv::panels
