#pragma once
// Blocks: the entities of the BLOCKS section kept by block name, and the
// INSERT entities that place them. A reference to a block that "cad_map.pnt"
// maps to a sub-graph becomes one sub-graph point; any other reference writes
// the block's entities placed by it: base point to the origin, scaled,
// turned, moved to the insertion point. References inside blocks compose
// with the reference that places their block.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/dxf/dxf_draw_context.h"

namespace zv::dxf {

class DxfGroupReader;
class DxfTextDecoder;

// One BLOCK ... ENDBLK run of the file.
struct DxfBlockDefinition {
  D_DOT base{};
  std::vector<DxfRecord> entities;
};

class DxfBlocks {
 public:
  void Clear() { blocks_.clear(); }
  // A new run for the name; a name that repeats adds a run to the same name.
  DxfBlockDefinition& Define(const std::string& name, const D_DOT& base);
  // The runs of the name (exact, case-sensitive), or null.
  const std::vector<DxfBlockDefinition>* Find(const std::string& name) const;
  bool empty() const { return blocks_.empty(); }

 private:
  std::unordered_map<std::string, std::vector<DxfBlockDefinition>> blocks_;
};

// Block references nest this deep at most.
inline constexpr std::size_t kMaxBlockNesting = 64;
// Points (roughly) the expansions of one file may write at most.
inline constexpr int64_t kExpansionBudget = 100'000'000;

DxfInsertRecord ReadInsert(DxfGroupReader& groups, const DxfTextDecoder& decoder);

// Nothing is written on a switched-off layer, nor for a block that is
// neither mapped nor defined. A block that references itself, directly or
// through others, is expanded up to that reference, which is left out and
// reported in the context's expansion state.
void WriteInsert(const DxfInsertRecord& record, DxfDrawContext& context);

}  // namespace zv::dxf
