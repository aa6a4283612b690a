#include "platform/display/text_measure.h"

#include "framework/text/encoding.h"

namespace zv::display {

double DspTextLength(std::string_view utf8, std::uint32_t, int direction) {
  return direction == kAlongY ? static_cast<double>(DspTextCharCount(utf8)) : zv::text::WidthInCharUnits(utf8);
}

int DspTextCharCount(std::string_view utf8) { return static_cast<int>(zv::text::CharacterCount(utf8)); }

double DspStringWidth(std::string_view utf8) { return DspTextLength(utf8, 0, kAlongX); }

}  // namespace zv::display
