#pragma once
// Small DXF texts written group by group, and a sink that keeps what the
// reader hands it.

#include <string>
#include <utility>
#include <vector>

#include "exchange/dxf/dxf_import_sink.h"
#include "exchange/dxf/dxf_reader.h"

namespace zv::dxf::test {

using Group = std::pair<int, std::string>;

// A committed fixture of tests/data/dxf.
std::string FixturePath(const std::string& name);

// The groups as DXF text with the given line end.
std::string GroupsText(const std::vector<Group>& groups, const std::string& lineEnd = "\n");

// A file with a LAYER table (entries as given) and an ENTITIES section.
std::string DxfFile(const std::vector<Group>& layerEntries, const std::vector<Group>& entities,
                    const std::vector<Group>& header = {});

// The same with a BLOCKS section (BLOCK ... ENDBLK groups as given) between
// the tables and the entities.
std::string DxfFileWithBlocks(const std::vector<Group>& layerEntries, const std::vector<Group>& blocks,
                              const std::vector<Group>& entities);

struct RecordedLine {
  std::vector<D_DOT> vertices;
  DxfLineStyle style;
  DxfEntityAttributes attributes;
};

struct RecordedPoint {
  DxfPoint point;
  DxfEntityAttributes attributes;
};

struct RecordedRegion {
  std::vector<DxfRing> rings;
  DxfRegionStyle style;
  DxfEntityAttributes attributes;
};

class RecordingSink : public DxfImportSink {
 public:
  void BeginImport() override { ++begun; }
  void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                  const DxfEntityAttributes& attributes) override {
    lines.push_back({{vertices.begin(), vertices.end()}, style, attributes});
  }
  void AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) override {
    points.push_back({point, attributes});
  }
  void AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                    const DxfEntityAttributes& attributes) override {
    regions.push_back({{rings.begin(), rings.end()}, style, attributes});
  }
  int begun = 0;
  std::vector<RecordedLine> lines;
  std::vector<RecordedPoint> points;
  std::vector<RecordedRegion> regions;
};

struct ReadOutcome {
  RecordingSink sink;
  DxfReadResult result;
};

// Reads the DXF text with no line-type map and the given sub-graph map.
ReadOutcome ReadDxf(const std::string& dxf, const std::string& pointMap = "", int64_t expansionBudget = kExpansionBudget);

}  // namespace zv::dxf::test
