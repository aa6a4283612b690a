#pragma once
// Entries of the system library's symbol files, as their index tables find
// them:
//   single-level index: the 32-bit offset of entry n at byte n * record size;
//     the entry is a 16-bit element count E, a 16-bit coordinate count K, E
//     elements of 10 bytes (kind, colour a, parameter b, line width, part
//     count; 16 bits each), one 16-bit point count per part of all elements,
//     then K / 2 pairs of 32-bit floats (x, y) that the parts take in order.
//     Sub-graphs (record size 4) and fill patterns (record size 6) use it.
//   two-level index "g-n": the 32-bit value at byte g * record size is the
//     base of group g, the 32-bit value at base + n * record size the offset
//     of entry n of the group; the entry is a 16-bit element count E, E records
//     of 6 bytes (kind, point count, reserved; 16 bits each), then the points
//     as pairs of 32-bit floats. Line types (record size 6) use it.
// A reader refuses offsets, counts and points that the file cannot hold.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::display {

struct LibPoint {
  double x = 0;
  double y = 0;
};

using LibPart = std::vector<LibPoint>;

// One element of a single-level entry: `colourA` is its fill colour and
// `colourB` its line colour (the platform calls the second a parameter in
// patterns); a colour 0 takes the colour of the point or of the pattern.
struct SymbolElement {
  int kind = 0;
  int colourA = 0;
  int colourB = 0;
  int lineWidth = 0;  // in 0.05 map units
  std::vector<LibPart> parts;
};

struct SymbolEntry {
  std::vector<SymbolElement> elements;
};

// One element of a two-level entry.
struct GroupedElement {
  int kind = 0;
  int reserved = 0;
  LibPart points;
};

struct GroupedEntry {
  std::vector<GroupedElement> elements;
};

// The entry at an absolute offset (single-level layout).
std::optional<SymbolEntry> ParseSymbolEntryAt(std::string_view file, std::int64_t offset, std::string* error);

// Entry n through the single-level index.
std::optional<SymbolEntry> ReadSymbolEntry(std::string_view file, std::int64_t n, int recordSize,
                                           std::string* error);

// The entry at an absolute offset (two-level layout).
std::optional<GroupedEntry> ParseGroupedEntryAt(std::string_view file, std::int64_t offset, std::string* error);

// Entry g-n through the two-level index.
std::optional<GroupedEntry> ReadGroupedEntry(std::string_view file, std::int64_t g, std::int64_t n, int recordSize,
                                             std::string* error);

}  // namespace zv::display
