#pragma once
// Reads one DXF file (text form, any release that keeps the section layout)
// and hands its entities, one by one in file order, to an import sink. The
// TABLES section gives the layers, the BLOCKS section the blocks that INSERT
// entities place, the ENTITIES section the entities; the HEADER gives the
// code page. A pass restricts the entity kinds read, so that
// a file too large for one run can be read in four.
//
// A reader lives for one command: the layer numbering (and the mapping files)
// carry over the files it reads.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/dxf/dxf_blocks.h"
#include "exchange/dxf/dxf_cad_map.h"
#include "exchange/dxf/dxf_layers.h"

namespace zv::dxf {

class DxfImportSink;
class DxfProgress;

// Pass 0 reads every kind; passes 1 to 4 one group of kinds each:
// 1 POINT, CIRCLE, ELLIPSE, ARC, INSERT; 2 LINE, LWPOLYLINE, POLYLINE,
// SPLINE; 3 TEXT, ATTRIB, MTEXT; 4 HATCH, SOLID.
inline constexpr int kAllPasses = 0;
inline constexpr int kPassCount = 4;
bool PassAdmits(int pass, std::string_view entityName);

struct DxfReadResult {
  // The file opened and is a text DXF file; the sink's BeginImport was called.
  bool imported = false;
  // What the user is told, in order (empty when all went well).
  std::vector<std::string> messages;
  // Entities handed to the sink.
  int64_t entities = 0;
};

class DxfReader {
 public:
  // Mapping files "cad_map.lin" and "cad_map.pnt" from the data folder.
  DxfReader();
  // Given mapping tables (tests).
  DxfReader(CadMap lineMap, CadMap pointMap);

  DxfReadResult ReadFile(const std::string& path, DxfImportSink& sink, int pass = kAllPasses,
                         DxfProgress* progress = nullptr);
  DxfReadResult ReadBytes(std::string_view bytes, DxfImportSink& sink, int pass = kAllPasses,
                          DxfProgress* progress = nullptr);

  // Roughly how many points the block references of one file may write
  // (kExpansionBudget unless set); what lies beyond is left out with a message.
  void setExpansionBudget(int64_t points) { expansionBudget_ = points; }

  const DxfLayerNumbers& layerNumbers() const { return layerNumbers_; }
  // The layer table of the file read last.
  const DxfLayerTable& layers() const { return layers_; }

 private:
  CadMap lineMap_;
  CadMap pointMap_;
  DxfLayerNumbers layerNumbers_;
  DxfLayerTable layers_;
  int64_t expansionBudget_ = kExpansionBudget;
};

// The message for a file that cannot be opened.
std::string CannotOpenMessage(const std::string& path);

}  // namespace zv::dxf
