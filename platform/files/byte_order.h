#pragma once
// Little-endian, unaligned access to the packed records of the platform's
// files. Every record field goes through these, so the byte order is stated
// once and no record is ever cast to a structure.

#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace zv::files {

// The accessors copy bytes as they lie, which is right on little-endian hosts
// only; every platform we build for is one.
static_assert(std::endian::native == std::endian::little);

template <typename T>
T GetLe(const std::uint8_t* bytes) {
  static_assert(std::is_arithmetic_v<T>);
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

template <typename T>
void PutLe(std::uint8_t* bytes, T value) {
  static_assert(std::is_arithmetic_v<T>);
  std::memcpy(bytes, &value, sizeof(T));
}

}  // namespace zv::files
