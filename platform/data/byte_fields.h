#pragma once
// Packed records of fixed size with typed access at byte offsets.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "framework/bytes/little_endian.h"

namespace zv::bytes {

// A packed record of N bytes with typed access at byte offsets. Records
// derived from it stay exactly N bytes and may be copied with memcpy.
template <std::size_t N>
struct ByteRecord {
  static constexpr std::size_t kSize = N;
  uint8_t bytes[N] = {};

  template <LeValue T>
  T Get(std::size_t offset) const {
    return offset + sizeof(T) <= N ? ReadLe<T>(bytes + offset) : T{};
  }
  // Writes past the end are ignored, so a wrong offset cannot overrun.
  template <LeValue T>
  void Set(std::size_t offset, T value) {
    if (offset + sizeof(T) <= N) WriteLe<T>(bytes + offset, value);
  }
  void Clear() { std::memset(bytes, 0, N); }
  uint8_t* data() { return bytes; }
  const uint8_t* data() const { return bytes; }
  static constexpr std::size_t size() { return N; }
  friend bool operator==(const ByteRecord& a, const ByteRecord& b) { return std::memcmp(a.bytes, b.bytes, N) == 0; }
};

}  // namespace zv::bytes
