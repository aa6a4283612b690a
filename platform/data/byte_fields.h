#pragma once
// Little-endian, unaligned reads and writes of fixed-width values inside byte
// records. The platform's records are packed and little-endian whatever the
// host, so every field access goes through here instead of a struct cast.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace zv::bytes {

template <class T>
concept LeValue = std::is_arithmetic_v<T> && (sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8);

template <LeValue T>
T ReadLe(const uint8_t* at) {
  using U = std::conditional_t<sizeof(T) == 1, uint8_t,
            std::conditional_t<sizeof(T) == 2, uint16_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;
  U raw = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) raw |= static_cast<U>(static_cast<U>(at[i]) << (8 * i));
  T value;
  std::memcpy(&value, &raw, sizeof(T));
  return value;
}

template <LeValue T>
void WriteLe(uint8_t* at, T value) {
  using U = std::conditional_t<sizeof(T) == 1, uint8_t,
            std::conditional_t<sizeof(T) == 2, uint16_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;
  U raw;
  std::memcpy(&raw, &value, sizeof(T));
  for (std::size_t i = 0; i < sizeof(T); ++i) at[i] = static_cast<uint8_t>(raw >> (8 * i));
}

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
