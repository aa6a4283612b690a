#include "platform/display/symbol_entry.h"

#include <cmath>

#include "platform/display/library_bytes.h"

namespace zv::display {
namespace {

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

// Reads `count` float pairs from `at`; every value must be a finite number.
bool ReadPoints(const LibraryBytes& bytes, std::int64_t at, std::int64_t count, LibPart& out, std::string* error) {
  if (count < 0 || at + count * 8 > static_cast<std::int64_t>(bytes.Size()))
    return Fail(error, "points run past the end of the file");
  out.reserve(out.size() + static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    float x = 0, y = 0;
    bytes.F32(at + i * 8, x);
    bytes.F32(at + i * 8 + 4, y);
    if (!std::isfinite(x) || !std::isfinite(y)) return Fail(error, "a coordinate is not a number");
    out.push_back({x, y});
  }
  return true;
}

bool ReadOffset(const LibraryBytes& bytes, std::int64_t at, std::int64_t& offset, std::string* error) {
  std::int32_t value = 0;
  if (!bytes.I32(at, value)) return Fail(error, "the index ends early");
  if (value <= 0 || static_cast<std::uint64_t>(value) >= bytes.Size()) return Fail(error, "no entry at this number");
  offset = value;
  return true;
}

}  // namespace

std::optional<SymbolEntry> ParseSymbolEntryAt(std::string_view file, std::int64_t offset, std::string* error) {
  const LibraryBytes bytes(file);
  std::int16_t elementCount = 0, floatCount = 0;
  if (!bytes.I16(offset, elementCount) || !bytes.I16(offset + 2, floatCount)) {
    Fail(error, "the entry ends early");
    return std::nullopt;
  }
  if (elementCount < 0 || floatCount < 0) {
    Fail(error, "negative element or coordinate count");
    return std::nullopt;
  }
  SymbolEntry entry;
  std::int64_t at = offset + 4;
  std::int64_t partTotal = 0;
  std::vector<int> partsPerElement;
  for (int e = 0; e < elementCount; ++e, at += 10) {
    std::int16_t kind, a, b, width, parts;
    if (!bytes.I16(at, kind) || !bytes.I16(at + 2, a) || !bytes.I16(at + 4, b) || !bytes.I16(at + 6, width) ||
        !bytes.I16(at + 8, parts)) {
      Fail(error, "the element table ends early");
      return std::nullopt;
    }
    entry.elements.push_back({kind, a, b, width, {}});
    partsPerElement.push_back(parts > 0 ? parts : 0);  // no parts: the element uses no part size
    partTotal += partsPerElement.back();
  }
  const std::int64_t sizesAt = at;
  const std::int64_t pointsAt = sizesAt + partTotal * 2;
  const std::int64_t pairCount = floatCount / 2;
  LibPart all;
  if (!ReadPoints(bytes, pointsAt, pairCount, all, error)) return std::nullopt;
  std::int64_t next = 0;
  std::int64_t sizeIndex = 0;
  for (std::size_t e = 0; e < entry.elements.size(); ++e) {
    for (int p = 0; p < partsPerElement[e]; ++p, ++sizeIndex) {
      std::int16_t size = 0;
      if (!bytes.I16(sizesAt + sizeIndex * 2, size)) {
        Fail(error, "the part sizes end early");
        return std::nullopt;
      }
      if (size < 0 || next + size > pairCount) {
        Fail(error, "a part takes more points than the entry holds");
        return std::nullopt;
      }
      entry.elements[e].parts.emplace_back(all.begin() + next, all.begin() + next + size);
      next += size;
    }
  }
  return entry;
}

std::optional<SymbolEntry> ReadSymbolEntry(std::string_view file, std::int64_t n, int recordSize,
                                           std::string* error) {
  std::int64_t offset = 0;
  if (n < 0 || !ReadOffset(LibraryBytes(file), n * recordSize, offset, error)) {
    if (n < 0) Fail(error, "negative entry number");
    return std::nullopt;
  }
  return ParseSymbolEntryAt(file, offset, error);
}

std::optional<GroupedEntry> ParseGroupedEntryAt(std::string_view file, std::int64_t offset, std::string* error) {
  const LibraryBytes bytes(file);
  std::int16_t elementCount = 0;
  if (!bytes.I16(offset, elementCount) || elementCount < 0) {
    Fail(error, "the entry ends early or has a negative element count");
    return std::nullopt;
  }
  GroupedEntry entry;
  std::int64_t at = offset + 2;
  std::vector<int> counts;
  for (int e = 0; e < elementCount; ++e, at += 6) {
    std::int16_t kind, count, reserved;
    if (!bytes.I16(at, kind) || !bytes.I16(at + 2, count) || !bytes.I16(at + 4, reserved) || count < 0) {
      Fail(error, "the element table ends early or has a negative point count");
      return std::nullopt;
    }
    entry.elements.push_back({kind, reserved, {}});
    counts.push_back(count);
  }
  for (std::size_t e = 0; e < counts.size(); ++e) {
    if (!ReadPoints(bytes, at, counts[e], entry.elements[e].points, error)) return std::nullopt;
    at += static_cast<std::int64_t>(counts[e]) * 8;
  }
  return entry;
}

std::optional<GroupedEntry> ReadGroupedEntry(std::string_view file, std::int64_t g, std::int64_t n, int recordSize,
                                             std::string* error) {
  const LibraryBytes bytes(file);
  std::int64_t base = 0, offset = 0;
  if (g < 0 || n < 0) {
    Fail(error, "negative group or entry number");
    return std::nullopt;
  }
  if (!ReadOffset(bytes, g * recordSize, base, error) || !ReadOffset(bytes, base + n * recordSize, offset, error))
    return std::nullopt;
  return ParseGroupedEntryAt(file, offset, error);
}

}  // namespace zv::display
