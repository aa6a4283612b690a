// DXF files come from anywhere: any bytes must read to the end without a
// crash, a hang or unbounded memory, and everything handed on must be sane.
// Mapped block names are tried as well. The same bytes also go through the
// text-code converters and the mapping file parser.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "exchange/dxf/dxf_cad_map.h"
#include "exchange/dxf/dxf_import_sink.h"
#include "exchange/dxf/dxf_reader.h"
#include "exchange/dxf/dxf_text_codes.h"
#include "framework/text/encoding.h"

namespace {

class CheckingSink : public zv::dxf::DxfImportSink {
 public:
  void BeginImport() override {}
  void AppendLine(std::span<const D_DOT> vertices, const zv::dxf::DxfLineStyle& style,
                  const zv::dxf::DxfEntityAttributes& attributes) override {
    if (vertices.size() < 2) __builtin_trap();
    CheckText(attributes);
    if (!(style.penWidth >= 0 && std::isfinite(style.penWidth))) __builtin_trap();
    CheckVertices(vertices);
  }
  void AppendPoint(const zv::dxf::DxfPoint& point, const zv::dxf::DxfEntityAttributes& attributes) override {
    CheckText(attributes);
    if (!zv::text::IsValidUtf8(point.text)) __builtin_trap();
    for (const double v : {point.position.x, point.position.y, point.angle, point.height, point.width})
      if (!std::isfinite(v)) __builtin_trap();
  }
  void AppendRegion(std::span<const zv::dxf::DxfRing> rings, const zv::dxf::DxfRegionStyle&,
                    const zv::dxf::DxfEntityAttributes& attributes) override {
    CheckText(attributes);
    if (rings.empty()) __builtin_trap();
    for (const zv::dxf::DxfRing& ring : rings)
      for (const zv::dxf::DxfRegionArc& arc : ring) CheckVertices(arc.vertices);
  }

 private:
  static void CheckText(const zv::dxf::DxfEntityAttributes& attributes) {
    if (!zv::text::IsValidUtf8(attributes.layerName) || !zv::text::IsValidUtf8(attributes.nameText)) __builtin_trap();
  }
  static void CheckVertices(std::span<const D_DOT> vertices) {
    if (vertices.empty()) __builtin_trap();
    for (const D_DOT& p : vertices)
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) __builtin_trap();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckingSink sink;
  zv::dxf::DxfReader reader{zv::dxf::CadMap{}, zv::dxf::CadMap::Parse("B 12\nMAPPED 7\n")};
  reader.setExpansionBudget(1'000'000);
  reader.ReadBytes(bytes, sink, static_cast<int>(size % 5));
  const std::string text = zv::text::ToValidUtf8(bytes);
  if (!zv::text::IsValidUtf8(zv::dxf::ConvertMTextCodes(text, 2.5))) __builtin_trap();
  if (!zv::text::IsValidUtf8(zv::dxf::ConvertTextSpecials(text))) __builtin_trap();
  zv::dxf::CadMap::Parse(text).Lookup("CONTINUOUS", 1);
  return 0;
}
