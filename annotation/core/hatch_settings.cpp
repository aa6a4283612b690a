#include "annotation/core/hatch_settings.h"

namespace zv::annot {

LIN_INFO PatternLineInfo(const HatchSettings& s) {
  LIN_INFO info;
  info.setStyle(1);
  info.setColour(s.patternColor);
  info.setWidth(s.lineWidth);
  info.setXScale(10.0f);
  info.setYScale(10.0f);
  return info;
}

}  // namespace zv::annot
