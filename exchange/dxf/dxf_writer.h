#pragma once
// The DXF export: the open project written as one AC1018 drawing in the GBK
// code page, beside the project file with the extension ".dxf". The writer
// copies a template drawing group by group and splices in its own LAYER
// table (one layer per project file, in file order), BLOCK_RECORD table,
// BLOCKS section (one block per sub-graph number a point uses, from the
// sub-graph library) and ENTITIES section (lines as LWPOLYLINE; notes and
// text blocks as MTEXT; sub-graphs as INSERT; circles and arcs; regions as
// solid HATCH). The elevation field "高程" of an entity gives its Z.
//
// The drawing is written to a temporary file and renamed over the target at
// the end: a failure at any stage leaves the target as it was and says which
// file failed. A writer serves one export.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "exchange/dxf/dxf_group_writer.h"
#include "exchange/dxf/dxf_handles.h"
#include "platform/data/work_area.h"

namespace zv {
struct MapProject;
namespace display {
class SingleLevelLibrary;
}
}  // namespace zv

namespace zv::dxf {

class DxfTemplate;

inline constexpr char kDxfTemplateFile[] = "dxf2004.dxf";

struct DxfExportResult {
  bool written = false;
  std::string target;                 // the drawing's path (empty before it is known)
  std::vector<std::string> messages;  // for the user, in order; the last names the written file
};

struct LayerRecord {
  std::string name;     // UTF-8
  std::string encoded;  // as the drawing holds it
  WorkAreaHandle area = 0;
};

class CDxfWriter {
 public:
  // Blocks come from `subgraphs` (the current system library's by default;
  // null: no library, every used number gets an empty block).
  CDxfWriter();
  explicit CDxfWriter(const display::SingleLevelLibrary* subgraphs);
  virtual ~CDxfWriter();

  DxfExportResult ExportDxf(const std::string& templatePath, const MapProject& project);

  // The sub-graph numbers the points use, ascending (after ExportDxf).
  const std::vector<int32_t>& usedSubgraphs() const { return used_; }

 private:
  struct Records;

  bool CollectLayers(const MapProject& project);
  void CollectUsedSubgraphs();
  void WriteTables(DxfGroupWriter& out);
  void WriteBlockRecords(DxfGroupWriter& out, Records& records);
  void WriteBlocks(DxfGroupWriter& out, const Records& records);
  void WriteBlockBody(DxfGroupWriter& out, int32_t subgraph, const std::string& owner);
  void WriteEntities(DxfGroupWriter& out, DxfHandles& handles) const;
  bool Splice(DxfTemplate& source, DxfGroupWriter& head, const std::string& templatePath);

  const display::SingleLevelLibrary* subgraphs_ = nullptr;
  std::vector<LayerRecord> layers_;
  std::vector<int32_t> used_;
  DxfHandles handles_;
  std::string modelSpace_;  // the written *Model_Space record, owner of every entity
  DxfExportResult result_;
};

}  // namespace zv::dxf
