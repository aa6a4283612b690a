#pragma once
// The two containers of entity records.
//
// Entity buffer (super-copy buffers "BufferPnt.sec", "BufferLin.sec",
// "BufferReg.sec" and title-block files): base x f64, base y f64, record
// count i32, then that many records of one kind. A reader adds (target point
// − base point) to every position and vertex.
//
// Chart header ("ZKTablerHead.sec" and *.sch): header value f64, point count
// i32, point records, line count i32, line records.
//
// Writing goes to a temporary file renamed over the target, so a failed
// write leaves the old file. Each count is written first and patched
// afterwards to the number of records actually written, so an entity whose
// read fails no longer leaves a count larger than the records. Reading
// accepts files written before that was so: a count larger than the records
// present gives the records there are, with a warning.

#include <cstdint>
#include <string>
#include <vector>

#include "common/entity_buffer/entity_records.h"

namespace zv {

enum class EntityBufferKind { Points, Lines, Regions };

struct EntityBuffer {
  D_DOT base{};
  EntityBufferKind kind = EntityBufferKind::Points;
  std::vector<PointRecord> points;
  std::vector<LineRecord> lines;
  std::vector<RegionRecord> regions;
};

struct ChartHeaderBuffer {
  double header = 0;
  std::vector<PointRecord> points;
  std::vector<LineRecord> lines;
};

// Writes the entities `ids` of `area` (of the kind's entity type) as an
// entity buffer. The number of records written, −1 when the file cannot be
// written (`error` says why).
int32_t WriteEntityBufferFile(const std::string& path, const D_DOT& base, EntityBufferKind kind, WorkAreaHandle area,
                              const std::vector<int32_t>& ids, std::string* error = nullptr);

// Reads an entity buffer of the given kind. False when the file cannot be
// read or its head is short (`error`); a count larger than the records, a
// negative count, or a broken record, stops the reading at the last whole
// record and sets `warning`.
bool ReadEntityBufferFile(const std::string& path, EntityBufferKind kind, EntityBuffer* buffer,
                          std::string* error = nullptr, std::string* warning = nullptr);

// Writes a chart header from the points and lines of two work areas. The
// number of records written, −1 on failure.
int32_t WriteChartHeaderFile(const std::string& path, double header, WorkAreaHandle pointArea,
                             const std::vector<int32_t>& pointIds, WorkAreaHandle lineArea,
                             const std::vector<int32_t>& lineIds, std::string* error = nullptr);

// A chart header: false (`error`) when the height or the point count is cut
// short, or the height is no finite number; records cut short, a negative
// count, or a line count cut short keep what was read before and set
// `warning`; a file ending right after its points has no lines and reads
// without a warning.
bool ReadChartHeaderFile(const std::string& path, ChartHeaderBuffer* buffer, std::string* error = nullptr,
                         std::string* warning = nullptr);

// Appends a whole buffer to a work area with its base point moved onto
// `target`; the new ids in order. Regions need a region work area, points a
// point area, lines a line or region area.
std::vector<int32_t> PasteEntityBuffer(const EntityBuffer& buffer, WorkAreaHandle area, const D_DOT& target);

}  // namespace zv
