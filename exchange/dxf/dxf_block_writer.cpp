#include "exchange/dxf/dxf_block_writer.h"

#include <cmath>
#include <string_view>
#include <vector>

#include "exchange/dxf/dxf_entity_writer.h"
#include "exchange/dxf/dxf_export_colour.h"
#include "exchange/dxf/dxf_group_writer.h"
#include "exchange/dxf/dxf_handles.h"
#include "platform/display/symbol_entry.h"

namespace zv::dxf {
namespace {

using display::LibPart;
using display::SymbolElement;

constexpr double kLineWidthUnit = 0.05;

// The part's coordinates as consecutive values f0, f1, ...
std::vector<double> Coordinates(const LibPart& part) {
  std::vector<double> f;
  f.reserve(part.size() * 2);
  for (const display::LibPoint& p : part) {
    f.push_back(p.x);
    f.push_back(p.y);
  }
  return f;
}

struct ElementHead {
  DxfGroupWriter& out;
  DxfHandles& handles;
  const std::string& owner;

  void Write(std::string_view entity, long colour) const {
    out.Groups({{0, entity}, {5, handles.Next(kBlockEntityPrefix)}, {330, owner}, {100, "AcDbEntity"}, {8, "0"}});
    if (colour == 0) {
      out.Group(62, "0");
    } else {
      WriteColourGroups(out, colour);
    }
  }
};

void WriteHatchPart(const ElementHead& head, const SymbolElement& element, const LibPart& part) {
  if (part.empty()) return;
  std::vector<D_DOT> loop;
  for (const display::LibPoint& p : part) loop.push_back({p.x, p.y});
  head.Write("HATCH", element.colourA);
  WriteSolidHatchBody(head.out, std::nullopt, {loop});
}

void WritePolylinePart(const ElementHead& head, const SymbolElement& element, const LibPart& part) {
  if (part.empty()) return;
  head.Write("LWPOLYLINE", element.colourB);
  DxfGroupWriter& out = head.out;
  out.Group(100, "AcDbPolyline");
  out.Int(90, static_cast<long>(part.size()));
  out.Group(70, "0");
  out.Number(43, element.lineWidth * kLineWidthUnit);
  out.Group(38, "0.0");
  for (const display::LibPoint& p : part) {
    out.Number(10, p.x);
    out.Number(20, p.y);
  }
}

// The groups of a CIRCLE or an ARC up to the radius.
void WriteCircleHead(const ElementHead& head, std::string_view entity, const SymbolElement& element, double cx,
                     double cy, double radius) {
  head.Write(entity, element.colourB);
  DxfGroupWriter& out = head.out;
  out.Group(100, "AcDbCircle");
  out.Number(10, cx);
  out.Number(20, cy);
  out.Group(30, "0");
  out.Number(40, radius);
}

void WriteArcPart(const ElementHead& head, const SymbolElement& element, const std::vector<double>& f) {
  if (f.size() < 5) return;
  WriteCircleHead(head, "ARC", element, f[0], f[1], f[2]);
  DxfGroupWriter& out = head.out;
  out.Group(100, "AcDbArc");
  out.Number(50, f[3]);
  out.Number(51, f[4]);
}

void WriteDiscPart(const ElementHead& head, const SymbolElement& element, const std::vector<double>& f) {
  if (f.size() < 3) return;
  head.Write("LWPOLYLINE", element.colourB);
  DxfGroupWriter& out = head.out;
  out.Group(100, "AcDbPolyline");
  out.Group(90, "2");
  out.Group(70, "1");
  out.Number(43, (f[2] - f[0]) * 0.25);
  out.Number(10, f[0] - f[2] * 0.5);
  out.Number(20, f[1]);
  out.Group(42, "1.0");
  out.Number(10, f[0] + f[2] * 0.5);
  out.Number(20, f[1]);
  out.Group(42, "1.0");
}

void WriteCirclePart(const ElementHead& head, const SymbolElement& element, const std::vector<double>& f) {
  if (f.size() < 3) return;
  WriteCircleHead(head, "CIRCLE", element, f[0], f[1], std::fabs(f[2]));
}

}  // namespace

void WriteSubgraphElements(DxfGroupWriter& out, DxfHandles& handles, const std::string& owner,
                           const display::SymbolEntry& entry) {
  const ElementHead head{out, handles, owner};
  for (const SymbolElement& element : entry.elements) {
    for (const LibPart& part : element.parts) {
      switch (element.kind) {
        case 0:
        case 1: WriteHatchPart(head, element, part); break;
        case 2: WritePolylinePart(head, element, part); break;
        case 3: WriteArcPart(head, element, Coordinates(part)); break;
        case 4:
        case 5: WriteDiscPart(head, element, Coordinates(part)); break;
        case 6: WriteCirclePart(head, element, Coordinates(part)); break;
        default: break;
      }
    }
  }
}

}  // namespace zv::dxf
