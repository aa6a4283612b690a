#pragma once
// The symbol files of the system library, read whole into memory and decoded
// once. Numbers run 1 .. Count() - 1; the count is the highest number + 1 and
// stands in slot 0 of the index (32 bits). A number without an entry (offset
// 0) draws nothing; an entry that cannot be decoded is listed in Problems()
// and draws as a plain mark. An entry is decoded once per offset, however
// many numbers point at it.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/display/symbol_entry.h"

namespace zv::display {

// Sub-graphs (record size 4) and fill patterns (record size 6).
class SingleLevelLibrary {
 public:
  // nullopt and a reason when the index itself cannot be read.
  static std::optional<SingleLevelLibrary> Parse(std::string_view file, int recordSize, std::string* error);

  int Count() const { return count_; }
  const SymbolEntry* Entry(long number) const;
  bool IsBroken(long number) const { return broken_.count(number) != 0; }
  const std::vector<std::string>& Problems() const { return problems_; }

 private:
  int count_ = 0;
  // Numbers that share an offset share one decoded entry, so the memory a
  // library takes stays within the size of its file.
  std::map<long, std::shared_ptr<const SymbolEntry>> entries_;
  std::map<long, std::string> broken_;
  std::vector<std::string> problems_;
};

// A line type's unit cell: the elements of a two-level entry. Kinds, in cell
// units (x along the line 0 .. 1 per X coefficient, y across per Y
// coefficient):
enum LineCellKind {
  kCellBase = 0,   // the whole line, drawn continuously; 1 point: (0, offset across)
  kCellStroke = 1, // a polyline inside the cell
  kCellTooth = 2,  // a filled polygon inside the cell
  kCellDot = 3,    // a filled dot: centre, then (radius, 0)
};

// "LINESTY.lib". Slot 0 of its index (6-byte records) holds the count of line
// types and, in its last 16 bits, the form: 2 for the two-level index, where
// slot t holds the base of type t's sub-style table and, in its last 16 bits,
// the number of sub-styles; anything else for a single-level index whose
// entry n is line type n with the one sub-style 0, in the layout of the
// single-level entries (polylines become strokes, areas teeth, discs and
// circles dots, an entry without elements a continuous line).
class LineTypeLibrary {
 public:
  static std::optional<LineTypeLibrary> Parse(std::string_view file, std::string* error);

  bool IsTwoLevel() const { return twoLevel_; }
  int Count() const { return count_; }
  int SubStyleCount(long type) const;
  const GroupedEntry* Cell(long type, long subStyle) const;
  bool IsBroken(long type, long subStyle) const { return broken_.count({type, subStyle}) != 0; }
  const std::vector<std::string>& Problems() const { return problems_; }

 private:
  bool twoLevel_ = false;
  int count_ = 0;
  std::map<long, int> subStyles_;
  std::map<std::pair<long, long>, std::shared_ptr<const GroupedEntry>> cells_;
  std::map<std::pair<long, long>, std::string> broken_;
  std::vector<std::string> problems_;
};

// The pattern name list beside a pattern library: lines "number name", the
// first line with a number wins; names are one word of at most 49 bytes (in
// GBK). Lines of another form are skipped.
class PatternNames {
 public:
  static PatternNames Parse(std::string_view text);
  // The name of pattern n, or empty.
  std::string Name(long number) const;
  // "n_name", or "n_未命名图案" without a name.
  std::string Label(long number) const;

 private:
  std::map<long, std::string> names_;
};

}  // namespace zv::display
