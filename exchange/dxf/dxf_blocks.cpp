#include "exchange/dxf/dxf_blocks.h"

#include <algorithm>
#include <cmath>

#include "exchange/dxf/dxf_arcs.h"
#include "exchange/dxf/dxf_cad_map.h"
#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_entities.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_layers.h"
#include "exchange/dxf/dxf_linear_readers.h"
#include "exchange/dxf/dxf_transform.h"

namespace zv::dxf {
namespace {

void Report(DxfExpansionState& state, std::string message) {
  if (std::find(state.messages.begin(), state.messages.end(), message) == state.messages.end())
    state.messages.push_back(std::move(message));
}

// Inside a block, entities take the reference's layer; the kinds whose name
// text is a line type take the block's name there.
struct AdoptReference {
  const DxfInsertRecord& reference;
  const std::string& blockName;

  void Adopt(DxfEntityHead& head, bool namesBlock) const {
    head.layer = reference.head.layer;
    if (namesBlock) head.nameText = blockName;
  }
  void operator()(DxfTextRecord& r) const { Adopt(r.head, false); }
  void operator()(DxfInsertRecord& r) const { Adopt(r.head, false); }
  void operator()(DxfHatchRecord& r) const { Adopt(r.head, false); }
  template <class Record>
  void operator()(Record& r) const {
    Adopt(r.head, true);
  }
};

// Roughly how many points writing the record makes, and a fixed cost of
// any entity, so that the budget bounds the work whatever the entities are.
struct RecordWeight {
  static constexpr int64_t kEntityCost = 16;
  static int64_t Span(double span, double turn, double step) {
    if (span < 0) span += turn;
    const double steps = span / step;
    return kEntityCost + 2 + (std::isfinite(steps) && steps > 0 ? static_cast<int64_t>(std::min(steps, 65536.0)) : 0);
  }
  int64_t operator()(const DxfPolylineRecord& r) const { return kEntityCost + static_cast<int64_t>(r.vertices.size()) * 8; }
  int64_t operator()(const DxfSplineRecord& r) const { return kEntityCost + static_cast<int64_t>(r.samples.size()); }
  int64_t operator()(const DxfCircleRecord& r) const {
    return r.isArc ? Span((r.endDegrees - r.startDegrees) * kDegree, kTwoPi, kArcStep) : kEntityCost + 64;
  }
  int64_t operator()(const DxfEllipseRecord& r) const { return Span(r.endParameter - r.startParameter, kTwoPi, kArcStep); }
  int64_t operator()(const DxfHatchRecord& r) const {
    int64_t points = kEntityCost;
    for (const auto& rings : r.regions)
      for (const DxfRing& ring : rings)
        for (const DxfRegionArc& arc : ring) points += static_cast<int64_t>(arc.vertices.size());
    return points;
  }
  template <class Record>
  int64_t operator()(const Record&) const {
    return kEntityCost;
  }
};

void WriteSubGraph(const DxfInsertRecord& record, int32_t subGraph, DxfDrawContext& context) {
  DxfPoint point;
  point.kind = DxfPointKind::SubGraph;
  point.position = {record.x, record.y};
  point.subGraph = subGraph;
  point.height = record.scaleY;
  point.width = record.scaleX;
  point.angle = record.rotationDegrees;
  point.rgb = EntityRgb(record.head, context);
  point.layerNumber = context.layerNumbers.Number(record.head.layer);
  context.sink.AppendPoint(point, {record.head.nameText, record.head.layer, record.z});
}

void ExpandBlock(const DxfInsertRecord& record, const std::vector<DxfBlockDefinition>& runs, DxfDrawContext& context) {
  DxfExpansionState& state = *context.expansion;
  const std::string& name = record.head.nameText;
  if (std::find(state.open.begin(), state.open.end(), name) != state.open.end()) {
    Report(state, "块“" + name + "”引用了它自己,这个引用没有展开。");
    return;
  }
  if (state.open.size() >= kMaxBlockNesting) {
    Report(state, "块引用嵌套太深,更深的块没有展开。");
    return;
  }
  const DxfColour colour = ResolveColour(record.head.colour, context.layers.ColourOf(record.head.layer),
                                         context.blockColour);
  const int32_t weight = ResolveWeight(record.head.weight, context.layers.WeightOf(record.head.layer),
                                       context.blockWeight);
  state.open.push_back(name);
  for (const DxfBlockDefinition& run : runs) {
    const DxfAffine placement =
        DxfAffine::Placement(run.base, record.scaleX, record.scaleY, record.rotationDegrees, {record.x, record.y});
    if (!placement.IsFinite()) continue;
    DxfTransformingSink placed(context.sink, placement);
    DxfDrawContext inner = WithSink(context, placed);
    inner.blockColour = colour;
    inner.blockWeight = weight;
    for (const DxfRecord& entity : run.entities) {
      if (state.budget <= 0) {
        Report(state, "块展开的图元太多,其余的块图元没有写入。");
        break;
      }
      state.budget -= std::visit(RecordWeight{}, entity);
      DxfRecord adopted = entity;
      std::visit(AdoptReference{record, name}, adopted);
      WriteRecord(adopted, inner);
    }
  }
  state.open.pop_back();
}

}  // namespace

DxfBlockDefinition& DxfBlocks::Define(const std::string& name, const D_DOT& base) {
  std::vector<DxfBlockDefinition>& runs = blocks_[name];
  runs.push_back({base, {}});
  return runs.back();
}

const std::vector<DxfBlockDefinition>* DxfBlocks::Find(const std::string& name) const {
  const auto it = blocks_.find(name);
  return it == blocks_.end() ? nullptr : &it->second;
}

DxfInsertRecord ReadInsert(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfInsertRecord record;
  record.head.typeName = groups.value();
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder, {.lineTypeName = false})) continue;
    const double v = GroupDouble(groups.value());
    switch (groups.code()) {
      case 2: record.head.nameText = decoder.Decode(groups.value()); break;
      case 10: record.x = v; break;
      case 20: record.y = v; break;
      case 30: record.z = v; break;
      case 41: record.scaleX = v; break;
      case 42: record.scaleY = v; break;
      case 44: record.columnSpacing = v; break;
      case 45: record.rowSpacing = v; break;
      case 50: record.rotationDegrees = v; break;
      case 70: record.columns = GroupInt(groups.value()); break;
      case 71: record.rows = GroupInt(groups.value()); break;
      default: break;
    }
  }
  return record;
}

void WriteInsert(const DxfInsertRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  InObjectCoordinates(record.head, context, [&](DxfDrawContext& c) {
    const int32_t subGraph = c.pointMap ? LookupCadSubgraph(*c.pointMap, record.head.nameText) : 0;
    const std::vector<DxfBlockDefinition>* runs =
        subGraph == 0 && c.blocks && c.expansion ? c.blocks->Find(record.head.nameText) : nullptr;
    if (subGraph == 0 && !runs) return;
    const double a = record.rotationDegrees * kDegree;
    const D_DOT column = {std::cos(a) * record.columnSpacing, std::sin(a) * record.columnSpacing};
    const D_DOT row = {-std::sin(a) * record.rowSpacing, std::cos(a) * record.rowSpacing};
    for (int32_t r = 0; r < std::max(record.rows, 1); ++r) {
      for (int32_t k = 0; k < std::max(record.columns, 1); ++k) {
        if (c.expansion && (r > 0 || k > 0)) {
          // Every copy counts against the expansion budget, so a grid of
          // 32767 × 32767 cannot run away.
          if (c.expansion->budget <= 0) {
            Report(*c.expansion, "块展开的图元太多,其余的块图元没有写入。");
            return;
          }
          c.expansion->budget -= RecordWeight::kEntityCost;
        }
        DxfInsertRecord copy = record;
        copy.x += k * column.x + r * row.x;
        copy.y += k * column.y + r * row.y;
        if (subGraph != 0) WriteSubGraph(copy, subGraph, c);
        else ExpandBlock(copy, *runs, c);
      }
    }
  });
}

}  // namespace zv::dxf
