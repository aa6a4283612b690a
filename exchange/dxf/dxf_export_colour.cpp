#include "exchange/dxf/dxf_export_colour.h"

#include <unordered_map>

#include "exchange/dxf/dxf_colour.h"
#include "exchange/dxf/dxf_group_writer.h"
#include "platform/display/colour_table.h"
#include "platform/display/display_calls.h"

namespace zv::dxf {
namespace {

constexpr int32_t kTrueColour = 0x02000000;

// RGB -> the highest ACI entry of that RGB.
const std::unordered_map<uint32_t, int32_t>& AciOfRgb() {
  static const std::unordered_map<uint32_t, int32_t> table = [] {
    std::unordered_map<uint32_t, int32_t> t;
    for (int32_t aci = 0; aci < 256; ++aci) t[AciToRgb(aci)] = aci;
    return t;
  }();
  return table;
}

}  // namespace

int32_t MapGisColorToDxfColor(long colour) {
  int r = 0, g = 0, b = 0;
  display::DspColorToRgb(colour, &r, &g, &b);
  const uint32_t rgb = (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
  const auto found = AciOfRgb().find(rgb);
  return found != AciOfRgb().end() ? found->second : kTrueColour + static_cast<int32_t>(rgb);
}

void WriteColourGroups(DxfGroupWriter& out, long colour) {
  if (display::DrawnColour(colour) == 1) return;
  const int32_t dxf = MapGisColorToDxfColor(colour);
  if (dxf > 255) {
    out.Group(62, "1");
    out.Int(420, dxf);
  } else {
    out.Int(62, dxf);
  }
}

}  // namespace zv::dxf
