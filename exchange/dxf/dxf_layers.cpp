#include "exchange/dxf/dxf_layers.h"

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_group_reader.h"

namespace zv::dxf {

DxfLayer ReadLayerEntry(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfLayer layer;
  while (groups.Next() && groups.code() != 0) {
    switch (groups.code()) {
      case 2: layer.name = decoder.Decode(groups.value()); break;
      case 6: layer.lineType = decoder.Decode(groups.value()); break;
      case 62: {
        // The sign says whether the layer is on; the colour is the number's size.
        const int32_t aci = GroupInt(groups.value());
        layer.off = aci < 0;
        const int32_t size = aci < 0 ? -aci : aci;
        if (size >= 1 && size <= 255) layer.colour = DxfColour::Aci(size);
        break;
      }
      case 420: layer.colour = DxfColour::Rgb(GroupInt(groups.value())); break;
      case 370: layer.weight = GroupInt(groups.value()); break;
      default: break;
    }
  }
  return layer;
}

void DxfLayerTable::Clear() {
  layers_.clear();
  first_.clear();
  last_.clear();
}

void DxfLayerTable::Add(DxfLayer layer) {
  const std::size_t index = layers_.size();
  first_.try_emplace(layer.name, index);
  last_[layer.name] = index;
  layers_.push_back(std::move(layer));
}

const DxfLayer* DxfLayerTable::Find(std::string_view name) const {
  const auto it = last_.find(std::string(name));
  return it == last_.end() ? nullptr : &layers_[it->second];
}

DxfColour DxfLayerTable::ColourOf(std::string_view name) const {
  const DxfLayer* layer = Find(name);
  return layer ? layer->colour : DxfColour::Aci(1);
}

int32_t DxfLayerTable::WeightOf(std::string_view name) const {
  const DxfLayer* layer = Find(name);
  return layer && layer->weight >= 0 ? layer->weight : kDefaultWeight;
}

bool DxfLayerTable::IsOff(std::string_view name) const {
  const auto it = first_.find(std::string(name));
  return it != first_.end() && layers_[it->second].off;
}

int32_t DxfLayerNumbers::Number(std::string_view name) {
  const auto [it, added] = index_.try_emplace(std::string(name), static_cast<int32_t>(names_.size()));
  if (added) names_.emplace_back(name);
  return it->second;
}

}  // namespace zv::dxf
