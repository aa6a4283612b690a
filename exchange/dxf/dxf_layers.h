#pragma once
// The layers of the TABLES section, and the numbering that groups the
// imported entities by DXF layer.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/dxf/dxf_colour.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

struct DxfLayer {
  std::string name;          // group 2, UTF-8
  std::string lineType;      // group 6
  DxfColour colour = DxfColour::Aci(1);  // group 62 or 420, whichever comes later
  bool off = false;          // group 62 negative
  int32_t weight = kDefaultWeight;  // group 370
};

// Reads one LAYER entry; entered with (0, "LAYER") current, returns with the
// group after the entry current.
DxfLayer ReadLayerEntry(DxfGroupReader& groups, const DxfTextDecoder& decoder);

class DxfLayerTable {
 public:
  void Clear();
  void Add(DxfLayer layer);

  // The last entry of that name, or null.
  const DxfLayer* Find(std::string_view name) const;
  // The colour and weight an entity on this layer takes (white ACI 1 and
  // weight 10 for a layer that is not in the table); the weight is 10 when
  // the layer's is negative.
  DxfColour ColourOf(std::string_view name) const;
  int32_t WeightOf(std::string_view name) const;
  // True when the first entry of that name is switched off.
  bool IsOff(std::string_view name) const;

  std::size_t size() const { return layers_.size(); }

 private:
  std::vector<DxfLayer> layers_;
  std::unordered_map<std::string, std::size_t> first_;
  std::unordered_map<std::string, std::size_t> last_;
};

// Layer numbers for the platform: the first name seen gets 0, each new name
// the next number. The list grows as needed and lives as long as the reader,
// so numbering goes on over the files of one folder.
class DxfLayerNumbers {
 public:
  int32_t Number(std::string_view name);
  const std::vector<std::string>& names() const { return names_; }

 private:
  std::vector<std::string> names_;
  std::unordered_map<std::string, int32_t> index_;
};

}  // namespace zv::dxf
