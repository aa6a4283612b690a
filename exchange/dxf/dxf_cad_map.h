#pragma once
// The mapping files of the "zavediz" data folder: "cad_map.lin" maps DXF
// line-type names (or layer names) to platform line-type numbers,
// "cad_map.pnt" DXF block names to platform sub-graph numbers. Plain text,
// a name without blanks and a decimal number per pair; UTF-8 or GBK.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zv::dxf {

class DxfLayerTable;

class CadMap {
 public:
  CadMap() = default;
  // Reads the pairs of a mapping file; a missing file gives an empty map.
  static CadMap Load(const std::string& path);
  // Reads the pairs of a file's text (already decoded).
  static CadMap Parse(std::string_view text);

  // The number of the first pair with that name, or `missing`.
  int32_t Lookup(std::string_view name, int32_t missing) const;

 private:
  std::unordered_map<std::string, int32_t> numbers_;
};

// The platform line type of an entity: its own line-type name looked up, or,
// when it has none and its layer is in the layer table, the layer's name;
// 1 (plain solid) when nothing matches.
int16_t LookupCadLineType(const CadMap& lineMap, std::string_view lineType, std::string_view layer,
                          const DxfLayerTable& layers);

// The platform sub-graph number of a block; 0 when nothing matches.
int32_t LookupCadSubgraph(const CadMap& pointMap, std::string_view blockName);

}  // namespace zv::dxf
