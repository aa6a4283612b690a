#pragma once
// What every entity writer needs besides its record: the layers, the layer
// numbering, the mapping files, the sink, the blocks of the file, and inside
// a block the reference that places it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exchange/dxf/dxf_colour.h"
#include "exchange/dxf/dxf_entity_records.h"
#include "exchange/dxf/dxf_import_sink.h"

namespace zv::dxf {

class CadMap;
class DxfBlocks;
class DxfLayerNumbers;
class DxfLayerTable;

// The state of the block references being expanded, shared by all levels.
struct DxfExpansionState {
  std::vector<std::string> open;        // the blocks being expanded, outermost first
  int64_t budget = 0;                   // entities the expansions may still write
  std::vector<std::string> messages;    // for the user, each once
};

struct DxfDrawContext {
  const DxfLayerTable& layers;
  DxfLayerNumbers& layerNumbers;
  const CadMap& lineMap;
  DxfImportSink& sink;
  const CadMap* pointMap = nullptr;
  const DxfBlocks* blocks = nullptr;
  DxfExpansionState* expansion = nullptr;
  // Inside a block: the colour and weight BYBLOCK entities take.
  std::optional<DxfColour> blockColour{};
  std::optional<int32_t> blockWeight{};
};

// Pen widths of lines are capped here (millimetres).
inline constexpr double kMaxPenWidth = 10.0;

// The entity's colour as RGB, its layer's or the reference's as the colour
// rules say.
uint32_t EntityRgb(const DxfEntityHead& head, const DxfDrawContext& context);
// The entity's line weight in millimetres.
double WeightWidth(const DxfEntityHead& head, const DxfDrawContext& context);
// The line parameters of an entity: its line type from "cad_map.lin", its
// colour, the pen width given (negative widths give 0, widths above `cap`
// the cap) and its layer number.
DxfLineStyle LineStyleOf(const DxfEntityHead& head, DxfDrawContext& context, double penWidth,
                         double cap = kMaxPenWidth);

}  // namespace zv::dxf

namespace zv::dxf {

// The same context writing into another sink.
DxfDrawContext WithSink(const DxfDrawContext& context, DxfImportSink& sink);

// Runs `write` with the context of an entity in object coordinates: when its
// extrusion points down, everything it writes is mirrored in x.
template <class Write>
void InObjectCoordinates(const DxfEntityHead& head, DxfDrawContext& context, Write write);

}  // namespace zv::dxf

#include "exchange/dxf/dxf_transform.h"

namespace zv::dxf {

template <class Write>
void InObjectCoordinates(const DxfEntityHead& head, DxfDrawContext& context, Write write) {
  if (!head.mirrored) {
    write(context);
    return;
  }
  DxfTransformingSink mirror(context.sink, DxfAffine::MirrorX());
  DxfDrawContext mirrored = WithSink(context, mirror);
  write(mirrored);
}

}  // namespace zv::dxf
