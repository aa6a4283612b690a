#pragma once
// Little-endian, unaligned reads and writes of fixed-width values inside byte
// records. The platform's records and files are packed and little-endian
// whatever the host, so every field access goes through here instead of a
// struct cast.

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

}  // namespace zv::bytes
