#include "exchange/dxf/dxf_draw_context.h"

#include "exchange/dxf/dxf_cad_map.h"
#include "exchange/dxf/dxf_layers.h"

namespace zv::dxf {

uint32_t EntityRgb(const DxfEntityHead& head, const DxfDrawContext& context) {
  return ColourToRgb(ResolveColour(head.colour, context.layers.ColourOf(head.layer), context.blockColour));
}

double WeightWidth(const DxfEntityHead& head, const DxfDrawContext& context) {
  return ResolveWeight(head.weight, context.layers.WeightOf(head.layer), context.blockWeight) * 0.01;
}

DxfLineStyle LineStyleOf(const DxfEntityHead& head, DxfDrawContext& context, double penWidth, double cap) {
  DxfLineStyle style;
  style.lineType = LookupCadLineType(context.lineMap, head.nameText, head.layer, context.layers);
  style.rgb = EntityRgb(head, context);
  style.penWidth = static_cast<float>(penWidth > cap ? cap : penWidth > 0 ? penWidth : 0.0);
  style.curveFlag = 0;
  style.layerNumber = context.layerNumbers.Number(head.layer);
  return style;
}

}  // namespace zv::dxf

namespace zv::dxf {

DxfDrawContext WithSink(const DxfDrawContext& context, DxfImportSink& sink) {
  return DxfDrawContext{context.layers,    context.layerNumbers, context.lineMap,     sink,
                        context.pointMap,  context.blocks,       context.expansion,   context.blockColour,
                        context.blockWeight};
}

}  // namespace zv::dxf
