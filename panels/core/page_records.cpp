#include "panels/core/page_records.h"

#include "framework/text/numbers.h"

namespace zv::panels {

int16_t PickMode(int16_t drawValue, int16_t opType) {
  return opType == 0 ? drawValue : static_cast<int16_t>(-drawValue);
}

LineStyleNo ParseLineStyle(const std::string& text) {
  const std::size_t hyphen = text.find('-');
  if (hyphen == std::string::npos) return {num::ParseInt(text), 0};
  return {num::ParseInt(std::string_view(text).substr(0, hyphen)),
          num::ParseInt(std::string_view(text).substr(hyphen + 1))};
}

std::string FormatLineStyle(int type, int subStyle) { return num::Format("%d-%d", type, subStyle); }

void FillLineRecord(const LineValues& v, LIN_INFO& r) {
  const LineStyleNo style = ParseLineStyle(v.styleNo);
  r.setStyle(static_cast<int16_t>(style.type));
  r.setAuxStyle(static_cast<uint8_t>(style.subStyle));
  r.setColour(static_cast<int32_t>(v.colour));
  r.setWidth(v.width);
  r.setXScale(v.x);
  r.setYScale(v.y);
  r.setLayer(v.layer);
}

void FillRegionRecord(const RegionValues& v, REG_INFO& r) {
  r.setFillColour(static_cast<int32_t>(v.fillColour));
  r.setPattern(static_cast<int16_t>(v.pattern & 0xFFFF));
  r.setPatternHeight(v.height);
  r.setPatternWidth(v.width);
  r.setPatternColour(static_cast<int32_t>(v.patternColour));
  r.setLayer(v.layer);
}

void FillSubgraphRecord(const SubgraphValues& v, PNT_INFO& r) {
  r.setSymbolNumber(static_cast<int32_t>(v.number));
  r.setSymbolHeight(v.height);
  r.setSymbolWidth(v.width);
  r.setAngle(v.angle);
  r.setColour(static_cast<int32_t>(v.colour));
  r.setLayer(v.layer);
}

int CmykPercent(int value) { return static_cast<int>((value / 255.0 + 0.005) * 100); }

}  // namespace zv::panels
