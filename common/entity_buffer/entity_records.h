#pragma once
// Entity records: one point, line or region of a work area as a
// self-contained little-endian byte record, the unit of the entity buffer
// files (super-copy buffers, title-block files, chart-header files) and of
// the legend item files. Two forms share the fields:
//
// Buffer form:
//   point:  id i32, text length i16, x f64, y f64, text (GBK, no NUL), PNT_INFO (94)
//   line:   id i32, vertex count n i32, n × (x f64, y f64), LIN_INFO (67)
//   region: id i32, arc count k i32, k × i32 arc list, one line record for
//           each non-zero entry from index 1 on (its arc, in list order),
//           REG_INFO (63)
// Legend form: no id, and a point's text comes before its position:
//   point:  text length i16, text, x f64, y f64, PNT_INFO
//   line:   vertex count n i32, n × (x f64, y f64), LIN_INFO
//   region: arc count k i32, k × i32 arc list, the arcs' line records, REG_INFO
// (the id of a legend-form record reads as 0).
//
// A writer writes a whole record or nothing, and says which: a record whose
// entity cannot be read (deleted, missing, an invalid work area) leaves no
// bytes, so the container can count what was really written. A region's arcs
// that cannot be read are left out of the arc list written, so every entry
// still has its line record.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/work_area.h"

namespace zv {

enum class RecordForm { Buffer, Legend };

struct PointRecord {
  int32_t id = 0;
  D_DOT position{};
  std::string text;  // UTF-8
  PNT_INFO info;
};

struct LineRecord {
  int32_t id = 0;
  std::vector<D_DOT> vertices;
  LIN_INFO info;
};

struct RegionRecord {
  int32_t id = 0;
  std::vector<int32_t> arcs;       // as written, entry 0 included
  std::vector<LineRecord> arcLines;  // one per non-zero entry from index 1 on
  REG_INFO info;
};

// Append one record to `out`; true when a record was written. Texts longer
// than 32767 bytes in GBK are cut at a character boundary.
bool WritePointRecord(WorkAreaHandle area, int32_t id, std::ostream& out);
bool WriteLineRecord(WorkAreaHandle area, int32_t id, std::ostream& out);
bool WriteRegionRecord(WorkAreaHandle area, int32_t id, std::ostream& out);

// The same records built in memory (for writers whose content is not in a
// work area).
std::string EncodePointRecord(const PointRecord& record, RecordForm form = RecordForm::Buffer);
std::string EncodeLineRecord(const LineRecord& record, RecordForm form = RecordForm::Buffer);
std::string EncodeRegionRecord(const RegionRecord& record, RecordForm form = RecordForm::Buffer);

// One entity of a work area as a record; false when it cannot be read. A
// region's arcs that cannot be read are left out of its list with `Drop`;
// with `Refuse` such a region is not read at all.
enum class MissingArcs { Drop, Refuse };
bool LoadPointRecord(WorkAreaHandle area, int32_t id, PointRecord* record);
bool LoadLineRecord(WorkAreaHandle area, int32_t id, LineRecord* record);
bool LoadRegionRecord(WorkAreaHandle area, int32_t id, RegionRecord* record, MissingArcs missing);

// Reads records from a byte buffer. Each reader takes the bytes of one whole
// record from `bytes` at `*offset`, moves `*offset` past it and returns
// true; on a short or malformed record it returns false and leaves `*offset`.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes, RecordForm form = RecordForm::Buffer) : bytes_(bytes), form_(form) {}
  // The reader keeps a view: a temporary string would die under it.
  explicit RecordReader(std::string&&, RecordForm = RecordForm::Buffer) = delete;

  bool ReadPoint(PointRecord* record);
  bool ReadLine(LineRecord* record);
  bool ReadRegion(RegionRecord* record);
  bool ReadInt32(int32_t* value);
  bool ReadDouble(double* value);
  bool ReadInt16(int16_t* value);

  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return bytes_.size() - offset_; }

 private:
  bool Take(std::size_t n, const char** at);
  bool ReadId(int32_t* id);
  bool ReadPointText(int16_t length, std::string* text);

  std::string_view bytes_;
  RecordForm form_;
  std::size_t offset_ = 0;
};

// Append a read record to a work area, its positions moved by (dx, dy). A
// region appends its arc lines first and refers to them by their new ids.
// The new id, 0 on failure.
int32_t AppendPointRecord(WorkAreaHandle area, const PointRecord& record, double dx = 0, double dy = 0);
int32_t AppendLineRecord(WorkAreaHandle area, const LineRecord& record, double dx = 0, double dy = 0);
int32_t AppendRegionRecord(WorkAreaHandle area, const RegionRecord& record, double dx = 0, double dy = 0);

}  // namespace zv
