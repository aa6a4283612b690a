#include "platform/display/text_measure.h"

#include "framework/text/encoding.h"
#include "platform/display/text_layout.h"

namespace zv::display {
namespace {

// The text laid out in unit cells with no spacing: its extent is its
// length in cells.
TextLayout UnitLayout(std::string_view utf8, bool vertical) {
  TextStyle unit;
  unit.height = 1.0;
  unit.width = 1.0;
  unit.spacing = 0.0;
  unit.vertical = vertical;
  return LayoutText(utf8, unit);
}

}  // namespace

double DspTextLength(std::string_view utf8, std::uint32_t, int direction, TextCodes codes) {
  const bool vertical = direction == kAlongY;
  if (codes == TextCodes::kAsWritten)
    return vertical ? static_cast<double>(DspTextCharCount(utf8, codes)) : zv::text::WidthInCharUnits(utf8);
  const TextLayout layout = UnitLayout(utf8, vertical);
  return vertical ? layout.height : layout.width;
}

int DspTextCharCount(std::string_view utf8, TextCodes codes) {
  if (codes == TextCodes::kAsWritten) return static_cast<int>(zv::text::CharacterCount(utf8));
  return UnitLayout(utf8, false).characterCount;
}

double DspStringWidth(std::string_view utf8, TextCodes codes) { return DspTextLength(utf8, 0, kAlongX, codes); }

}  // namespace zv::display
