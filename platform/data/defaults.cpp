// The current default graphic parameters: one record per point kind, one for
// lines and one for regions, shared by every work area of the program.
#include <array>

#include "platform/data/work_area.h"

namespace zv {
namespace {

constexpr int kPointKinds = 6;

struct Defaults {
  std::array<PNT_INFO, kPointKinds> points;
  LIN_INFO line;
  REG_INFO region;
};

PNT_INFO TextDefault(uint8_t kind) {
  PNT_INFO info;
  info.setKind(kind);
  info.setCharHeight(3.0f);
  info.setCharWidth(3.0f);
  info.setChineseFont(1);
  info.setColour(1);
  return info;
}

Defaults BuiltIn() {
  Defaults d;
  d.points[0] = TextDefault(0);
  PNT_INFO& symbol = d.points[1];
  symbol.setKind(1);
  symbol.setSymbolNumber(1);
  symbol.setSymbolHeight(3.0f);
  symbol.setSymbolWidth(3.0f);
  symbol.setColour(1);
  PNT_INFO& circle = d.points[2];
  circle.setKind(2);
  circle.setRadius(1.0);
  circle.Set(pnt::kCircleOutlineColour, int32_t{1});
  circle.Set(pnt::kCirclePenWidth, 0.1f);
  circle.setColour(1);
  PNT_INFO& arc = d.points[3];
  arc.setKind(3);
  arc.setRadius(1.0);
  arc.Set(pnt::kArcEndAngle, 90.0f);
  arc.Set(pnt::kArcPenWidth, 0.1f);
  arc.setColour(1);
  PNT_INFO& image = d.points[4];
  image.setKind(4);
  image.Set(pnt::kImageWidth, 10.0);
  image.Set(pnt::kImageHeight, 10.0);
  d.points[5] = TextDefault(5);
  d.points[5].Set(pnt::kLineSpacing, 1.0f);
  d.points[5].Set(pnt::kBoxWidth, 100.0f);
  d.points[5].Set(pnt::kBoxHeight, 30.0f);
  d.line.setStyle(1);
  d.line.setColour(1);
  d.line.setWidth(0.1f);
  d.line.setXScale(10.0f);
  d.line.setYScale(10.0f);
  d.region.setFillColour(5);
  d.region.setPatternHeight(5.0f);
  d.region.setPatternWidth(5.0f);
  return d;
}

Defaults& Current() {
  static Defaults defaults = BuiltIn();
  return defaults;
}

}  // namespace

PNT_INFO* BasGetDefaultPointParam(int kind) {
  return &Current().points[static_cast<std::size_t>(kind >= 0 && kind < kPointKinds ? kind : 0)];
}

LIN_INFO* BasGetDefaultLineParam(int) { return &Current().line; }
REG_INFO* BasGetDefaultRegionParam(int) { return &Current().region; }

void BasGetDefaultPointParam(PNT_INFO* out, int kind) {
  if (out) *out = *BasGetDefaultPointParam(kind);
}

bool BasSetDefaultPointParam(const PNT_INFO& info) {
  if (info.kind() >= kPointKinds) return false;
  Current().points[info.kind()] = info;
  return true;
}

void BasSetDefaultLineParam(const LIN_INFO& info) { Current().line = info; }
void BasSetDefaultRegionParam(const REG_INFO& info) { Current().region = info; }
void BasResetDefaultParams() { Current() = BuiltIn(); }

}  // namespace zv
